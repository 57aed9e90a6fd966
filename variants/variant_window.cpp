#include "variants/variant_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include "calc/message_boxes.h"
#include "calc/number_text.h"

namespace phonikon {
namespace {

const QColor kBalkenBlau(0, 0, 255);
const QColor kBalkenHellblau(145, 200, 255);
const QColor kAchsentext(128, 128, 128);
constexpr QSize kFenstergroesse(660, 760);

struct Diagrammart {
    const char* name;
    const char* achsentitel;
    const char* hinweis;
    const char* kopieren;  // its popup item
    bool Rw, DnTw;         // the series it holds
};

const std::array<Diagrammart, 3> kArten{{
    {"Chart_RwDnTW", "R'w / DnT,w  [dB]", " rechte Maustaste: Grafik in Zwischenablage kopieren ",
     "ZA1", true, true},
    {"Chart_Rw", "R'w  [dB]",
     " linke Maustaste: Zoom  /  rechte Maustaste: Grafik in Zwischenablage kopieren ", "ZA2", true,
     false},
    {"Chart_DnTW", "DnT,w  [dB]",
     " linke Maustaste: Zoom  /  rechte Maustaste: Grafik in Zwischenablage kopieren ", "ZA3",
     false, true},
}};

const Diagrammart& Art(Diagramm d) {
    return kArten[static_cast<int>(d)];
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// A bar value as the charts write it: at most one decimal ("52,3", "54").
QString Balkenwert(qreal wert, char sep) {
    std::string text = FormatFixed(wert, 18, 1, sep);
    if (text.size() > 2 && text.back() == '0' && text[text.size() - 2] == sep)
        text.resize(text.size() - 2);
    return Text(text);
}

QFrame* Farbbalken(const QColor& farbe, QWidget* eltern) {
    auto* balken = new QFrame(eltern);
    balken->setFixedSize(8, 16);
    balken->setAutoFillBackground(true);
    QPalette pal = balken->palette();
    pal.setColor(QPalette::Window, farbe);
    balken->setPalette(pal);
    return balken;
}

QToolButton* Werkzeugknopf(const QString& name, const QString& hinweis, QWidget* eltern) {
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(name);
    knopf->setToolTip(hinweis);
    knopf->setFixedSize(34, 28);
    knopf->setAutoRaise(false);
    return knopf;
}

}  // namespace

TForm_Variant::TForm_Variant(Projekt& projekt, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), p_(projekt) {
    setObjectName("Form_Variant");
    setWindowTitle("Variantenuntersuchung");

    auto* Label3 = new QLabel(
        "Für eine Variantenuntersuchung muss dieses Formular ständig geöffnet sein. Ändern Sie im "
        "Hauptprogramm die Eingaben und fügen Sie die aktuellen Berechnungs- ergebnisse in diesem "
        "Formular hinzu.",
        this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);

    auto* btn_AddVariant = new QPushButton(" Ergebnis aus aktueller Berechnung hinzufügen ", this);
    btn_AddVariant->setObjectName("btn_AddVariant");
    auto* btn_ClearVariant = new QPushButton("Angaben löschen ", this);
    btn_ClearVariant->setObjectName("btn_ClearVariant");
    btn_ClearVariant->setToolTip(" Varianten-Resultate löschen ");
    auto* btn_Exit = new QToolButton(this);
    btn_Exit->setObjectName("btn_Exit");
    btn_Exit->setToolTip(" Formular schließen ");
    btn_Exit->setIcon(
        QIcon::fromTheme("window-close", style()->standardIcon(QStyle::SP_DialogCloseButton)));
    btn_Exit->setIconSize(QSize(22, 22));
    btn_Exit->setFixedSize(btn_AddVariant->sizeHint().height() + 8,
                           btn_AddVariant->sizeHint().height() + 8);

    memo_Variant_ = new QPlainTextEdit(this);
    memo_Variant_->setObjectName("memo_Variant");
    memo_Variant_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_Variant_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_Variant_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette weiss = memo_Variant_->palette();
    weiss.setColor(QPalette::Base, Qt::white);
    weiss.setColor(QPalette::Text, Qt::black);
    memo_Variant_->setPalette(weiss);
    memo_Variant_->setFixedHeight(130);

    auto* Label1 = new QLabel(
        "Das Ergebnis-Ausgabefeld ist editiertbar. Über die rechte Maustaste lassen sich die "
        "Angaben zu den Varianten und die untere Grafik zur Sicherung in die Zwischenablage "
        "kopieren, und in Ihre Berichte einfügen.",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);

    panel_Grafik_ = new QFrame(this);
    panel_Grafik_->setObjectName("panel_Grafik");
    static_cast<QFrame*>(panel_Grafik_)->setFrameShape(QFrame::StyledPanel);
    auto* grafik = new QGridLayout(panel_Grafik_);
    grafik->setContentsMargins(4, 4, 4, 4);
    grafik->addWidget(SkalierungsspalteAufbauen(), 0, 0);
    for (Diagramm d : kDiagramme) {
        AufbauDiagramm(d);
        grafik->addWidget(Chart_[static_cast<int>(d)], 0, 1);  // all three at the same place
    }
    grafik->addWidget(AnsichtAufbauen(), 1, 0, 1, 2);
    grafik->setRowStretch(0, 1);
    grafik->setColumnStretch(1, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btn_AddVariant);
    knoepfe->addWidget(btn_ClearVariant);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btn_Exit);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Label3);
    spalte->addLayout(knoepfe);
    spalte->addWidget(memo_Variant_);
    spalte->addWidget(Label1);
    spalte->addWidget(panel_Grafik_, 1);
    // The panel keeps its place while it is hidden, so the window does not change its layout.
    QSizePolicy platzHalten = panel_Grafik_->sizePolicy();
    platzHalten.setRetainSizeWhenHidden(true);
    panel_Grafik_->setSizePolicy(platzHalten);

