// The variant study window: beside the main window it collects the results of successive
// variants as memo lines and as bars in three charts (R'w and DnT,w together, R'w alone,
// DnT,w alone), with buttons that move the limits of the dB axis.
#pragma once

#include <QWidget>
#include <array>

#include "calc/project_state.h"
#include "variants/variant_study.h"

class QBarSeries;
class QChart;
class QChartView;
class QPlainTextEdit;
class QRadioButton;
class QValueAxis;
class QBarCategoryAxis;

namespace phonikon {

class TForm_Variant : public QWidget {
    Q_OBJECT
  public:
    // Reads the results of `projekt`, which the application owns and which outlives the window.
    explicit TForm_Variant(Projekt& projekt, QWidget* parent = nullptr);

    const Variantenstudie& studie() const { return s_; }
    QChartView* diagramm(Diagramm d) const { return Chart_[static_cast<int>(d)]; }

  public slots:
    // The main window's variant command (it has checked that results exist): starts a new study
    // unless one is in progress, and brings the window to the front.
    void Oeffnen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AufbauDiagramm(Diagramm d);
    QWidget* SkalierungsspalteAufbauen();
    QWidget* AnsichtAufbauen();

    void btn_AddVariantClick();
    void btn_ClearVariantClick();
    void btn_ExitClick();
    void Skalieren(Skalierung art);
    void AnsichtWaehlen(Diagramm d);
    void InZwischenablage(Diagramm d);
    bool SchliessenErlaubt();

    // Shows the study: chart panel, bars, axis ranges and the chart of the chosen view.
    void Anzeigen();
    void Hintergrund(Diagramm d, const QColor& farbe);

    Projekt& p_;
    Variantenstudie s_;
    bool schliessenBestaetigt_ = false;

    QPlainTextEdit* memo_Variant_;
    QWidget* panel_Grafik_;
    std::array<QChartView*, 3> Chart_{};
    std::array<QBarSeries*, 3> Reihen_{};
    std::array<QValueAxis*, 3> Achse_{};
    std::array<QBarCategoryAxis*, 3> Varianten_{};
    std::array<QRadioButton*, 3> Ansicht_{};
};

}  // namespace phonikon
