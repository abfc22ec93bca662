// What every view of the chart window is made of: a white page the size of the natal
// display, and lines of plain text placed on it.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
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

}  // namespace velakor
