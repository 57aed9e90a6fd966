// The junction dialog: the junction type of one flank in a radio group and its decoupling on five
// picture buttons. "Übernehmen" stores the code in the project and calculates; the window that
// opened the dialog shows the result when `uebernommen` arrives.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "calc/project_state.h"
#include "junction/junction_dialog_state.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace phonikon {

class TForm_SS : public QDialog {
    Q_OBJECT
  public:
    explicit TForm_SS(Projekt& projekt, QWidget* parent = nullptr);

    // Shows the stored junction of flank k (1 … 4); the window that opens the dialog takes no
    // input until it closes.
    void Oeffnen(int k);

    const StossDialogZustand& zustand() const { return z_; }

  signals:
    // "Übernehmen" has stored the junction and calculated; `rechenmeldung` is the conversion
    // message of the calculation or empty.
    void uebernommen(const QString& rechenmeldung);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Anzeigen();
    void LayoutAnwenden();
    void TrennungGeklickt(StossTrennung trennung);
    void btn_ExitClick();

    Projekt& p_;
    StossDialogZustand z_;

    QLabel* lb_Stoss_;
    QGroupBox* rgStoss_;
    QButtonGroup* typGruppe_;
    std::array<QRadioButton*, 4> typ_{};
    QFrame* Bevel_;
    std::array<QFrame*, 5> panel_{};
    std::array<QToolButton*, 5> button_{};
    QFrame* button_0_large_;
    std::array<QWidget*, 2> img_button0_{};
    QWidget* panel_buttons_;
    QLabel* lb_Remark_;
    std::array<QWidget*, 4> legende_{};
    QPushButton *btn_Exit_, *btn_ESC_;
};

}  // namespace phonikon
