// Start-up of the desktop program: German texts, the main window, the start and project folders.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "mainwindow/main_window.h"

namespace {

// The user's decimal separator for the number texts of the window.
char Dezimaltrenner() {
    const QString punkt = QLocale::system().decimalPoint();
    if (punkt.size() == 1 && punkt[0].unicode() < 0x80) return punkt[0].toLatin1();
    return ',';
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Phonikon");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own dialogs (file dialogs, standard buttons) speak German as well.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    // The one project of this run; the windows show it and forward the user's actions to it.
    phonikon::Projekt projekt(Dezimaltrenner());
    phonikon::TSimplifiedModel fenster(projekt);
    projekt.StartVerzeichnis = QFile::encodeName(QDir::currentPath()).toStdString();
    projekt.ProjektVerzeichnis = projekt.StartVerzeichnis + "/Projektdaten";
    fenster.show();
    return app.exec();
}
