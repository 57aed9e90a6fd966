#include "lining/lining_dialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>
#include <filesystem>

#include "calc/data_files.h"
#include "calc/message_boxes.h"

namespace phonikon {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Pictogram of a lining in front of a heavy wall: the hatched wall, the layer between and the
// thin shell, with m' at the shell and the spacing or stiffness dimension below. `verbunden`
// draws an insulation layer bonded to both shells instead of a cavity with a loose absorber.
class SchalenBild : public QWidget {
  public:
    SchalenBild(bool verbunden, QWidget* eltern) : QWidget(eltern), verbunden_(verbunden) {
        setFixedSize(68, 44);
    }
    void setBeschriftet(bool an) {
        beschriftet_ = an;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        const QRect wand(1, 1, 14, 26), schale(44, 1, 4, 26);
        g.fillRect(wand, QColor(200, 200, 200));
        g.setClipRect(wand);
        g.setPen(QPen(Qt::black, 1));
        for (int x = wand.left() - wand.height(); x < wand.right(); x += 5)
            g.drawLine(x, wand.bottom(), x + wand.height(), wand.top());
        g.setClipping(false);
        g.drawRect(wand);
        const QRect schicht(wand.right() + 1, wand.top(), schale.left() - wand.right() - 1,
                            wand.height());
        if (verbunden_) {
            g.fillRect(schicht, QColor(255, 236, 160));
            g.drawRect(schicht);
        } else {
            // A soft absorber in part of the cavity.
            g.setPen(QPen(QColor(180, 140, 0), 1));
            for (int y = schicht.top() + 2; y < schicht.bottom() - 2; y += 5)
                g.drawArc(schicht.left() + 2, y, 8, 4, 0, 180 * 16);
            g.setPen(QPen(Qt::black, 1));
        }
        g.fillRect(schale, QColor(240, 240, 240));
        g.drawRect(schale);
        if (!beschriftet_) return;
        g.drawText(QRect(schale.right() + 2, 0, width() - schale.right() - 2, 16),
                   Qt::AlignLeft | Qt::AlignVCenter, "m'");
        // Dimension line under the layer between wall and shell.
        const int y = 30;
        g.drawLine(schicht.left(), y, schicht.right(), y);
        g.drawLine(schicht.left(), y - 2, schicht.left(), y + 2);
        g.drawLine(schicht.right(), y - 2, schicht.right(), y + 2);
        g.drawText(QRect(schicht.left(), y + 1, schicht.width(), 13), Qt::AlignCenter,
                   verbunden_ ? "s'" : "s");
    }

