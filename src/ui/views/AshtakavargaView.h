// The chart window's ashtakavarga view: the seven bhinnashtakavargas and the sarvashtakavarga
// by sign, counted by the rule table chosen, and the sarvashtakavarga drawn as a chart in the
// chosen style. It stands in the natal display's place, at its size, names the chart, the
// table, the birth and the sky, and draws itself with lines and text for the printer.
#pragma once

#include "app/Program.h"
#include "ui/views/ReadingView.h"
#include "ui/views/StrengthHeading.h"
#include "ui/window/ChartView.h"
#include "ui/window/ViewSources.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace velakor {

class ChartCanvas;

class AshtakavargaView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit AshtakavargaView(QWidget* parent = nullptr);
    void Show(const Program& program);

    QWidget* page() override { return this; }
    // Its chart of the points is drawn in the chosen style: "Ashtakavarga, North Indian".
    QString Title(const ViewSources& sources) const override;
    unsigned Inputs() const override { return kChartInput | kStyleInput | kReadingInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QTableWidget* table() const { return table_; }
    ChartCanvas* chart() const { return chart_; }
    const StrengthHeading& heading() const { return heading_; }

private:
    StrengthHeading heading_;
    QTableWidget* table_ = nullptr;
    QLabel* legend_ = nullptr;
    ChartCanvas* chart_ = nullptr;
};

}  // namespace velakor
