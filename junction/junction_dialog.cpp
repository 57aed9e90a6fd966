#include "junction/junction_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "junction/junction_pictures.h"

namespace phonikon {
namespace {

// Fixed geometry of the rows, in pixels; the widths follow the junction type.
constexpr int kLinks = 10;
constexpr int kKopfOben = 8, kKopfHoehe = 21;
constexpr int kGruppeOben = 36, kGruppeHoehe = 58;
constexpr int kRahmenOben = 100;
constexpr int kKnoepfeOben = kRahmenOben + 8;
constexpr int kPanel = 61, kPanelAbstand = 65;  // a highlight panel and the step to the next
constexpr int kKnopf = 53, kKnopfRand = 4;      // picture button inside its panel
constexpr int kGrosseBreite = 109;              // panel of the two rigid constructions
constexpr int kHinweisOben = kKnoepfeOben + kPanel + 6, kHinweisHoehe = 44;
constexpr int kLegendeOben = kHinweisOben + kHinweisHoehe + 4, kLegendeZeile = 17;
constexpr int kRahmenHoehe = kLegendeOben + 2 * kLegendeZeile + 6 - kRahmenOben;
constexpr int kTastenOben = kRahmenOben + kRahmenHoehe + 8, kTastenBreite = 82, kTastenHoehe = 25;
constexpr int kHoehe = kTastenOben + kTastenHoehe + 8;

const QColor kHervorhebung(0, 255, 0);  // lime

// A plan picture drawn at the widget's own pixel ratio.
class StossBildFeld : public QWidget {
  public:
    StossBildFeld(StossTyp typ, StossAusfuehrung ausfuehrung, QWidget* eltern)
        : QWidget(eltern), typ_(typ), ausfuehrung_(ausfuehrung) {
        setFixedSize(kStossBildGroesse, kStossBildGroesse);
    }
    void setTyp(StossTyp typ) {
        typ_ = typ;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        StossZeichnen(p, rect(), typ_, StossTrennung::ohne, ausfuehrung_);
    }

  private:
    StossTyp typ_;
    StossAusfuehrung ausfuehrung_;
};

void Faerben(QWidget* w, const QColor& farbe) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, farbe);
    w->setPalette(pal);
}

}  // namespace

