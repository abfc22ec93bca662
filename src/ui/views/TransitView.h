// The chart window's views of the sky at a chosen moment: the transits (the natal chart with
// the transiting bodies placed in its houses, a table of the nine, the dasha running then)
// and Saturn's periods from the natal Moon. Both stand in the natal display's place, at its
// size, and draw themselves with lines and text for the printer.
#pragma once

#include <QDateTime>
#include <memory>
#include <optional>
#include <vector>

#include "app/Program.h"
#include "chart/ChartLayout.h"
#include "sky/Sky.h"
#include "transit/SaturnPeriods.h"
#include "transit/Transit.h"
#include "ui/views/ReadingViews.h"
#include "ui/window/ViewSources.h"

class QAction;
class QDateTimeEdit;
class QLabel;
class QTableWidget;

namespace velakor {

class ChartCanvas;

// What both views show, for one chart and one moment: computed once per step.
struct TransitReading {
    double Jd = 0.0;  // the moment, universal time
    int Offset = 0;   // minutes the birth's clock runs ahead of universal time
    QString Sky;      // which sky the transits come from
    std::optional<Transit> Now;  // empty outside the precise sky's tables
    QString Message;             // why nothing was computed
    std::vector<SaturnPeriod> Saturn;
    int RunningSaturn = -1;
};

// The reading of the chart in program at jdUt: the transit, the running dasha's source and
// Saturn's periods over the century after the birth.
TransitReading ReadTransits(const Program& program, double jdUt);

class TransitView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    // The step actions (day, month, year back and forward, now) are the chart window's; the
    // view's buttons trigger them.
    TransitView(const QList<QAction*>& steps, QWidget* parent = nullptr);
    // A view of the window whose sources it reads: a moment typed in its field moves theirs.
    explicit TransitView(ViewSources& sources, QWidget* parent = nullptr);
    void Show(const Program& program, const Readings& readings, const TransitReading& reading, ChartStyle style,
              bool colour);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return QStringLiteral("Transits"); }
    unsigned Inputs() const override { return kChartInput | kStyleInput | kReadingInput | kMomentInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QDateTimeEdit* momentField() const { return moment_; }
    QTableWidget* table() const { return table_; }
    ChartCanvas* chart() const { return chart_; }
    QLabel* lblDasha() const { return dasha_; }
    QLabel* lblMessage() const { return message_; }

signals:
    // The user typed another moment: universal time.
    void momentEdited(double jdUt);

private:
    QLabel* sky_ = nullptr;
    QLabel* zone_ = nullptr;
    QLabel* dasha_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* legend_ = nullptr;
    QDateTimeEdit* moment_ = nullptr;
    ChartCanvas* chart_ = nullptr;
    QTableWidget* table_ = nullptr;
    int offset_ = 0;
    bool filling_ = false;
};

class SaturnView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit SaturnView(QWidget* parent = nullptr);
    void Show(const Program& program, const TransitReading& reading);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return QStringLiteral("Saturn's Periods"); }
    unsigned Inputs() const override { return kChartInput | kMomentInput; }
    void Fill(ViewSources& sources) override { Show(sources.program(), ReadTransits(sources.program(), sources.moment())); }
    void Paint(QPainter& painter) const override;

    QTableWidget* table() const { return table_; }

private:
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    int running_ = -1;  // the row of the period running at the transit moment
};


}  // namespace velakor
