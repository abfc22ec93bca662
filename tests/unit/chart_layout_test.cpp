// The chart styles' cells and the colour style's contrast.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestSupport.h"
#include "chart/ChartLayout.h"
#include "chart/NameTables.h"

namespace velakor {
namespace {

using velakor::test::SignIndex;

constexpr double kW = 360, kH = 360;

// Which edges of the square a cell touches along a side (not just at a corner).
std::string EdgesTouched(const Polygon& cell) {
    std::string edges;
    auto along = [&](auto onEdge) {
        int n = 0;
        for (const Point& p : cell) n += onEdge(p) ? 1 : 0;
        return n >= 2;
    };
    if (along([](Point p) { return p.y == 0; })) edges += "top ";
    if (along([](Point p) { return p.x == 0; })) edges += "left ";
    if (along([](Point p) { return p.y == kH; })) edges += "bottom ";
    if (along([](Point p) { return p.x == kW; })) edges += "right ";
    return edges;
}

TEST(ChartCells, SignsOfTheSouthAndEastCharts) {
    struct Row {
        const char* sign;
        GridCell south;      // column, row of the 4 x 4 grid
        GridCell east;       // column, row of the 3 x 3 grid
        const char* edges;   // edges of the square the East cell runs along
    };
    // South: Pisces at the top left, then clockwise. East: Aries at the top middle, then
    // counter-clockwise, two signs in each corner cell split by its diagonal.
    const Row rows[] = {
        {"Ari", {1, 0}, {1, 0}, "top "},    {"Tau", {2, 0}, {0, 0}, "top "},
        {"Gem", {3, 0}, {0, 0}, "left "},   {"Can", {3, 1}, {0, 1}, "left "},
        {"Leo", {3, 2}, {0, 2}, "left "},   {"Vir", {3, 3}, {0, 2}, "bottom "},
        {"Lib", {2, 3}, {1, 2}, "bottom "}, {"Sco", {1, 3}, {2, 2}, "bottom "},
        {"Sag", {0, 3}, {2, 2}, "right "},  {"Cap", {0, 2}, {2, 1}, "right "},
        {"Aqu", {0, 1}, {2, 0}, "right "},  {"Pis", {0, 0}, {2, 0}, "top "},
    };
    const auto south = ChartCells(ChartStyle::South, kW, kH);
    const auto east = ChartCells(ChartStyle::East, kW, kH);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.sign);
        const int s = SignIndex(r.sign);
        EXPECT_EQ(SouthGridCell(s).column, r.south.column);
        EXPECT_EQ(SouthGridCell(s).row, r.south.row);
        const Point middle = Centroid(south[static_cast<std::size_t>(s)]);
        EXPECT_EQ(int(middle.x / (kW / 4)), r.south.column);
        EXPECT_EQ(int(middle.y / (kH / 4)), r.south.row);

        const Polygon& cell = east[static_cast<std::size_t>(s)];
        const Point centre = Centroid(cell);
        EXPECT_EQ(int(centre.x / (kW / 3)), r.east.column);
        EXPECT_EQ(int(centre.y / (kH / 3)), r.east.row);
        EXPECT_EQ(EdgesTouched(cell), r.edges);

        // The ascendant's sign is its cell in both charts, and the stroke lies in that cell.
        for (const ChartStyle style : {ChartStyle::South, ChartStyle::East}) {
            const int c = CellOfHouse(style, 0, s + 1);
            EXPECT_EQ(c, s);
            const Segment stroke = AscendantStroke(style, c, kW, kH);
            const Polygon shape = ChartCells(style, kW, kH)[static_cast<std::size_t>(c)];
            EXPECT_TRUE(Contains(shape, stroke.from, -1e-9) && Contains(shape, stroke.to, -1e-9));
            EXPECT_GT(std::hypot(stroke.to.x - stroke.from.x, stroke.to.y - stroke.from.y), 10.0);
        }
    }
    // The North Indian houses do not move with the signs.
    for (int h = 0; h < 12; ++h) EXPECT_EQ(CellOfHouse(ChartStyle::North, h, 5), h);
}

TEST(ChartCells, TileTheSquare) {
    // Twelve cells (and the middle that South and East keep free) cover the square once.
    for (const ChartStyle style : {ChartStyle::North, ChartStyle::South, ChartStyle::East}) {
        const auto cells = ChartCells(style, kW, kH);
        const Box middle = ChartMiddle(style, kW, kH);
        for (double x = 1.5; x < kW; x += 7) {
            for (double y = 2.5; y < kH; y += 7) {
                int inside = 0;
                for (const Polygon& cell : cells) inside += Contains(cell, {x, y}) ? 1 : 0;
                const bool inMiddle = x > middle.left && x < middle.right() && y > middle.top && y < middle.bottom();
                ASSERT_EQ(inside, inMiddle ? 0 : 1) << int(style) << " at " << x << "," << y;
            }
        }
    }
}

TEST(ChartPalette, EveryTextReadsOnWhatLiesUnderIt) {
    for (const bool colour : {false, true}) {
        const ChartPalette p = PaletteFor(colour);
        for (const Rgb ground : {p.ground, p.groundEnd, p.lagna}) {
            EXPECT_GE(ContrastRatio(p.text, ground), 4.5) << colour;
            for (std::size_t body = 0; body < p.bodies.size(); ++body)
                EXPECT_GE(ContrastRatio(p.bodies[body], ground), 4.5) << "colour " << colour << " body " << body;
        }
    }
    // The ratio itself: black on white is 21, a colour on itself 1.
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio({170, 51, 0}, {170, 51, 0}), 1.0);
    // In colour every body has a colour of its own.
    const ChartPalette on = PaletteFor(true);
    for (std::size_t a = 0; a < on.bodies.size(); ++a)
        for (std::size_t b = a + 1; b < on.bodies.size(); ++b)
            EXPECT_FALSE(on.bodies[a].r == on.bodies[b].r && on.bodies[a].g == on.bodies[b].g &&
                         on.bodies[a].b == on.bodies[b].b)
                << a << " " << b;
}

}  // namespace
}  // namespace velakor
