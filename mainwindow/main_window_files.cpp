// New, Open, Save, Save as and the message boxes of the main window.
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QMessageBox>
#include <QPushButton>

#include "calc/message_boxes.h"
#include "mainwindow/main_window.h"
#include "projectfile/file_flows.h"

namespace phonikon {
namespace {

std::string Pfad(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

}  // namespace

bool TSimplifiedModel::Bestaetigen(const QString& text) {
    return JaNeinFrage(this, text);
}

void TSimplifiedModel::Information(const QString& text) {
    QMessageBox box(QMessageBox::Information, "Information", text, QMessageBox::Ok, this);
    box.exec();
}

void TSimplifiedModel::Fehler(const QString& text) {
    Fehlermeldung(this, text);
}

// The project file dialogs start in the project folder. The folder of a chosen file becomes the
// project folder only once the file has been read or written (`OrdnerMerken`): a folder that
// cannot be read or written must not become the start of every later dialog.
QString TSimplifiedModel::Dateidialog(bool speichern) {
    QFileDialog dialog(this, speichern ? "Speichern unter" : "Öffnen");
    dialog.setObjectName(speichern ? "SaveDialog" : "OpenDialog");
    dialog.setNameFilter("*.dat");
    dialog.setDirectory(QString::fromStdString(p_.ProjektVerzeichnis));
    // A name that does not exist is accepted here and reported when the file is opened.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (speichern) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("dat");
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void TSimplifiedModel::OrdnerMerken(const QString& pfad) {
    p_.ProjektVerzeichnis = Pfad(QFileInfo(pfad).absolutePath());
}

void TSimplifiedModel::FileNewItemClick() {
    if (!Bestaetigen("Alle Eingaben rücksetzen ?\n  ")) return;
    const auto rechenfehler = Projekt_Neu(p_);
    Ausfuehren(rechenfehler);
    PanelBrevon_->setFocus();
}

void TSimplifiedModel::FileOpenItemClick() {
    if (!p_.Gespeichert && !Bestaetigen("Das aktuelle Projekt ist nicht gespeichert!\n"
                                        "Möchten Sie die trotzdem ein neues Projekts öffnen?"))
        return;
    const QString pfad = Dateidialog(false);
    if (pfad.isEmpty()) return;

    // A file that cannot be read leaves the open project as it was.
    const OeffnenErgebnis ergebnis = Projekt_Oeffnen(p_, Pfad(pfad));
    Anzeigen();
    if (ergebnis.fehler) {
        Fehler(QString::fromStdString(*ergebnis.fehler));
        return;
    }
    OrdnerMerken(pfad);
    if (ergebnis.fruehereVersion) Information(QString::fromUtf8(kFruehereVersionMeldung));
    if (ergebnis.rechenfehler) Fehler(QString::fromStdString(*ergebnis.rechenfehler));
    PanelBrevon_->setFocus();
}

bool TSimplifiedModel::save_asClick() {
    Namen_Uebernehmen(p_);
    const QString pfad = Dateidialog(true);
    if (pfad.isEmpty()) return false;
    // Written through a temporary file: a failed save leaves the old file as it was.
    const auto fehler = Projekt_SpeichernUnter(p_, Pfad(pfad));
    if (fehler) {
        // The user meant another file than the one shown before: a plain save must not write
        // the old one behind their back, so there is no current file until the next success.
        p_.DateiName.clear();
        p_.Fenster.Datei_sichtbar = false;
        p_.Fenster.label_DatName.clear();
        Anzeigen();
        Fehler(QString::fromStdString(*fehler));
        return false;
    }
    OrdnerMerken(pfad);
    Anzeigen();
    return true;
}

bool TSimplifiedModel::SpeichernClick() {
    if (p_.DateiName.empty()) return save_asClick();
    Namen_Uebernehmen(p_);
    const auto fehler = Projekt_SpeichernUnter(p_, p_.DateiName);
    Anzeigen();
    if (fehler) {
        Fehler(QString::fromStdString(*fehler));
        return false;
    }
    return true;
}

}  // namespace phonikon
