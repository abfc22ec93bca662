// A view of the chart window: one page of the natal display's size standing in the window's
// client area, with what it is called, what it reads, how it is filled, its picture and its
// printed pages. The window keeps one table of views (ViewTable) and asks each view through
// this interface alone: a new view is a new file in src/ui/views and one row in that table.
#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QWidget;

namespace velakor {

class ViewSources;

// What a view's contents are made from. When one of them changes, the window marks every
// view that reads it stale; a stale view is filled again the next time it is shown, and not
// before.
enum ViewInput : unsigned {
    kChartInput = 1u << 0,    // the birth, its chart and the sky it was computed in
    kStyleInput = 1u << 1,    // the chart style and colour
    kReadingInput = 1u << 2,  // the reading options (dasha system and year, sunrise rule, ashtakavarga table)
    kMomentInput = 1u << 3,   // the transit moment
    kPartnerInput = 1u << 4,  // the partner of a match
    kHoraryInput = 1u << 5,   // the horary question
};

class ChartView {
public:
    virtual ~ChartView() = default;

    // The page shown in the client area; its heading names the person and the sky.
    virtual QWidget* page() = 0;

    // What the page shows ("Vimshottari Dasha", "Navamsa (D9), North Indian"), without the
    // sky: the window adds the sky where it names the view (band, status bar, title).
    virtual QString Title(const ViewSources& sources) const = 0;

    // The inputs (ViewInput) the page is made from.
    virtual unsigned Inputs() const = 0;

    // Fills the page from the sources; called when the view is shown and stale.
    virtual void Fill(ViewSources& sources) = 0;

    // Whether the page (a drawing and lines of text, nothing to click) is drawn larger in a
    // larger window, and smaller down to a limit before the client area scrolls.
    virtual bool Scales() const { return false; }

    // The picture that Save As JPEG writes: the page as it stands, at its own size.
    virtual QPixmap Picture();

    // The pages for the printer, each drawn with lines and text in the page's own
    // coordinates (screen pixels); the painter's transform fits it onto the paper.
    virtual int PrintedPages() const { return 1; }
    virtual void PaintPrintedPage(QPainter& painter, int index);
};

}  // namespace velakor
