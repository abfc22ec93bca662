// What the transit and Saturn views are made of besides every view's parts: their margin,
// their heading (the title, and whose chart on the same line), their tables and rows, and
// times on the birth's clock.
#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QTableWidget;
class QWidget;

namespace velakor {

// The pages' margin on either side.
constexpr int kTransitMargin = 12;

// Places the inherited heading's labels for these views: the title, and on the same line at
// the right, whose chart it is; each named prefix with "Title" or "Who".
void PlaceTransitHeading(QLabel* title, QLabel* who, const QString& prefix, const QString& text);

// A read-only table under headers, its last column stretched, where nothing takes the focus
// or a selection.
QTableWidget* MakeTransitTable(QWidget* parent, const QString& name, const QStringList& headers);

// Fills a row of such a table, its first cell bold; the running row all bold and shaded as
// the dasha's is.
void SetTransitRow(QTableWidget* table, int row, const QStringList& cells, bool running);

// "2026-12-07 12:00", on the birth's clock.
QString BirthClockText(double jd, int offset);

}  // namespace velakor
