// The chart display: the natal chart with the sign number and the planets of each house, the
// birth details, the planet table and the other Vedic details, under a band that names the
// chart. It lives, frameless, inside the chart window MDI.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

#include "app/Program.h"
#include "ui/window/ChartView.h"

class QLabel;

namespace Ui {
class frmDisplay;
}

namespace velakor {

class ChartCanvas;

// The eight birth details as the display writes them: name, city, state, country, date,
// time, latitude, longitude.
QStringList BirthDetailTexts(const BirthRecord& b);

class frmDisplay : public QWidget, public ChartView {
    Q_OBJECT
public:
    // Size of the client area in pixels (14505 x 8400 twips).
    static constexpr int kWidth = 967;
    static constexpr int kHeight = 560;
    // Size and place of the chart in pixels.
    static constexpr int kChartLeft = 72;
    static constexpr int kChartTop = 112;
    static constexpr int kChartWidth = 371;
    static constexpr int kChartHeight = 367;
    // Elements of the planet table, the ascendant and midheaven included (not shown).
    static constexpr int kPlanetCells = kBodyCount;

    // Composes the birth details from the birth record, which must be filled already.
    explicit frmDisplay(const Program& program, QWidget* parent = nullptr);
    ~frmDisplay() override;

    // House h (0..11): its planets ("Asc" first in house 0) and the number of its sign. The
    // labels keep the captions; the chart draws them, fitted into their houses.
    QLabel* lblPlanets(int h) const { return planets_.at(static_cast<std::size_t>(h)); }
    QLabel* lblPlanet_Position(int h) const { return positions_.at(static_cast<std::size_t>(h)); }
    // Planet table cell i (0..10, chart order); 9 and 10 are never shown.
    QLabel* Planet(int i) const { return planetCells_.at(static_cast<std::size_t>(i)); }

    QLabel* lblAyanamsha() const;
    QLabel* lblLagna() const;
    QLabel* lblNakshatra() const;
    QLabel* lblRashi() const;
    QLabel* lblPada() const;
    QLabel* lblLord() const;

    // The picture store: the last capture of the display (empty until one is taken).
    QLabel* Picture1() const;
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    // Rewrites house h: the number of its sign (1..12; 0 leaves it blank), its planets and the
    // body each line of them shows.
    void SetHouse(int h, int sign, const QString& planets, HouseLines bodies);
    // Writes a value cell of the two tables in the cells' font, made smaller if the text
    // would not fit the cell otherwise.
    void SetCellText(QLabel* cell, const QString& text);

    // The drawing of the chart (its style and colour are set there).
    ChartCanvas* chart() const;
    // The name of the chart on show, in the band above the chart.
    void SetChartName(const QString& name);
    QLabel* lblChartName() const;

    // Form_Load: the eight birth-detail labels (again when another reading is opened).
    void ComposeBirthDetails(const Program& program);

    // The natal chart as a view of the chart window: "Rashi (D1), North Indian". Filling it
    // writes every caption the calculation command fills: the summary cells, the planet
    // table, the sign number and planets of each house, the birth details and the band.
    QWidget* page() override { return this; }
    QString Title(const ViewSources& sources) const override;
    unsigned Inputs() const override { return kChartInput | kStyleInput; }
    void Fill(ViewSources& sources) override;
    bool Scales() const override { return true; }

private:
    void ApplyFonts();

    std::unique_ptr<Ui::frmDisplay> ui_;
    std::array<QLabel*, kHouseCount> planets_{};
    static constexpr double kCellPointSize = 9.75;
    static constexpr double kSmallestCellPointSize = 7.0;
    std::array<QLabel*, kHouseCount> positions_{};
    std::array<QLabel*, kPlanetCells> planetCells_{};
    QPixmap picture_;
};

}  // namespace velakor
