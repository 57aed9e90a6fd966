// Building the main window: tool bar, menus and the four blocks (project and rooms, results,
// element pages, sketch). Object names are the component names of the window.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/protocol_window.h"
#include "junction/junction_pictures.h"
#include "mainwindow/main_window.h"
#include "mainwindow/sketch_view.h"
#include "mainwindow/window_actions.h"
#include "resources/emblem.h"
#include "resources/tool_icons.h"

namespace phonikon {
namespace {

constexpr QColor kRaum1(0, 0, 128), kRaum2(0, 128, 0), kSilber(192, 192, 192);

// Width for a numeric field of `zeichen` characters.
int Feldbreite(const QWidget* w, int zeichen) {
    return w->fontMetrics().horizontalAdvance(QString(zeichen + 1, QLatin1Char('0'))) + 12;
}

// Fields filled by dialogs are read-only and have the button face colour; the fields the user
// has to fill stay white, so that the message list can ask for "alle weiß hinterlegten" fields.
void GrauHinterlegt(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    w->setPalette(pal);
}

void WeissHinterlegt(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    w->setPalette(pal);
}

// A label that shows a user's name (room, flank). Its size does not follow the name, so a long
// name never widens the window: what does not fit is cut off with "…"; the window shows the whole
// name as the tooltip.
class Namenslabel : public QLabel {
  public:
    Namenslabel(const QString& muster, QWidget* eltern) : QLabel(muster, eltern), muster_(muster) {
        setTextFormat(Qt::PlainText);
    }
    QSize sizeHint() const override { return Groesse(muster_); }
    QSize minimumSizeHint() const override { return Groesse(QStringLiteral("Ww…")); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        drawFrame(&maler);
        const QRect r =
            contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
        const QString sichtbar = fontMetrics().elidedText(text(), Qt::ElideRight, r.width());
        style()->drawItemText(&maler, r,
                              int(QStyle::visualAlignment(layoutDirection(), alignment())),
                              palette(), isEnabled(), sichtbar, foregroundRole());
    }