  private:
    bool verbunden_;
    bool beschriftet_ = false;
};

QLabel* Titel(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLineEdit* Eingabe(const QString& name, int maxLaenge, QWidget* eltern) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setMaxLength(maxLaenge);
    return e;
}

QLabel* Beschriftung(const QString& text, const QString& name, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

void TextSetzen(QLineEdit* e, const std::string& text) {
    const QString neu = Q(text);
    if (e->text() != neu) e->setText(neu);
}

}  // namespace

TForm_DB::TForm_DB(Projekt& projekt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      p_(projekt),
      suche_(&DatenDatei) {
    setObjectName("Form_DB");
    setWindowTitle(" Vorsatzschalen-System ");
    setWindowModality(Qt::ApplicationModal);
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    v->setSpacing(6);

    Label_VS_ = new QLabel(this);
    Label_VS_->setObjectName("Label_VS");
    Label_VS_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont fett = Label_VS_->font();
    fett.setBold(true);
    Label_VS_->setFont(fett);
    v->addWidget(Label_VS_);

    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName("rg_Auswahl");
    auto* gv = new QVBoxLayout(gruppe);
    gv->setContentsMargins(8, 4, 8, 4);
    gv->setSpacing(2);
    auto* modi = new QButtonGroup(this);
    const QString texte[3] = {"Auswahl Vorsatzschalensystem aus Datei  ",
                              "Berechnung der Vorsatzschalen-Resonanzfrequenz ",
                              "Direkte Angabe der Vorsatzschalen-Resonanzfrequenz "};
    for (int i = 0; i < 3; ++i) {
        rg_Auswahl_[i] = new QRadioButton(texte[i], gruppe);
        rg_Auswahl_[i]->setObjectName(QString("rg_Auswahl%1").arg(i));
        modi->addButton(rg_Auswahl_[i], i);
        gv->addWidget(rg_Auswahl_[i]);
    }
    v->addWidget(gruppe);

    // The three panels share one place; the mode shows exactly one of them.
    auto* stapel = new QGridLayout;
    stapel->setContentsMargins(0, 0, 0, 0);
    stapel->addWidget(BibliothekAufbauen(), 0, 0);
    stapel->addWidget(BerechnungAufbauen(), 0, 0);
    stapel->addWidget(DirektAufbauen(), 0, 0);
    v->addLayout(stapel, 1);

    auto* knoepfe = new QHBoxLayout;
    Button_Enter_ = new QPushButton("&Übernehmen", this);
    Button_Enter_->setObjectName("Button_Enter");
    Button_Enter_->setFont(fett);
    Button_Enter_->setDefault(true);
    Button_ESC_ = new QPushButton("&Abbrechen", this);
    Button_ESC_->setObjectName("Button_ESC");
    Button_ESC_->setAutoDefault(false);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Button_Enter_);
    knoepfe->addWidget(Button_ESC_);
    v->addLayout(knoepfe);

    connect(modi, &QButtonGroup::idClicked, this,
            [this](int modus) { Rechnen(rg_AuswahlClick(d_, modus, p_.Dezimaltrenner)); });
    connect(Button_Enter_, &QPushButton::clicked, this, &TForm_DB::Button_EnterClick);
    connect(Button_ESC_, &QPushButton::clicked, this, &TForm_DB::reject);

    setFixedSize(562, 470);
    Anzeigen();
}

QWidget* TForm_DB::BibliothekAufbauen() {
    auto* panel = new QFrame(this);
    panel->setObjectName("panel_AuswahlDB");
    panel_AuswahlDB_ = panel;
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    auto* arten = new QHBoxLayout;
    arten->setSpacing(3);
    for (int art = kVSArtWand; art <= kVSArtEstrich; ++art) {
        auto* b = new QPushButton(Q(BibliotheksArtname(art)), panel);
        b->setObjectName(QString("Button%1").arg(art));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, art] { ArtWaehlen(art); });
        ArtKnopf_[art] = b;
        arten->addWidget(b);
    }
    lb_DateiName_ = new QLabel(panel);
    lb_DateiName_->setObjectName("lb_DateiName");
    lb_DateiName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette grau = lb_DateiName_->palette();
    grau.setColor(QPalette::WindowText, Qt::darkGray);
    lb_DateiName_->setPalette(grau);
    arten->addStretch(1);
    v->addLayout(arten);

    grid_fres_ = new QTableWidget(1, 2, panel);
    grid_fres_->setObjectName("grid_fres");
    grid_fres_->setHorizontalHeaderLabels({kSpaltentitelName, kSpaltentitelFrequenz});
    grid_fres_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_fres_->horizontalHeader()->setStretchLastSection(true);
    grid_fres_->setColumnWidth(0, 453);
    grid_fres_->verticalHeader()->hide();
    grid_fres_->verticalHeader()->setMinimumSectionSize(18);
    grid_fres_->verticalHeader()->setDefaultSectionSize(18);
    grid_fres_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_fres_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_fres_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_fres_->setShowGrid(true);
    grid_fres_->setWordWrap(false);
    grid_fres_->setContextMenuPolicy(Qt::CustomContextMenu);
    v->addWidget(grid_fres_, 1);

    PopupLib_ = new QMenu(this);
    PopupLib_->setObjectName("PopupLib");
    DeleteLibLine_ = PopupLib_->addAction(" Zeile Löschen ");
    DeleteLibLine_->setObjectName("DeleteLibLine");

    auto* editor = new QHBoxLayout;
    btn_EditTab_ = new QPushButton(panel);
    btn_EditTab_->setObjectName("btn_EditTab");
    btn_AddLine_ = new QPushButton(" Zeile einfügen", panel);
    btn_AddLine_->setObjectName("btn_AddLine");
    btn_SaveTab_ = new QPushButton("Tabelle speichern ", panel);
    btn_SaveTab_->setObjectName("btn_SaveTab");
    for (QPushButton* b : {btn_EditTab_, btn_AddLine_, btn_SaveTab_}) {
        b->setAutoDefault(false);
        editor->addWidget(b);
    }
    // The name of the kind's library file sits beside the buttons that edit and save it.
    editor->addWidget(lb_DateiName_, 1);
    v->addLayout(editor);

    connect(grid_fres_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        Zelle_Geaendert(d_.Tabelle, item->row(), item->column(), item->text().toStdString());
    });
    connect(grid_fres_, &QTableWidget::itemSelectionChanged, this, &TForm_DB::AuswahlGeaendert);
    connect(grid_fres_, &QTableWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        DeleteLibLine_->setEnabled(d_.Tabelle.Entsperrt);
        PopupLib_->popup(grid_fres_->viewport()->mapToGlobal(pos));
    });
    connect(DeleteLibLine_, &QAction::triggered, this, [this] {
        DeleteLibLineClick(d_.Tabelle);
        TabelleAnzeigen();
    });
    connect(btn_EditTab_, &QPushButton::clicked, this, [this] {
        btn_EditTabClick(d_.Tabelle);
        Anzeigen();
    });
    connect(btn_AddLine_, &QPushButton::clicked, this, [this] {
        btn_AddLineClick(d_.Tabelle);
        TabelleAnzeigen();
        grid_fres_->scrollToBottom();
    });
    connect(btn_SaveTab_, &QPushButton::clicked, this, [this] {
        // An edit still open in a cell belongs to the table that is saved.
        if (QWidget* editor = grid_fres_->focusWidget(); editor && editor != grid_fres_)
            grid_fres_->setFocus();
        const std::string pfad =
            (std::filesystem::path(StartOrdner()) / BibliotheksDateiname(p_.VS_Art)).string();
        if (auto meldung = btn_SaveTabClick(d_.Tabelle, p_.VS_Art, pfad)) Fehler(Q(*meldung));
    });
    return panel;
}

