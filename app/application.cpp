#include "app/application.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "app/info_windows.h"
#include "calc/data_files.h"
#include "mainwindow/main_window.h"
#include "printout/company_settings_dialog.h"
#include "printout/print_preview.h"
#include "variants/variant_window.h"

namespace phonikon {

Anwendung::Anwendung(char dezimaltrenner, const std::string& startVerzeichnis)
    : oeffnen([](const QUrl& adresse) { return QDesktopServices::openUrl(adresse); }),
      projekt_(dezimaltrenner) {
    projekt_.StartVerzeichnis = startVerzeichnis;
    projekt_.ProjektVerzeichnis = startVerzeichnis + "/Projektdaten";

    Form_Main_ = std::make_unique<TSimplifiedModel>(projekt_);
    Form_FaSet_ = std::make_unique<TForm_FaSet>(firma_, logo_, FirmaSet());
    Form_Info_ = std::make_unique<TForm_Info>();
    Form_Impressum_ = std::make_unique<TForm_Impressum>();
    Form_Variant_ = std::make_unique<TForm_Variant>(projekt_, Form_Main_.get());
    Form_QRep_ = std::make_unique<TForm_QRep>(projekt_, firma_, logo_, Form_Main_.get());

    TSimplifiedModel* haupt = Form_Main_.get();
    connect(haupt, &TSimplifiedModel::variantenAngefordert, Form_Variant_.get(),
            &TForm_Variant::Oeffnen);
    connect(haupt, &TSimplifiedModel::firmendatenAngefordert, Form_FaSet_.get(),
            &TForm_FaSet::Oeffnen);
    connect(haupt, &TSimplifiedModel::druckvorschauAngefordert, Form_QRep_.get(),
            &TForm_QRep::SpeedButtonPrintClick);
    connect(haupt, &TSimplifiedModel::dokumentAngefordert, this, &Anwendung::DokumentOeffnen);
    connect(haupt, &TSimplifiedModel::haftungAngefordert, Form_Info_.get(), &TForm_Info::Zeigen);
    connect(haupt, &TSimplifiedModel::impressumAngefordert, Form_Impressum_.get(),
            &TForm_Impressum::Zeigen);
    // A link that cannot be opened is left alone.
    connect(haupt, &TSimplifiedModel::herausgeberseiteAngefordert, this,
            [this] { oeffnen(kHerausgeberSeite); });
    connect(Form_Impressum_.get(), &TForm_Impressum::linkAngeklickt, this,
            [this](const QUrl& adresse) { oeffnen(adresse); });
}

Anwendung::~Anwendung() = default;

std::string Anwendung::FirmaSet() const {
    return projekt_.StartVerzeichnis + "/Firma.set";
}

void Anwendung::Starten() {
    FirmaLesen();
    Form_Main_->show();
}

// Without a company file the settings keep their initial texts. A logo that no longer exists
// is forgotten without a message.
void Anwendung::FirmaLesen() {
    const std::string pfad = FirmaSet();
    if (!QFileInfo::exists(QFile::decodeName(pfad.c_str()))) return;
    if (const auto fehler = Firma_Lesen(firma_, pfad)) {
        Fehler(QString::fromStdString(*fehler) + "\n" + QFile::decodeName(pfad.c_str()));
        return;
    }
    if (!LogoLaden(firma_, logo_)) firma_.edit_Logo.clear();
}

void Anwendung::DokumentOeffnen(const QString& dateiname) {
    const QString pfad = QFile::decodeName(
        DatenDatei(projekt_.StartVerzeichnis, QFile::encodeName(dateiname).toStdString()).c_str());
    if (QFileInfo(pfad).isFile() && oeffnen(QUrl::fromLocalFile(pfad))) return;
    Fehler(" Datei \"" + dateiname + "\" nicht im aktuellen Verzeichnis gefunden\n" +
           " oder kein pdf-Reader vorhanden! ");
}

void Anwendung::Fehler(const QString& text) {
    QMessageBox box(QMessageBox::Critical, "Phonikon", text, QMessageBox::Ok, Form_Main_.get());
    box.exec();
}

}  // namespace phonikon
