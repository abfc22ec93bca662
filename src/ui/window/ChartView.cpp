#include "ui/window/ChartView.h"

#include <QWidget>

#include "ui/drawing/ViewPainter.h"

namespace velakor {

QPixmap ChartView::Picture() {
    // Rendered from the page itself: whatever covers the window on screen never gets in.
    return page()->grab();
}

void ChartView::PaintPrintedPage(QPainter& painter, int) { PaintViewAsVectors(painter, *page()); }

}  // namespace velakor
