// The chart window's dasha view: the periods of the system chosen as a tree, and above it the
// balance at birth, the variant of the system followed and, for Ashtottari, whether the chart
// meets its condition. It stands in the natal display's place, at its size, and draws itself
// with lines and text for the printer.
#pragma once

#include "app/Program.h"
#include "app/Readings.h"
#include "ui/views/DashaModel.h"
#include "ui/views/ReadingView.h"
#include "ui/window/ChartView.h"

class QLabel;
class QPainter;
class QTreeView;

namespace velakor {

class DashaView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit DashaView(QWidget* parent = nullptr);
    void Show(const Program& program, const Readings& readings);

    QWidget* page() override { return this; }
    // "Vimshottari Dasha", "Narayana Dasha": the system chosen.
    QString Title(const ViewSources& sources) const override;
    unsigned Inputs() const override { return kChartInput | kReadingInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QTreeView* tree() const { return tree_; }
    const DashaModel* model() const { return model_; }
    QLabel* lblBalance() const { return balance_; }
    QLabel* lblVariant() const { return variant_; }
    QLabel* lblCondition() const { return condition_; }

private:
    QLabel* balance_ = nullptr;
    QLabel* variant_ = nullptr;
    QLabel* condition_ = nullptr;
    QTreeView* tree_ = nullptr;
    DashaModel* model_ = nullptr;
};

}  // namespace velakor