QWidget* TForm_DB::BerechnungAufbauen() {
    auto* panel = new QFrame(this);
    panel->setObjectName("panel_Berechnung");
    panel_Berechnung_ = panel;
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(4, 0, 4, 0);
    g->setVerticalSpacing(4);
    g->setColumnStretch(1, 1);
    int r = 0;
    g->addWidget(Titel("Berechnung der Vorsatzschalen-Resonanzfrequenz", panel), r++, 0, 1, 4);

    g->addWidget(Beschriftung("Vorsatzschalen-System:", {}, panel), r, 0);
    editSys_ = Eingabe("editSys", 100, panel);
    editSys_->setToolTip(" optionale Systembeschreibung ");
    g->addWidget(editSys_, r++, 1, 1, 3);

    auto konstruktion = [&](const QString& name, const QString& zeile1, const QString& labelName,
                            const QString& zeile2, bool verbunden, QRadioButton*& knopf,
                            QLabel*& label, QWidget*& bild) {
        auto* block = new QGridLayout;
        block->setHorizontalSpacing(4);
        block->setVerticalSpacing(0);
        knopf = new QRadioButton(zeile1, panel);
        knopf->setObjectName(name);
        label = Beschriftung(zeile2, labelName, panel);
        // The second caption line sits under the button's text.
        label->setIndent(knopf->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                         knopf->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
        label->installEventFilter(this);
        bild = new SchalenBild(verbunden, panel);
        block->addWidget(knopf, 0, 0);
        block->addWidget(label, 1, 0);
        block->addWidget(bild, 0, 1, 2, 1, Qt::AlignTop);
        block->setColumnStretch(0, 1);
        g->addLayout(block, r++, 0, 1, 4);
    };
    konstruktion("RadioButton1",
                 "biegeweiche Schale vor schwerer, biegesteifer Wand oder als Unterdecke von ",
                 "Label9", "Massivdecken, Luftschicht mit schallabsorbierender Einlage.", false,
                 RadioButton1_, Label9_, Bild1_);
    konstruktion("RadioButton2",
                 "biegeweiche Schale vor schwerer, biegesteifer Wand mit Dämmschicht, die mit ",
                 "Label10",
                 "beiden Schalen verbunden ist, auch schwimmender Estrich auf Massivdecke", true,
                 RadioButton2_, Label10_, Bild2_);
    auto* konstruktionen = new QButtonGroup(this);
    konstruktionen->addButton(RadioButton1_);
    konstruktionen->addButton(RadioButton2_);

    lb_Anm_ = Beschriftung(
        "ANMERKUNG: Die schallabsorbierende Einlage muß weichfedernd sein. Diese Bedingungen "
        "können z.B. von Faserdämmstoffen nach DIN 18165 Teil 1 erfüllt werden",
        "lb_Anm", panel);
    lb_Anm_->setWordWrap(true);
    QFont klein = lb_Anm_->font();
    klein.setPointSizeF(7);
    lb_Anm_->setFont(klein);
    QPalette navy = lb_Anm_->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lb_Anm_->setPalette(navy);
    g->addWidget(lb_Anm_, r++, 0, 1, 4);
    g->setRowMinimumHeight(r++, 6);

    lb_Eingabe1_ = Beschriftung({}, "lb_Eingabe1", panel);
    edit_s_ = Eingabe("edit_s", 7, panel);
    lb_Eingabe1a_ = Beschriftung({}, "lb_Eingabe1a", panel);
    lb_Eingabe1a_->installEventFilter(this);
    g->addWidget(lb_Eingabe1_, r, 0, 1, 2, Qt::AlignRight);
    g->addWidget(edit_s_, r, 2);
    g->addWidget(lb_Eingabe1a_, r++, 3);
    edit_m_ = Eingabe("edit_m", 7, panel);
    g->addWidget(Beschriftung("flächenbezogene Masse der biegeweichen Schale m' :", {}, panel), r,
                 0, 1, 2, Qt::AlignRight);
    g->addWidget(edit_m_, r, 2);
    g->addWidget(Beschriftung("[kg/m²]", {}, panel), r++, 3);

    edit_calcFres_ = Eingabe("edit_calcFres", 20, panel);
    edit_calcFres_->setReadOnly(true);
    edit_calcFres_->setFocusPolicy(Qt::NoFocus);
    QFont fett = edit_calcFres_->font();
    fett.setBold(true);
    edit_calcFres_->setFont(fett);
    QPalette knopfFarbe = edit_calcFres_->palette();
    knopfFarbe.setColor(QPalette::Base, knopfFarbe.color(QPalette::Button));
    edit_calcFres_->setPalette(knopfFarbe);
    g->addWidget(Titel("Resonanzfrequenz:", panel), r, 0, 1, 2, Qt::AlignRight);
    g->addWidget(edit_calcFres_, r, 2);
    g->addWidget(Beschriftung("[Hz]", {}, panel), r++, 3);
    for (QLineEdit* e : {edit_s_, edit_m_}) e->setFixedWidth(70);
    edit_calcFres_->setFixedWidth(70);
    g->setRowStretch(r, 1);

    for (QLineEdit* e : {edit_s_, edit_m_}) {
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [this] {
            d_.edit_s = edit_s_->text().toStdString();
            d_.edit_m = edit_m_->text().toStdString();
            Rechnen(edit_sChange(d_, p_.Dezimaltrenner));
        });
    }
    connect(editSys_, &QLineEdit::textChanged, this,
            [this](const QString& t) { d_.editSys = t.toStdString(); });
    connect(RadioButton1_, &QRadioButton::clicked, this,
            [this] { Rechnen(Konstruktion_Waehlen(d_, true, p_.Dezimaltrenner)); });
    connect(RadioButton2_, &QRadioButton::clicked, this,
            [this] { Rechnen(Konstruktion_Waehlen(d_, false, p_.Dezimaltrenner)); });
    return panel;
}

