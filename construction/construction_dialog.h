// The construction dialog: one element's construction from the catalogue or typed layer by layer,
// with m' and Rw shown while the user works. The main window opens it for an element and takes
// no input until the user commits or cancels.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "calc/project_state.h"
#include "construction/construction_dialog_state.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace phonikon {

class TForm_BT : public QDialog {
    Q_OBJECT
  public:
    // The dialog edits elements of `projekt`, which outlives it.
    explicit TForm_BT(Projekt& projekt, QWidget* parent = nullptr);

    // Fills the dialog from the element in cell (zeile, spalte) and shows it; returns at once.
    void Oeffnen(int zeile, int spalte);

    const AufbauDialog& zustand() const { return d_; }

  signals:
    // The construction was written into the project and the project calculated; carries the
    // calculation's conversion message, if any.
    void uebernommen(const std::optional<std::string>& rechenmeldung);
    void abgebrochen();

  public slots:
    void reject() override;  // Escape: cancel

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Aufbauen();
    void KopfAufbauen();
    void SchichtenAufbauen();
    void NamenpanelAufbauen();
    void ErgebnisAufbauen();
    void Verbinden();
    void Anzeigen();
    void Ausfuehren(const Dialogmeldung& meldung);
    void btn_OKClick();
    void Abschliessen();
    bool Warnen(const std::string& text);
    void Fehler(const std::string& text);

    Projekt& p_;
    AufbauDialog d_;

    QLabel *label_BT_, *label_WD_, *label_Wanddicke_, *label_Rohdichteklasse_, *Label4_;
    QLabel *lb_Wandrohdichte_, *lb_Vgl_, *label_m_, *lb_Rw_, *label_Rw_, *lb_UnitRw_;
    QLabel* label_Meldung1_;
    QComboBox *combo_Konstrukt_, *combo_B1_, *combo_B2_, *combo_B2a_, *combo_B2b_, *combo_B3_;
    QGroupBox* rg_Moertel_;
    std::array<QRadioButton*, 2> Moertel_{};
    std::array<QLineEdit*, 4> edit_d_{}, edit_roh_{}, edit_schichtName_{};
    QLineEdit* edit_RwUser_;
    QWidget* panel_Schichtaufbau_;
    QRadioButton *rg_Zulassung1_, *rg_Zulassung2_;
    QCheckBox* chk_RwUser_;
    QPlainTextEdit* memo_Meldung_;
    QFrame *panel_Rohdichte_, *Bevel_;
    QPushButton *btn_OK_, *btn_ECS_;
};

// The white panel with the reference table "Umrechnung Rohdichteklasse - Wand-Rohdichte" and its
// footnotes, shown beside the typed wall densities.
QFrame* RohdichtetabelleAufbauen(QWidget* eltern);

}  // namespace phonikon