    setFixedSize(kFenstergroesse);

    connect(btn_AddVariant, &QPushButton::clicked, this, &TForm_Variant::btn_AddVariantClick);
    connect(btn_ClearVariant, &QPushButton::clicked, this, &TForm_Variant::btn_ClearVariantClick);
    connect(btn_Exit, &QToolButton::clicked, this, &TForm_Variant::btn_ExitClick);
    Anzeigen();
}

void TForm_Variant::AufbauDiagramm(Diagramm d) {
    const int i = static_cast<int>(d);
    const Diagrammart& art = Art(d);

    auto* reihe = new QBarSeries;
    reihe->setBarWidth(0.95);
    auto balkensatz = [&](const char* titel, const QColor& farbe) {
        auto* satz = new QBarSet(titel);
        satz->setColor(farbe);
        satz->setPen(Qt::NoPen);
        reihe->append(satz);
        // The value of a bar shows while the pointer rests on it.
        connect(satz, &QBarSet::hovered, this, [this, satz](bool drauf, int index) {
            if (!drauf) return QToolTip::hideText();
            QToolTip::showText(
                QCursor::pos(),
                satz->label() + " = " + Balkenwert(satz->at(index), p_.Dezimaltrenner) + " dB");
        });
    };
    if (art.Rw) balkensatz("R'w", kBalkenBlau);
    if (art.DnTw) balkensatz("DnT,w", kBalkenHellblau);

    auto* chart = new QChart;
    chart->addSeries(reihe);
    chart->legend()->hide();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setLocalizeNumbers(true);

    auto* x = new QBarCategoryAxis;
    x->setTitleText("Variante");
    x->setLineVisible(false);
    x->setGridLineVisible(false);
    auto* y = new QValueAxis;
    y->setTitleText(art.achsentitel);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(10);
    y->setMinorTickCount(0);
    y->setLabelFormat("%.0f");
    y->setGridLinePen(QPen(QColor(192, 192, 192), 1, Qt::SolidLine));
    for (QAbstractAxis* achse : {static_cast<QAbstractAxis*>(x), static_cast<QAbstractAxis*>(y)}) {
        achse->setLabelsColor(kAchsentext);
        achse->setTitleBrush(kAchsentext);
        chart->addAxis(achse, achse == x ? Qt::AlignBottom : Qt::AlignLeft);
        reihe->attachAxis(achse);
    }

    auto* view = new QChartView(chart, panel_Grafik_);
    view->setObjectName(art.name);
    view->setToolTip(art.hinweis);
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::NoRubberBand);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* kopieren = new QAction("Grafik in Zwischenablage kopieren", view);
    kopieren->setObjectName(art.kopieren);
    view->addAction(kopieren);
    connect(kopieren, &QAction::triggered, this, [this, d] { InZwischenablage(d); });

    Chart_[i] = view;
    Reihen_[i] = reihe;
    Achse_[i] = y;
    Varianten_[i] = x;
    Hintergrund(d, palette().color(QPalette::Button));
}

