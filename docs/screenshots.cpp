// Takes the pictures of the manual from the program's own windows, without a screen:
//   phonikon-bildschirmfotos BEISPIEL.dat BILDERORDNER
// writes hauptfenster.png, firmendaten.png, haftung.png, impressum.png and protokoll.png.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/application.h"
#include "app/info_windows.h"
#include "calc/protocol_window.h"
#include "mainwindow/main_window.h"
#include "printout/company_settings_dialog.h"
#include "projectfile/file_flows.h"

namespace phonikon {
namespace {

QImage Foto(QWidget& w) {
    w.show();
    QApplication::processEvents();
    return w.grab().toImage();
}

void Eintragen(QWidget& dialog, const char* feld, const QString& text) {
    if (auto* e = dialog.findChild<QLineEdit*>(feld)) e->setText(text);
}

QMap<QString, QImage> Bildschirmfotos(const QString& beispiel) {
    QTemporaryDir start;
    Anwendung anwendung(',', QFile::encodeName(start.path()).toStdString());
    QMap<QString, QImage> bilder;

    TSimplifiedModel& haupt = anwendung.hauptfenster();
    // A copy in the start folder, so the picture shows no path of the build machine.
    const QString kopie = start.filePath("Beispiel.dat");
    QFile::copy(beispiel, kopie);
    Projekt_Oeffnen(anwendung.projekt(), QFile::encodeName(kopie).toStdString());
    haupt.Anzeigen();
    haupt.resize(haupt.sizeHint());
    bilder["hauptfenster"] = Foto(haupt);

    TForm_FaSet& firma = anwendung.firmendatenDialog();
    Eintragen(firma, "edit_Fa", "Ingenieurbüro Muster");
    Eintragen(firma, "edit_Str", "Beispielweg 12");
    Eintragen(firma, "edit_PLZ", "12345");
    Eintragen(firma, "edit_Ort", "Musterstadt");
    Eintragen(firma, "edit_Bearbeiter", "Bauphysik-Team");
    Eintragen(firma, "edit_Date", "9. 12. 2026");
    Eintragen(firma, "edit_Tel", "0123 456789");
    Eintragen(firma, "edit_Fax", "0123 456788");
    Eintragen(firma, "edit_Mail", "info@example.org");
    Eintragen(firma, "edit_www", "www.example.org");
    Eintragen(firma, "edit_Logo", "/home/nutzer/Bilder/logo.png");
    Eintragen(firma, "edit_LogoLeft", "10");
    Eintragen(firma, "edit_FaNameLeft", "120");
    Eintragen(firma, "edit_FaNameTop", "20");
    bilder["firmendaten"] = Foto(firma);
    firma.hide();

    anwendung.haftung().Zeigen();
    bilder["haftung"] = Foto(anwendung.haftung());
    anwendung.impressum().Zeigen();
    bilder["impressum"] = Foto(anwendung.impressum());

    if (auto* ergebnisse = haupt.findChild<QToolButton*>("btn_Results")) {
        ergebnisse->click();
        if (ProtocolWindow* protokoll = haupt.protokollFenster()) {
            protokoll->resize(720, 520);
            bilder["protokoll"] = Foto(*protokoll);
        }
    }
    return bilder;
}

}  // namespace
}  // namespace phonikon

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList argumente = app.arguments();
    if (argumente.size() != 3) return 64;
    QDir().mkpath(argumente[2]);
    const auto bilder = phonikon::Bildschirmfotos(argumente[1]);
    for (auto it = bilder.begin(); it != bilder.end(); ++it)
        if (!it.value().save(QDir(argumente[2]).filePath(it.key() + ".png"))) return 1;
    return 0;
}
