#include "chart/ChartLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velakor {

const std::array<TwipsPlace, 12> kNorthSignPlaces{{
    {2730, 2500, 0}, {1340, 1120, 0}, {1080, 1320, 0}, {2400, 2720, 0}, {1080, 4080, 0}, {1360, 4240, 0},
    {2730, 2900, 0}, {4125, 4240, 0}, {4280, 4080, 0}, {2900, 2720, 0}, {4240, 1320, 0}, {4020, 1120, 0},
}};

const std::array<TwipsPlace, 12> kNorthTextPlaces{{
    {2250, 720, 1095}, {915, 0, 840},     {75, 720, 750},    {915, 1800, 900},  {60, 3480, 945},   {1020, 4440, 930},
    {2445, 3240, 645}, {3780, 4440, 795}, {4620, 3480, 765}, {3675, 1800, 960}, {4545, 720, 1290}, {3555, 0, 1185},
}};

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// South: sign -> grid cell, Pisces at the top left and on clockwise.
constexpr std::array<GridCell, 12> kSouthCells{{
    {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0},
}};

Polygon Rect(double left, double top, double width, double height) {
    return {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}};
}

// One edge of a convex polygon as a half-plane: inside where dot(normal, p) <= offset.
struct HalfPlane {
    double nx, ny, offset;
};

std::vector<HalfPlane> HalfPlanes(const Polygon& polygon) {
    std::vector<HalfPlane> planes;
    const Point c = Centroid(polygon);
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        double nx = b.y - a.y, ny = a.x - b.x;
        const double length = std::hypot(nx, ny);
        if (length == 0.0) continue;
        nx /= length;
        ny /= length;
        // Outward: the middle lies on the inner side.
        if (nx * (c.x - a.x) + ny * (c.y - a.y) > 0) {
            nx = -nx;
            ny = -ny;
        }
        planes.push_back({nx, ny, nx * a.x + ny * a.y});
    }
    return planes;
}

struct Interval {
    double low, high;
};

// The stretches of x where a box spanning rows top..bottom fits the region (every corner at
// least `margin` inside) and keeps `margin` from every obstacle.
std::vector<Interval> FreeStretches(const std::vector<HalfPlane>& planes, const std::vector<Box>& obstacles,
                                    double top, double bottom, double margin) {
    double low = -kInfinity, high = kInfinity;
    for (const HalfPlane& p : planes) {
        const double rest = p.offset - margin - p.ny * (p.ny > 0 ? bottom : top);
        if (std::fabs(p.nx) < 1e-12) {
            if (rest < 0) return {};
        } else if (p.nx > 0) {
            high = std::min(high, rest / p.nx);
        } else {
            low = std::max(low, rest / p.nx);
        }
    }
    if (!(low < high)) return {};
    std::vector<Interval> free{{low, high}};
    for (const Box& o : obstacles) {
        if (o.top - margin >= bottom || o.bottom() + margin <= top) continue;
        const double cutLow = o.left - margin, cutHigh = o.right() + margin;
        std::vector<Interval> next;
        for (const Interval& s : free) {
            if (cutHigh <= s.low || cutLow >= s.high) {
                next.push_back(s);
                continue;
            }
            if (cutLow > s.low) next.push_back({s.low, cutLow});
            if (cutHigh < s.high) next.push_back({cutHigh, s.high});
        }
        free = std::move(next);
    }
    return free;
}

struct Arrangement {
    std::vector<PlacedEntry> entries;
    double cost = kInfinity;
};

