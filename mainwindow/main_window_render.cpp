// Showing the project: every control takes its text and state from `Projekt`. Signals are
// blocked while the controls are set, so showing never runs a handler.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "calc/protocol_window.h"
#include "junction/junction_pictures.h"
#include "mainwindow/main_window.h"
#include "mainwindow/sketch_view.h"
#include "mainwindow/window_actions.h"

namespace phonikon {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Sets the text only when it differs, so that typing keeps its cursor. A field that was emptied
// and got its default back has it selected, so that the next key replaces it.
void Text(QLineEdit* e, const std::string& s) {
    const QString t = Q(s);
    if (e->text() == t) return;
    const QSignalBlocker sperre(e);
    const bool warLeer = e->text().isEmpty();
    const int cursor = e->cursorPosition();
    // The length limit applies to typing; a longer text from a file is shown whole.
    e->setMaxLength(std::max(e->property("maxLaenge").toInt(), int(t.size())));
    e->setText(t);
    if (warLeer && e->hasFocus())
        e->selectAll();
    else
        e->setCursorPosition(std::min(cursor, int(t.size())));
}

void Text(QLabel* l, const QString& t) {
    if (l->text() != t) l->setText(t);
}

// A name label may cut a long name short; its tooltip always has the whole name.
void Name(QLabel* l, const QString& anzeige, const QString& name) {
    if (l->text() == anzeige) return;
    l->setText(anzeige);
    l->setToolTip(name);
}

void Zeilen(QPlainTextEdit* memo, const std::vector<std::string>& zeilen) {
    QStringList liste;
    for (const auto& z : zeilen) liste << Q(z);
    const QString t = liste.join(QLatin1Char('\n'));
    if (memo->toPlainText() != t) memo->setPlainText(t);
}

void Markiert(QAbstractButton* b, bool an) {
    if (b->isChecked() == an) return;
    const QSignalBlocker sperre(b);
    b->setChecked(an);
}

// Tab captions treat "&" as a mnemonic; a name shows it as it is.
QString Reitertext(const std::string& name) {
    return Q(name).replace('&', "&&");
}

}  // namespace