  private:
    QSize Groesse(const QString& text) const {
        const QMargins m = contentsMargins();
        return QSize(fontMetrics().horizontalAdvance(text) + m.left() + m.right() + 2 * margin(),
                     fontMetrics().height() + m.top() + m.bottom() + 2 * margin());
    }
    QString muster_;
};

QLabel* Beschriftung(const QString& text, QWidget* eltern, const QString& name = {}) {
    auto* l = new QLabel(text, eltern);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

// The room labels over the rows of a page: silver on navy (room 1) or on green (room 2).
QLabel* Raumbalken(const QString& name, int raum, QWidget* eltern) {
    auto* l = new Namenslabel(raum == 1 ? " Raum 1" : " Raum 2", eltern);
    l->setObjectName(name);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, raum == 1 ? kRaum1 : kRaum2);
    pal.setColor(QPalette::WindowText, kSilber);
    l->setPalette(pal);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return l;
}

QPushButton* Knopf(const QString& text, const QString& name, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QFrame* Block(const QString& name, QWidget* eltern) {
    auto* f = new QFrame(eltern);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

}  // namespace

void TSimplifiedModel::MenueAufbauen() {
    auto eintrag = [this](QMenu* menu, const QString& text, const QString& name,
                          const QString& hinweis = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        if (!hinweis.isEmpty()) {
            a->setToolTip(hinweis);
            a->setStatusTip(hinweis);
        }
        return a;
    };

    menuBar()->setObjectName("MainMenu");
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->setObjectName("File1");
    datei->setToolTipsVisible(true);
    FileNewItem_ = eintrag(datei, "&Neu", "FileNewItem", "Eine neue Datei erzeugen");
    FileNewItem_->setShortcut(QKeySequence::New);
    FileOpenItem_ = eintrag(datei, "&Öffnen...", "FileOpenItem", "Eine bestehende Datei öffnen");
    FileOpenItem_->setShortcut(QKeySequence::Open);
    FileSaveItem_ = eintrag(datei, "&Speichern", "FileSaveItem", "Aktuelle Datei speichern");
    FileSaveItem_->setShortcut(QKeySequence::Save);
    FileSaveAsItem_ = eintrag(datei, "&Speichern unter...", "save_as",
                              "Aktuelle Datei unter neuem Namen speichern");
    datei->addSeparator();
    FilePrintItem_ = eintrag(datei, "&Druckvorschau", "FilePrintItem");
    datei->addSeparator();
    FileExitItem_ = eintrag(datei, "&Beenden", "FileExitItem", "Diese Anwendung beenden");

    QMenu* einstellungen = menuBar()->addMenu("Ein&stellungen");
    einstellungen->setObjectName("Einstellungen1");
    Firmendaten1_ = eintrag(einstellungen, "Firmendaten editieren", "Firmendaten1");

    QMenu* ergebnisse = menuBar()->addMenu("&Ergebnisse");
    ergebnisse->setObjectName("Ergebnisse1");
    Berechnungsergebnisse1_ =
        eintrag(ergebnisse, "Berechnungsergebnisse", "Berechnungsergebnisse1");
    Variantenuntersuchung1_ =
        eintrag(ergebnisse, "Variantenuntersuchung", "Variantenuntersuchung1");

    QMenu* info = menuBar()->addMenu("&Info");
    info->setObjectName("Info1");
    Internet1_ = eintrag(info, "Haftung", "Internet1");
    Internet2_ = eintrag(info, "Impressum", "Internet2");

    QMenu* hilfe = menuBar()->addMenu("?");
    hilfe->setObjectName("Hilfe1");
    Handbuch_ = eintrag(hilfe, "Programmbedienung (pdf-Datei)", "Handbuch");
    Rechenverfahren_ = eintrag(hilfe, "Berechnungsgrundlagen (pdf-Datei)", "Rechenverfahren");
    BrevonPraxistipps_ = eintrag(hilfe, "Brevon Praxistipps (pdf-Datei) ", "BrevonPraxistipps");
}

void TSimplifiedModel::WerkzeugleisteAufbauen() {
    QToolBar* leiste = addToolBar("SpeedBar");
    leiste->setObjectName("SpeedBar");
    leiste->setMovable(false);
    leiste->setFloatable(false);
    leiste->toggleViewAction()->setEnabled(false);
    leiste->setIconSize(QSize(20, 20));

    auto knopf = [this, leiste](Werkzeug w, const QString& name, const QString& hinweis) {
        auto* b = new QToolButton(leiste);
        b->setObjectName(name);
        b->setIcon(WerkzeugSymbol(w));
        b->setToolTip(hinweis);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        leiste->addWidget(b);
        return b;
    };
    SpeedButton1_ =
        knopf(Werkzeug::Neu, "SpeedButton1", " Neues Projekt (alle Eingaben rücksetzen) ");
    SpeedButton2_ = knopf(Werkzeug::Oeffnen, "SpeedButton2", " Projekt öffnen ... ");
    button_Save_As_ = knopf(Werkzeug::Speichern, "button_Save_As", " Projekt speichern unter... ");
    leiste->addSeparator();
    SpeedButtonPrint_ = knopf(Werkzeug::Druckvorschau, "SpeedButtonPrint", " Druckvorschau ");
    button_Variant_ = knopf(Werkzeug::Varianten, "button_Variant", " Variantenuntersuchung ");
    btn_Results_ =
        knopf(Werkzeug::Ergebnisse, "btn_Results", " detaillierte Berechnungsergebnisse ");
    leiste->addSeparator();
    SpeedButtonHandbuch_ = knopf(Werkzeug::Handbuch, "SpeedButtonHandbuch", " Programmbedienung ");
    SpeedButtonBerechnungsgrundlagen_ =
        knopf(Werkzeug::Berechnungsgrundlagen, "SpeedButtonBerechnungsgrundlagen",
              " Berechnungsgrundlagen ");
    SpeedButtonBrevonTipps_ =
        knopf(Werkzeug::Praxistipps, "SpeedButtonBrevonTipps", " Brevon Praxistipps ");

    // The file name display, hidden while no file is loaded.
    auto* raum = new QWidget(leiste);
    raum->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* raumLayout = new QHBoxLayout(raum);
    raumLayout->setContentsMargins(12, 0, 6, 0);
    Bevel_Datei_ = new QFrame(raum);
    Bevel_Datei_->setObjectName("Bevel_Datei");
    Bevel_Datei_->setFrameShape(QFrame::StyledPanel);
    Bevel_Datei_->setFrameShadow(QFrame::Sunken);
    auto* dateiLayout = new QHBoxLayout(Bevel_Datei_);
    dateiLayout->setContentsMargins(6, 2, 6, 2);
    lb_Datei_ = Beschriftung("Projektdatei:", Bevel_Datei_, "lb_Datei");
    label_DatName_ = Beschriftung(QString(), Bevel_Datei_, "label_DatName");
    label_DatName_->setTextFormat(Qt::PlainText);
    label_DatName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label_DatName_->setMinimumWidth(60);
    dateiLayout->addWidget(lb_Datei_);
    dateiLayout->addWidget(label_DatName_, 1);
    raumLayout->addWidget(Bevel_Datei_, 1);
    leiste->addWidget(raum);

    SpeedButton3_ = knopf(Werkzeug::Hilfe, "SpeedButton3", " Hilfe Berechnungsgrundlagen ");
}

QLineEdit* TSimplifiedModel::Zahlenfeld(const QString& name, int maxLaenge,
                                        std::function<std::string&(Hauptfenster&)> text) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setMaxLength(maxLaenge);
    e->setProperty("maxLaenge", maxLaenge);
    e->setProperty("zahl", true);
    e->setFixedWidth(Feldbreite(e, std::min(maxLaenge, 8)));
    e->setAlignment(Qt::AlignRight);
    WeissHinterlegt(e);
    e->installEventFilter(this);
    felder_.push_back({e, std::move(text), [this] { return edit_Vol1Change(p_); }});
    return e;
}

QLineEdit* TSimplifiedModel::Namenfeld(const QString& name, int maxLaenge,
                                       std::function<std::string&(Hauptfenster&)> text,
                                       std::function<void()> handler) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setMaxLength(maxLaenge);
    e->setProperty("maxLaenge", maxLaenge);
    WeissHinterlegt(e);
    felder_.push_back({e, std::move(text), [handler = std::move(handler)] {
                           handler();
                           return std::optional<std::string>();
                       }});
    return e;
}

QWidget* TSimplifiedModel::ProjektblockAufbauen() {
    QFrame* block = Block("panel_Brevon", this);
    auto* layout = new QGridLayout(block);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setVerticalSpacing(3);

    PanelBrevon_ = new QFrame(block);
    PanelBrevon_->setObjectName("PanelBrevon");
    PanelBrevon_->setFrameShape(QFrame::Panel);
    PanelBrevon_->setFrameShadow(QFrame::Raised);
    PanelBrevon_->setFocusPolicy(Qt::StrongFocus);
    auto* emblemLayout = new QVBoxLayout(PanelBrevon_);
    emblemLayout->setContentsMargins(2, 2, 2, 2);
    auto* ImageBrevon = new QLabel(PanelBrevon_);
    ImageBrevon->setObjectName("ImageBrevon");
    ImageBrevon->setPixmap(Emblem(72, devicePixelRatioF()));
    ImageBrevon->setAlignment(Qt::AlignCenter);
    ImageBrevon->setCursor(Qt::PointingHandCursor);
    ImageBrevon->setToolTip(" Phonikon im Internet ");
    ImageBrevon->installEventFilter(this);
    emblemLayout->addWidget(ImageBrevon);
    layout->addWidget(PanelBrevon_, 0, 0, 4, 1, Qt::AlignTop);

    auto zeile = [&](int r, const QString& text, QWidget* w, int spalten = 2) {
        layout->addWidget(Beschriftung(text, block), r, 1);
        layout->addWidget(w, r, 2, 1, spalten);
    };
    auto projekt = [this] { memo_ProjektChange(p_); };
    zeile(0, "Projekt:",
          Namenfeld(
              "edit_Projekt", 60, [](Hauptfenster& h) -> std::string& { return h.edit_Projekt; },
              projekt));
    zeile(1, "Straße:",
          Namenfeld(
              "edit_Str", 50, [](Hauptfenster& h) -> std::string& { return h.edit_Str; }, projekt));
    QLineEdit* plz = Namenfeld(
        "edit_PLZ", 8, [](Hauptfenster& h) -> std::string& { return h.edit_PLZ; }, projekt);
    plz->setFixedWidth(Feldbreite(plz, 6));
    layout->addWidget(Beschriftung("PLZ / Ort:", block), 2, 1);
    layout->addWidget(plz, 2, 2);
    layout->addWidget(
        Namenfeld(
            "edit_Ort", 50, [](Hauptfenster& h) -> std::string& { return h.edit_Ort; }, projekt),
        2, 3);
    zeile(3, "Variante:",
          Namenfeld(
              "edit_Variante", 33, [](Hauptfenster& h) -> std::string& { return h.edit_Variante; },
              projekt));
    layout->setColumnStretch(3, 1);

    // The rooms one below the other: name, volume and depth of each on two rows.
    auto* raeume = new QGridLayout;
    raeume->setVerticalSpacing(3);
    raeume->setHorizontalSpacing(6);
    for (int raum = 1; raum <= 2; ++raum) {
        const int z = (raum - 1) * 2;
        QLineEdit* name = Namenfeld(
            QString("edit_room%1").arg(raum), 18,
            [raum](Hauptfenster& h) -> std::string& { return h.edit_room[raum]; },
            [this, raum] { edit_room1Change(p_, raum); });
        QFont fett = name->font();
        fett.setBold(true);
        name->setFont(fett);
        QPalette farbe = name->palette();
        farbe.setColor(QPalette::Text, raum == 1 ? kRaum1 : kRaum2);
        name->setPalette(farbe);
        raeume->addWidget(name, z, 0);
        raeume->addWidget(Beschriftung(QString("Raumvolumen V%1 [m³]:").arg(raum), block), z, 1);
        raeume->addWidget(Zahlenfeld(QString("edit_Vol%1").arg(raum), 6,
                                     [raum](Hauptfenster& h) -> std::string& {
                                         return raum == 1 ? h.edit_Vol1 : h.edit_Vol2;
                                     }),
                          z, 2);
        raeume->addWidget(Beschriftung("Raumtiefe/Raumhöhe [m]:", block), z + 1, 1);
        raeume->addWidget(Zahlenfeld(QString("edit_L%1").arg(raum), 6,
                                     [raum](Hauptfenster& h) -> std::string& {
                                         return raum == 1 ? h.edit_L1 : h.edit_L2;
                                     }),
                          z + 1, 2);
    }
    raeume->setColumnStretch(0, 1);
    auto* trenner = new QFrame(block);
    trenner->setFrameShape(QFrame::HLine);
    trenner->setFrameShadow(QFrame::Sunken);
    layout->addWidget(trenner, 4, 0, 1, 4);
    layout->addLayout(raeume, 5, 0, 1, 4);
    layout->setRowStretch(6, 1);
    return block;
}

QWidget* TSimplifiedModel::ErgebnisblockAufbauen() {
    QFrame* block = Block("Panel2", this);
    auto* stapel = new QGridLayout(block);
    stapel->setContentsMargins(0, 0, 0, 0);

    // Results.
    panel_results_ = new QWidget(block);
    panel_results_->setObjectName("panel_results");
    auto* r = new QGridLayout(panel_results_);
    r->setContentsMargins(8, 6, 8, 4);
    r->setVerticalSpacing(2);
    auto wert = [&](const QString& name, bool gross = false) {
        auto* l = new QLabel("$$.$ [dB]", panel_results_);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        QFont f = l->font();
        f.setBold(true);
        if (gross) f.setPointSizeF(f.pointSizeF() * 1.25);
        l->setFont(f);
        // A fixed size for the widest value: a new value then repaints the label alone instead
        // of laying out the whole window again at every keystroke.
        l->setFixedSize(l->fontMetrics().horizontalAdvance("-8888,8 [dB]") + 2,
                        l->fontMetrics().height());
        return l;
    };
    auto beschriftung = [&](const QString& html, const QString& hinweis = {}) {
        auto* l = new QLabel(html, panel_results_);
        l->setTextFormat(Qt::RichText);
        if (!hinweis.isEmpty()) l->setToolTip(hinweis);
        return l;
    };

    QLabel* rges =
        beschriftung("<b>Bau-Schalldämm-Maß R'<sub>w</sub></b>", " bewertetes Bau-Schalldämm-Maß ");
    QFont gross = rges->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.25);
    rges->setFont(gross);
    label_Rges_ = wert("label_Rges", true);
    label_Rges_->setToolTip(" bewertetes Bau-Schalldämm-Maß ");
    r->addWidget(rges, 0, 0, 1, 2);
    r->addWidget(label_Rges_, 0, 2);

