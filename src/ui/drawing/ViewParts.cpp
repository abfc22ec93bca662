#include "ui/drawing/ViewParts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QTableWidget>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "ui/views/DashaModel.h"
#include "ui/drawing/Fonts.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

const QColor kGrid(160, 160, 160);

// A point size means something else on a printer; the views are laid out in screen pixels.
QFont InPixels(QFont font) {
    if (font.pixelSize() <= 0) font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    return font;
}

}  // namespace

void MakeViewPage(QWidget* w) {
    QPalette white = w->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(white);
    w->setAutoFillBackground(true);
    w->setFixedSize(frmDisplay::kWidth, frmDisplay::kHeight);
    w->setFont(VerdanaFont(8.25));
}

QLabel* ViewLine(QWidget* parent, const QString& name, QRect where, double points, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(VerdanaFont(points, bold));
    label->setGeometry(where);
    return label;
}

void SetLineText(QLabel* label, const QString& text, int lines) {
    const QFontMetrics metrics(label->font());
    const int width = label->width() - 2;  // a little room for the label's own rounding
    QString shown = text;
    if (lines <= 1) {
        shown = metrics.elidedText(text, Qt::ElideRight, width);
    } else {
        QTextLayout layout(text, label->font());
        layout.beginLayout();
        int lastStart = -1;
        for (int n = 0;; ++n) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(width);
            if (n == lines - 1) lastStart = line.textStart();
            if (n == lines) {
                // More lines than there is room for: the last one takes the rest, cut.
                shown = text.left(lastStart) + metrics.elidedText(text.mid(lastStart), Qt::ElideRight, width);
                break;
            }
        }
        layout.endLayout();
    }
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void PaintViewLine(QPainter& painter, const QLabel* label) {
    if (label->isHidden() || label->text().isEmpty()) return;
    QFont font = label->font();
    // A point size means something else on a printer; the views are laid out in screen pixels.
    if (font.pixelSize() <= 0) font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0)));
    painter.setFont(font);
    painter.setPen(label->palette().color(QPalette::WindowText));
    painter.drawText(label->geometry(), static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                     label->text());
}

void PaintRows(QPainter& painter, QRectF room, const std::vector<std::pair<QStringList, int>>& rows,
               const std::vector<double>& columns, double rowHeight, const QStringList& headers) {
    QFont font = VerdanaFont(8.25);
    // Many rows (a long dasha opened) get smaller type rather than running into each other.
    font.setPixelSize(std::clamp(static_cast<int>(rowHeight * 0.85), 6, 11));
    QFont bold = font;
    bold.setBold(true);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    double y = room.top();
    for (int c = 0; c < headers.size(); ++c) {
        painter.drawText(QRectF(room.left() + columns[static_cast<std::size_t>(c)], y, 400, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, headers[c]);
    }
    y += rowHeight;
    painter.drawLine(QPointF(room.left(), y), QPointF(room.right(), y));
    for (const auto& [cells, flags] : rows) {
        const int indent = flags & 3;
        const bool running = (flags & 4) != 0;
        if (running) painter.fillRect(QRectF(room.left(), y, room.width(), rowHeight), kRunningColour);
        painter.setFont(running ? bold : font);
        for (int c = 0; c < cells.size(); ++c) {
            const double x = room.left() + columns[static_cast<std::size_t>(c)] + (c == 0 ? indent * 16 : 0);
            painter.drawText(QRectF(x, y, 400, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        }
        y += rowHeight;
    }
}

void PaintTableRows(QPainter& painter, const QTableWidget& table, QRectF room, const std::vector<double>& columns,
                    double rowHeight, int runningRow, int first, int rowCount) {
    const int count = std::min(table.columnCount(), static_cast<int>(columns.size()));
    QStringList headers;
    for (int c = 0; c < count; ++c) {
        const QTableWidgetItem* header = table.horizontalHeaderItem(c);
        headers << (header ? header->text() : QString());
    }
    std::vector<std::pair<QStringList, int>> rows;
    const int end = rowCount < 0 ? table.rowCount() : std::min(table.rowCount(), first + rowCount);
    for (int r = std::max(0, first); r < end; ++r) {
        QStringList cells;
        for (int c = 0; c < count; ++c) cells << (table.item(r, c) ? table.item(r, c)->text() : QString());
        rows.emplace_back(cells, r == runningRow ? 4 : 0);
    }
    PaintRows(painter, room, rows, columns, rowHeight, headers);
}

void PaintTableGrid(QPainter& painter, const QTableWidget* table, int rowHeight) {
    const QPoint origin = table->geometry().topLeft();
    const QFont plain = InPixels(table->font());
    QFont bold = plain;
    bold.setBold(true);
    std::vector<int> lefts{0};
    for (int c = 0; c < table->columnCount(); ++c) lefts.push_back(lefts.back() + table->columnWidth(c));
    const int width = lefts.back();
    const int height = rowHeight * (table->rowCount() + 1);
    painter.save();
    painter.translate(origin);
    painter.fillRect(QRect(0, 0, width, rowHeight), QColor(236, 236, 236));
    painter.setPen(Qt::black);
    painter.setFont(bold);
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* header = table->horizontalHeaderItem(c);
        painter.drawText(QRect(lefts[std::size_t(c)], 0, table->columnWidth(c), rowHeight), Qt::AlignCenter,
                         header ? header->text() : QString());
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const int top = rowHeight * (r + 1);
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            if (!item) continue;
            const QRect cell(lefts[std::size_t(c)], top, table->columnWidth(c), rowHeight);
            if (item->background().style() != Qt::NoBrush) painter.fillRect(cell, item->background());
            painter.setFont(item->font().bold() ? bold : plain);
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(4, 0, -4, 0), item->textAlignment(), item->text());
        }
    }
    painter.setPen(QPen(kGrid, 1.0));
    for (int r = 0; r <= table->rowCount() + 1; ++r) painter.drawLine(0, rowHeight * r, width, rowHeight * r);
    for (int x : lefts) painter.drawLine(x, 0, x, height);
    painter.restore();
}

}  // namespace velakor