QWidget* TForm_DB::DirektAufbauen() {
    auto* panel = new QFrame(this);
    panel->setObjectName("panel_AuswahlUser");
    panel_AuswahlUser_ = panel;
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(4, 0, 4, 0);
    g->setVerticalSpacing(8);
    g->setColumnStretch(1, 1);
    g->addWidget(Titel("Direkte Angabe der Vorsatzschalen-Resonanzfrequenz ", panel), 0, 0, 1, 3);
    g->addWidget(Beschriftung("Vorsatzschalen-System:", {}, panel), 1, 0);
    edit_VSsys_ = Eingabe("edit_VSsys", 100, panel);
    edit_VSsys_->setToolTip(" optionale Systembeschreibung ");
    g->addWidget(edit_VSsys_, 1, 1, 1, 2);
    g->addWidget(Beschriftung("Resonanzfrequenz:", {}, panel), 2, 0);
    edit_fres_ = Eingabe("edit_fres", 7, panel);
    edit_fres_->setToolTip(" Angabe der Frequenz ohne Nachkommastellen ");
    edit_fres_->setFixedWidth(70);
    auto* frequenz = new QHBoxLayout;
    frequenz->addWidget(edit_fres_);
    frequenz->addWidget(Beschriftung("[Hz]", {}, panel));
    frequenz->addStretch(1);
    g->addLayout(frequenz, 2, 1, 1, 2);
    g->setRowStretch(3, 1);

    edit_fres_->installEventFilter(this);
    connect(edit_VSsys_, &QLineEdit::textChanged, this,
            [this](const QString& t) { d_.edit_VSsys = t.toStdString(); });
    connect(edit_fres_, &QLineEdit::textChanged, this, [this](const QString& t) {
        d_.edit_fres = t.toStdString();
        edit_fresChange(d_);
        TextSetzen(edit_fres_, d_.edit_fres);
    });
    return panel;
}

