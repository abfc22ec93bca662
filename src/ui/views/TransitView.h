// The chart window's transit view: the sky at a chosen moment, the natal chart with the
// transiting bodies placed in its houses, a table of the nine and the dasha running then. It
// stands in the natal display's place, at its size, and draws itself with lines and text for
// the printer. Beside it, the reading of one moment that it and the Saturn view show.
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
#include "ui/views/ReadingView.h"
#include "ui/window/ChartView.h"
#include "ui/window/ViewSources.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace velakor {

class ChartCanvas;

// What the transit and Saturn views show, for one chart and one moment: computed once per
// step.
struct TransitReading {
    double Jd = 0.0;  // the moment, universal time
    int Offset = 0;   // minutes the birth's clock runs ahead of universal time
    QString Sky;      // the chart's own sky, which the transits come from too
    std::optional<Transit> Now;  // empty outside the transits' span
    QString Message;             // why nothing was computed
    std::vector<SaturnPeriod> Saturn;
    int RunningSaturn = -1;
    std::vector<SadeSati> SadeSatis;
    int RunningSadeSati = -1;
    int NextSadeSati = -1;
};

// The reading of the chart in program at jdUt, in the chart's own sky (the dasha beside it is
// that sky's): the transit, Saturn's periods over the century after the birth and its sade
// satis.
TransitReading ReadTransits(const Program& program, double jdUt);

// "Sade sati now (Peak): 2017-01-26 to 2025-03-29; the next: 2046-03-12 to 2054-05-30", on the
// birth's clock: the passage running at the reading's moment, if any, and the next.
QString SadeSatiText(const TransitReading& reading);

class TransitView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    // The step actions (day, month, year back and forward, now) are the chart window's; the
    // view's buttons trigger them. Without steps, the page is for the printer alone.
    TransitView(const QList<QAction*>& steps, QWidget* parent = nullptr);
    // A view of the window whose sources it reads: a moment typed in its field moves theirs.
    explicit TransitView(ViewSources& sources, QWidget* parent = nullptr);
    void Show(const Program& program, const Readings& readings, const TransitReading& reading, ChartStyle style,
              bool colour);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return tr("Transits"); }
    unsigned Inputs() const override { return kChartInput | kStyleInput | kReadingInput | kMomentInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    // The moment on the birth's clock, "2026-12-07 14:30", typed and confirmed with Enter.
    QLineEdit* momentField() const { return moment_; }
    // The body whose ingresses the Previous and Next Ingress buttons step to.
    QComboBox* ingressBody() const { return ingressBody_; }
    QLabel* lblSadeSati() const { return sadeSati_; }
    // Names the page for the one-page printout of the moment ("Transits and Dasha Today").
    void SetPageTitle(const QString& title);
    QTableWidget* table() const { return table_; }
    ChartCanvas* chart() const { return chart_; }
    QLabel* lblDasha() const { return dasha_; }
    QLabel* lblMessage() const { return message_; }

signals:
    // The user typed another moment: universal time.
    void momentEdited(double jdUt);

private:
    // The table's column headers in the interface's language.
    static QStringList Headers();
    // The typed moment: moved to when it reads as a date (and time), refused with a message
    // otherwise.
    void TakeTypedMoment();
    void StepIngress(bool forward);

    const Program* program_ = nullptr;
    double jd_ = 0.0;
    QString shownMoment_;
    QLabel* sky_ = nullptr;
    QLabel* sadeSati_ = nullptr;
    QComboBox* ingressBody_ = nullptr;
    QLabel* zone_ = nullptr;
    QLabel* dasha_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* legend_ = nullptr;
    QLineEdit* moment_ = nullptr;
    ChartCanvas* chart_ = nullptr;
    QTableWidget* table_ = nullptr;
    int offset_ = 0;
};

}  // namespace velakor
