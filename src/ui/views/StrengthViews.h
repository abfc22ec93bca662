// The chart window's strength views: the table of the sixteen vargas and the ashtakavarga
// (the seven bhinnashtakavargas and the sarvashtakavarga by sign, and the sarvashtakavarga
// drawn as a chart). Each stands in the natal display's place, at its size, names the chart,
// the birth and the sky, and draws itself with lines and text for the printer.
#pragma once

#include "app/Program.h"
#include "ui/views/ReadingViews.h"
#include "ui/window/ViewSources.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace velakor {

class ChartCanvas;

// The three lines at the head of a strength view: what it shows of which chart, the birth,
// the sky. They are the view's inherited heading labels, placed and named for it.
class StrengthHeading {
public:
    StrengthHeading(QLabel* title, QLabel* birth, QLabel* sky, const QString& prefix);
    void Show(const Program& program, const QString& title);
    void Paint(QPainter& painter) const;
    QLabel* title() const { return title_; }
    QLabel* birth() const { return birth_; }
    QLabel* sky() const { return sky_; }

private:
    QLabel* title_ = nullptr;
    QLabel* birth_ = nullptr;
    QLabel* sky_ = nullptr;
};

class VargasView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit VargasView(QWidget* parent = nullptr);
    void Show(const Program& program);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return QStringLiteral("Vargas"); }
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

class AshtakavargaView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit AshtakavargaView(QWidget* parent = nullptr);
    void Show(const Program& program);

    QWidget* page() override { return this; }
    // Its chart of the points is drawn in the chosen style: "Ashtakavarga, North Indian".
    QString Title(const ViewSources& sources) const override;
    unsigned Inputs() const override { return kChartInput | kStyleInput; }
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
