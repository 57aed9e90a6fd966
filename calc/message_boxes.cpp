#include "calc/message_boxes.h"

#include <QPushButton>

namespace phonikon {

bool JaNeinFrage(QWidget* eltern, const QString& text, const QString& titel,
                 QMessageBox::Icon symbol, Vorgabe vorgabe) {
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton("&Ja", QMessageBox::YesRole);
    QPushButton* nein = box.addButton("&Nein", QMessageBox::NoRole);
    box.setDefaultButton(vorgabe == Vorgabe::Ja ? ja : nein);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

void Fehlermeldung(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Critical, "Phonikon", text, QMessageBox::Ok, eltern);
    box.exec();
}

}  // namespace phonikon
