// The print preview: shows the two report pages, pages and zooms, prints through the system's
// print dialog or saves a PDF, and decides whether the cover page goes with it. It closes as soon
// as another window of the program becomes active, so it acts like a modal window without
// blocking the main window.
#pragma once

#include <QImage>
#include <QPrinter>
#include <QWidget>

#include "printout/report_pages.h"

class QCheckBox;
class QPrintPreviewWidget;
class QScrollBar;
class QToolButton;

namespace phonikon {

class TForm_QRep : public QWidget {
    Q_OBJECT
  public:
    // The project, the company data and the loaded logo belong to the application and outlive
    // the window; each preview reads them afresh.
    TForm_QRep(const Projekt& projekt, const Firmendaten& firma, const QImage& logo,
               QWidget* parent = nullptr);

    // The main window's print command: fills the report and shows the preview, or shows why not.
    void SpeedButtonPrintClick();

    void ZoomChange(int position);
    void btn_100Click();
    void btn_ZoomPageClick();
    void btn_Page1Click();
    void btn_Page2Click();
    void btn_PrintClick();
    void btn_PdfClick();
    void btn_ExitClick();

    // Restricts the printer to the calculation sheet unless the cover page is to be printed.
    void DruckbereichSetzen(QPrinter& drucker) const;

    int zoom() const;  // per cent
    int seite() const;
    const Druckbericht& bericht() const { return bericht_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QToolButton* Knopf(const QString& name, const QString& hinweis, const QIcon& symbol);
    void SeiteZeigen(int seite);
    void Verlassen(bool deaktiviert);
    void AktivierungPruefen();
    void Meldung(const QString& text, bool warnung);

    const Projekt& p_;
    const Firmendaten& firma_;
    const QImage& logo_;
    Druckbericht bericht_;
    QPrinter vorschauDrucker_;
    bool eigenerDialog_ = false;  // a dialog of this window is open: losing activation is fine

    QPrintPreviewWidget* QRPreview_;
    QToolButton *btn_Exit_, *btn_Print_, *btn_Pdf_, *btn_100_, *btn_ZoomPage_, *btn_Page1_,
        *btn_Page2_;
    QScrollBar* Zoom_;
    QCheckBox* chk_Deckblatt_;
};

}  // namespace phonikon
