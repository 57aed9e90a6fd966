#include "printout/company_settings_dialog.h"

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace phonikon {
namespace {

QLabel* Ueberschrift(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    return l;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

bool LogoLaden(const Firmendaten& daten, QImage& logo) {
    const QString pfad = QFile::decodeName(daten.edit_Logo.c_str());
    logo = QImage();
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile()) return false;
    return logo.load(pfad);
}

QString HeutigesDatum() {
    const QDate heute = QDate::currentDate();
    return QStringLiteral("%1. %2. %3").arg(heute.day()).arg(heute.month()).arg(heute.year());
}

TForm_FaSet::TForm_FaSet(Firmendaten& daten, QImage& logo, std::string firmaSet, QWidget* parent)
    : QDialog(parent), daten_(daten), logo_(logo), firmaSet_(std::move(firmaSet)) {
    setObjectName("Form_FaSet");
    setWindowTitle(" Einstellungen Druckausgabe");
    // Fixed size, no title-bar buttons; the user leaves with one of the two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);

    // The company's address block of the cover page.
    layout->addWidget(Ueberschrift("Firmenangaben für Deckblatt Druckausgabe:", this));
    auto* adresse = new QGridLayout;
    adresse->setHorizontalSpacing(8);
    adresse->setVerticalSpacing(4);
    int zeile = 0;
    auto adresszeile = [&](const QString& text, QLineEdit* feld) {
        adresse->addWidget(new QLabel(text, this), zeile, 0);
        adresse->addWidget(feld, zeile, 1, 1, 2);
        ++zeile;
    };
    adresszeile("Firma : ..................", Feld("edit_Fa", &Firmendaten::edit_Fa));
    adresszeile("Straße : ................", Feld("edit_Str", &Firmendaten::edit_Str));
    QLineEdit* plz = Feld("edit_PLZ", &Firmendaten::edit_PLZ);
    plz->setFixedWidth(plz->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 12);
    adresse->addWidget(new QLabel("PLZ / Ort : ............", this), zeile, 0);
    adresse->addWidget(plz, zeile, 1);
    adresse->addWidget(Feld("edit_Ort", &Firmendaten::edit_Ort), zeile, 2);
    ++zeile;
    adresszeile("Bearbeiter : .........", Feld("edit_Bearbeiter", &Firmendaten::edit_Bearbeiter));
    edit_Date_ = Feld("edit_Date", &Firmendaten::edit_Date, 20);
    edit_Date_->setToolTip(" Doppelklick für aktuelles Datum");
    edit_Date_->installEventFilter(this);
    adresszeile("Datum : ...............", edit_Date_);
    adresszeile("Tel. : ..................", Feld("edit_Tel", &Firmendaten::edit_Tel));
    adresszeile("Fax : ...................", Feld("edit_Fax", &Firmendaten::edit_Fax));
    adresszeile("Email : ................", Feld("edit_Mail", &Firmendaten::edit_Mail));
    adresszeile("Internet : ..............", Feld("edit_www", &Firmendaten::edit_www));
    adresse->setColumnStretch(2, 1);
    layout->addLayout(adresse);
    layout->addSpacing(6);

    // The page-header band: logo and company name.
    layout->addWidget(Ueberschrift("Kopfzeile für Druckausgabe:", this));
    auto* logoZeile = new QHBoxLayout;
    auto* Button1 = new QPushButton("Firmenlogo", this);
    Button1->setObjectName("Button1");
    Button1->setAutoDefault(false);
    edit_Logo_ = Feld("edit_Logo", &Firmendaten::edit_Logo);
    logoZeile->addWidget(Button1);
    logoZeile->addWidget(edit_Logo_, 1);
    layout->addLayout(logoZeile);
    auto* hinweis = new QLabel("Pfad und Dateiname (bmp /jpg)", this);
    hinweis->setObjectName("label_LogoHinweis");
    layout->addWidget(hinweis);

    auto* abstaende = new QGridLayout;
    abstaende->setHorizontalSpacing(8);
    abstaende->setVerticalSpacing(4);
    auto abstandszeile = [&](int r, const QString& rand, const QString& name,
                             std::string Firmendaten::*text) {
        abstaende->addWidget(new QLabel(rand, this), r, 1);
        abstaende->addWidget(Abstandsfeld(name, text), r, 2);
        abstaende->addWidget(new QLabel("[Pixel]", this), r, 3);
    };
    const QString links = "Abstand vom linken Rand:", oben = "Abstand vom oberen Rand:";
    abstandszeile(0, links, "edit_LogoLeft", &Firmendaten::edit_LogoLeft);
    abstandszeile(1, oben, "edit_LogoTop", &Firmendaten::edit_LogoTop);
    abstaende->setRowMinimumHeight(2, 6);
    abstaende->addWidget(new QLabel("Firmenname:", this), 3, 0);
    abstandszeile(3, links, "edit_FaNameLeft", &Firmendaten::edit_FaNameLeft);
    abstandszeile(4, oben, "edit_FaNameTop", &Firmendaten::edit_FaNameTop);
    abstaende->setColumnStretch(4, 1);
    layout->addLayout(abstaende);
    layout->addSpacing(8);

    auto* knoepfe = new QHBoxLayout;
    auto* Button_Save_FaDat = new QPushButton("&Übernehmen", this);
    Button_Save_FaDat->setObjectName("Button_Save_FaDat");
    QFont fett = Button_Save_FaDat->font();
    fett.setBold(true);
    Button_Save_FaDat->setFont(fett);
    Button_Save_FaDat->setDefault(true);
    auto* Button2 = new QPushButton("&Abbrechen", this);
    Button2->setObjectName("Button2");
    Button2->setAutoDefault(false);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Button_Save_FaDat);
    knoepfe->addWidget(Button2);
    layout->addLayout(knoepfe);

    connect(Button_Save_FaDat, &QPushButton::clicked, this, &TForm_FaSet::Button_Save_FaDatClick);
    connect(Button2, &QPushButton::clicked, this, &TForm_FaSet::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm_FaSet::Button1Click);

    setMinimumWidth(480);
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
}

QLineEdit* TForm_FaSet::Feld(const QString& name, std::string Firmendaten::*text, int maxLaenge) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    if (maxLaenge > 0) e->setMaxLength(maxLaenge);
    felder_.emplace_back(e, text);
    // The field's text is the setting: the print-out reads it as it stands, also after
    // "&Abbrechen".
    connect(e, &QLineEdit::textChanged, this,
            [this, text](const QString& t) { daten_.*text = t.toStdString(); });
    return e;
}

