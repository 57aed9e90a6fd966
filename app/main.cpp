// Start-up of the desktop program: German texts, the application with its windows.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/application.h"
#include "resources/emblem.h"

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
    QApplication::setDesktopFileName("phonikon");
    QApplication::setWindowIcon(QIcon(phonikon::Emblem(64)));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own dialogs (file dialogs, standard buttons) speak German as well.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    phonikon::Anwendung anwendung(Dezimaltrenner(),
                                  QFile::encodeName(QDir::currentPath()).toStdString());
    anwendung.Starten();
    return app.exec();
}
