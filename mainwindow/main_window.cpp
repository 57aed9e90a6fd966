#include "mainwindow/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "calc/protocol_window.h"
#include "construction/construction_dialog.h"
#include "junction/junction_dialog.h"
#include "lining/lining_dialog.h"
#include "mainwindow/clipboard_actions.h"
#include "mainwindow/sketch_view.h"
#include "mainwindow/window_actions.h"

namespace phonikon {

TSimplifiedModel::TSimplifiedModel(Projekt& projekt, QWidget* parent)
    : QMainWindow(parent), p_(projekt) {
    setObjectName("SimplifiedModel");
    setWindowTitle(" Phonikon (Version 2.1)");
    // The window's standard font of 8 points keeps the four blocks readable at 784 × 657.
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);

    MenueAufbauen();
    WerkzeugleisteAufbauen();

    auto* zentral = new QWidget(this);
    auto* raster = new QGridLayout(zentral);
    raster->setContentsMargins(4, 4, 4, 4);
    raster->setSpacing(4);
    raster->addWidget(ProjektblockAufbauen(), 0, 0);
    raster->addWidget(ErgebnisblockAufbauen(), 0, 1);
    raster->addWidget(ElementseitenAufbauen(), 1, 0);
    raster->addWidget(SkizzenblockAufbauen(), 1, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(1, 1);
    setCentralWidget(zentral);

    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName("PopupMenu1");
    copy_ = PopupMenu1_->addAction("Aufbau kopieren");
    copy_->setObjectName("copy");
    Insert_ = PopupMenu1_->addAction("Aufbau einfügen");
    Insert_->setObjectName("Insert");
    Insert_->setEnabled(false);
    PopupMenu2_ = new QMenu(this);
    PopupMenu2_->setObjectName("PopupMenu2");
    copyVS_ = PopupMenu2_->addAction("Vorsatzschale kopieren");
    copyVS_->setObjectName("copyVS");
    InsertVS_ = PopupMenu2_->addAction("Vorsatzschale einfügen");
    InsertVS_->setObjectName("InsertVS");
    InsertVS_->setEnabled(false);

    Form_C_ = new ProtocolWindow(this);
    Form_C_->setObjectName("Form_C");
    Form_DB_ = new TForm_DB(p_, this);
    Form_SS_ = new TForm_SS(p_, this);

    VerbindungenHerstellen();
    Ausfuehren(FormCreate(p_));

    resize(784, 657);
    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

TSimplifiedModel::~TSimplifiedModel() = default;

void TSimplifiedModel::VerbindungenHerstellen() {
    for (std::size_t n = 0; n < felder_.size(); ++n) {
        connect(felder_[n].edit, &QLineEdit::textEdited, this,
                [this, n](const QString& text) { TextGeaendert(felder_[n], text); });
    }

    for (int i = 1; i <= 4; ++i) {
        connect(chk_id_F_[i], &QCheckBox::toggled, this, [this, i](bool an) {
            p_.Fenster.chk_id[i] = an;
            Ausfuehren(chk_id_F1Click(p_, i));
        });
    }
    auto lage = [this](bool horizontal) {
        return [this, horizontal](bool an) {
            if (!an) return;
            p_.Fenster.rg_horizontal = horizontal;
            Ausfuehren(rg_horizontalClick(p_));
        };
    };
    connect(rg_horizontal_, &QRadioButton::toggled, this, lage(true));
    connect(rg_vertikal_, &QRadioButton::toggled, this, lage(false));
    auto richtung = [this](bool raum1) {
        return [this, raum1](bool an) {
            if (!an) return;
            p_.Fenster.rg_DnTW1 = raum1;
            rg_DnTW1Click(p_);
            Anzeigen();
        };
    };
    connect(rg_DnTW1_, &QRadioButton::toggled, this, richtung(true));
    connect(rg_DnTW2_, &QRadioButton::toggled, this, richtung(false));

    connect(PageControl_->tabBar(), &QTabBar::tabBarClicked, this,
            &TSimplifiedModel::SeiteGeklickt);
    // Changing the page from the keyboard only turns the page.
    connect(PageControl_, &QTabWidget::currentChanged, this,
            [this](int index) { p_.Fenster.AktivesBlatt = index; });
    for (SketchView* bild : {Image1_, Image2_})
        connect(bild, &SketchView::geklickt, this, [this] { Ausfuehren(Image1Click(p_)); });

    connect(SpeedButton1_, &QToolButton::clicked, this, &TSimplifiedModel::FileNewItemClick);
    connect(FileNewItem_, &QAction::triggered, this, &TSimplifiedModel::FileNewItemClick);
    connect(SpeedButton2_, &QToolButton::clicked, this, &TSimplifiedModel::FileOpenItemClick);
    connect(FileOpenItem_, &QAction::triggered, this, &TSimplifiedModel::FileOpenItemClick);
    connect(button_Save_As_, &QToolButton::clicked, this, &TSimplifiedModel::save_asClick);
    connect(FileSaveAsItem_, &QAction::triggered, this, &TSimplifiedModel::save_asClick);
    connect(FileSaveItem_, &QAction::triggered, this, &TSimplifiedModel::SpeichernClick);
    connect(FileExitItem_, &QAction::triggered, this, &QWidget::close);
    connect(btn_Results_, &QToolButton::clicked, this, &TSimplifiedModel::ErgebnisseZeigen);
    connect(Berechnungsergebnisse1_, &QAction::triggered, this,
            &TSimplifiedModel::ErgebnisseZeigen);
    connect(button_Variant_, &QToolButton::clicked, this, &TSimplifiedModel::VariantenZeigen);
    connect(Variantenuntersuchung1_, &QAction::triggered, this, &TSimplifiedModel::VariantenZeigen);
    connect(SpeedButtonPrint_, &QToolButton::clicked, this,
            &TSimplifiedModel::druckvorschauAngefordert);
    connect(FilePrintItem_, &QAction::triggered, this, &TSimplifiedModel::druckvorschauAngefordert);
    connect(Firmendaten1_, &QAction::triggered, this, &TSimplifiedModel::firmendatenAngefordert);
    connect(Internet1_, &QAction::triggered, this, &TSimplifiedModel::haftungAngefordert);
    connect(Internet2_, &QAction::triggered, this, &TSimplifiedModel::impressumAngefordert);
    auto dokument = [this](const QString& name) {
        return [this, name] { emit dokumentAngefordert(name); };
    };
    connect(SpeedButtonHandbuch_, &QToolButton::clicked, this, dokument("Handbuch.pdf"));
    connect(Handbuch_, &QAction::triggered, this, dokument("Handbuch.pdf"));
    for (QToolButton* b : {SpeedButtonBerechnungsgrundlagen_, SpeedButton3_})
        connect(b, &QToolButton::clicked, this, dokument("Berechnungsgrundlagen.pdf"));
    connect(Rechenverfahren_, &QAction::triggered, this, dokument("Berechnungsgrundlagen.pdf"));
    connect(SpeedButtonBrevonTipps_, &QToolButton::clicked, this,
            dokument("Brevon_Praxistipps.pdf"));
    connect(BrevonPraxistipps_, &QAction::triggered, this, dokument("Brevon_Praxistipps.pdf"));
    connect(Form_C_, &ProtocolWindow::geschlossen, this, [this] {
        ProtokollFensterGeschlossen(p_);
        Anzeigen();
    });

    // The junction button of a flank page opens the junction dialog for that flank.
    for (int i = 1; i <= 4; ++i)
        connect(button_Stoss_[i], &QToolButton::clicked, this, [this, i] { Form_SS_->Oeffnen(i); });
    connect(Form_SS_, &TForm_SS::uebernommen, this, [this](const QString& meldung) {
        Ausfuehren(meldung.isEmpty() ? std::nullopt : std::optional(meldung.toStdString()));
    });

    connect(copy_, &QAction::triggered, this, [this] {
        copyClick(p_);
        Anzeigen();
    });
    connect(Insert_, &QAction::triggered, this, [this] { Ausfuehren(InsertClick(p_)); });
    connect(copyVS_, &QAction::triggered, this, [this] {
        copyVSClick(p_);
        Anzeigen();
    });
    connect(InsertVS_, &QAction::triggered, this, [this] { Ausfuehren(InsertVSClick(p_)); });

    // A press on a clear button selects its lining slot, as a press on the field does.
    for (int r = 0; r <= 4; ++r)
        for (int c = 1; c <= 2; ++c)
            connect(Button_VSclear_[r][c], &QPushButton::pressed, this,
                    [this, r, c] { edit_VS0_1MouseDown(p_, r, c); });

    // The lining button of a slot opens the lining dialog for it; "löschen" empties the slot.
    for (int r = 0; r <= 4; ++r) {
        for (int c = 1; c <= 2; ++c) {
            connect(Button_VS_[r][c], &QPushButton::clicked, this,
                    [this, r, c] { Form_DB_->Oeffnen(r, c); });
            connect(Button_VSclear_[r][c], &QPushButton::clicked, this,
                    [this, r, c] { Ausfuehren(Button_TB_VS1clearClick(p_, r, c)); });
        }
    }
    connect(Form_DB_, &TForm_DB::uebernommen, this, [this](const QString& meldung) {
        Ausfuehren(meldung.isEmpty() ? std::nullopt : std::optional(meldung.toStdString()));
    });

    for (int r = 0; r <= 4; ++r)
        for (int c = r == 0 ? 0 : 1; c <= (r == 0 ? 0 : 2); ++c)
            connect(Button_Aufbau_[r][c], &QPushButton::clicked, this,
                    [this, r, c] { Button_TBClick(r, c); });
}

// The construction dialog takes the element from the project and, on commit, writes it back
// and calculates; this window only shows the project again. It takes no input meanwhile.
void TSimplifiedModel::Button_TBClick(int zeile, int spalte) {
    if (!Form_BT_) {
        Form_BT_ = new TForm_BT(p_, this);
        connect(Form_BT_, &TForm_BT::uebernommen, this,
                [this](const std::optional<std::string>& meldung) { Ausfuehren(meldung); });
    }
    Form_BT_->Oeffnen(zeile, spalte);
}

void TSimplifiedModel::TextGeaendert(const Textfeld& feld, const QString& text) {
    feld.text(p_.Fenster) = text.toStdString();
    Ausfuehren(feld.geaendert());
}

void TSimplifiedModel::Ausfuehren(const std::optional<std::string>& rechenmeldung) {
    Anzeigen();
    if (rechenmeldung) Fehler(QString::fromStdString(*rechenmeldung));
}

void TSimplifiedModel::SeiteGeklickt(int index) {
    // A press beside the tabs leaves the page as it is and highlights the active one.
    if (index < 0) index = PageControl_->currentIndex();
    Ausfuehren(PageControlMouseDown(p_, index));
}

void TSimplifiedModel::ErgebnisseZeigen() {
    Form_C_->show();
    Form_C_->raise();
    Form_C_->activateWindow();
    Ausfuehren(btn_ResultsClick(p_));
}

void TSimplifiedModel::VariantenZeigen() {
    if (auto meldung = button_VariantClick(p_)) {
        Information(QString::fromStdString(*meldung));
        return;
    }
    if (!Verfuegbar::Varianten) {
        Information("Die Variantenuntersuchung folgt in einer späteren Version.");
        return;
    }
    emit variantenAngefordert();
}

// Numeric fields take digits, backspace and the decimal separator; with "." as separator a ","
// is typed as ".". Shortcuts (copy, paste …) and keys without text pass.
bool TSimplifiedModel::Zahlentaste(QLineEdit* edit, QKeyEvent* taste) {
    const char sep = p_.Dezimaltrenner;
    if (sep != '.' && sep != ',') return false;
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = taste->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const QChar z = text[0];
    if ((z >= QLatin1Char('0') && z <= QLatin1Char('9')) || z == QLatin1Char(sep)) return false;
    if (sep == '.' && z == QLatin1Char(',')) {
        QKeyEvent punkt(QEvent::KeyPress, Qt::Key_Period, taste->modifiers(), ".");
        QCoreApplication::sendEvent(edit, &punkt);
    }
    return true;
}

bool TSimplifiedModel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type typ = event->type();
    if (typ == QEvent::KeyPress) {
        for (const Textfeld& feld : felder_)
            if (feld.edit == watched && feld.edit->property("zahl").toBool())
                return Zahlentaste(feld.edit, static_cast<QKeyEvent*>(event));
        return QMainWindow::eventFilter(watched, event);
    }
    if (typ != QEvent::MouseButtonPress && typ != QEvent::ContextMenu)
        return QMainWindow::eventFilter(watched, event);
    if (typ == QEvent::MouseButtonPress && watched->objectName() == "ImageBrevon") {
        emit herausgeberseiteAngefordert();
        return true;
    }

    for (int r = 0; r <= 4; ++r) {
        for (int c = 0; c <= 2; ++c) {
            QPlainTextEdit* memo = Memo_[r][c];
            if (memo && (watched == memo || watched == memo->viewport())) {
                if (typ == QEvent::MouseButtonPress) {
                    Memo_TBaMouseDown(p_, r, c);
                    return false;
                }
                AufbaumenueZeigen({r, c}, static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
            if (edit_VS_[r][c] == watched) {
                if (typ == QEvent::MouseButtonPress) {
                    edit_VS0_1MouseDown(p_, r, c);
                    return false;
                }
                VorsatzmenueZeigen({r, c}, static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The menus act on the element or slot last pressed, which need not be the control the menu
// was opened on from the keyboard; before any press they act on that control.
void TSimplifiedModel::AufbaumenueZeigen(Zelle zelle, const QPoint& global) {
    if (p_.KopierElement.empty()) Memo_TBaMouseDown(p_, zelle.zeile, zelle.spalte);
    Insert_->setEnabled(p_.AufbauablageGefuellt);
    PopupMenu1_->popup(global);
}

void TSimplifiedModel::VorsatzmenueZeigen(Zelle zelle, const QPoint& global) {
    if (p_.AktVS.empty()) edit_VS0_1MouseDown(p_, zelle.zeile, zelle.spalte);
    InsertVS_->setEnabled(p_.AblageVSGefuellt);
    PopupMenu2_->popup(global);
}

void TSimplifiedModel::closeEvent(QCloseEvent* event) {
    if (!p_.Gespeichert &&
        Bestaetigen("Die aktuellen Eingaben sind nicht gespeichert!\n"
                    "Möchten Sie die Daten vor dem Schließen speichern?") &&
        !save_asClick()) {
        // Not saved (dialog cancelled or writing failed): the input must not get lost.
        event->ignore();
        return;
    }
    if (Form_C_->isVisible()) Form_C_->close();
    event->accept();
}

}  // namespace phonikon
