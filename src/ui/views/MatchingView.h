// The chart window's Matching view: two persons, their Moons, the eight kutas with their
// points, the total in words and the Mars check of both. It stands in the natal display's
// place, at its size, and draws itself with lines and text for the printer.
#pragma once

#include "match/Matching.h"
#include "sky/Sky.h"
#include "ui/views/ReadingView.h"
#include "ui/window/ChartView.h"
#include "ui/window/ViewSources.h"
#include "vedic/Birth.h"

class QLabel;
class QTableWidget;

namespace velakor {

// One partner of a match: the birth and its chart (computed in the sky of the match).
struct Partner {
    BirthRecord Birth;
    velakor::Chart Chart;
};

class MatchingView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit MatchingView(QWidget* parent = nullptr);
    void Show(const Partner& bride, const Partner& groom, const SkyChoice& sky);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return tr("Matching"); }
    static QStringList Headers();
    unsigned Inputs() const override { return kChartInput | kPartnerInput; }
    // Both charts in the sky of the chart on show, and the match: microseconds each time.
    void Fill(ViewSources& sources) override;
    // Nothing to show until a second reading has been matched with this chart.
    static bool Ready(const ViewSources& sources) { return sources.partner().has_value(); }
    void Paint(QPainter& painter) const override;

    QTableWidget* table() const { return table_; }
    QLabel* lblTotal() const { return total_; }
    const Match& match() const { return match_; }

private:
    QList<QLabel*> Lines() const;

    QLabel* bride_ = nullptr;
    QLabel* groom_ = nullptr;
    QLabel* sky_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* marsTitle_ = nullptr;
    QLabel* marsBride_ = nullptr;
    QLabel* marsGroom_ = nullptr;
    QLabel* marsConclusion_ = nullptr;
    QLabel* note_ = nullptr;
    Match match_;
};

}  // namespace velakor