// Lays the entries out in rows from `top` down; each row as near the preferred x as its
// room allows. Several entries share a row only when `several` is set.
Arrangement Arrange(const HouseTextRequest& r, const std::vector<HalfPlane>& planes,
                    const std::vector<double>& widths, double lineHeight, double gap, bool several, double top,
                    double floor) {
    Arrangement a;
    double worstShift = 0.0;
    double y = top;
    std::size_t i = 0;
    while (i < widths.size()) {
        if (y + lineHeight > floor) return {};
        const std::vector<Interval> free = FreeStretches(planes, r.obstacles, y, y + lineHeight, r.margin);
        double widest = 0.0;
        for (const Interval& s : free) widest = std::max(widest, s.high - s.low);
        std::size_t end = i + 1;
        double width = widths[i];
        if (width > widest) return {};
        const bool alone = i == 0 && r.entries[0] == r.ascendant;
        while (several && !alone && end < widths.size() && width + gap + widths[end] <= widest) {
            width += gap + widths[end];
            ++end;
        }
        // The stretch that lets the row's middle come nearest the preferred x.
        double best = kInfinity, middle = 0.0;
        for (const Interval& s : free) {
            if (s.high - s.low < width) continue;
            const double m = std::clamp(r.preferred.x, s.low + width / 2, s.high - width / 2);
            if (std::fabs(m - r.preferred.x) < best) {
                best = std::fabs(m - r.preferred.x);
                middle = m;
            }
        }
        worstShift = std::max(worstShift, best);
        double x = middle - width / 2;
        for (std::size_t k = i; k < end; ++k) {
            a.entries.push_back({k, Box{x, y, widths[k], lineHeight}});
            x += widths[k] + gap;
        }
        i = end;
        y += lineHeight;
    }
    const double blockTop = top, blockHeight = y - top;
    const double anchorY = r.anchor == Anchor::Top ? blockTop : blockTop + blockHeight / 2;
    a.cost = std::fabs(anchorY - r.preferred.y) + worstShift;
    return a;
}

}  // namespace

Point Centroid(const Polygon& polygon) {
    // The centre of the area (the corners' mean would lean towards short edges).
    double area = 0.0, cx = 0.0, cy = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        const double cross = a.x * b.y - b.x * a.y;
        area += cross;
        cx += (a.x + b.x) * cross;
        cy += (a.y + b.y) * cross;
    }
    if (std::fabs(area) < 1e-12) {
        Point mean;
        for (const Point& p : polygon) {
            mean.x += p.x / static_cast<double>(polygon.size());
            mean.y += p.y / static_cast<double>(polygon.size());
        }
        return mean;
    }
    return {cx / (3.0 * area), cy / (3.0 * area)};
}

bool Contains(const Polygon& polygon, Point p, double margin) {
    for (const HalfPlane& h : HalfPlanes(polygon)) {
        if (h.nx * p.x + h.ny * p.y > h.offset - margin + 1e-9) return false;
    }
    return !polygon.empty();
}

bool BoxInside(const Box& box, const Polygon& polygon, double margin) {
    for (const Point corner : {Point{box.left, box.top}, Point{box.right(), box.top}, Point{box.right(), box.bottom()},
                               Point{box.left, box.bottom()}}) {
        if (!Contains(polygon, corner, margin)) return false;
    }
    return true;
}

