// The chart window's panchanga view: the birth panchanga as a table, what it is reckoned for
// above it. It stands in the natal display's place, at its size, and draws itself with lines
// and text for the printer.
#pragma once

#include <vector>

#include "app/Program.h"
#include "app/Readings.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/ReadingView.h"
#include "ui/window/ChartView.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace velakor {

class PanchangaView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit PanchangaView(QWidget* parent = nullptr);
    void Show(const Program& program, const Readings& readings);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return tr("Panchanga"); }
    unsigned Inputs() const override { return kChartInput | kReadingInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QTableWidget* table() const { return table_; }

private:
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::vector<PanchangaRow> rows_;
};

}  // namespace velakor