QWidget* TForm_Variant::SkalierungsspalteAufbauen() {
    auto* spalte = new QWidget(panel_Grafik_);
    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    const QIcon hoch = style()->standardIcon(QStyle::SP_ArrowUp);
    const QIcon runter = style()->standardIcon(QStyle::SP_ArrowDown);
    const QString oben = " obere Skalierungsgrenze verschieben ";
    const QString unten = " untere Skalierungsgrenze verschieben ";
    struct Knopf {
        const char* name;
        const QIcon& bild;
        const QString& hinweis;
        Skalierung art;
    };
    const Knopf knoepfe[] = {{"btn_UpTop", hoch, oben, Skalierung::ObenHoch},
                             {"btn_DownTop", runter, oben, Skalierung::ObenRunter},
                             {"btn_UpBottom", hoch, unten, Skalierung::UntenHoch},
                             {"btn_DownBottom", runter, unten, Skalierung::UntenRunter}};
    auto hinzufuegen = [&](const Knopf& k) {
        QToolButton* b = Werkzeugknopf(k.name, k.hinweis, spalte);
        b->setIcon(k.bild);
        connect(b, &QToolButton::clicked, this, [this, art = k.art] { Skalieren(art); });
        l->addWidget(b);
    };
    // The buttons of the upper limit at the top, those of the lower limit at the bottom.
    hinzufuegen(knoepfe[0]);
    hinzufuegen(knoepfe[1]);
    l->addStretch(1);
    QToolButton* automatisch = Werkzeugknopf("SpeedButton1", " automatische Skalierung ", spalte);
    automatisch->setText("Auto");
    connect(automatisch, &QToolButton::clicked, this,
            [this] { Skalieren(Skalierung::Automatisch); });
    l->addWidget(automatisch);
    l->addStretch(1);
    hinzufuegen(knoepfe[2]);
    hinzufuegen(knoepfe[3]);
    return spalte;
}

QWidget* TForm_Variant::AnsichtAufbauen() {
    auto* panel_Ansicht = new QFrame(panel_Grafik_);
    panel_Ansicht->setObjectName("panel_Ansicht");
    auto* l = new QHBoxLayout(panel_Ansicht);
    l->setContentsMargins(6, 2, 6, 2);
    l->addWidget(new QLabel("Grafikansicht für:", panel_Ansicht));
    struct Wahl {
        const char* name;
        const char* text;
        const char* hinweis;
        Diagramm d;
    };
    const Wahl wahlen[] = {
        {"rg_RwDnTW", "R'w / DnT,w ",
         "Darstellung für Schalldämm-Maß R'w und Schallpegeldifferenz DnTW ", Diagramm::RwDnTW},
        {"rg_Rw", "R'w ", "Darstellung für Bau-Schalldämm-Maß R'w ", Diagramm::Rw},
        {"rg_DnTW", "DnT,w ", " Darstellung für bewertete Standard-Schallpegeldifferenz DnTW ",
         Diagramm::DnTW},
    };
    for (const Wahl& w : wahlen) {
        l->addSpacing(14);
        auto* knopf = new QRadioButton(w.text, panel_Ansicht);
        knopf->setObjectName(w.name);
        knopf->setToolTip(w.hinweis);
        knopf->setChecked(w.d == Diagramm::RwDnTW);
        l->addWidget(knopf);
        // Small bars in the colours of the chart's series.
        if (Art(w.d).Rw) l->addWidget(Farbbalken(kBalkenBlau, panel_Ansicht));
        if (Art(w.d).DnTw) l->addWidget(Farbbalken(kBalkenHellblau, panel_Ansicht));
        connect(knopf, &QRadioButton::toggled, this, [this, d = w.d](bool an) {
            if (an) AnsichtWaehlen(d);
        });
        Ansicht_[static_cast<int>(w.d)] = knopf;
    }
    l->addStretch(1);
    return panel_Ansicht;
}