bool BoxesOverlap(const Box& a, const Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

namespace {

// The part of the polygon where dot(u, p) >= limit.
Polygon KeepBeyond(const Polygon& polygon, double ux, double uy, double limit) {
    Polygon out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        const double da = ux * a.x + uy * a.y - limit;
        const double db = ux * b.x + uy * b.y - limit;
        if (da >= 0) out.push_back(a);
        if ((da >= 0) != (db >= 0)) {
            const double t = da / (da - db);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return out.size() >= 3 ? out : polygon;
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

}  // namespace

Polygon CutByLine(const Polygon& polygon, Point a, Point b) {
    double ux = b.y - a.y, uy = a.x - b.x;
    const Point middle = Centroid(polygon);
    if (ux * (middle.x - a.x) + uy * (middle.y - a.y) < 0) {
        ux = -ux;
        uy = -uy;
    }
    return KeepBeyond(polygon, ux, uy, ux * a.x + uy * a.y);
}

ChartPalette PaletteFor(bool colour) {
    if (!colour) {
        const Rgb black{0, 0, 0};
        return {{255, 176, 64}, {255, 140, 0}, {255, 176, 64}, {96, 32, 0}, black,
                {black, black, black, black, black, black, black, black, black}};
    }
    return {{255, 251, 240},
            {255, 244, 222},
            {255, 224, 160},
            {120, 60, 20},
            {0, 0, 0},
            {{
                {170, 51, 0},    // Sun: orange-red
                {62, 84, 110},   // Moon: blue-grey
                {20, 110, 40},   // Mercury: green
                {160, 20, 120},  // Venus: magenta
                {180, 0, 0},     // Mars: red
                {130, 85, 0},    // Jupiter: gold-brown
                {25, 35, 130},   // Saturn: dark blue
                {80, 80, 80},    // Rahu: grey
                {90, 90, 90},    // Ketu: grey
            }}};
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Polygon CutAway(const Polygon& polygon, const Box& obstacle) {
    const Point middle = Centroid(polygon);
    const Point centre{obstacle.left + obstacle.width / 2, obstacle.top + obstacle.height / 2};
    double ux = middle.x - centre.x, uy = middle.y - centre.y;
    const double length = std::hypot(ux, uy);
    if (length == 0.0) return polygon;
    ux /= length;
    uy /= length;
    // Keep the points at least as far along u as the obstacle's farthest corner.
    double limit = -kInfinity;
    for (const Point corner : {Point{obstacle.left, obstacle.top}, Point{obstacle.right(), obstacle.top},
                               Point{obstacle.right(), obstacle.bottom()}, Point{obstacle.left, obstacle.bottom()}}) {
        limit = std::max(limit, ux * corner.x + uy * corner.y);
    }
    return KeepBeyond(polygon, ux, uy, limit);
}

std::array<Polygon, 12> ChartCells(ChartStyle style, double w, double h) {
    std::array<Polygon, 12> cells;
    switch (style) {
        case ChartStyle::North: {
            const Point tl{0, 0}, tr{w, 0}, br{w, h}, bl{0, h};
            const Point top{w / 2, 0}, right{w, h / 2}, bottom{w / 2, h}, left{0, h / 2}, c{w / 2, h / 2};
            const Point q1{w / 4, h / 4}, q2{3 * w / 4, h / 4}, q3{3 * w / 4, 3 * h / 4}, q4{w / 4, 3 * h / 4};
            cells = {{{top, q2, c, q1},
                      {tl, top, q1},
                      {tl, q1, left},
                      {left, q1, c, q4},
                      {left, q4, bl},
                      {bl, q4, bottom},
                      {bottom, q4, c, q3},
                      {bottom, q3, br},
                      {br, q3, right},
                      {right, q3, c, q2},
                      {right, q2, tr},
                      {tr, q2, top}}};
            break;
        }
        case ChartStyle::South: {
            const double cw = w / 4, ch = h / 4;
            for (int s = 0; s < 12; ++s) {
                const GridCell g = kSouthCells[static_cast<std::size_t>(s)];
                cells[static_cast<std::size_t>(s)] = Rect(g.column * cw, g.row * ch, cw, ch);
            }
            break;
        }
        case ChartStyle::East: {
            const double cw = w / 3, ch = h / 3;
            // Aries at the top middle and on counter-clockwise; each corner cell is cut by the
            // diagonal from the chart's corner to the centre cell's corner.
            cells = {{Rect(cw, 0, cw, ch),
                      {{0, 0}, {cw, 0}, {cw, ch}},
                      {{0, 0}, {cw, ch}, {0, ch}},
                      Rect(0, ch, cw, ch),
                      {{0, 2 * ch}, {cw, 2 * ch}, {0, h}},
                      {{cw, 2 * ch}, {cw, h}, {0, h}},
                      Rect(cw, 2 * ch, cw, ch),
                      {{2 * cw, 2 * ch}, {w, h}, {2 * cw, h}},
                      {{2 * cw, 2 * ch}, {w, 2 * ch}, {w, h}},
                      Rect(2 * cw, ch, cw, ch),
                      {{w, 0}, {w, ch}, {2 * cw, ch}},
                      {{2 * cw, 0}, {w, 0}, {2 * cw, ch}}}};
            break;
        }
    }
    return cells;
}

std::vector<Segment> ChartGridLines(ChartStyle style, double w, double h) {
    switch (style) {
        case ChartStyle::North: {
            const Point top{w / 2, 0}, right{w, h / 2}, bottom{w / 2, h}, left{0, h / 2};
            return {{{0, 0}, {w, h}}, {{w, 0}, {0, h}}, {top, right}, {right, bottom}, {bottom, left}, {left, top}};
        }
        case ChartStyle::South: {
            const double cw = w / 4, ch = h / 4;
            return {{{cw, 0}, {cw, h}},         {{3 * cw, 0}, {3 * cw, h}},         {{0, ch}, {w, ch}},
                    {{0, 3 * ch}, {w, 3 * ch}}, {{2 * cw, 0}, {2 * cw, ch}},        {{2 * cw, 3 * ch}, {2 * cw, h}},
                    {{0, 2 * ch}, {cw, 2 * ch}}, {{3 * cw, 2 * ch}, {w, 2 * ch}}};
        }
        case ChartStyle::East: {
            const double cw = w / 3, ch = h / 3;
            return {{{cw, 0}, {cw, h}},          {{2 * cw, 0}, {2 * cw, h}},    {{0, ch}, {w, ch}},
                    {{0, 2 * ch}, {w, 2 * ch}},  {{0, 0}, {cw, ch}},            {{w, 0}, {2 * cw, ch}},
                    {{0, h}, {cw, 2 * ch}},      {{w, h}, {2 * cw, 2 * ch}}};
        }
    }
    return {};
}

int CellOfHouse(ChartStyle style, int house, int sign) {
    if (style == ChartStyle::North) return house;
    return ((sign - 1) % 12 + 12) % 12;
}

GridCell SouthGridCell(int sign) { return kSouthCells[static_cast<std::size_t>(((sign % 12) + 12) % 12)]; }

Segment AscendantStroke(ChartStyle style, int cell, double w, double h) {
    if (style == ChartStyle::North) return {};
    const Polygon shape = ChartCells(style, w, h)[static_cast<std::size_t>(((cell % 12) + 12) % 12)];
    // Across the first square corner: a rectangle's top left, a triangle's right angle.
    const std::size_t n = shape.size();
    std::size_t corner = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point p = shape[(i + n - 1) % n], c = shape[i], q = shape[(i + 1) % n];
        if (std::fabs((p.x - c.x) * (q.x - c.x) + (p.y - c.y) * (q.y - c.y)) < 1e-9) {
            corner = i;
            break;
        }
    }
    const Point c = shape[corner], p = shape[(corner + n - 1) % n], q = shape[(corner + 1) % n];
    const double reach = 0.25 * std::min(style == ChartStyle::South ? w / 4 : w / 3, style == ChartStyle::South ? h / 4 : h / 3);
    auto along = [&](Point to) {
        const double length = std::hypot(to.x - c.x, to.y - c.y);
        return Point{c.x + (to.x - c.x) * reach / length, c.y + (to.y - c.y) * reach / length};
    };
    return {along(q), along(p)};
}

Box ChartMiddle(ChartStyle style, double w, double h) {
    switch (style) {
        case ChartStyle::North: return {};
        case ChartStyle::South: return {w / 4, h / 4, w / 2, h / 2};
        case ChartStyle::East: return {w / 3, h / 3, w / 3, h / 3};
    }
    return {};
}

HouseTextLayout FitHouseText(const HouseTextRequest& r, const TextMeasure& measure) {
    HouseTextLayout layout;
    if (r.entries.empty() || r.region.size() < 3) return layout;
    const std::vector<HalfPlane> planes = HalfPlanes(r.region);
    double ceiling = kInfinity, floor = -kInfinity;
    for (const Point& p : r.region) {
        ceiling = std::min(ceiling, p.y);
        floor = std::max(floor, p.y);
    }

    constexpr double kStep = 0.5;
    std::vector<double> widths(r.entries.size());
    for (int size = r.largestSize; size >= std::min(r.lastResortSize, r.smallestSize); --size) {
        for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = measure.width(r.entries[i], size);
        const double lineHeight = measure.lineHeight(size);
        const double gap = lineHeight * 0.6;
        for (const bool several : {false, true}) {
            if (several && r.entries.size() == 1) continue;
            Arrangement best;
            for (double top = ceiling + r.margin; top + lineHeight <= floor - r.margin; top += kStep) {
                Arrangement a = Arrange(r, planes, widths, lineHeight, gap, several, top, floor - r.margin);
                if (a.cost < best.cost) best = std::move(a);
                if (best.cost == 0.0) break;
            }
            if (best.cost < kInfinity) {
                layout.size = size;
                layout.entries = std::move(best.entries);
                return layout;
            }
        }
    }

    // No room even at the last resort: one entry a line from the preferred point; the
    // caller clips the drawing to the house.
    const int size = std::min(r.lastResortSize, r.smallestSize);
    const double lineHeight = measure.lineHeight(size);
    layout.size = size;
    layout.fits = false;
    for (std::size_t i = 0; i < r.entries.size(); ++i) {
        const double width = measure.width(r.entries[i], size);
        layout.entries.push_back(
            {i, Box{r.preferred.x - width / 2, r.preferred.y + static_cast<double>(i) * lineHeight, width, lineHeight}});
    }
    return layout;
}

std::vector<std::string> HouseEntries(std::string_view caption) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= caption.size()) {
        std::size_t end = caption.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = caption.size();
        std::string_view line = caption.substr(start, end - start);
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        if (!line.empty()) entries.emplace_back(line);
        start = end + 1;
    }
    return entries;
}

}  // namespace velakor