std::string TForm_DB::StartOrdner() const {
    return p_.StartVerzeichnis.empty() ? std::filesystem::current_path().string()
                                       : p_.StartVerzeichnis;
}

void TForm_DB::Oeffnen(int zeile, int spalte) {
    VS_Dialog_Oeffnen(d_, p_, zeile, spalte);
    Anzeigen();
    VS_Bibliothek_laden();
    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    rg_Auswahl_[kModusBibliothek]->setFocus();
}

// Shows everything but the table's cells.
void TForm_DB::Anzeigen() {
    Label_VS_->setText(Q(d_.Label_VS));
    rg_Auswahl_[d_.Modus]->setChecked(true);
    panel_AuswahlDB_->setVisible(d_.Modus == kModusBibliothek);
    panel_Berechnung_->setVisible(d_.Modus == kModusBerechnung);
    panel_AuswahlUser_->setVisible(d_.Modus == kModusDirekt);

    for (int art = kVSArtWand; art <= kVSArtEstrich; ++art) {
        QPalette farbe = ArtKnopf_[art]->palette();
        farbe.setColor(QPalette::ButtonText, art == p_.VS_Art ? Qt::red : Qt::black);
        ArtKnopf_[art]->setPalette(farbe);
    }
    lb_DateiName_->setText(Q(d_.Tabelle.lb_DateiName));

    // Locked: whole rows on the button face; unlocked: cells edited in place on white.
    const bool offen = d_.Tabelle.Entsperrt;
    QPalette tabelle = grid_fres_->palette();
    tabelle.setColor(QPalette::Base,
                     QApplication::palette().color(offen ? QPalette::Base : QPalette::Button));
    grid_fres_->setPalette(tabelle);
    grid_fres_->setSelectionBehavior(offen ? QAbstractItemView::SelectItems
                                           : QAbstractItemView::SelectRows);
    grid_fres_->setEditTriggers(offen ? QAbstractItemView::DoubleClicked |
                                            QAbstractItemView::EditKeyPressed |
                                            QAbstractItemView::AnyKeyPressed
                                      : QAbstractItemView::NoEditTriggers);
    btn_EditTab_->setText(Q(EditTabBeschriftung(d_.Tabelle)));
    btn_AddLine_->setEnabled(offen);
    btn_SaveTab_->setEnabled(offen);
    DeleteLibLine_->setEnabled(offen);

    RadioButton1_->setChecked(d_.RadioButton1);
    RadioButton2_->setChecked(!d_.RadioButton1);
    lb_Eingabe1_->setText(Q(d_.lb_Eingabe1));
    lb_Eingabe1a_->setText(Q(d_.lb_Eingabe1a));
    static_cast<SchalenBild*>(Bild1_)->setBeschriftet(d_.RadioButton1);
    static_cast<SchalenBild*>(Bild2_)->setBeschriftet(!d_.RadioButton1);
    lb_Anm_->setVisible(d_.RadioButton1);
    {
        // Code writes the texts the handlers already hold; no handler runs again.
        const QSignalBlocker s(edit_s_), m(edit_m_), sys(editSys_), vs(edit_VSsys_), f(edit_fres_);
        TextSetzen(editSys_, d_.editSys);
        TextSetzen(edit_s_, d_.edit_s);
        TextSetzen(edit_m_, d_.edit_m);
        TextSetzen(edit_VSsys_, d_.edit_VSsys);
        TextSetzen(edit_fres_, d_.edit_fres);
    }
    TextSetzen(edit_calcFres_, d_.edit_calcFres);
}

void TForm_DB::TabelleAnzeigen() {
    const QSignalBlocker sperre(grid_fres_);
    const auto& zeilen = d_.Tabelle.Zeilen;
    grid_fres_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const QString texte[2] = {Q(zeilen[r].Name), Q(zeilen[r].Frequenz)};
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* item = grid_fres_->item(r, c);
            if (!item) grid_fres_->setItem(r, c, item = new QTableWidgetItem);
            if (item->text() != texte[c]) item->setText(texte[c]);
        }
    }
}

