#include "construction/construction_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

#include "calc/message_boxes.h"
#include "construction/catalogue.h"

namespace phonikon {
namespace {

// The dialog is laid out at fixed positions like its three layer rows: a list column, a
// thickness column and a density column, the result box below and the table to the right.
constexpr int kListeX = 70, kListeB = 225;
constexpr int kDickeX = 305, kDickeB = 55;
constexpr int kRohX = 372, kRohB = 68;
constexpr int kZeile1 = 100, kZeile2 = 152, kZeile3 = 232;
constexpr int kFeldH = 22;

// Outer window sizes are given with their frame; the client area is what Qt sizes.
constexpr int kRahmenB = 8, kRahmenH = 30;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* Beschriftung(const QString& text, QWidget* eltern, int x, int y, const QString& name = {}) {
    auto* l = new QLabel(text, eltern);
    l->setTextFormat(Qt::PlainText);
    if (!name.isEmpty()) l->setObjectName(name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLabel* Anzeige(const QString& text, const QString& name, QWidget* eltern, QRect lage) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setGeometry(lage);
    return l;
}

void Fett(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

QComboBox* Liste(const QString& name, QWidget* eltern, QRect lage) {
    auto* c = new QComboBox(eltern);
    c->setObjectName(name);
    c->setGeometry(lage);
    return c;
}

template <class Tabelle, class Text>
void Fuellen(QComboBox* c, const Tabelle& tabelle, Text text) {
    for (const auto& eintrag : tabelle)
        c->addItem(QString::fromUtf8(text(eintrag).data(), int(text(eintrag).size())));
    c->setMaxVisibleItems(int(tabelle.size()));
}

QLineEdit* Zahlenfeld(const QString& name, int laenge, QWidget* eltern, QRect lage) {
    auto* e = new QLineEdit("0", eltern);
    e->setObjectName(name);
    e->setMaxLength(laenge);
    e->setGeometry(lage);
    return e;
}

void Text(QLabel* l, const std::string& s) {
    const QString t = Q(s);
    if (l->text() != t) l->setText(t);
}

void Text(QLineEdit* e, const std::string& s) {
    const QString t = Q(s);
    if (e->text() == t) return;
    e->setText(t);
    // A field the user has just emptied shows "0"; the next key replaces it.
    if (t == "0") e->selectAll();
}

void Index(QComboBox* c, int i) {
    if (c->currentIndex() != i) c->setCurrentIndex(i < c->count() ? i : -1);
}

// Enabled in the window colour or disabled in the button-face colour.
void An(QLineEdit* e, bool an) {
    e->setEnabled(an);
    const QPalette standard = QApplication::palette(e);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, an ? standard.color(QPalette::Active, QPalette::Base)
                                    : standard.color(QPalette::Disabled, QPalette::Button));
    e->setPalette(pal);
}

}  // namespace

TForm_BT::TForm_BT(Projekt& projekt, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),  // no title buttons
      p_(projekt) {
    setObjectName("Form_BT");
    setWindowTitle(" Bauteilaufbau");
    setWindowModality(Qt::ApplicationModal);
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);
    Aufbauen();
    Verbinden();
    Anzeigen();
}

void TForm_BT::Aufbauen() {
    KopfAufbauen();
    SchichtenAufbauen();
    NamenpanelAufbauen();
    ErgebnisAufbauen();

    Bevel_ = new QFrame(this);
    Bevel_->setObjectName("Bevel");
    Bevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel_->setGeometry(458, 6, 306, 472);
    panel_Rohdichte_ = RohdichtetabelleAufbauen(this);
    panel_Rohdichte_->setGeometry(462, 10, 298, 464);

    btn_OK_ = new QPushButton("&Übernehmen", this);
    btn_OK_->setObjectName("btn_OK");
    btn_OK_->setDefault(true);
    Fett(btn_OK_);
    btn_OK_->setGeometry(230, 446, 105, 28);
    btn_ECS_ = new QPushButton("&Abbrechen", this);
    btn_ECS_->setObjectName("btn_ECS");
    btn_ECS_->setGeometry(340, 446, 105, 28);
}

void TForm_BT::KopfAufbauen() {
    Beschriftung("Bauteil:", this, 10, 13, "Label10");
    label_BT_ = Anzeige(" Bauteil", "label_BT", this, {kListeX, 10, 375, 20});
    Beschriftung("Typ:", this, 10, 42, "Label8");
    combo_Konstrukt_ = Liste("combo_Konstrukt", this, {kListeX, 38, 375, 24});
    Fett(combo_Konstrukt_);
    Fuellen(combo_Konstrukt_, kKonstruktionsarten, [](const auto& k) { return k.Text; });

    Beschriftung("Dicke", this, kDickeX, 68, "Label9");
    Beschriftung("[cm]", this, kDickeX, 82, "Label13");
    Beschriftung("Rohdichte", this, kRohX, 68, "Label2");
    Beschriftung("[kg/m³]", this, kRohX, 82, "Label11");
}

void TForm_BT::SchichtenAufbauen() {
    auto putzname = [](const Putz& p) { return p.Text; };

    // Layer 1: first plaster.
    Beschriftung("Putz:", this, 10, kZeile1 + 4, "Label1");
    combo_B1_ = Liste("combo_B1", this, {kListeX, kZeile1, kListeB, kFeldH});
    Fuellen(combo_B1_, kPutze, putzname);

    // Layer 2: the wall or slab.
    label_WD_ = Beschriftung("Wand:", this, 10, kZeile2 + 4, "label_WD");
    label_WD_->setWordWrap(true);  // "Wand/ Decke:" takes two lines
    label_WD_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_WD_->setGeometry(10, kZeile2 - 6, kListeX - 12, 34);
    label_Rohdichteklasse_ =
        Beschriftung("Stein-Rohdichteklasse", this, kListeX, kZeile2 - 16, "label_Rohdichteklasse");
    combo_B2_ = Liste("combo_B2", this, {kListeX, kZeile2, 148, kFeldH});
    Fuellen(combo_B2_, kRohdichteklassenTexte, [](std::string_view t) { return t; });
    label_Wanddicke_ =
        Beschriftung("Dicke [cm]", this, kListeX + 153, kZeile2 - 16, "label_Wanddicke");
    combo_B2b_ = Liste("combo_B2b", this, {kListeX + 153, kZeile2, kListeB - 153, kFeldH});
    Fuellen(combo_B2b_, kBrevonWanddicken, [](const Wanddicke& w) { return w.Text; });
    combo_B2a_ = Liste("combo_B2a", this, {kListeX, kZeile2, kListeB, kFeldH});
    Fuellen(combo_B2a_, kBetone, [](const Beton& b) { return b.Text; });

    rg_Moertel_ = new QGroupBox(this);
    rg_Moertel_->setObjectName("rg_Moertel");
    rg_Moertel_->setGeometry(kListeX, kZeile2 + 28, kListeB, 30);
    auto* moertel = new QButtonGroup(rg_Moertel_);
    for (int i = 0; i < 2; ++i) {
        Moertel_[i] = new QRadioButton(Q(std::string(kMoertelTexte[i])), rg_Moertel_);
        Moertel_[i]->setObjectName(QString("rg_Moertel_%1").arg(i));
        Moertel_[i]->setGeometry(4 + i * 116, 5, 112 - i * 6, 20);
        moertel->addButton(Moertel_[i], i);
    }

    // Layer 3: second plaster.
    Beschriftung("Putz:", this, 10, kZeile3 + 4, "Label3");
    combo_B3_ = Liste("combo_B3", this, {kListeX, kZeile3, kListeB, kFeldH});
    Fuellen(combo_B3_, kPutze, putzname);

    // Thickness and density columns.
    const int zeilen[] = {0, kZeile1, kZeile2, kZeile3};
    for (int n = 1; n <= 3; ++n) {
        edit_d_[n] =
            Zahlenfeld(QString("edit_d%1").arg(n), 6, this, {kDickeX, zeilen[n], kDickeB, kFeldH});
        edit_roh_[n] =
            Zahlenfeld(QString("edit_roh%1").arg(n), 6, this, {kRohX, zeilen[n], kRohB, kFeldH});
    }
    QFont klein = font();
    klein.setPointSizeF(7);
    lb_Wandrohdichte_ =
        Beschriftung("Wand- Rohdichte", this, kRohX, kZeile2 + kFeldH + 2, "lb_Wandrohdichte");
    lb_Wandrohdichte_->setFont(klein);
    lb_Wandrohdichte_->adjustSize();
    lb_Vgl_ = Beschriftung("(siehe Tabelle)", this, kRohX, kZeile2 + kFeldH + 15, "lb_Vgl");
    lb_Vgl_->setFont(klein);
    lb_Vgl_->adjustSize();
}

void TForm_BT::NamenpanelAufbauen() {
    // Lies over the catalogue lists for the typed kinds.
    panel_Schichtaufbau_ = new QWidget(this);
    panel_Schichtaufbau_->setObjectName("panel_Schichtaufbau");
    panel_Schichtaufbau_->setAutoFillBackground(true);
    const int oben = kZeile1 - 6;
    panel_Schichtaufbau_->setGeometry(4, oben, kDickeX - 10, kZeile3 + kFeldH + 6 - oben);
    QWidget* p = panel_Schichtaufbau_;

    const int zeilen[] = {0, kZeile1 - oben, kZeile2 - oben, kZeile3 - oben};
    const char* beschriftung[] = {nullptr, "Label6", "Label4", "Label5"};
    for (int n = 1; n <= 3; ++n) {
        QLabel* l = Beschriftung(n == 2 ? "Wand:" : "Putz:", p, 6, zeilen[n] + 4, beschriftung[n]);
        l->setFixedWidth(kListeX - 12);  // "Bauteil:" for other constructions
        if (n == 2) Label4_ = l;
        edit_schichtName_[n] = new QLineEdit(p);
        edit_schichtName_[n]->setObjectName(QString("edit_schichtName%1").arg(n));
        edit_schichtName_[n]->setGeometry(kListeX - 4, zeilen[n], kListeB + 8, kFeldH);
    }
    // The pair of unit types belongs to the name panel but may reach under the density labels,
    // so it lies on the dialog itself.
    rg_Zulassung1_ = new QRadioButton(this);
    rg_Zulassung1_->setObjectName("rg_Zulassung1");
    rg_Zulassung2_ = new QRadioButton(this);
    rg_Zulassung2_->setObjectName("rg_Zulassung2");
    rg_Zulassung1_->setChecked(true);
    auto* paar = new QButtonGroup(this);
    paar->addButton(rg_Zulassung1_);
    paar->addButton(rg_Zulassung2_);
}

void TForm_BT::ErgebnisAufbauen() {
    constexpr int kWertX = 306;  // the value boxes, right of the longest bold caption
    auto* box = new QFrame(this);
    box->setObjectName("panel_Ergebnis");
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setGeometry(6, 268, 444, 170);

    QLabel* masse = Beschriftung("flächenbezogene Gesamtmasse:", box, 8, 10, "Label7");
    Fett(masse);
    masse->adjustSize();
    label_m_ = Anzeige("$$$.$ [kg/m²]", "label_m", box, {kWertX, 7, 434 - kWertX, 20});
    Fett(label_m_);

    lb_Rw_ = Beschriftung("Direktschalldämm-Maß nach Massekurve:", box, 8, 36, "lb_Rw");
    Fett(lb_Rw_);
    lb_Rw_->setFixedWidth(kWertX - 10);
    label_Rw_ = Anzeige("$$.$ [dB]", "label_Rw", box, {kWertX, 33, 434 - kWertX, 20});
    Fett(label_Rw_);

    // The user value's field sits in the gap of its label.
    lb_UnitRw_ = Beschriftung("Rw =              [dB]", box, kWertX + 4, 36, "lb_UnitRw");
    const QFontMetrics fm(lb_UnitRw_->font());
    edit_RwUser_ = Zahlenfeld("edit_RwUser", 4, box,
                              {kWertX + 4 + fm.horizontalAdvance("Rw = "), 33,
                               fm.horizontalAdvance("             ") - 2, 20});

    chk_RwUser_ = new QCheckBox("alternativer Anwender-Eintrag nach Prüfzeugnis ", box);
    chk_RwUser_->setObjectName("chk_RwUser");
    chk_RwUser_->setGeometry(8, 58, 420, 20);

    label_Meldung1_ = Beschriftung(kLieferMeldung, box, 8, 62, "label_Meldung1");
    Fett(label_Meldung1_);
    label_Meldung1_->adjustSize();
    QPalette rot = label_Meldung1_->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    label_Meldung1_->setPalette(rot);

    memo_Meldung_ = new QPlainTextEdit(box);
    memo_Meldung_->setObjectName("memo_Meldung");
    memo_Meldung_->setReadOnly(true);
    memo_Meldung_->setLineWrapMode(QPlainTextEdit::NoWrap);  // the lines are broken by hand
    memo_Meldung_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_Meldung_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_Meldung_->setFocusPolicy(Qt::NoFocus);
    memo_Meldung_->document()->setDocumentMargin(2);
    memo_Meldung_->setGeometry(4, 80, 436, 86);
    // The notice lines are broken by hand: the font shrinks until the longest one fits.
    QFont hinweis = memo_Meldung_->font();
    const int platz = memo_Meldung_->width() - 2 * memo_Meldung_->frameWidth() - 8;
    for (qreal punkte = 7.5; punkte >= 5.5; punkte -= 0.25) {
        hinweis.setPointSizeF(punkte);
        const QFontMetrics fm(hinweis, memo_Meldung_);
        const auto zeilen = Hinweiszeilen(kKonstruktZiegel, 55.5L, ',');
        int breite = 0;
        for (const std::string& zeile : zeilen)
            breite = std::max(breite, fm.horizontalAdvance(Q(zeile)));
        const int hoehe = int(zeilen.size()) * fm.lineSpacing() + 10;
        if (breite <= platz && hoehe <= memo_Meldung_->height()) break;
    }
    memo_Meldung_->setFont(hinweis);
    QPalette farben = memo_Meldung_->palette();
    farben.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    farben.setColor(QPalette::Text, Qt::red);
    memo_Meldung_->setPalette(farben);
}

void TForm_BT::Verbinden() {
    const char sep = p_.Dezimaltrenner;
    connect(combo_Konstrukt_, &QComboBox::activated, this, [this, sep](int i) {
        if (i == d_.combo_Konstrukt) return;
        d_.combo_Konstrukt = i;
        Ausfuehren(combo_KonstruktChange(d_, sep));
    });
    const std::pair<QComboBox*, int AufbauDialog::*> listen[] = {
        {combo_B1_, &AufbauDialog::combo_B1},   {combo_B2_, &AufbauDialog::combo_B2},
        {combo_B2a_, &AufbauDialog::combo_B2a}, {combo_B2b_, &AufbauDialog::combo_B2b},
        {combo_B3_, &AufbauDialog::combo_B3},
    };
    for (auto [liste, feld] : listen) {
        connect(liste, &QComboBox::activated, this, [this, sep, feld](int i) {
            d_.*feld = i;
            Ausfuehren(combo_B1Click(d_, sep));
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(Moertel_[i], &QRadioButton::clicked, this, [this, i] {
            d_.rg_Moertel = i;
            Ausfuehren(rg_MoertelClick(d_, p_));
        });
    }
    for (QRadioButton* r : {rg_Zulassung1_, rg_Zulassung2_}) {
        connect(r, &QRadioButton::clicked, this, [this, r] {
            d_.rg_Zulassung1 = r == rg_Zulassung1_;
            Ausfuehren(rg_Zulassung1Click(d_, p_));
        });
    }
    connect(chk_RwUser_, &QCheckBox::clicked, this, [this, sep](bool an) {
        d_.chk_RwUser = an;
        Ausfuehren(chk_RwUserClick(d_, sep));
    });
    for (int n = 1; n <= 3; ++n) {
        connect(edit_d_[n], &QLineEdit::textEdited, this, [this, n](const QString& t) {
            d_.edit_d[n] = t.toStdString();
            Ausfuehren(edit_d1Change(d_, p_));
        });
        connect(edit_roh_[n], &QLineEdit::textEdited, this, [this, n](const QString& t) {
            d_.edit_roh[n] = t.toStdString();
            Ausfuehren(edit_d1Change(d_, p_));
        });
        connect(edit_schichtName_[n], &QLineEdit::textEdited, this,
                [this, n](const QString& t) { d_.edit_schichtName[n] = t.toStdString(); });
        edit_d_[n]->installEventFilter(this);
        edit_roh_[n]->installEventFilter(this);
    }
    connect(edit_RwUser_, &QLineEdit::textEdited, this,
            [this](const QString& t) { d_.edit_RwUser = t.toStdString(); });
    edit_RwUser_->installEventFilter(this);

    connect(btn_OK_, &QPushButton::clicked, this, &TForm_BT::btn_OKClick);
    connect(btn_ECS_, &QPushButton::clicked, this, &TForm_BT::reject);
}

void TForm_BT::Oeffnen(int zeile, int spalte) {
    const auto meldung = AufbauDialogOeffnen(d_, p_, zeile, spalte);
    Anzeigen();
    if (const QWidget* haupt = parentWidget(); haupt && haupt->screen())
        move(haupt->screen()->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    combo_Konstrukt_->setFocus();
    if (meldung) Fehler(*meldung);
}

void TForm_BT::Anzeigen() {
    const AufbauDialog& d = d_;
    setFixedSize(d.Breite - kRahmenB, d.Hoehe - kRahmenH);

    Text(label_BT_, d.label_BT);
    Index(combo_Konstrukt_, d.combo_Konstrukt);
    Index(combo_B1_, d.combo_B1);
    Index(combo_B2_, d.combo_B2);
    Index(combo_B2a_, d.combo_B2a);
    Index(combo_B2b_, d.combo_B2b);
    Index(combo_B3_, d.combo_B3);
    for (int i = 0; i < 2; ++i) {
        if (d.rg_Moertel == i) Moertel_[i]->setChecked(true);
    }
    for (int n = 1; n <= 3; ++n) {
        Text(edit_d_[n], d.edit_d[n]);
        Text(edit_roh_[n], d.edit_roh[n]);
        Text(edit_schichtName_[n], d.edit_schichtName[n]);
    }
    Text(edit_RwUser_, d.edit_RwUser);

    Bevel_->setVisible(d.panel_Rohdichte);
    panel_Rohdichte_->setVisible(d.panel_Rohdichte);
    panel_Schichtaufbau_->setVisible(d.panel_Schichtaufbau);
    if (d.panel_Schichtaufbau) panel_Schichtaufbau_->raise();
    Text(label_WD_, d.label_WD);
    Text(Label4_, d.Label4);
    combo_B2a_->setVisible(d.combo_B2a_sichtbar);
    for (QWidget* w :
         {static_cast<QWidget*>(combo_B2b_), static_cast<QWidget*>(combo_B2_),
          static_cast<QWidget*>(rg_Moertel_), static_cast<QWidget*>(label_Rohdichteklasse_)})
        w->setVisible(d.Brevonlisten_sichtbar);
    combo_B3_->setVisible(d.combo_B3_sichtbar);
    label_Wanddicke_->setVisible(d.label_Wanddicke_sichtbar);
    lb_Wandrohdichte_->setVisible(d.lb_Wandrohdichte_sichtbar);
    lb_Vgl_->setVisible(d.lb_Vgl_sichtbar);
    An(edit_d_[1], d.Putzdicken_an);
    An(edit_d_[3], d.Putzdicken_an);
    An(edit_d_[2], d.edit_d2_an);
    for (int n = 1; n <= 3; ++n) An(edit_roh_[n], d.Rohdichten_an);
    An(edit_schichtName_[2], d.edit_schichtName2_an);

    // The pair of unit types sits between the wall and the second plaster row.
    const int paarX = panel_Schichtaufbau_->x() + d.Zulassung_Links;
    const int paarY = kZeile2 + kFeldH + 3;
    rg_Zulassung1_->setText(Q(d.rg_Zulassung1_Text));
    rg_Zulassung2_->setText(Q(d.rg_Zulassung2_Text));
    rg_Zulassung1_->setGeometry(paarX, paarY, kRohX - 4 - paarX, 20);
    rg_Zulassung2_->setGeometry(paarX, paarY + 20, kRohX - 4 - paarX, 20);
    (d.rg_Zulassung1 ? rg_Zulassung1_ : rg_Zulassung2_)->setChecked(true);
    for (QRadioButton* r : {rg_Zulassung1_, rg_Zulassung2_}) {
        r->setVisible(d.Zulassung_sichtbar && d.panel_Schichtaufbau);
        r->raise();
    }

    Text(label_m_, d.label_m);
    Text(lb_Rw_, d.lb_Rw);
    QPalette farbe = lb_Rw_->palette();
    farbe.setColor(QPalette::WindowText, d.lb_Rw_rot ? QColor(Qt::red) : QColor(Qt::black));
    lb_Rw_->setPalette(farbe);
    Text(label_Rw_, d.label_Rw);
    label_Rw_->setVisible(d.label_Rw_sichtbar);
    lb_UnitRw_->setVisible(d.RwEingabe_sichtbar);
    edit_RwUser_->setVisible(d.RwEingabe_sichtbar);
    An(edit_RwUser_, d.edit_RwUser_an);
    if (chk_RwUser_->isChecked() != d.chk_RwUser) chk_RwUser_->setChecked(d.chk_RwUser);
    chk_RwUser_->setVisible(d.chk_RwUser_sichtbar);
    const QString hinweis = Q([&] {
        std::string text;
        for (const std::string& zeile : d.memo_Meldung) text += (text.empty() ? "" : "\n") + zeile;
        return text;
    }());
    if (memo_Meldung_->toPlainText() != hinweis) memo_Meldung_->setPlainText(hinweis);
    memo_Meldung_->setVisible(d.memo_Meldung_sichtbar);
    label_Meldung1_->setVisible(d.label_Meldung1_sichtbar);
}

void TForm_BT::Ausfuehren(const Dialogmeldung& meldung) {
    Anzeigen();
    if (meldung) Fehler(*meldung);
}

void TForm_BT::btn_OKClick() {
    using E = Uebernahmepruefung::Ergebnis;
    const Uebernahmepruefung pruefung = phonikon::btn_OKClick(d_, p_.Dezimaltrenner);
    Anzeigen();
    switch (pruefung.ergebnis) {
        case E::Fehler:
            Fehler(pruefung.text);
            return;
        case E::Uebernehmen:
            Abschliessen();
            return;
        case E::WarnungMasse:
        case E::WarnungKeinRw:
            if (Warnen(pruefung.text)) Abschliessen();
            return;
    }
}

void TForm_BT::Abschliessen() {
    const auto meldung = AufbauUebernehmen(d_, p_);
    hide();
    emit uebernommen(meldung);
}

void TForm_BT::reject() {
    hide();
    emit abgebrochen();
}

void TForm_BT::closeEvent(QCloseEvent* event) {
    // A close from the window system counts as cancel.
    event->ignore();
    reject();
}

bool TForm_BT::Warnen(const std::string& text) {
    return JaNeinFrage(this, Q(text), "Warnung", QMessageBox::Warning);
}

void TForm_BT::Fehler(const std::string& text) {
    Fehlermeldung(this, Q(text));
}

// Number fields take digits, backspace and the decimal separator; with "." as separator a ","
// is typed as ".". Shortcuts (copy, paste …) and keys without text pass.
bool TForm_BT::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* taste = static_cast<QKeyEvent*>(event);
    if (!edit || taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = taste->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const auto ersatz = Zahlentaste(text[0].unicode(), p_.Dezimaltrenner);
    if (!ersatz) return true;
    if (*ersatz == text[0].unicode()) return false;
    edit->insert(QString(QChar(char16_t(*ersatz))));
    return true;
}

}  // namespace phonikon
