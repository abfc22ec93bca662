// Draws a view of the chart window (the chart display or a divisional chart) with lines and
// text only, for the printer: a page then holds real text at the printer's resolution,
// where QWidget::render would hand the printer pictures of the widgets.
#pragma once

class QPainter;
class QWidget;

namespace velakor {

// Paints the view and its visible labels, frames and charts in the view's own coordinates,
// fonts in pixels of a 96 dots-per-inch screen; the painter's transform sizes the page.
void PaintViewAsVectors(QPainter& painter, const QWidget& view);

}  // namespace velakor
