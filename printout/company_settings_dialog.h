// The company header settings: the texts of the report's page header and cover page, the logo
// and where logo and company name sit in the header band. "&Übernehmen" loads the logo and
// writes the company file; "&Abbrechen" only closes (the typed texts stay for the print-out).
#pragma once

#include <QDialog>
#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "printout/company_header.h"

class QLineEdit;
class QPushButton;

namespace phonikon {

class TForm_FaSet : public QDialog {
    Q_OBJECT
  public:
    // The dialog edits `daten` and loads into `logo`; both belong to the application and outlive
    // the dialog. `firmaSet` is the company file that "&Übernehmen" writes.
    TForm_FaSet(Firmendaten& daten, QImage& logo, std::string firmaSet, QWidget* parent = nullptr);

    // Shows the current texts and opens the dialog; the other windows stay blocked until it closes.
    void Oeffnen();

    void Button_Save_FaDatClick();
    void Button2Click();
    void Button1Click();
    void edit_DateDblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;  // Escape acts as "&Abbrechen"

  private:
    QLineEdit* Feld(const QString& name, std::string Firmendaten::*text, int maxLaenge = 0);
    QLineEdit* Abstandsfeld(const QString& name, std::string Firmendaten::*text);
    void FelderZeigen();
    void Information(const QString& text);

    Firmendaten& daten_;
    QImage& logo_;
    std::string firmaSet_;
    std::vector<std::pair<QLineEdit*, std::string Firmendaten::*>> felder_;
    QLineEdit *edit_Date_ = nullptr, *edit_Logo_ = nullptr;
};

// Loads the logo picture named in `daten` into `logo`; false (and an empty logo) when the file is
// missing or no picture.
bool LogoLaden(const Firmendaten& daten, QImage& logo);

// Today's date as the date field shows it after a double click: "9. 12. 2026".
QString HeutigesDatum();

}  // namespace phonikon
