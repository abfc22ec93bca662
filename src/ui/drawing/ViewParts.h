// What every view of the chart window is made of: a white page the size of the natal
// display, lines of plain text placed on it, and rows and tables drawn for the printer.
#pragma once

#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QLabel;
class QPainter;
class QTableWidget;
class QWidget;

namespace velakor {

// A white page of the natal display's size, in the program's font.
void MakeViewPage(QWidget* w);

// A line of plain text at a place on a view, in Verdana of `points`.
QLabel* ViewLine(QWidget* parent, const QString& name, QRect where, double points, bool bold);

// Sets a label's text in at most `lines` lines of its width (a label of more than one line
// wraps), the last cut with an ellipsis where the text needs more (a long name or place), the
// whole text in its tooltip: the page, its picture and its print show that something was
// left out rather than losing it unseen at the edge.
void SetLineText(QLabel* label, const QString& text, int lines = 1);

// Draws a label of a view where it stands, for the printer: its text in its font (in screen
// pixels), colour, alignment and wrapping; nothing for a hidden or empty label.
void PaintViewLine(QPainter& painter, const QLabel* label);

// Rows drawn for the printer: a bold header line, a rule, then one line per row with its
// cells at the columns' fixed places. A row's flags: the low two bits indent its first cell
// (16 pixels a step); 4 marks the running row, shaded and bold.
void PaintRows(QPainter& painter, QRectF room, const std::vector<std::pair<QStringList, int>>& rows,
               const std::vector<double>& columns, double rowHeight, const QStringList& headers);

// A table's header and rows as they stand, drawn as PaintRows draws rows; the running row
// (-1: none) marked as the dasha's is. A printed page of a long table takes count rows (-1:
// all) from first.
void PaintTableRows(QPainter& painter, const QTableWidget& table, QRectF room, const std::vector<double>& columns,
                    double rowHeight, int runningRow = -1, int first = 0, int count = -1);

// A table of fixed rows drawn as it stands on screen, at its place: the header shaded, the
// cells with their shading and weight, the grid; the header and every row rowHeight high,
// the columns as wide as on screen.
void PaintTableGrid(QPainter& painter, const QTableWidget* table, int rowHeight);

}  // namespace velakor
