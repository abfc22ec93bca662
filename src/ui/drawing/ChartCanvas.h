// The chart drawing: the grid of the chosen style, the sign numbers (North Indian) and the
// texts of the twelve houses, each fitted into its own house, with or without colour. It
// paints with QPainter alone, lines and text as vectors, so the screen, the chart picture
// and the printer all get the same drawing at their own resolution.
#pragma once

#include <QColor>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "vedic/Chart.h"
#include "chart/ChartLayout.h"
#include "chart/ChartTexts.h"

class QPainter;

namespace velakor {

// A transiting body's entry begins with this mark, and the chart draws it in kTransitColour
// whatever the colour style: it reads apart from the natal bodies in black and white too.
inline constexpr const char* kTransitMark = "T ";
inline const QColor kTransitColour{0, 60, 210};

class ChartCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ChartCanvas(QWidget* parent = nullptr);
    ~ChartCanvas() override;

    void SetStyle(ChartStyle style);
    ChartStyle chartStyle() const { return style_; }
    void SetColour(bool on);
    bool colour() const { return colour_; }

    // House h (0..11): the number of its sign (1..12; 0 leaves it blank), its caption (bodies
    // on lines of their own, "Asc" first in house 0) and the body each entry of the caption
    // shows, in the order of HouseEntriesOf, which picks its colour. An entry past the end of
    // `bodies` shows none and is drawn in the text's colour.
    void SetHouse(int h, int sign, const QString& caption, HouseLines bodies);
    int HouseSign(int h) const { return signs_.at(static_cast<std::size_t>(h)); }
    QString HouseCaption(int h) const { return captions_.at(static_cast<std::size_t>(h)); }
    // The chart's name, written in the middle of the South and East Indian charts.
    void SetName(const QString& name);

    // Where things lie, in the widget's coordinates (the tests check the drawing by them).
    QPolygonF CellShape(int cell) const;
    int CellOfHouse(int h) const;
    QRectF SignBox(int h) const;  // North: the room of a two-digit sign number
    QRectF MiddleBox() const;
    // The text of house h as drawn: its size in pixels and the box of each entry.
    const HouseTextLayout& HouseLayout(int h) const;
    // The entries of house h as drawn: in Hindi and Tamil the bodies under their names in
    // that language, " (R) " kept.
    std::vector<std::string> HouseEntriesOf(int h) const;

    // Draws the chart onto any painter, in this widget's coordinates (the printer's page
    // scales them).
    void Paint(QPainter& painter) const;

    // The pixel sizes of house texts: the usual one, and the smallest one still read with ease.
    static constexpr int kTextSize = 11;
    static constexpr int kSmallestTextSize = 8;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The houses' names follow the interface's language: laid out again.
    void changeEvent(QEvent* event) override;

private:
    double ChartWidth() const;
    double ChartHeight() const;
    Point Offset() const;
    void Forget() const;

    ChartStyle style_ = ChartStyle::North;
    bool colour_ = false;
    std::array<int, kHouseCount> signs_{};
    std::array<QString, kHouseCount> captions_;
    std::array<HouseLines, kHouseCount> bodies_;
    QString name_;
    mutable std::array<std::optional<HouseTextLayout>, kHouseCount> layouts_;
};

}  // namespace velakor