    auto* linie = new QFrame(panel_results_);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    r->addWidget(linie, 1, 0, 1, 3);

    const QString hinweisTB =
        " bewertetes Schalldämm-Maß Trennbauteil mit Vorsatzschalen und d-Nebenwegen (Wege 1 und "
        "3) ";
    r->addWidget(beschriftung("Trennbauteil R<sub>d,w</sub>:", hinweisTB), 2, 0, 1, 2);
    label_Ri_[0] = wert("label_Ri0");
    label_Ri_[0]->setToolTip(hinweisTB);
    r->addWidget(label_Ri_[0], 2, 2);
    r->addWidget(beschriftung("Flankendämm-Maß R<sub>f,w</sub>:"), 3, 0);
    for (int i = 1; i <= 4; ++i) {
        label_resF_[i] = new Namenslabel(QString("Flanke %1").arg(i), panel_results_);
        label_resF_[i]->setObjectName(QString("label_resF%1").arg(i));
        label_Ri_[i] = wert(QString("label_Ri%1").arg(i));
        r->addWidget(label_resF_[i], 2 + i, 1);
        r->addWidget(label_Ri_[i], 2 + i, 2);
    }

    auto* linie2 = new QFrame(panel_results_);
    linie2->setFrameShape(QFrame::HLine);
    linie2->setFrameShadow(QFrame::Sunken);
    r->addWidget(linie2, 7, 0, 1, 3);