void TForm_Variant::Oeffnen() {
    if (VariantenOeffnen(p_, s_)) memo_Variant_->clear();
    Anzeigen();
    show();
    raise();
    activateWindow();
}

void TForm_Variant::btn_AddVariantClick() {
    memo_Variant_->appendPlainText(Text(VarianteHinzufuegen(p_, s_)));
    Anzeigen();
}

void TForm_Variant::btn_ClearVariantClick() {
    VariantenLoeschen(p_, s_);
    memo_Variant_->clear();
    Anzeigen();
}

void TForm_Variant::btn_ExitClick() {
    close();
}

void TForm_Variant::Skalieren(Skalierung art) {
    phonikon::Skalieren(s_, art);
    Anzeigen();
}

void TForm_Variant::AnsichtWaehlen(Diagramm d) {
    s_.Ansicht = d;
    Anzeigen();
}

// The copy for a report: white instead of the window's colour, and on the combined chart a
// legend that names the two series.
void TForm_Variant::InZwischenablage(Diagramm d) {
    QChartView* view = Chart_[static_cast<int>(d)];
    Hintergrund(d, Qt::white);
    if (d == Diagramm::RwDnTW) view->chart()->legend()->show();
    // Lay the chart out anew before it is drawn into the picture.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QGuiApplication::clipboard()->setImage(view->grab().toImage());
    view->chart()->legend()->hide();
    Hintergrund(d, palette().color(QPalette::Button));
}

void TForm_Variant::Hintergrund(Diagramm d, const QColor& farbe) {
    QChartView* view = Chart_[static_cast<int>(d)];
    view->chart()->setBackgroundBrush(farbe);
    view->setBackgroundBrush(farbe);
}

bool TForm_Variant::SchliessenErlaubt() {
    if (!SchliessenMitFrage(memo_Variant_->toPlainText().toStdString())) return true;
    return JaNeinFrage(this, QString::fromUtf8(kSchliessenFrage));
}

// Every way of closing (the button, the window system) goes through the same question. Memo and
// charts stay as they are until the next opening starts a new study.
void TForm_Variant::closeEvent(QCloseEvent* event) {
    if (!SchliessenErlaubt()) {
        event->ignore();
        return;
    }
    VariantenSchliessen(p_);
    event->accept();
}

void TForm_Variant::Anzeigen() {
    panel_Grafik_->setVisible(s_.panel_Grafik_sichtbar);
    QStringList nummern;
    for (const Variantenbalken& b : s_.Balken) nummern << QString::number(b.Nummer);
    for (Diagramm d : kDiagramme) {
        const int i = static_cast<int>(d);
        for (QBarSet* satz : Reihen_[i]->barSets()) {
            const bool Rw = satz->label() == "R'w";
            QList<qreal> werte;
            for (const Variantenbalken& b : s_.Balken)
                werte << static_cast<qreal>(Rw ? b.Rw : b.DnTw);
            if (satz->count() > 0) satz->remove(0, satz->count());
            satz->append(werte);
        }
        Varianten_[i]->setCategories(nummern);
        const Achsenbereich r = Bereich(s_, d);
        Achse_[i]->setRange(static_cast<qreal>(r.unten), static_cast<qreal>(r.oben));
        Chart_[i]->setVisible(d == s_.Ansicht);
        Ansicht_[i]->setChecked(d == s_.Ansicht);
    }
}

}  // namespace phonikon
