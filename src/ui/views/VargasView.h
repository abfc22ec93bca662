// The chart window's vargas view: the sign of each body and of the ascendant in the sixteen
// vargas, with the vargottama bodies and the count of dignified vargas. It stands in the
// natal display's place, at its size, names the chart, the birth and the sky, and draws
// itself with lines and text for the printer.
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

class VargasView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit VargasView(QWidget* parent = nullptr);
    void Show(const Program& program);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return tr("Vargas"); }
    unsigned Inputs() const override { return kChartInput; }
    void Fill(ViewSources& sources) override { Show(sources.program()); }
    void Paint(QPainter& painter) const override;

    QTableWidget* table() const { return table_; }
    const StrengthHeading& heading() const { return heading_; }

private:
    StrengthHeading heading_;
    QTableWidget* table_ = nullptr;
    QLabel* legend_ = nullptr;
};

}  // namespace velakor