    // DnT,w with its direction, covered by the hint while a volume is missing.
    auto* dntwBereich = new QWidget(panel_results_);
    auto* dntwStapel = new QGridLayout(dntwBereich);
    dntwStapel->setContentsMargins(0, 0, 0, 0);
    auto* dntw = new QWidget(dntwBereich);
    auto* d = new QGridLayout(dntw);
    d->setContentsMargins(0, 0, 0, 0);
    d->setVerticalSpacing(2);
    d->addWidget(beschriftung("Schallpegeldifferenz D<sub>nT,w</sub>",
                              " bewertete Standard-Schallpegeldifferenz "),
                 0, 0, 1, 2);
    label_DnTW_ = wert("label_DnTW");
    label_DnTW_->setText("--- [dB]");
    label_DnTW_->setToolTip(" bewertete Standard-Schallpegeldifferenz ");
    d->addWidget(label_DnTW_, 0, 2);
    rg_DnTW1_ = new QRadioButton("Raum 1 --> Raum 2", dntw);
    rg_DnTW1_->setObjectName("rg_DnTW1");
    rg_DnTW2_ = new QRadioButton("Raum 2 --> Raum 1", dntw);
    rg_DnTW2_->setObjectName("rg_DnTW2");
    auto* richtung = new QButtonGroup(dntw);
    richtung->addButton(rg_DnTW1_);
    richtung->addButton(rg_DnTW2_);
    auto* richtungen = new QHBoxLayout;
    richtungen->addWidget(rg_DnTW1_);
    richtungen->addWidget(rg_DnTW2_);
    richtungen->addStretch();
    d->addLayout(richtungen, 1, 0, 1, 3);
    lb_AnmDnTW_ = new QLabel(
        "ANMERKUNG:                 Richtung zur Bestimmung von DnT,w ist nicht normgerecht ! "
        "(Normrichtung: vom größeren Raumvolumen zum kleineren)",
        dntw);
    lb_AnmDnTW_->setObjectName("lb_AnmDnTW");
    lb_AnmDnTW_->setTextFormat(Qt::PlainText);
    lb_AnmDnTW_->setWordWrap(true);
    lb_AnmDnTW_->setStyleSheet("QLabel { color: #c00000; }");
    QSizePolicy platz = lb_AnmDnTW_->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    lb_AnmDnTW_->setSizePolicy(platz);
    d->addWidget(lb_AnmDnTW_, 2, 0, 1, 3);
    d->setColumnStretch(1, 1);
    dntwStapel->addWidget(dntw, 0, 0);

