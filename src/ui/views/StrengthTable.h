// The tables of the strength views (the vargas and the ashtakavarga): fixed rows and columns
// at the natal chart's top, laid out so that the printer draws them where the screen shows
// them (PaintTableGrid).
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/views/frmDisplay.h"

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace velakor {

// The header and every row of a strength table are this high.
constexpr int kStrengthRowHeight = 24;
// Where the strength tables begin.
constexpr int kStrengthTableTop = frmDisplay::kChartTop;

// A table of fixed rows and columns at left on kStrengthTableTop, laid out so that the printer
// can draw it where the screen shows it: every row and the header kStrengthRowHeight high, the
// columns as wide as given.
QTableWidget* MakeStrengthTable(QWidget* parent, const QString& name, int left, const QStringList& headers,
                                const std::vector<int>& widths, int rows);

// Sets a cell of a strength table: the first column's text at the left, the others centred;
// bold, and shaded where background is a valid colour.
QTableWidgetItem* SetStrengthCell(QTableWidget* table, int row, int column, const QString& text, bool bold = false,
                                  const QColor& background = QColor());

}  // namespace velakor
