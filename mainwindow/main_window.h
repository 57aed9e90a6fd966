// The main window: project and rooms, results, the five element pages and the sketch. It shows
// the one `Projekt` and forwards every user action to the handlers of window_actions.h,
// clipboard_actions.h and file_flows.h; after each action it shows the whole project again.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/project_state.h"

class QAction;
class QCheckBox;
class QFrame;
class QKeyEvent;
class QPoint;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace phonikon {

class ProtocolWindow;
class TForm_DB;
class TForm_SS;
class SketchView;
class TForm_BT;

// Commands whose windows come with later parts of the program. Until then their buttons and
// menu items exist in their places but stay disabled.
struct Verfuegbar {
    static constexpr bool Bauteilaufbau = true;   // construction dialog
    static constexpr bool Vorsatzschale = true;   // lining dialog and "löschen"
    static constexpr bool Stossstelle = true;     // junction dialog
    static constexpr bool Druckvorschau = true;   // print preview
    static constexpr bool Firmendaten = true;     // company header settings
    static constexpr bool Hilfedokumente = true;  // the three PDF documents
    static constexpr bool Infofenster = true;     // "Haftung", "Impressum"
    static constexpr bool Varianten = true;       // the variant study window
};

class TSimplifiedModel : public QMainWindow {
    Q_OBJECT
  public:
    // `dezimal` is the user's decimal separator for every number text of the window.
    // The window shows and edits `projekt`, which the application owns and which outlives it.
    explicit TSimplifiedModel(Projekt& projekt, QWidget* parent = nullptr);
    ~TSimplifiedModel() override;

    Projekt& projekt() { return p_; }
    const Projekt& projekt() const { return p_; }
    ProtocolWindow* protokollFenster() const { return Form_C_; }

    // Shows the whole project: every text, state, visibility and enabled state.
    void Anzeigen();

    // File flows.
    void FileNewItemClick();
    void FileOpenItemClick();
    bool save_asClick();  // true when the project was written
    bool SpeichernClick();

  signals:
    // Commands whose windows live in the layers above the main window (variant study, print-out,
    // application shell); the application connects them.
    void variantenAngefordert();
    void druckvorschauAngefordert();
    void firmendatenAngefordert();
    void dokumentAngefordert(const QString& dateiname);  // "Handbuch.pdf" …
    void haftungAngefordert();
    void impressumAngefordert();
    void herausgeberseiteAngefordert();  // a click on the emblem

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One numeric or text field and where its text lives in the project.
    struct Textfeld {
        QLineEdit* edit;
        std::function<std::string&(Hauptfenster&)> text;
        std::function<std::optional<std::string>()> geaendert;  // handler after storing
    };
    struct Zelle {
        int zeile, spalte;
    };

    // Building the window (main_window_layout.cpp).
    void MenueAufbauen();
    void WerkzeugleisteAufbauen();
    QWidget* ProjektblockAufbauen();
    QWidget* ErgebnisblockAufbauen();
    QWidget* ElementseitenAufbauen();
    QWidget* TrennbauteilseiteAufbauen();
    QWidget* FlankenseiteAufbauen(int i);
    QWidget* RaumzeileAufbauen(int zeile, int spalte, QWidget* eltern);
    QWidget* SkizzenblockAufbauen();
    QLineEdit* Zahlenfeld(const QString& name, int maxLaenge,
                          std::function<std::string&(Hauptfenster&)> text);
    QLineEdit* Namenfeld(const QString& name, int maxLaenge,
                         std::function<std::string&(Hauptfenster&)> text,
                         std::function<void()> handler);
    QPlainTextEdit* Aufbaumemo(int zeile, int spalte, QWidget* eltern);
    QLineEdit* Vorsatzfeld(int zeile, int spalte, QWidget* eltern);
    void VerbindungenHerstellen();

    // Handling (main_window.cpp).
    void TextGeaendert(const Textfeld& feld, const QString& text);
    void Ausfuehren(const std::optional<std::string>& rechenmeldung);
    bool Zahlentaste(QLineEdit* edit, QKeyEvent* taste);
    void AufbaumenueZeigen(Zelle zelle, const QPoint& global);
    void VorsatzmenueZeigen(Zelle zelle, const QPoint& global);
    void SeiteGeklickt(int index);
    void ErgebnisseZeigen();
    void VariantenZeigen();
    void Button_TBClick(int zeile, int spalte);  // construction dialog for an element

    // Message boxes (main_window_files.cpp).
    bool Bestaetigen(const QString& text);
    void Information(const QString& text);
    void Fehler(const QString& text);
    QString Dateidialog(bool speichern);
    void OrdnerMerken(const QString& pfad);

    Projekt& p_;
    ProtocolWindow* Form_C_ = nullptr;
    TForm_DB* Form_DB_ = nullptr;  // lining dialog
    TForm_SS* Form_SS_ = nullptr;  // junction dialog
    TForm_BT* Form_BT_ = nullptr;  // created at the first use, kept to the end
    std::vector<std::string> gezeigtesProtokoll_;
    std::array<std::string, 5> gezeigteStoesse_;
    std::vector<Textfeld> felder_;

    // Tool bar and menus.
    QToolButton *SpeedButton1_, *SpeedButton2_, *button_Save_As_, *SpeedButtonPrint_,
        *button_Variant_, *btn_Results_, *SpeedButtonHandbuch_, *SpeedButtonBerechnungsgrundlagen_,
        *SpeedButtonBrevonTipps_, *SpeedButton3_;
    QFrame* Bevel_Datei_;
    QLabel *lb_Datei_, *label_DatName_;
    QAction *FileNewItem_, *FileOpenItem_, *FileSaveItem_, *FileSaveAsItem_, *FilePrintItem_,
        *FileExitItem_, *Firmendaten1_, *Berechnungsergebnisse1_, *Variantenuntersuchung1_,
        *Internet1_, *Internet2_, *Handbuch_, *Rechenverfahren_, *BrevonPraxistipps_;

    // Project and rooms.
    QFrame* PanelBrevon_;
    std::array<QLabel*, 5> label_room_1_{}, label_room_2_{};

    // Results.
    QWidget *panel_results_, *panel_errorMsg_, *panel_DnTW_;
    QPlainTextEdit* memo_error_;
    QLabel *label_Rges_, *label_DnTW_, *lb_AnmDnTW_;
    std::array<QLabel*, 5> label_Ri_{}, label_resF_{};
    QRadioButton *rg_DnTW1_, *rg_DnTW2_;

    // Element pages.
    QTabWidget* PageControl_;
    QRadioButton *rg_horizontal_, *rg_vertikal_;
    QLabel *label_DirRw_, *label_VS_;
    Raster<QPushButton*> Button_Aufbau_{};  // Button_TB, Button_Fi_j
    Raster<QPlainTextEdit*> Memo_{};
    Raster<QPushButton*> Button_VS_{};  // Button_TB_VSj, Button_VSi_j
    Raster<QLineEdit*> edit_VS_{};
    Raster<QPushButton*> Button_VSclear_{};
    Raster<QLabel*> label_FF_{};
    Raster<QLineEdit*> edit_FF_{};
    std::array<QToolButton*, 5> button_Stoss_{};
    std::array<QCheckBox*, 5> chk_id_F_{};

    // Sketch.
    SketchView *Image1_, *Image2_;

    // Clipboard menus.
    QMenu *PopupMenu1_, *PopupMenu2_;
    QAction *copy_, *Insert_, *copyVS_, *InsertVS_;
};

}  // namespace phonikon
