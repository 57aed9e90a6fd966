#include "printout/print_preview.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "resources/tool_icons.h"

namespace phonikon {
namespace {

constexpr int kBreite = 700, kHoehe = 640;

QString ZoomText(int prozent) {
    return QString::number(prozent) + " %";
}

}  // namespace

TForm_QRep::TForm_QRep(const Projekt& projekt, const Firmendaten& firma, const QImage& logo,
                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      p_(projekt),
      firma_(firma),
      logo_(logo),
      vorschauDrucker_(QPrinter::ScreenResolution) {
    setObjectName("Form_QRep");
    setWindowTitle(" Druckvorschau ");
    vorschauDrucker_.setPageLayout(Berichtsseitenlayout());

    auto* leiste = new QToolBar(this);
    leiste->setObjectName("ToolBar1");
    leiste->setMovable(false);
    btn_Exit_ = Knopf("btn_Exit", " Vorschau beenden ",
                      style()->standardIcon(QStyle::SP_DialogCloseButton));
    btn_Print_ = Knopf("btn_Print", " Drucken ",
                       QIcon::fromTheme("document-print", WerkzeugSymbol(Werkzeug::Druckvorschau)));
    btn_Pdf_ = Knopf("btn_Pdf", " Als PDF-Datei speichern ", QIcon());
    btn_Pdf_->setText("Als PDF speichern …");
    Zoom_ = new QScrollBar(Qt::Horizontal, this);
    Zoom_->setObjectName("Zoom");
    Zoom_->setToolTip(" Zoom ");
    Zoom_->setRange(50, 150);
    Zoom_->setValue(100);
    Zoom_->setFixedWidth(150);
    btn_100_ = Knopf("btn_100", " 100% Darstellung ", QIcon());
    btn_100_->setText("100%");
    btn_100_->setMinimumWidth(48);
    btn_ZoomPage_ = Knopf("btn_ZoomPage", " Seitengröße anpassen ",
                          style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    btn_Page1_ =
        Knopf("btn_Page1", " erste Seite ", style()->standardIcon(QStyle::SP_MediaSkipBackward));
    btn_Page2_ =
        Knopf("btn_Page2", " zweite Seite ", style()->standardIcon(QStyle::SP_MediaSkipForward));
    chk_Deckblatt_ = new QCheckBox("Deckblatt drucken ", this);
    chk_Deckblatt_->setObjectName("chk_Deckblatt");
    chk_Deckblatt_->setChecked(true);

    leiste->addWidget(btn_Exit_);
    leiste->addWidget(btn_Print_);
    leiste->addWidget(btn_Pdf_);
    leiste->addSeparator();
    leiste->addWidget(Zoom_);
    leiste->addWidget(btn_100_);
    leiste->addWidget(btn_ZoomPage_);
    leiste->addSeparator();
    leiste->addWidget(btn_Page1_);
    leiste->addWidget(btn_Page2_);
    leiste->addSeparator();
    leiste->addWidget(chk_Deckblatt_);

    QRPreview_ = new QPrintPreviewWidget(&vorschauDrucker_, this);
    QRPreview_->setObjectName("QRPreview");
    QRPreview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    QRPreview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    connect(QRPreview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* drucker) { Bericht_Ausgeben(*drucker, bericht_, true); });

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(leiste);
    spalte->addWidget(QRPreview_, 1);

    connect(Zoom_, &QScrollBar::valueChanged, this, &TForm_QRep::ZoomChange);
    connect(btn_100_, &QToolButton::clicked, this, &TForm_QRep::btn_100Click);
    connect(btn_ZoomPage_, &QToolButton::clicked, this, &TForm_QRep::btn_ZoomPageClick);
    connect(btn_Page1_, &QToolButton::clicked, this, &TForm_QRep::btn_Page1Click);
    connect(btn_Page2_, &QToolButton::clicked, this, &TForm_QRep::btn_Page2Click);
    connect(btn_Print_, &QToolButton::clicked, this, &TForm_QRep::btn_PrintClick);
    connect(btn_Pdf_, &QToolButton::clicked, this, &TForm_QRep::btn_PdfClick);
    connect(btn_Exit_, &QToolButton::clicked, this, &TForm_QRep::btn_ExitClick);

    resize(kBreite, kHoehe);
    QRPreview_->setZoomFactor(1.0);
    btn_Page1_->setEnabled(false);
    btn_Page2_->setEnabled(true);
}

QToolButton* TForm_QRep::Knopf(const QString& name, const QString& hinweis, const QIcon& symbol) {
    auto* knopf = new QToolButton(this);
    knopf->setObjectName(name);
    knopf->setToolTip(hinweis);
    knopf->setIcon(symbol);
    knopf->setToolButtonStyle(symbol.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    return knopf;
}

void TForm_QRep::SpeedButtonPrintClick() {
    auto bericht = Druckbericht_Erstellen(p_, firma_, logo_);
    if (auto* meldung = std::get_if<std::string>(&bericht)) {
        Meldung(QString::fromStdString(*meldung), p_.EingabenVollstaendig == 0);
        return;
    }
    bericht_ = std::move(std::get<Druckbericht>(bericht));
    QRPreview_->updatePreview();
    show();
    raise();
    activateWindow();
}

void TForm_QRep::Meldung(const QString& text, bool warnung) {
    QMessageBox box(warnung ? QMessageBox::Warning : QMessageBox::Critical,
                    warnung ? "Warnung" : "Fehler", text, QMessageBox::Ok, parentWidget());
    box.exec();
}

void TForm_QRep::showEvent(QShowEvent* event) {
    resize(kBreite, kHoehe);
    SeiteZeigen(1);
    QWidget::showEvent(event);
}

void TForm_QRep::ZoomChange(int position) {
    const int prozent = std::clamp(position, 50, 150);
    QRPreview_->setZoomFactor(prozent / 100.0);
    btn_100_->setText(ZoomText(prozent));
}

void TForm_QRep::btn_100Click() {
    QRPreview_->setZoomFactor(1.0);
    btn_100_->setText(ZoomText(100));
    Zoom_->setValue(100);
}

// The whole page: the smaller of the zooms at which the page fills 95 % of the width or of the
// height of the view.
void TForm_QRep::btn_ZoomPageClick() {
    const QSizeF papier = vorschauDrucker_.pageLayout().fullRect(QPageLayout::Inch).size();
    const double breite = papier.width() * QRPreview_->logicalDpiX();
    const double hoehe = papier.height() * QRPreview_->logicalDpiY();
    const int nachBreite = qRound(95.0 * QRPreview_->width() / breite);
    const int nachHoehe = qRound(95.0 * QRPreview_->height() / hoehe);
    QRPreview_->setZoomFactor(std::max(1, std::min(nachBreite, nachHoehe)) / 100.0);
}

void TForm_QRep::SeiteZeigen(int seite) {
    QRPreview_->setCurrentPage(seite);
    btn_Page1_->setEnabled(seite != 1);
    btn_Page2_->setEnabled(seite != 2);
}

void TForm_QRep::btn_Page1Click() {
    SeiteZeigen(1);
}

void TForm_QRep::btn_Page2Click() {
    SeiteZeigen(2);
}

int TForm_QRep::zoom() const {
    return qRound(QRPreview_->zoomFactor() * 100);
}

int TForm_QRep::seite() const {
    return QRPreview_->currentPage();
}

// Without the cover page only the calculation sheet, page 2, is printed. Each print starts from
// a fresh printer, so ticking the box again brings the cover page back.
void TForm_QRep::DruckbereichSetzen(QPrinter& drucker) const {
    if (chk_Deckblatt_->isChecked()) return;
    drucker.setPrintRange(QPrinter::PageRange);
    drucker.setFromTo(2, 2);
}

void TForm_QRep::btn_PrintClick() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageLayout(Berichtsseitenlayout());
    drucker.setDocName("Schalltechnische Untersuchung");
    DruckbereichSetzen(drucker);
    QPrintDialog dialog(&drucker, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, 2);
    eigenerDialog_ = true;
    const bool drucken = dialog.exec() == QDialog::Accepted;
    eigenerDialog_ = false;
    if (drucken) Bericht_Drucken(drucker, bericht_);
}

void TForm_QRep::btn_PdfClick() {
    eigenerDialog_ = true;
    QString pfad = QFileDialog::getSaveFileName(
        this, "Bericht als PDF speichern",
        QDir(QString::fromStdString(p_.ProjektVerzeichnis)).filePath("Bericht.pdf"),
        "PDF-Dateien (*.pdf)");
    if (!pfad.isEmpty()) {
        if (!pfad.endsWith(".pdf", Qt::CaseInsensitive)) pfad += ".pdf";
        if (auto fehler = Bericht_AlsPdf(pfad, bericht_, chk_Deckblatt_->isChecked())) {
            QMessageBox box(QMessageBox::Critical, "Fehler", *fehler, QMessageBox::Ok, this);
            box.exec();
        }
    }
    eigenerDialog_ = false;
}

// Leaving resets the zoom bar and shows the whole page, so the next preview starts the same way.
void TForm_QRep::Verlassen(bool deaktiviert) {
    Zoom_->setValue(100);
    btn_100_->setText(ZoomText(100));
    btn_ZoomPageClick();
    if (deaktiviert) SeiteZeigen(1);
    close();
}

void TForm_QRep::btn_ExitClick() {
    Verlassen(false);
}

void TForm_QRep::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Decided once the activation has settled, when the newly active window is known.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        QTimer::singleShot(0, this, &TForm_QRep::AktivierungPruefen);
}

// Another window of the program became active: the preview steps aside. Dialogs opened from the
// preview itself, and switching to another program, leave it open.
void TForm_QRep::AktivierungPruefen() {
    if (!isVisible() || eigenerDialog_ || isActiveWindow()) return;
    QWidget* aktiv = QApplication::activeWindow();
    if (!aktiv || aktiv == this || isAncestorOf(aktiv)) return;
    Verlassen(true);
}

}  // namespace phonikon
