// The program's message boxes: German buttons, the captions its users know, one look everywhere.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace phonikon {

enum class Vorgabe { Ja, Nein };

// A question with "&Ja" and "&Nein" (Escape answers "&Nein"); true when the user says "&Ja".
// Confirmations use the caption "Bestätigen" and the question symbol, warnings "Warnung" and the
// warning symbol.
bool JaNeinFrage(QWidget* eltern, const QString& text, const QString& titel = "Bestätigen",
                 QMessageBox::Icon symbol = QMessageBox::Question, Vorgabe vorgabe = Vorgabe::Ja);

// An error with "OK" under the program's name.
void Fehlermeldung(QWidget* eltern, const QString& text);

}  // namespace phonikon