    panel_DnTW_ = new QFrame(dntwBereich);
    panel_DnTW_->setObjectName("panel_DnTW");
    panel_DnTW_->setAutoFillBackground(true);
    auto* hinweis = new QVBoxLayout(panel_DnTW_);
    hinweis->setContentsMargins(0, 4, 0, 4);
    auto* hinweisKopf = Beschriftung("HINWEIS:", panel_DnTW_);
    QFont fett = hinweisKopf->font();
    fett.setBold(true);
    hinweisKopf->setFont(fett);
    auto* hinweisText = Beschriftung(
        "Zur Berechnung der Schallpegeldifferenz  DnTW müssen die Raumvolumen vorgegeben werden",
        panel_DnTW_);
    hinweisText->setWordWrap(true);
    hinweis->addWidget(hinweisKopf);
    hinweis->addWidget(hinweisText);
    hinweis->addStretch();
    // Shown or hidden, the hint takes its room, so that nothing moves when it comes and goes.
    QSizePolicy hinweisPlatz = panel_DnTW_->sizePolicy();
    hinweisPlatz.setRetainSizeWhenHidden(true);
    panel_DnTW_->setSizePolicy(hinweisPlatz);
    dntwStapel->addWidget(panel_DnTW_, 0, 0);
    r->addWidget(dntwBereich, 8, 0, 1, 3);

