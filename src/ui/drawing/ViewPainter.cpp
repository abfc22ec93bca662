#include "ui/drawing/ViewPainter.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <cmath>

#include "ui/drawing/ChartCanvas.h"
#include "ui/views/ReadingViews.h"

namespace velakor {
namespace {

// A point size means something else on a printer; the views are laid out in screen pixels.
QFont InPixels(QFont font) {
    if (font.pixelSize() <= 0) font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0)));
    return font;
}

void FillBackground(QPainter& painter, const QWidget& widget) {
    if (widget.autoFillBackground()) painter.fillRect(widget.rect(), widget.palette().color(widget.backgroundRole()));
}

void PaintLabel(QPainter& painter, const QLabel& label) {
    FillBackground(painter, label);
    const QColor ink = label.palette().color(QPalette::WindowText);
    if (label.frameShape() == QFrame::Box && label.frameWidth() > 0) {
        painter.setPen(QPen(ink, label.lineWidth()));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(label.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (label.text().isEmpty()) return;
    QRectF room = label.contentsRect();
    const int margin = label.margin();
    room.adjust(margin, margin, -margin, -margin);
    const Qt::Alignment align = label.alignment();
    // A label's indent is as wide as half an "x" when it is not set.
    const QFont font = InPixels(label.font());
    const double indent = label.indent() >= 0 ? label.indent() : QFontMetricsF(font).horizontalAdvance(QLatin1Char('x')) / 2;
    if (label.frameWidth() > 0 || label.indent() >= 0) {
        if (align & Qt::AlignLeft) room.adjust(indent, 0, 0, 0);
        if (align & Qt::AlignRight) room.adjust(0, 0, -indent, 0);
    }
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(room, static_cast<int>(align), label.text());
}

void PaintGroup(QPainter& painter, const QGroupBox& group) {
    FillBackground(painter, group);
    const QFont font = InPixels(group.font());
    const QFontMetricsF metrics(font);
    const double titleHeight = metrics.height();
    painter.setPen(QPen(group.palette().color(QPalette::Mid), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, titleHeight / 2 + 0.5, group.width() - 1.0, group.height() - titleHeight / 2 - 1.0));
    const QString title = QString(group.title()).remove(QLatin1Char('&'));
    const QRectF titleBox(6, 0, metrics.horizontalAdvance(title) + 6, titleHeight);
    painter.fillRect(titleBox, group.palette().color(group.backgroundRole()));
    painter.setFont(font);
    painter.setPen(group.palette().color(QPalette::WindowText));
    painter.drawText(titleBox.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
}

void PaintTree(QPainter& painter, const QWidget& widget, const QWidget& view) {
    painter.save();
    painter.translate(widget.mapTo(&view, QPoint()));
    if (const auto* reading = qobject_cast<const ReadingView*>(&widget)) {
        // It draws its lists itself; the widgets that show them on screen are not drawn.
        reading->Paint(painter);
        painter.restore();
        return;
    }
    if (const auto* chart = qobject_cast<const ChartCanvas*>(&widget)) {
        chart->Paint(painter);
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        PaintLabel(painter, *label);
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        PaintGroup(painter, *group);
    } else if (&widget == &view) {
        painter.fillRect(widget.rect(), widget.palette().color(widget.backgroundRole()));
    } else {
        FillBackground(painter, widget);
    }
    painter.restore();
    for (const QObject* child : widget.children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w && !w->isWindow() && w->isVisibleTo(&view)) PaintTree(painter, *w, view);
    }
}

}  // namespace

void PaintViewAsVectors(QPainter& painter, const QWidget& view) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintTree(painter, view, view);
    painter.restore();
}

}  // namespace velakor
