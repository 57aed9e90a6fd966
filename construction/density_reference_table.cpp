// The reference table "Umrechnung Rohdichteklasse - Wand-Rohdichte": wall density by unit density
// and mortar, for reading off the density to type for aerated concrete, clay brick and
// lightweight concrete.
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "construction/catalogue.h"
#include "construction/construction_dialog.h"

namespace phonikon {
namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QLabel* Zelle(const QString& text, QWidget* eltern, Qt::Alignment ausrichtung, bool umbrechen) {
    auto* l = new QLabel(text, eltern);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(ausrichtung);
    l->setWordWrap(umbrechen);
    return l;
}

QFrame* Linie(QWidget* eltern, bool senkrecht) {
    auto* linie = new QFrame(eltern);
    linie->setFrameShape(senkrecht ? QFrame::VLine : QFrame::HLine);
    linie->setFrameShadow(QFrame::Plain);
    linie->setLineWidth(1);
    return linie;
}

}  // namespace

QFrame* RohdichtetabelleAufbauen(QWidget* eltern) {
    auto* panel = new QFrame(eltern);
    panel->setObjectName("panel_Rohdichte");
    panel->setAutoFillBackground(true);
    QPalette weiss = panel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    weiss.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(weiss);

    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(8, 8, 8, 8);
    v->setSpacing(6);

    QLabel* titel = Zelle(Q(kWandRohdichteTitel), panel, Qt::AlignHCenter, true);
    titel->setObjectName("label_RohdichteTitel");
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    v->addWidget(titel);

    // Columns: unit density | line | normal mortar | light mortar | thin-bed mortar.
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(1);
    const Qt::Alignment mitte = Qt::AlignHCenter | Qt::AlignBottom;
    g->addWidget(Zelle(Q(kWandRohdichteKopfStein), panel, mitte, true), 0, 0);
    g->addWidget(Zelle(Q(kWandRohdichteKopfNormal), panel, mitte, true), 0, 2);
    g->addWidget(Zelle(Q(kWandRohdichteKopfLeicht) + "\n" + Q(kWandRohdichteKopfLeichtZusatz),
                       panel, mitte, true),
                 0, 3);
    g->addWidget(Zelle(Q(kWandRohdichteKopfDuennbett), panel, mitte, true), 0, 4);
    g->addWidget(Zelle("[kg/dm³]", panel, Qt::AlignHCenter | Qt::AlignTop, false), 1, 0);
    for (int spalte = 2; spalte <= 4; ++spalte)
        g->addWidget(
            Zelle("[kg/m³]\n" + Q(kWandRohdichteFussnotenmarken), panel, Qt::AlignHCenter, false),
            1, spalte);
    g->addWidget(Linie(panel, false), 2, 0, 1, 5);

    int zeile = 3;
    const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
    for (const WandRohdichteZeile& z : kWandRohdichteTabelle) {
        g->addWidget(Zelle(Q(z.Steinrohdichte), panel, Qt::AlignHCenter, false), zeile, 0);
        g->addWidget(Zelle(QString::number(z.Normalmoertel), panel, rechts, false), zeile, 2);
        g->addWidget(Zelle(QString::number(z.Leichtmoertel), panel, rechts, false), zeile, 3);
        g->addWidget(Zelle(QString::number(z.Duennbettmoertel), panel, rechts, false), zeile, 4);
        ++zeile;
    }
    g->addWidget(Linie(panel, true), 0, 1, zeile, 1);
    for (int spalte : {0, 2, 3, 4}) g->setColumnStretch(spalte, 1);
    v->addLayout(g);
    v->addWidget(Linie(panel, false));

    QFont klein = panel->font();
    klein.setPointSizeF(7);
    for (std::string_view fussnote : kWandRohdichteFussnoten) {
        QLabel* l = Zelle(Q(fussnote), panel, Qt::AlignLeft | Qt::AlignTop, true);
        l->setFont(klein);
        v->addWidget(l);
    }
    v->addStretch();
    return panel;
}

}  // namespace phonikon
