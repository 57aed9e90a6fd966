// The lining dialog: chooses a lining system for one of the ten lining slots from the library,
// calculates its resonance frequency from mass and spacing or stiffness, or takes it as typed,
// and writes it into the slot. The library panel also edits and saves the three library files.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "calc/project_state.h"
#include "lining/lining_dialog_state.h"

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace phonikon {

class TForm_DB : public QDialog {
    Q_OBJECT
  public:
    // Where the library file `name` is looked for, given the start directory: by default the
    // start directory, then the installed data folder, then the build and source trees.
    using DateiSuche =
        std::function<std::string(const std::string& start, const std::string& name)>;

    TForm_DB(Projekt& projekt, QWidget* parent = nullptr);

    // Prepares the dialog for lining slot (zeile, spalte) and shows it; the rest of the program
    // takes no input until it closes.
    void Oeffnen(int zeile, int spalte);

    const VorsatzschalenDialog& zustand() const { return d_; }
    void setDateiSuche(DateiSuche suche) { suche_ = std::move(suche); }

  signals:
    // A lining was written into its slot and the project recalculated; `rechenmeldung` is the
    // calculation's conversion message or empty.
    void uebernommen(const QString& rechenmeldung);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    QWidget* BibliothekAufbauen();
    QWidget* BerechnungAufbauen();
    QWidget* DirektAufbauen();

    void Anzeigen();
    void TabelleAnzeigen();
    void VS_Bibliothek_laden();
    void ArtWaehlen(int vsArt);
    void AuswahlGeaendert();
    void Rechnen(const std::optional<std::string>& meldung);
    void Button_EnterClick();
    void Fehler(const QString& text);
    std::string StartOrdner() const;

    Projekt& p_;
    VorsatzschalenDialog d_;
    DateiSuche suche_;

    QLabel* Label_VS_;
    std::array<QRadioButton*, 3> rg_Auswahl_{};
    QWidget *panel_AuswahlDB_, *panel_Berechnung_, *panel_AuswahlUser_;

    // Library.
    std::array<QPushButton*, 4> ArtKnopf_{};  // Button1 … Button3 by VS_Art
    QLabel* lb_DateiName_;
    QTableWidget* grid_fres_;
    QPushButton *btn_EditTab_, *btn_AddLine_, *btn_SaveTab_;
    QMenu* PopupLib_;
    QAction* DeleteLibLine_;

    // Calculation.
    QLineEdit *editSys_, *edit_s_, *edit_m_, *edit_calcFres_;
    QRadioButton *RadioButton1_, *RadioButton2_;
    QLabel *Label9_, *Label10_, *lb_Anm_, *lb_Eingabe1_, *lb_Eingabe1a_;
    QWidget *Bild1_, *Bild2_;

    // Direct input.
    QLineEdit *edit_VSsys_, *edit_fres_;

    QPushButton *Button_Enter_, *Button_ESC_;
};

}  // namespace phonikon
