// Symbols of the main window's tool bar.
#pragma once

#include <QIcon>

namespace phonikon {

enum class Werkzeug {
    Neu,
    Oeffnen,
    Speichern,
    Druckvorschau,
    Varianten,
    Ergebnisse,
    Handbuch,
    Berechnungsgrundlagen,
    Praxistipps,
    Hilfe
};

// The desktop theme's symbol where it has one, so the tool bar looks native; otherwise the
// style's standard symbol or a drawn one. Needs a running QApplication.
QIcon WerkzeugSymbol(Werkzeug w);

}  // namespace phonikon
