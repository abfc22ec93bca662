#include "ui/drawing/ChartCanvas.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

#include "ui/drawing/Fonts.h"
#include "ui/settings/InterfaceLanguage.h"

namespace velakor {
namespace {

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QFont TextFont(int pixelSize, bool bold = false) {
    QFont font = VerdanaFont(8.25, bold);
    font.setPixelSize(pixelSize);
    return font;
}

QPolygonF ToPolygon(const Polygon& polygon, Point offset) {
    QPolygonF out;
    for (const Point& p : polygon) out << QPointF(p.x + offset.x, p.y + offset.y);
    return out;
}

Polygon Shifted(const Polygon& polygon, Point offset) {
    Polygon out;
    for (const Point& p : polygon) out.push_back({p.x + offset.x, p.y + offset.y});
    return out;
}

// The colour of a house entry: transiting bodies in their own, the grahas in the palette's,
// the rest (the ascendant, entries that show no body) in the text's.
QColor ColourOf(const HouseLines& bodies, std::size_t entry, const ChartPalette& palette) {
    if (entry >= bodies.size()) return ToColor(palette.text);
    const HouseLine& line = bodies[entry];
    if (line.Transit) return kTransitColour;
    const std::size_t graha = Index(line.Which);
    return graha < palette.bodies.size() ? ToColor(palette.bodies[graha]) : ToColor(palette.text);
}

// Measures with the house texts' font; each size's metrics are made once per fitting.
class HouseTextMeasure {
public:
    TextMeasure measure() {
        return {[this](std::string_view text, int size) {
                    return metrics(size).horizontalAdvance(
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
                },
                [this](int size) { return metrics(size).height(); }};
    }

private:
    const QFontMetricsF& metrics(int size) {
        auto& slot = cache_.at(static_cast<std::size_t>(std::clamp(size, 1, 31)));
        if (!slot) slot.emplace(TextFont(size));
        return *slot;
    }
    std::array<std::optional<QFontMetricsF>, 32> cache_;
};

}  // namespace

ChartCanvas::ChartCanvas(QWidget* parent) : QWidget(parent) {}

ChartCanvas::~ChartCanvas() = default;

void ChartCanvas::Forget() const {
    for (auto& layout : layouts_) layout.reset();
}

void ChartCanvas::SetStyle(ChartStyle style) {
    if (style == style_) return;
    style_ = style;
    Forget();
    update();
}

void ChartCanvas::SetColour(bool on) {
    if (on == colour_) return;
    colour_ = on;
    update();
}

void ChartCanvas::SetHouse(int h, int sign, const QString& caption, HouseLines bodies) {
    const auto i = static_cast<std::size_t>(h);
    if (bodies_.at(i) != bodies) {
        bodies_[i] = std::move(bodies);
        update();
    }
    if (signs_.at(i) == sign && captions_.at(i) == caption) return;
    // The ascendant's sign decides which cell of the South and East charts is marked.
    if (signs_[i] != sign) {
        Forget();
    } else {
        layouts_[i].reset();
    }
    signs_[i] = sign;
    captions_[i] = caption;
    update();
}

void ChartCanvas::SetName(const QString& name) {
    if (name == name_) return;
    name_ = name;
    update();
}

double ChartCanvas::ChartWidth() const { return width() - 1.0; }
double ChartCanvas::ChartHeight() const { return height() - 1.0; }
// The square's edges fall on the middle of pixels, so that a line one pixel wide is sharp.
Point ChartCanvas::Offset() const { return {0.5, 0.5}; }

QPolygonF ChartCanvas::CellShape(int cell) const {
    return ToPolygon(ChartCells(style_, ChartWidth(), ChartHeight()).at(static_cast<std::size_t>(cell)), Offset());
}

int ChartCanvas::CellOfHouse(int h) const {
    return velakor::CellOfHouse(style_, h, signs_.at(static_cast<std::size_t>(h)));
}

QRectF ChartCanvas::SignBox(int h) const {
    const TwipsPlace place = kNorthSignPlaces.at(static_cast<std::size_t>(h));
    const QFontMetricsF metrics(TextFont(kTextSize, true));
    return {double(TwipsToPixels(place.left)), double(TwipsToPixels(place.top)),
            metrics.horizontalAdvance(QStringLiteral("12")), metrics.height()};
}

QRectF ChartCanvas::MiddleBox() const {
    const Box b = ChartMiddle(style_, ChartWidth(), ChartHeight());
    return {b.left + Offset().x, b.top + Offset().y, b.width, b.height};
}

std::vector<std::string> ChartCanvas::HouseEntriesOf(int h) const {
    const auto i = static_cast<std::size_t>(h);
    std::vector<std::string> entries = HouseEntries(captions_.at(i).toStdString());
    const Language lang = InterfaceLanguage();
    if (lang == Language::English) return entries;
    // An entry that shows a body of the chart under the chart's own name ("Shani (R) ",
    // "Asc") shows it under the language's; any other entry stays as it is.
    const HouseLines& bodies = bodies_.at(i);
    for (std::size_t k = 0; k < entries.size() && k < bodies.size(); ++k) {
        if (bodies[k].Transit) continue;
        const Body b = bodies[k].Which;
        const std::string_view own = b == Body::Ascendant ? std::string_view("Asc") : SanskritName(b);
        if (entries[k].starts_with(own)) entries[k] = std::string(Name(b, lang)) + entries[k].substr(own.size());
    }
    return entries;
}

const HouseTextLayout& ChartCanvas::HouseLayout(int h) const {
    auto& slot = layouts_.at(static_cast<std::size_t>(h));
    if (slot) return *slot;

    HouseTextRequest request;
    request.entries = HouseEntriesOf(h);
    const Language lang = InterfaceLanguage();
    if (lang != Language::English && !bodies_.at(static_cast<std::size_t>(h)).empty())
        request.ascendant = Name(Body::Ascendant, lang);
    request.largestSize = kTextSize;
    request.smallestSize = kSmallestTextSize;
    const int cell = CellOfHouse(h);
    const Polygon shape = Shifted(ChartCells(style_, ChartWidth(), ChartHeight())[static_cast<std::size_t>(cell)], Offset());
    if (style_ == ChartStyle::North) {
        for (int other = 0; other < kHouseCount; ++other) {
            const QRectF r = SignBox(other);
            request.obstacles.push_back({r.left(), r.top(), r.width(), r.height()});
        }
        // Away from its own sign number, which sits in the house's inner corner.
        request.region = CutAway(shape, request.obstacles[static_cast<std::size_t>(h)]);
        const TwipsPlace place = kNorthTextPlaces.at(static_cast<std::size_t>(h));
        request.preferred = {TwipsToPixels(place.left) + TwipsToPixels(place.width) / 2.0,
                             double(TwipsToPixels(place.top))};
        request.anchor = Anchor::Top;
    } else {
        request.region = shape;
        if (cell == CellOfHouse(0)) {
            const Segment stroke = AscendantStroke(style_, cell, ChartWidth(), ChartHeight());
            request.region = CutByLine(shape, {stroke.from.x + Offset().x, stroke.from.y + Offset().y},
                                       {stroke.to.x + Offset().x, stroke.to.y + Offset().y});
        }
        request.preferred = Centroid(request.region);
        request.anchor = Anchor::Middle;
    }
    HouseTextMeasure metrics;
    slot = FitHouseText(request, metrics.measure());
    return *slot;
}

void ChartCanvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Forget();
        update();
    }
    QWidget::changeEvent(event);
}

void ChartCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void ChartCanvas::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const ChartPalette palette = PaletteFor(colour_);
    const double w = ChartWidth(), hgt = ChartHeight();
    const QPointF offset(Offset().x, Offset().y);

    painter.fillRect(rect(), Qt::white);
    const QRectF square(offset, QSizeF(w, hgt));
    QLinearGradient shade(square.topLeft(), square.bottomRight());
    shade.setColorAt(0.0, ToColor(palette.ground));
    shade.setColorAt(1.0, ToColor(palette.groundEnd));
    painter.fillRect(square, shade);

    const bool ascendantKnown = signs_[0] > 0;
    if (colour_ && ascendantKnown) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToColor(palette.lagna));
        painter.drawPolygon(CellShape(CellOfHouse(0)));
    }

    const QColor lines = ToColor(palette.lines);
    painter.setPen(QPen(lines, 1.0));
    painter.setBrush(Qt::NoBrush);
    for (const Segment& s : ChartGridLines(style_, w, hgt))
        painter.drawLine(QPointF(s.from.x, s.from.y) + offset, QPointF(s.to.x, s.to.y) + offset);
    painter.drawRect(square);
    if (style_ != ChartStyle::North && ascendantKnown) {
        const Segment s = AscendantStroke(style_, CellOfHouse(0), w, hgt);
        painter.setPen(QPen(lines, 1.5));
        painter.drawLine(QPointF(s.from.x, s.from.y) + offset, QPointF(s.to.x, s.to.y) + offset);
    }
    // A second, inner rule along the outer edge frames the chart.
    painter.setPen(QPen(lines, 2.0));
    painter.drawRect(square.adjusted(0.5, 0.5, -0.5, -0.5));

    const QColor text = ToColor(palette.text);
    if (style_ == ChartStyle::North) {
        painter.setFont(TextFont(kTextSize, true));
        painter.setPen(text);
        const double ascent = QFontMetricsF(painter.font()).ascent();
        for (int h = 0; h < kHouseCount; ++h) {
            const int sign = signs_[static_cast<std::size_t>(h)];
            if (sign <= 0) continue;
            painter.drawText(SignBox(h).topLeft() + QPointF(0, ascent), QString::number(sign));
        }
    } else if (!name_.isEmpty()) {
        painter.setFont(TextFont(kTextSize + 2, true));
        painter.setPen(text);
        painter.drawText(MiddleBox(), Qt::AlignCenter | Qt::TextWordWrap, name_);
    }

    for (int h = 0; h < kHouseCount; ++h) {
        const HouseTextLayout& layout = HouseLayout(h);
        if (layout.entries.empty()) continue;
        const std::vector<std::string> entries = HouseEntriesOf(h);
        painter.save();
        if (!layout.fits) {
            // Never over another house, whatever happens.
            QPainterPath clip;
            clip.addPolygon(CellShape(CellOfHouse(h)));
            painter.setClipPath(clip);
        }
        painter.setFont(TextFont(layout.size));
        const double ascent = QFontMetricsF(painter.font()).ascent();
        for (const PlacedEntry& placed : layout.entries) {
            painter.setPen(ColourOf(bodies_[static_cast<std::size_t>(h)], placed.entry, palette));
            painter.drawText(QPointF(placed.box.left, placed.box.top + ascent),
                             QString::fromStdString(entries[placed.entry]));
        }
        painter.restore();
    }
    painter.restore();
}

}  // namespace velakor