TForm_SS::TForm_SS(Projekt& projekt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), p_(projekt) {
    setObjectName("Form_SS");
    setWindowTitle(" Auswahl Stoßstelle");
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);

    lb_Stoss_ = new QLabel(this);
    lb_Stoss_->setObjectName("lb_Stoss");
    lb_Stoss_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont fett = schrift;
    fett.setBold(true);
    lb_Stoss_->setFont(fett);

    rgStoss_ = new QGroupBox(this);
    rgStoss_->setObjectName("rgStoss");
    auto* raster = new QGridLayout(rgStoss_);
    raster->setContentsMargins(8, 4, 8, 4);
    typGruppe_ = new QButtonGroup(this);
    for (int t = 0; t < 4; ++t) {
        typ_[t] = new QRadioButton(
            QString::fromUtf8(kStossTypen[t].auswahl.data(), kStossTypen[t].auswahl.size()),
            rgStoss_);
        typ_[t]->setObjectName(QString("rgStoss_%1").arg(t));
        typGruppe_->addButton(typ_[t], t);
        raster->addWidget(typ_[t], t / 2, t % 2);
    }
    connect(typGruppe_, &QButtonGroup::idToggled, this, [this](int t, bool an) {
        if (!an || static_cast<int>(z_.typ) == t) return;
        rgStossClick(z_, static_cast<StossTyp>(t));
        Anzeigen();
    });

    Bevel_ = new QFrame(this);
    Bevel_->setObjectName("Bevel");
    Bevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);

    panel_buttons_ = new QWidget(this);
    panel_buttons_->setObjectName("panel_buttons");
    for (int k = 0; k < 5; ++k) {
        QWidget* eltern = k == 0 ? static_cast<QWidget*>(this) : panel_buttons_;
        panel_[k] = new QFrame(eltern);
        panel_[k]->setObjectName(QString("panel_%1").arg(k));
        panel_[k]->setAutoFillBackground(true);
        if (k > 0) panel_[k]->setGeometry((k - 1) * kPanelAbstand, 0, kPanel, kPanel);
        button_[k] = new QToolButton(panel_[k]);
        button_[k]->setObjectName(QString("button_%1").arg(k));
        button_[k]->setGeometry(kKnopfRand, kKnopfRand, kKnopf, kKnopf);
        button_[k]->setIconSize(QSize(kStossBildGroesse, kStossBildGroesse));
        button_[k]->setFocusPolicy(Qt::StrongFocus);
        button_[k]->setAccessibleName(
            QString::fromUtf8(Daten(static_cast<StossTrennung>(k)).protokoll.data(),
                              Daten(static_cast<StossTrennung>(k)).protokoll.size())
                .trimmed());
        const auto trennung = static_cast<StossTrennung>(k);
        connect(button_[k], &QToolButton::clicked, this,
                [this, trennung] { TrennungGeklickt(trennung); });
    }
    panel_buttons_->setFixedSize(3 * kPanelAbstand + kPanel, kPanel);

    // The two equivalent rigid constructions of T and cross junctions on one large button.
    button_0_large_ = new QFrame(panel_[0]);
    button_0_large_->setObjectName("button_0_large");
    button_0_large_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    button_0_large_->setLineWidth(2);
    button_0_large_->setGeometry(kKnopfRand, kKnopfRand, kGrosseBreite - 2 * kKnopfRand, kKnopf);
    button_0_large_->setCursor(Qt::PointingHandCursor);
    button_0_large_->setFocusPolicy(Qt::StrongFocus);
    button_0_large_->setAccessibleName(button_[0]->accessibleName());
    button_0_large_->installEventFilter(this);
    const StossAusfuehrung ausfuehrung[2] = {StossAusfuehrung::Stumpfstoss,
                                             StossAusfuehrung::DurchgehendeTrennwand};
    for (int n = 0; n < 2; ++n) {
        img_button0_[n] = new StossBildFeld(StossTyp::T, ausfuehrung[n], button_0_large_);
        img_button0_[n]->setObjectName(n == 0 ? "img_button0a" : "img_button0b");
        img_button0_[n]->move(3 + n * (kStossBildGroesse + 4), 4);
        img_button0_[n]->installEventFilter(this);
    }

    lb_Remark_ = new QLabel(this);
    lb_Remark_->setObjectName("lb_Remark");
    lb_Remark_->setWordWrap(true);
    lb_Remark_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Legend: a colour mark over the leading blanks of each text.
    const struct {
        const char* text;
        QColor farbe;
        int hoehe;
    } legende[4] = {
        {"          Trennbauteil", QColor(0, 0, 255), 6},
        {"          Flankenbauteil Raum 1", QColor(0, 0, 128), 6},
        {"          Flankenbauteil Raum 2", QColor(0, 128, 0), 6},
        {"          akustisch entkoppelt", QColor(255, 255, 0), 10},
    };
    for (int n = 0; n < 4; ++n) {
        auto* text = new QLabel(QString::fromUtf8(legende[n].text), this);
        text->setObjectName(QString("lb_Legende%1").arg(n + 1));
        text->setFixedHeight(kLegendeZeile);
        auto* marke = new QFrame(text);
        marke->setFrameStyle(QFrame::Box | QFrame::Plain);
        marke->setAutoFillBackground(true);
        Faerben(marke, legende[n].farbe);
        marke->setGeometry(2, (kLegendeZeile - legende[n].hoehe) / 2, 26, legende[n].hoehe);
        legende_[n] = text;
    }

    btn_Exit_ = new QPushButton("&Übernehmen", this);
    btn_Exit_->setObjectName("btn_Exit");
    btn_Exit_->setFont(fett);
    btn_Exit_->setDefault(true);
    btn_Exit_->setAutoDefault(true);
    btn_ESC_ = new QPushButton("&Abbrechen", this);
    btn_ESC_->setObjectName("btn_ESC");
    btn_ESC_->setAutoDefault(false);
    connect(btn_Exit_, &QPushButton::clicked, this, &TForm_SS::btn_ExitClick);
    connect(btn_ESC_, &QPushButton::clicked, this, &QDialog::reject);

    Anzeigen();
}

void TForm_SS::Oeffnen(int k) {
    button_Stoss1Click(p_, z_, k);
    Anzeigen();
    if (const QScreen* bildschirm = parentWidget() ? parentWidget()->screen() : screen())
        move(bildschirm->availableGeometry().center() - rect().center());
    open();
    btn_Exit_->setFocus();
}

void TForm_SS::TrennungGeklickt(StossTrennung trennung) {
    button_0Click(p_, z_, trennung);
    Anzeigen();
}

