// The geometry of the three chart styles and the fitting of a house's text into its house.
// Everything is in the units of the chart's width and height (the chart window uses pixels),
// with y growing downwards; text sizes are whole numbers that the caller's measure knows.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velakor {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Box {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Corners in order (either turning direction); every polygon here is convex.
using Polygon = std::vector<Point>;

struct Segment {
    Point from;
    Point to;
};

enum class ChartStyle { North, South, East };

// The twelve cells of a chart w wide and h high, each a convex polygon.
// North: cell i is house i + 1, the top diamond first, then counter-clockwise.
// South and East: cell i is sign i (0 = Aries); the signs keep their cells in every chart.
std::array<Polygon, 12> ChartCells(ChartStyle style, double w, double h);

// The lines that draw the chart's grid: cells' edges, each drawn once (the outer square
// not included).
std::vector<Segment> ChartGridLines(ChartStyle style, double w, double h);

// The cell in which house `house` (0..11) is drawn when it holds sign `sign` (1..12).
int CellOfHouse(ChartStyle style, int house, int sign);

// South: the column and row (0..3 each, from the top left) of sign s (0 = Aries).
struct GridCell {
    int column;
    int row;
};
GridCell SouthGridCell(int sign);

// The stroke that marks the ascendant's cell across one of its corners (South and East).
Segment AscendantStroke(ChartStyle style, int cell, double w, double h);

// The middle of the chart that holds no house (South: the 2 x 2 block; East: the centre
// cell), where the chart's name goes. North has none: an empty box.
Box ChartMiddle(ChartStyle style, double w, double h);

// North: where the sign number of house h (0..11) and the text of the house were laid out
// in the chart display, in twips from the chart's top left corner (15 twips are a pixel).
struct TwipsPlace {
    int left;
    int top;
    int width;  // 0 for sign numbers: they take the width of their text
};
extern const std::array<TwipsPlace, 12> kNorthSignPlaces;
extern const std::array<TwipsPlace, 12> kNorthTextPlaces;

// Geometry helpers.
Point Centroid(const Polygon& polygon);
bool Contains(const Polygon& polygon, Point p, double margin = 0.0);
// Whether every corner of the box lies inside the polygon, at least `margin` from its edges.
bool BoxInside(const Box& box, const Polygon& polygon, double margin = 0.0);
bool BoxesOverlap(const Box& a, const Box& b);
// The part of the polygon on the far side of the obstacle, seen from the polygon's middle:
// cut by the line across the direction from the obstacle to the middle that just clears it.
Polygon CutAway(const Polygon& polygon, const Box& obstacle);
// The part of the polygon on its middle's side of the line through a and b.
Polygon CutByLine(const Polygon& polygon, Point a, Point b);

// Colours of a chart, as red, green, blue.
struct Rgb {
    int r, g, b;
};

struct ChartPalette {
    Rgb ground;      // the chart's fill, shaded from ground to groundEnd
    Rgb groundEnd;
    Rgb lagna;       // the fill of the ascendant's house
    Rgb lines;
    Rgb text;        // sign numbers, "Asc", the chart's name
    std::array<Rgb, 9> bodies;  // Sun .. Ketu
};

// The colour style: off, the chart in black on its orange ground; on, each body in a colour
// of its own on a light ground, the ascendant's house tinted.
ChartPalette PaletteFor(bool colour);

// Contrast of two colours as the web's accessibility rules define it: 1 (none) to 21.
double ContrastRatio(Rgb a, Rgb b);

// What the fitting needs to know of the text's font.
struct TextMeasure {
    std::function<double(std::string_view text, int size)> width;  // advance of one line
    std::function<double(int size)> lineHeight;
};

enum class Anchor {
    Top,     // the preferred point is the middle of the first line's top edge
    Middle,  // the preferred point is the middle of the whole block
};

struct HouseTextRequest {
    Polygon region;              // convex: where the text may go
    std::vector<Box> obstacles;  // what the text must keep clear of (sign numbers)
    Point preferred;             // where the text sits when it has room
    Anchor anchor = Anchor::Top;
    std::vector<std::string> entries;  // one per body; "Asc" first where it is
    std::string_view ascendant = "Asc";  // the ascendant's entry as named in the entries
    double margin = 3.0;               // the least room between text and lines or obstacles
    int largestSize = 11;              // the size of a house with room to spare
    int smallestSize = 8;              // the smallest size still read with ease
    int lastResortSize = 5;            // below the readable sizes, before giving up
};

struct PlacedEntry {
    std::size_t entry;  // index into the request's entries
    Box box;            // advance width by line height
};

struct HouseTextLayout {
    int size = 0;
    std::vector<PlacedEntry> entries;
    bool fits = true;  // false only when not even the last resort size had room
};

// Places the entries inside the region, clear of the obstacles, as near to the preferred
// point as there is room: one entry a line at the largest size where that fits; else
// several entries a line (reading order, "Asc" alone on its line); else the same a size
// smaller, down to the smallest size and then to the last resort.
HouseTextLayout FitHouseText(const HouseTextRequest& request, const TextMeasure& measure);

// The entries of a house caption: its lines without empty ones, trailing blanks dropped
// (the retrograde mark " (R) " ends in one).
std::vector<std::string> HouseEntries(std::string_view caption);

}  // namespace velakor
