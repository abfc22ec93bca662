// A divisional chart in the chart window's client area, in place of the natal display: the
// chart's name, the chart with its houses counted from the divisional ascendant, the birth
// details, and a table of the ten divisional signs. Laid out like the natal display, so that
// switching views keeps the chart where it was.
#pragma once

#include <QWidget>
#include <array>

#include "app/Program.h"
#include "ui/window/ChartView.h"

class QGroupBox;
class QLabel;

namespace velakor {

class ChartCanvas;

class DivisionalView : public QWidget, public ChartView {
    Q_OBJECT
public:
    // The view of varga d (0..15, D1 .. D60 in the order of kVargas).
    explicit DivisionalView(int d, QWidget* parent = nullptr);

    // Shows varga d (0..15, D1 .. D60 in the order of kVargas) of the program's chart.
    void ShowDivision(const Program& program, int d);
    int division() const { return division_; }

    QWidget* page() override { return this; }
    // "Navamsa (D9), North Indian".
    QString Title(const ViewSources& sources) const override;
    unsigned Inputs() const override { return kChartInput | kStyleInput; }
    void Fill(ViewSources& sources) override;
    bool Scales() const override { return true; }

    ChartCanvas* chart() const { return chart_; }
    void SetChartName(const QString& name);
    QLabel* lblChartName() const { return name_; }
    // The sign cell of point i (Sun .. Ketu, then the ascendant).
    QLabel* SignCell(int i) const { return signCells_.at(static_cast<std::size_t>(i)); }

private:
    int division_;
    QLabel* name_ = nullptr;
    ChartCanvas* chart_ = nullptr;
    std::array<QLabel*, 8> details_{};
    QGroupBox* table_ = nullptr;
    std::array<QLabel*, kDivisionalPoints> signCells_{};
};

}  // namespace velakor