QLineEdit* TForm_FaSet::Abstandsfeld(const QString& name, std::string Firmendaten::*text) {
    QLineEdit* e = Feld(name, text);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 12);
    e->setAlignment(Qt::AlignRight);
    e->setText("0");
    e->installEventFilter(this);
    connect(e, &QLineEdit::textChanged, this, [e](const QString& t) {
        if (t.isEmpty()) e->setText("0");
    });
    return e;
}

void TForm_FaSet::FelderZeigen() {
    for (const auto& [edit, text] : felder_) {
        const QString neu = Text(daten_.*text);
        if (edit->text() != neu) edit->setText(neu);
    }
}

void TForm_FaSet::Oeffnen() {
    FelderZeigen();
    if (QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void TForm_FaSet::Information(const QString& text) {
    QMessageBox box(QMessageBox::Information, "Information", text, QMessageBox::Ok, this);
    box.exec();
}

void TForm_FaSet::Button_Save_FaDatClick() {
    const auto abstaende = Firma_Abstaende(daten_);
    if (const auto* fehler = std::get_if<std::string>(&abstaende)) {
        QMessageBox box(QMessageBox::Critical, "Phonikon", Text(*fehler), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    if (const auto meldung = Firma_AbstaendePruefen(std::get<Abstaende>(abstaende))) {
        Information(Text(*meldung));
        return;
    }
    if (!LogoLaden(daten_, logo_))
        Information("Kein Logo definiert oder\nfalscher Logo- bzw. Pfadname.");
    if (const auto fehler = Firma_Schreiben(daten_, firmaSet_)) {
        QMessageBox box(QMessageBox::Critical, "Phonikon",
                        Text(*fehler) + "\n" + QFile::decodeName(firmaSet_.c_str()),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    hide();
}

void TForm_FaSet::Button2Click() {
    hide();
}

void TForm_FaSet::reject() {
    Button2Click();
}

void TForm_FaSet::Button1Click() {
    QFileDialog dialog(this, "Firmenlogo");
    dialog.setObjectName("OpenPictureDialog");
    dialog.setNameFilters({"Bilder (*.bmp *.jpg *.jpeg *.png)", "*.bmp", "*.jpg", "*.png"});
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QFileInfo bisher(edit_Logo_->text());
    if (bisher.isFile()) dialog.setDirectory(bisher.absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    edit_Logo_->setText(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

void TForm_FaSet::edit_DateDblClick() {
    edit_Date_->setText(HeutigesDatum());
}

bool TForm_FaSet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_Date_ && event->type() == QEvent::MouseButtonDblClick) {
        edit_DateDblClick();
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched != edit_Date_) {
        // The distance fields take digits and backspace; keys without text and shortcuts pass.
        auto* taste = static_cast<QKeyEvent*>(event);
        if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = taste->text();
        if (text.size() != 1 || !text[0].isPrint()) return false;
        return !text[0].isDigit() || text[0].unicode() > '9';
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace phonikon
