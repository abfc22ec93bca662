// The chart sheet: one page to hand over, with the birth details, the Rashi and Navamsa
// charts side by side, the planet table, the birth panchanga and the dasha balance.
#pragma once

#include <QRectF>
#include <QString>

#include "app/Program.h"
#include "app/Readings.h"
#include "chart/ChartLayout.h"

class QPainter;
class QPrinter;
class QWidget;

namespace velakor {

// Draws the sheet with lines and text into a page of pageSize points (the painter maps
// points to its device), the charts in the style and colour given.
void PaintChartSheet(QPainter& painter, QSizeF pageSize, const Program& p, const Readings& r, ChartStyle style, bool colour,
                     const QString& printedOn);

// Print Chart Sheet: the print dialog (a PDF file, pdfName at first, where there are no
// printers), then the sheet on one page of the printer's paper. True when printed.
bool PrintChartSheet(QWidget* parent, const Program& p, const Readings& r, ChartStyle style, bool colour, QPrinter& printer,
                     const QString& pdfName = QString());

// Export Chart Sheet as PDF: asks for a PDF file name and writes the sheet on one A4 page.
bool ExportChartSheetAsPdf(QWidget* parent, const Program& p, const Readings& r, ChartStyle style, bool colour);

// Writes the sheet to the printer as it stands (the dialogs have been answered).
bool WriteChartSheet(QWidget* parent, const Program& p, const Readings& r, ChartStyle style, bool colour, QPrinter& printer);

}  // namespace velakor