void TSimplifiedModel::Anzeigen() {
    Hauptfenster& f = p_.Fenster;

    for (const Textfeld& feld : felder_) Text(feld.edit, feld.text(f));

    // Names.
    for (int i = 0; i <= 4; ++i) {
        Name(label_room_1_[i], " " + Q(f.edit_room[1]), Q(f.edit_room[1]));
        Name(label_room_2_[i], " " + Q(f.edit_room[2]), Q(f.edit_room[2]));
    }
    for (int i = 1; i <= 4; ++i) {
        if (PageControl_->tabText(i) != Reitertext(f.edit_Flanke[i])) {
            PageControl_->setTabText(i, Reitertext(f.edit_Flanke[i]));
            PageControl_->setTabToolTip(i, Q(f.edit_Flanke[i]));  // the whole name of a short tab
        }
        Name(label_resF_[i], Q(f.edit_Flanke[i]), Q(f.edit_Flanke[i]));
    }
    Bevel_Datei_->setVisible(f.Datei_sichtbar);
    Text(label_DatName_, Q(f.label_DatName));
    label_DatName_->setToolTip(Q(f.label_DatName));

    // Results or the messages over them.
    for (int i = 0; i <= 4; ++i) Text(label_Ri_[i], Q(f.label_Ri[i]));
    Text(label_Rges_, Q(f.label_Rges));
    Text(label_DnTW_, Q(f.label_DnTW));
    Markiert(rg_DnTW1_, f.rg_DnTW1);
    Markiert(rg_DnTW2_, !f.rg_DnTW1);
    // Covered by the hint or the messages: not reachable from the keyboard either.
    const bool richtungWaehlbar = !f.panel_DnTW_sichtbar && !f.panel_errorMsg_sichtbar;
    rg_DnTW1_->setEnabled(richtungWaehlbar);
    rg_DnTW2_->setEnabled(richtungWaehlbar);
    lb_AnmDnTW_->setVisible(f.lb_AnmDnTW_sichtbar);
    panel_DnTW_->setVisible(f.panel_DnTW_sichtbar);
    Zeilen(memo_error_, f.memo_error);
    panel_errorMsg_->setVisible(f.panel_errorMsg_sichtbar);
    if (f.panel_errorMsg_sichtbar) panel_errorMsg_->raise();

    const bool ergebnisse = f.Ergebnisbefehle_aktiv;
    SpeedButtonPrint_->setEnabled(ergebnisse && Verfuegbar::Druckvorschau);
    FilePrintItem_->setEnabled(ergebnisse && Verfuegbar::Druckvorschau);
    btn_Results_->setEnabled(ergebnisse && f.btn_Results_aktiv);
    Berechnungsergebnisse1_->setEnabled(ergebnisse);
    button_Variant_->setEnabled(ergebnisse);
    Variantenuntersuchung1_->setEnabled(ergebnisse);
    Firmendaten1_->setEnabled(Verfuegbar::Firmendaten);
    Internet1_->setEnabled(Verfuegbar::Infofenster);
    Internet2_->setEnabled(Verfuegbar::Infofenster);
    for (QToolButton* b : {SpeedButtonHandbuch_, SpeedButtonBerechnungsgrundlagen_,
                           SpeedButtonBrevonTipps_, SpeedButton3_})
        b->setEnabled(Verfuegbar::Hilfedokumente);
    for (QAction* a : {Handbuch_, Rechenverfahren_, BrevonPraxistipps_})
        a->setEnabled(Verfuegbar::Hilfedokumente);

    // Element pages.
    Markiert(rg_horizontal_, f.rg_horizontal);
    Markiert(rg_vertikal_, !f.rg_horizontal);
    label_DirRw_->setVisible(f.label_DirRw_sichtbar);
    label_VS_->setVisible(f.label_DirRw_sichtbar);
    Text(label_DirRw_, Q(f.label_DirRw));

    Zeilen(Memo_[0][0], f.Memo[0][0]);
    Button_Aufbau_[0][0]->setEnabled(Verfuegbar::Bauteilaufbau);
    for (int r = 0; r <= 4; ++r) {
        for (int c = 1; c <= 2; ++c) {
            // The room-2 side of an identical flank follows its room-1 side.
            const bool eigen = !(r > 0 && c == 2 && f.chk_id[r]);
            Text(edit_VS_[r][c], f.edit_VS[r][c]);
            edit_VS_[r][c]->setEnabled(eigen);
            Button_VS_[r][c]->setEnabled(eigen && Verfuegbar::Vorsatzschale);
            Button_VSclear_[r][c]->setEnabled(f.Button_VSclear[r][c] && Verfuegbar::Vorsatzschale);
            if (r == 0) continue;
            Zeilen(Memo_[r][c], f.Memo[r][c]);
            Memo_[r][c]->setEnabled(eigen);
            Button_Aufbau_[r][c]->setEnabled(eigen && Verfuegbar::Bauteilaufbau);
            const bool flaeche = FlankenflaecheSichtbar(p_, r, c);
            label_FF_[r][c]->setVisible(flaeche);
            edit_FF_[r][c]->setVisible(flaeche);
        }
    }
    for (int i = 1; i <= 4; ++i) {
        Markiert(chk_id_F_[i], f.chk_id[i]);
        if (gezeigteStoesse_[i] != p_.Stoss[i] || button_Stoss_[i]->icon().isNull()) {
            button_Stoss_[i]->setIcon(StossSymbol(p_.Stoss[i]));
            gezeigteStoesse_[i] = p_.Stoss[i];
        }
        button_Stoss_[i]->setEnabled(Verfuegbar::Stossstelle);
    }
    if (PageControl_->currentIndex() != f.AktivesBlatt) {
        const QSignalBlocker sperre(PageControl_);
        PageControl_->setCurrentIndex(f.AktivesBlatt);
    }

    // Sketch: the horizontal situation on Image1, the vertical one on Image2.
    const bool horizontal = p_.Ausrichtung == 0;
    SketchView* bild = horizontal ? Image1_ : Image2_;
    bild->setSkizze(p_.SkizzenBild);
    Image1_->setVisible(horizontal);
    Image2_->setVisible(!horizontal);

    // The protocol follows every calculation while its window is open.
    if (p_.ProtokollAktiv && p_.Protokoll != gezeigtesProtokoll_) {
        Form_C_->setZeilen(p_.Protokoll);
        gezeigtesProtokoll_ = p_.Protokoll;
    }
    Insert_->setEnabled(p_.AufbauablageGefuellt);
    InsertVS_->setEnabled(p_.AblageVSGefuellt);
}

}  // namespace phonikon