void TForm_SS::btn_ExitClick() {
    const auto meldung = phonikon::btn_ExitClick(p_, z_);
    accept();
    emit uebernommen(meldung ? QString::fromStdString(*meldung) : QString());
}

void TForm_SS::Anzeigen() {
    lb_Stoss_->setText(QString::fromStdString(z_.lb_Stoss));
    lb_Remark_->setText(QString::fromStdString(z_.lb_Remark));
    typ_[static_cast<int>(z_.typ)]->setChecked(true);
    for (int k = 0; k < 5; ++k) {
        const bool markiert = z_.trennung && static_cast<int>(*z_.trennung) == k;
        Faerben(panel_[k], markiert ? kHervorhebung : palette().color(QPalette::Button));
        button_[k]->setIcon(StossSymbol(z_.typ, static_cast<StossTrennung>(k)));
        button_[k]->setToolTip(QString::fromStdString(StossHinweis(
            static_cast<StossTrennung>(k), p_.Fenster.edit_room[1], p_.Fenster.edit_room[2])));
    }
    for (QWidget* bild : img_button0_) static_cast<StossBildFeld*>(bild)->setTyp(z_.typ);
    button_0_large_->setToolTip(button_[0]->toolTip());
    LayoutAnwenden();
}

void TForm_SS::LayoutAnwenden() {
    const StossDialogLayout l = LayoutFuer(z_.typ);
    setFixedSize(l.breite, kHoehe);
    lb_Stoss_->setGeometry(kLinks, kKopfOben, l.gruppenBreite, kKopfHoehe);
    rgStoss_->setGeometry(kLinks, kGruppeOben, l.gruppenBreite, kGruppeHoehe);
    Bevel_->setGeometry(7, kRahmenOben, l.rahmenBreite, kRahmenHoehe);
    panel_[0]->setGeometry(kLinks, kKnoepfeOben, l.grosserKnopf ? kGrosseBreite : kPanel, kPanel);
    button_0_large_->setVisible(l.grosserKnopf);
    button_[0]->setVisible(!l.grosserKnopf);
    panel_buttons_->move(l.panelButtonsLinks, kKnoepfeOben);
    lb_Remark_->setGeometry(kLinks + 2, kHinweisOben, l.gruppenBreite - 4, kHinweisHoehe);
    // Separating element and decoupling on the left, the two flank elements (the longer
    // texts) on the right; the space left over goes evenly to both.
    const int gesamt = l.gruppenBreite - 4;
    const int textLinks =
        std::max(legende_[0]->sizeHint().width(), legende_[3]->sizeHint().width());
    const int textRechts =
        std::max(legende_[1]->sizeHint().width(), legende_[2]->sizeHint().width());
    const int links = std::max(textLinks + 1, (gesamt - textRechts + textLinks) / 2);
    const int rechts = gesamt - links;
    const int x[4] = {kLinks + 2, kLinks + 2 + links, kLinks + 2 + links, kLinks + 2};
    for (int n = 0; n < 4; ++n)
        legende_[n]->setGeometry(x[n], kLegendeOben + (n == 0 || n == 1 ? 0 : kLegendeZeile),
                                 n == 0 || n == 3 ? links : rechts, kLegendeZeile);
    btn_Exit_->setGeometry(l.uebernehmenLinks, kTastenOben, kTastenBreite, kTastenHoehe);
    btn_ESC_->setGeometry(l.abbrechenLinks, kTastenOben, kTastenBreite, kTastenHoehe);
}

// The large button is a panel with two pictures: it is drawn sunken while pressed and chooses
// the rigid junction when released over it.
bool TForm_SS::eventFilter(QObject* watched, QEvent* event) {
    const bool teil =
        watched == button_0_large_ || watched == img_button0_[0] || watched == img_button0_[1];
    if (!teil) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && watched == button_0_large_) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste != Qt::Key_Space && taste != Qt::Key_Return && taste != Qt::Key_Enter)
            return false;
        TrennungGeklickt(StossTrennung::ohne);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        button_0_large_->setFrameShadow(QFrame::Sunken);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* maus = static_cast<QMouseEvent*>(event);
        if (maus->button() != Qt::LeftButton) return false;
        button_0_large_->setFrameShadow(QFrame::Raised);
        const QPoint punkt = button_0_large_->mapFromGlobal(maus->globalPosition().toPoint());
        if (button_0_large_->rect().contains(punkt)) TrennungGeklickt(StossTrennung::ohne);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace phonikon
