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

}  // namespace velakor