    auto* vorhaltemass = Beschriftung("Berechnungsergebnisse ohne Vorhaltemaß", panel_results_);
    QFont klein = vorhaltemass->font();
    klein.setItalic(true);
    vorhaltemass->setFont(klein);
    r->addWidget(vorhaltemass, 9, 0, 1, 3);
    r->setRowStretch(10, 1);
    r->setColumnStretch(1, 1);
    stapel->addWidget(panel_results_, 0, 0);

    // The messages of an incomplete input, over the results.
    panel_errorMsg_ = new QWidget(block);
    panel_errorMsg_->setObjectName("panel_errorMsg");
    panel_errorMsg_->setAutoFillBackground(true);
    auto* m = new QVBoxLayout(panel_errorMsg_);
    m->setContentsMargins(4, 4, 4, 4);
    auto* kopf = Beschriftung("Meldungen:", panel_errorMsg_);
    kopf->setFont(fett);
    m->addWidget(kopf);
    memo_error_ = new QPlainTextEdit(panel_errorMsg_);
    memo_error_->setObjectName("memo_error");
    memo_error_->setReadOnly(true);
    // Most message lines are broken by hand ("hinter-" / "legten") and fit; a longer one wraps
    // at the panel's edge rather than running out of sight.
    memo_error_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_error_->document()->setDocumentMargin(2);
    QFont meldungsschrift = memo_error_->font();
    meldungsschrift.setPointSizeF(7.5);  // the longest line fits the block at 784 × 657
    memo_error_->setFont(meldungsschrift);
    memo_error_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GrauHinterlegt(memo_error_);
    m->addWidget(memo_error_, 1);
    // The messages take the place of the results: the block keeps the size of the larger of the
    // two, so that nothing below moves when they change places.
    QSizePolicy meldungsPlatz = panel_errorMsg_->sizePolicy();
    meldungsPlatz.setRetainSizeWhenHidden(true);
    panel_errorMsg_->setSizePolicy(meldungsPlatz);
    stapel->addWidget(panel_errorMsg_, 0, 0);
    return block;
}

QPlainTextEdit* TSimplifiedModel::Aufbaumemo(int zeile, int spalte, QWidget* eltern) {
    auto* memo = new QPlainTextEdit(eltern);
    memo->setObjectName(zeile == 0 ? QString("Memo_TB")
                                   : QString("Memo_F%1_%2").arg(zeile).arg(spalte));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setToolTip(" Bauteilaufbau kopieren, einfügen mit rechter Maustaste ");
    memo->setFocusPolicy(Qt::StrongFocus);
    GrauHinterlegt(memo);
    const int hoehe = memo->fontMetrics().lineSpacing() * 3 +
                      2 * (memo->frameWidth() + int(memo->document()->documentMargin())) + 2;
    memo->setFixedHeight(hoehe);
    memo->installEventFilter(this);
    memo->viewport()->installEventFilter(this);
    Memo_[zeile][spalte] = memo;
    return memo;
}

QLineEdit* TSimplifiedModel::Vorsatzfeld(int zeile, int spalte, QWidget* eltern) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QString("edit_VS%1_%2").arg(zeile).arg(spalte));
    e->setReadOnly(true);
    e->setToolTip(" Vorsatzschale kopieren, einfügen mit rechter Maustaste ");
    GrauHinterlegt(e);
    e->installEventFilter(this);
    edit_VS_[zeile][spalte] = e;
    return e;
}