void TForm_DB::AuswahlGeaendert() {
    int unten = -1;
    for (const QTableWidgetSelectionRange& bereich : grid_fres_->selectedRanges())
        unten = std::max(unten, bereich.bottomRow());
    if (unten < 0) unten = grid_fres_->currentRow();
    if (unten >= 0) d_.Tabelle.Auswahl = unten;
}

void TForm_DB::VS_Bibliothek_laden() {
    Tabelle_Leeren(d_.Tabelle);
    const std::string name = BibliotheksDateiname(p_.VS_Art);
    d_.Tabelle.lb_DateiName = " Dateiname: " + name;
    std::string pfad = suche_(StartOrdner(), name);
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(pfad, fehler)) {
        QFileDialog dialog(this, "Öffnen");
        dialog.setObjectName("OpenDialogLib");
        dialog.setNameFilter("Vorsatzschalen-Bibliothek (*.lib)");
        dialog.setDefaultSuffix("lib");
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(Q(StartOrdner()));
        pfad.clear();
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            pfad = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    }
    if (!pfad.empty() && std::filesystem::exists(pfad, fehler)) {
        BibliotheksLadung ladung = Bibliothek_Laden(pfad);
        if (ladung.fehler)
            Fehler(Q("Die Vorsatzschalen-Bibliothek kann nicht gelesen werden:\n" + pfad + "\n" +
                     *ladung.fehler));
        else
            Tabelle_Fuellen(d_.Tabelle, std::move(ladung.eintraege));
    }
    Anzeigen();
    TabelleAnzeigen();
    grid_fres_->setCurrentCell(0, 0);
    grid_fres_->scrollToTop();
}

void TForm_DB::ArtWaehlen(int vsArt) {
    p_.VS_Art = vsArt;
    VS_Bibliothek_laden();
}

void TForm_DB::Rechnen(const std::optional<std::string>& meldung) {
    Anzeigen();
    if (meldung) Fehler(Q(*meldung));
}

void TForm_DB::Button_EnterClick() {
    // A cell still being edited counts as edited.
    if (QWidget* editor = grid_fres_->focusWidget(); editor && editor != grid_fres_)
        grid_fres_->setFocus();
    const UebernahmeErgebnis e = phonikon::Button_EnterClick(d_, p_);
    if (e.ergebnis == Uebernahme::KeineFrequenz) {
        if (JaNeinFrage(this, Q(kKeineFrequenzWarnung), "Warnung", QMessageBox::Warning,
                        Vorgabe::Nein))
            hide();
        return;
    }
    hide();
    emit uebernommen(e.rechenmeldung ? Q(*e.rechenmeldung) : QString());
}

void TForm_DB::reject() {
    // "&Abbrechen", Escape: the dialog closes and nothing changes.
    hide();
    setResult(QDialog::Rejected);
}

void TForm_DB::Fehler(const QString& text) {
    QMessageBox box(QMessageBox::Critical, "Phonikon", text, QMessageBox::Ok, this);
    box.exec();
}

bool TForm_DB::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label9_ || watched == Label10_) {
            QRadioButton* knopf = watched == Label9_ ? RadioButton1_ : RadioButton2_;
            knopf->setFocus();
            Rechnen(Konstruktion_Waehlen(d_, watched == Label9_, p_.Dezimaltrenner));
            return true;
        }
        if (watched == lb_Eingabe1a_) {
            Rechnen(rg_AuswahlClick(d_, d_.Modus, p_.Dezimaltrenner));
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* taste = static_cast<QKeyEvent*>(event);
    // Shortcuts and keys without text (backspace, arrows …) pass.
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = taste->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const QChar z = text[0];
    const char zeichen = z.unicode() < 0x80 ? static_cast<char>(z.unicode()) : '\0';
    if (watched == edit_fres_) return !Ganzzahltaste(zeichen);
    if (watched != edit_s_ && watched != edit_m_) return false;
    const auto einfuegen = Dezimaltaste(zeichen, p_.Dezimaltrenner);
    if (!einfuegen) return true;
    if (*einfuegen == zeichen) return false;
    static_cast<QLineEdit*>(watched)->insert(QString(QChar(*einfuegen)));
    return true;
}

}  // namespace phonikon
