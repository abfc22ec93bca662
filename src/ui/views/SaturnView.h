// The chart window's view of Saturn's periods: Saturn in the 12th, 1st and 2nd signs from the
// natal Moon's sign and in its 4th and 8th, from the birth to a century after it, the period
// running at the transit moment marked. It stands in the natal display's place, at its size,
// and draws itself with lines and text for the printer.
#pragma once

#include "app/Program.h"
#include "ui/views/ReadingView.h"
#include "ui/views/TransitView.h"
#include "ui/window/ChartView.h"
#include "ui/window/ViewSources.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace velakor {

class SaturnView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit SaturnView(QWidget* parent = nullptr);
    void Show(const Program& program, const TransitReading& reading);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return tr("Saturn's Periods"); }
    unsigned Inputs() const override { return kChartInput | kMomentInput; }
    void Fill(ViewSources& sources) override { Show(sources.program(), ReadTransits(sources.program(), sources.moment())); }
    void Paint(QPainter& painter) const override;
    // The printed table keeps the screen's row height: a century's rows take more than one
    // page, each under the page's heading.
    int PrintedPages() const override;
    void PaintPrintedPage(QPainter& painter, int index) override;

    QTableWidget* table() const { return table_; }
    QLabel* lblSadeSati() const { return sadeSati_; }

private:
    // The table's column headers in the interface's language.
    static QStringList Headers();
    // The heading and the rows [first, first + count) of the table.
    void PaintRowsOf(QPainter& painter, int first, int count) const;
    // How many rows a page holds under the heading.
    int RowsPerPage() const;

    QLabel* note_ = nullptr;
    QLabel* sadeSati_ = nullptr;
    QTableWidget* table_ = nullptr;
    int running_ = -1;  // the row of the period running at the transit moment
};

}  // namespace velakor