QWidget* TSimplifiedModel::RaumzeileAufbauen(int zeile, int spalte, QWidget* eltern) {
    auto* rahmen = new QWidget(eltern);
    rahmen->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* g = new QGridLayout(rahmen);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    g->setHorizontalSpacing(4);

    const QString suffix = QString("%1_%2").arg(zeile).arg(spalte);
    QLabel* balken = Raumbalken("label_room" + suffix, spalte, rahmen);
    (spalte == 1 ? label_room_1_ : label_room_2_)[zeile] = balken;

    auto* kopf = new QHBoxLayout;
    kopf->setSpacing(6);
    kopf->addWidget(balken, 1);
    const bool flanke = zeile > 0;
    if (flanke) {
        label_FF_[zeile][spalte] = Beschriftung("Flankenfläche [m²]:", rahmen, "label_FF" + suffix);
        edit_FF_[zeile][spalte] = Zahlenfeld(
            "edit_FF" + suffix, 6,
            [zeile, spalte](Hauptfenster& h) -> std::string& { return h.edit_FF[zeile][spalte]; });
        kopf->addWidget(label_FF_[zeile][spalte]);
        kopf->addWidget(edit_FF_[zeile][spalte]);
        if (spalte == 2) {
            chk_id_F_[zeile] = new QCheckBox("identisch zu Raum 1", rahmen);
            chk_id_F_[zeile]->setObjectName(QString("chk_id_F%1").arg(zeile));
            kopf->addWidget(chk_id_F_[zeile]);
        }
    }
    g->addLayout(kopf, 0, 0, 1, 3);

    int r = 1;
    if (flanke) {
        Button_Aufbau_[zeile][spalte] = Knopf("Bauteilaufbau", "Button_F" + suffix, rahmen);
        Button_Aufbau_[zeile][spalte]->setToolTip(" Datenbank ");
        g->addWidget(Button_Aufbau_[zeile][spalte], r, 0, Qt::AlignTop);
        g->addWidget(Aufbaumemo(zeile, spalte, rahmen), r, 1, 1, 2);
        ++r;
    }
    const QString vsName = flanke ? "Button_VS" + suffix : QString("Button_TB_VS%1").arg(spalte);
    Button_VS_[zeile][spalte] = Knopf(flanke ? "&Vorsatzschale" : "Vorsatzschale", vsName, rahmen);
    Button_VSclear_[zeile][spalte] = Knopf("löschen", vsName + "clear", rahmen);
    g->addWidget(Button_VS_[zeile][spalte], r, 0);
    g->addWidget(Vorsatzfeld(zeile, spalte, rahmen), r, 1);
    g->addWidget(Button_VSclear_[zeile][spalte], r, 2);
    g->setColumnStretch(1, 1);
    return rahmen;
}

QWidget* TSimplifiedModel::TrennbauteilseiteAufbauen() {
    auto* seite = new QWidget;
    seite->setObjectName("TabSheet_0");
    auto* v = new QVBoxLayout(seite);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);

    auto* g = new QGridLayout;
    g->setVerticalSpacing(3);
    g->addWidget(Namenfeld(
                     "edit_TB", 25, [](Hauptfenster& h) -> std::string& { return h.edit_TB; },
                     [this] { edit_TBChange(p_); }),
                 0, 0, 1, 2);
    rg_horizontal_ = new QRadioButton("horizontal (Wand) ", seite);
    rg_horizontal_->setObjectName("rg_horizontal");
    rg_vertikal_ = new QRadioButton("vertikal (Decke/Boden) ", seite);
    rg_vertikal_->setObjectName("rg_vertikal");
    auto* lage = new QButtonGroup(seite);
    lage->addButton(rg_horizontal_);
    lage->addButton(rg_vertikal_);
    g->addWidget(rg_horizontal_, 0, 2);
    g->addWidget(rg_vertikal_, 1, 2);
    g->addWidget(Beschriftung("Fläche Trennbauteil [m²]:", seite), 1, 0);
    g->addWidget(Zahlenfeld("edit_A", 6, [](Hauptfenster& h) -> std::string& { return h.edit_A; }),
                 1, 1, Qt::AlignLeft);
    g->setColumnStretch(1, 1);
    v->addLayout(g);

    auto* aufbau = new QGridLayout;
    aufbau->setHorizontalSpacing(4);
    aufbau->setVerticalSpacing(2);
    Button_Aufbau_[0][0] = Knopf("Bauteilaufbau", "Button_TB", seite);
    Button_Aufbau_[0][0]->setToolTip(" Datenbank ");
    aufbau->addWidget(Button_Aufbau_[0][0], 0, 0, Qt::AlignTop);
    aufbau->addWidget(Aufbaumemo(0, 0, seite), 0, 1);
    label_DirRw_ = Beschriftung("Direktschalldämmung Rw = $$$.$$ [dB]", seite, "label_DirRw");
    label_DirRw_->setTextFormat(Qt::PlainText);
    label_VS_ = Beschriftung("(ohne Vorsatzschalen und Nebenwegen)", seite, "label_VS");
    aufbau->addWidget(label_DirRw_, 1, 1);
    aufbau->addWidget(label_VS_, 2, 1);
    aufbau->setColumnStretch(1, 1);
    v->addLayout(aufbau);

    v->addWidget(RaumzeileAufbauen(0, 1, seite));
    v->addWidget(RaumzeileAufbauen(0, 2, seite));
    v->addStretch();
    return seite;
}

