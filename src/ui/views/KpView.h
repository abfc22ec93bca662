// The chart window's KP views: the Placidus cusps with their sign, star, sub and sub-sub
// lords, the grahas with theirs and the house each occupies, the significators both ways and
// the ruling planets. One view reads the birth (its ruling planets at the window's moment);
// the other the last horary question asked. Both stand in the natal display's place, at its
// size, name the person and the sky the readings come from, and draw themselves with lines
// and text for the printer.
#pragma once

#include <optional>

#include "kp/KpChart.h"
#include "ui/views/ReadingView.h"
#include "ui/window/ChartView.h"
#include "ui/window/ViewSources.h"

class QLabel;
class QTableWidget;

namespace velakor {

class KpView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    enum class Kind { Birth, Horary };
    explicit KpView(Kind kind, QWidget* parent = nullptr);

    // Shows the chart's tables; with no chart, or no cusps, the message why.
    void Show(const std::optional<KpChart>& chart, const QString& message);

    QWidget* page() override { return this; }
    QString Title(const ViewSources& sources) const override;
    unsigned Inputs() const override;
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QTableWidget* cusps() const { return cusps_; }
    QTableWidget* bodies() const { return bodies_; }
    QTableWidget* houseSignificators() const { return houseSignificators_; }
    QTableWidget* bodySignificators() const { return bodySignificators_; }
    QLabel* lblMessage() const { return message_; }

private:
    Kind kind_;
    QLabel* sky_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* rulingTitle_ = nullptr;
    QLabel* ruling_ = nullptr;
    QLabel* legend_ = nullptr;
    QTableWidget* cusps_ = nullptr;
    QTableWidget* bodies_ = nullptr;
    QTableWidget* houseSignificators_ = nullptr;
    QTableWidget* bodySignificators_ = nullptr;
};

}  // namespace velakor