QWidget* TSimplifiedModel::FlankenseiteAufbauen(int i) {
    auto* seite = new QWidget;
    seite->setObjectName(QString("TabSheet_%1").arg(i));
    auto* v = new QVBoxLayout(seite);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);

    auto* g = new QGridLayout;
    g->setVerticalSpacing(2);
    g->addWidget(Beschriftung("Flankenbezeichnung:", seite), 0, 0);
    g->addWidget(Namenfeld(
                     QString("edit_Flanke%1").arg(i), 14,
                     [i](Hauptfenster& h) -> std::string& { return h.edit_Flanke[i]; },
                     [this, i] { edit_Flanke1Change(p_, i); }),
                 0, 1);
    g->addWidget(Beschriftung("gemeinsame Kantenlänge [m]:", seite), 1, 0);
    g->addWidget(Zahlenfeld(QString("edit_LF%1").arg(i), 8,
                            [i](Hauptfenster& h) -> std::string& { return h.edit_LF[i]; }),
                 1, 1, Qt::AlignLeft);
    auto* zusatz = Beschriftung("(Flanke mit Trennbauteil)", seite);
    QFont klein = zusatz->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    zusatz->setFont(klein);
    g->addWidget(zusatz, 2, 0);

    button_Stoss_[i] = new QToolButton(seite);
    button_Stoss_[i]->setObjectName(QString("button_Stoss%1").arg(i));
    button_Stoss_[i]->setText(" Stoßstelle");
    button_Stoss_[i]->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button_Stoss_[i]->setIconSize(QSize(kStossBildGroesse, kStossBildGroesse));
    g->addWidget(button_Stoss_[i], 0, 2, 3, 1, Qt::AlignRight | Qt::AlignTop);
    g->setColumnStretch(1, 1);
    v->addLayout(g);

    v->addWidget(RaumzeileAufbauen(i, 1, seite));
    v->addWidget(RaumzeileAufbauen(i, 2, seite));
    v->addStretch();
    return seite;
}

QWidget* TSimplifiedModel::ElementseitenAufbauen() {
    PageControl_ = new QTabWidget(this);
    PageControl_->setObjectName("PageControl");
    // Long flank names shorten their tabs instead of widening the window.
    PageControl_->setUsesScrollButtons(false);
    PageControl_->setElideMode(Qt::ElideRight);
    PageControl_->addTab(TrennbauteilseiteAufbauen(), "Trennbauteil");
    for (int i = 1; i <= 4; ++i) {
        PageControl_->addTab(FlankenseiteAufbauen(i), QString("Flanke %1").arg(i));
        // The flank-area fields are still shown here: the page keeps the room they need, so that
        // a corner junction, which shows them, does not widen the window.
        QWidget* seite = PageControl_->widget(i);
        seite->setMinimumSize(seite->minimumSizeHint());
    }
    return PageControl_;
}

QWidget* TSimplifiedModel::SkizzenblockAufbauen() {
    QFrame* block = Block("panel_Grafic", this);
    auto* g = new QGridLayout(block);
    g->setContentsMargins(2, 2, 2, 2);
    Image1_ = new SketchView(block);
    Image1_->setObjectName("Image1");
    Image2_ = new SketchView(block);
    Image2_->setObjectName("Image2");
    Image2_->hide();
    g->addWidget(Image1_, 0, 0, Qt::AlignCenter);
    g->addWidget(Image2_, 0, 0, Qt::AlignCenter);
    return block;
}

}  // namespace phonikon
