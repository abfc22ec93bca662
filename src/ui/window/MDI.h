// The chart window: a frame (toolbar, heading band, client area, button band) showing one
// view of the chart at a time, the natal chart display frmDisplay first. Its views come from
// one table (ViewTable): the View menu, the title, the status bar, the picture and the print
// are built from that table, and the frame holds no view of its own.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "app/Calculation.h"
#include "app/Program.h"
#include "chart/ChartLayout.h"
#include "ui/window/ChartView.h"

class QAction;
class QMenu;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QToolBar;

namespace velakor {

class ChartView;
class ChartZoom;
class MomentMenu;
class SkyMenus;
class ViewSources;
class frmDisplay;

class MDI : public QMainWindow {
    Q_OBJECT
public:
    // Creates the frame and its chart display. The display composes the birth details
    // from the birth record, which the calculation has already filled.
    explicit MDI(Program& program, QWidget* parent = nullptr);
    ~MDI() override;

    // The natal chart display (the first view of the table, made with the frame).
    frmDisplay* display() const;

    // The calculation command's step: the chart was computed (again). The natal display's
    // captions are written at once and the view on show is filled; the others when next
    // shown.
    void WriteChart();

    // The toolbar command of the button with this key: "New", "Open", "Save" or "Print";
    // any other key does nothing.
    void TB_ButtonClick(const QString& key);

    // The view on show: its row in ViewTable, its name (its menu entry's object name), the
    // view and its page.
    int viewRow() const { return current_; }
    QString viewName() const;
    ChartView* currentView() const;
    QWidget* viewOnShow() const;
    // Shows the view of a row, as its menu entry does (its check mark follows).
    void ShowView(int row);
    // The view of this type, once it has been shown; nullptr before.
    template <class View>
    View* viewOf() const {
        for (const Slot& slot : slots_) {
            if (auto* view = slot.page ? dynamic_cast<View*>(slot.view) : nullptr) return view;
        }
        return nullptr;
    }

    ChartStyle chartStyle() const;
    bool colourStyle() const;
    // What the views are made from (the chart, the choices, the transit moment, the partner).
    ViewSources& sources() const { return *sources_; }
    // The moment of the transit views (universal time).
    double transitMoment() const;
    // "Rashi (D1), North Indian — Built-in formulas ...": the view on show and its sky.
    QString ViewTitle() const;

    // The picture store (the chart display's Picture1), taken of the view on show when the
    // frame was last activated or the view changed since.
    QPixmap Picture();

    // Matches the chart on show with a partner's reading (a file's or the library's): checked
    // as the main form checks it, the bride asked for (Escape gives up), then shown.
    void MatchWith(const FormValues& values);

    // The reading's file, once saved or opened: named in the status bar.
    void SetReadingFileName(const QString& name);
    QString readingFileName() const { return readingFileName_; }

    // The frame's parts, for the output commands and for tests.
    QToolBar* toolBar() const { return TB_; }
    QMdiSubWindow* displayWindow() const;
    // The scale at which the view on show is drawn to fit the client area (1: as it is).
    double chartScale() const;

    // Sizes the frame to show the whole chart display, but never larger than the available
    // area of the screen that shows reference (the main form), and centres it there.
    void PlaceOnScreenOf(const QWidget* reference);
    // The frame's geometry (without the window manager's decoration) for a wanted client
    // size on a screen's available area; decoration is the frame the window manager adds.
    static QRect FrameGeometryFor(QSize wanted, QMargins decoration, const QRect& available,
                                  int scrollBarExtent);

signals:
    // Back or New: the frame closes itself (it is deleted on close); the main form shows.
    void mainFormRequested();
    // Exit, or the close box: the program ends.
    void exitRequested();
    // The output commands; the frame only asks for them.
    void saveAsRequested();
    void saveAsJpegRequested();
    void exportRequested();
    void printRequested();
    // The toolbar's Open: a reading is to be opened the way the main form opens one.
    void openRequested();
    // The chart library: its window, and the chart on show kept in it.
    void libraryRequested();
    void saveToLibraryRequested();
    // A chart of the library is to be picked as the partner of a match (MatchWith).
    void libraryPartnerRequested();
    // The frame has become the active window (the chart display's picture is taken then).
    void frameActivated();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A row of the table of views: the view and the window that holds it in the client
    // area, made when first shown; whether its inputs changed since it was filled.
    struct Slot {
        ChartView* view = nullptr;  // its page belongs to the window (Qt deletes it)
        QPointer<QWidget> page;
        QMdiSubWindow* window = nullptr;
        QAction* entry = nullptr;
        bool stale = true;
    };

    // Sets every caption of the frame in the interface's language.
    void Retranslate();
    void BuildMenus();
    void BuildFileMenu();
    void BuildViewMenu();
    void BuildHelpMenu();
    void BuildToolBar();
    void BuildBands();
    void FitToDisplay();
    QSize WholeDisplaySize() const;
    Slot& Made(int row);
    // Some inputs (ViewInput) of the views changed: those that read them are stale, and the
    // view on show is filled again at once.
    void InputsChanged(unsigned inputs);
    // Fills the view on show if stale; names it in the status bar; its picture is to be taken.
    void RefreshView();

    // Places the buttons of the bottom band right-aligned and centres the heading.
    void MDIForm_Resize();
    // Initial check marks of a new frame.
    void MDIForm_Load();

    // Takes the chart display's picture into its store (each time the frame is activated).
    void MDIForm_Activate();
    void mnuSaveAs_Click();
    void mnuSaveAsJpeg_Click();
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuNew_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuToolBar_Click();
    void mnuStatusBar_Click();
    // Matching with a second reading: opened and checked as every reading is.
    void MatchWithSavedReading();
    void PrintChartSheet();
    // One page: the transits and the dasha running now, in the sky of the chart.
    void PrintTransitsToday();
    void ExportChartSheet();
    void SetChartStyle(ChartStyle style);
    void SetColourStyle(bool on);
    // Another sky: the chart is computed again and everything on show redrawn.
    void SetSky(const SkyChoice& choice);
    void SaveSettings();
    void CapturePicture();
    // The PDF file proposed for a print of the reading on show: beside its file.
    QString PdfNameBesideReading(const QString& suffix) const;
    // Closes the frame on the way back to the main form (Back and New).
    void LeaveForMainForm();

    Program& program_;
    ViewSources* sources_ = nullptr;
    std::vector<Slot> slots_;  // one per row of ViewTable
    int current_ = 0;
    bool pictureStale_ = true;
    QMdiArea* area_ = nullptr;
    QToolBar* TB_ = nullptr;
    QWidget* picTop_ = nullptr;
    QLabel* lblHeading_ = nullptr;
    QWidget* buttonBand_ = nullptr;
    QPushButton* cmdSaveAsJPEG_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdExit_ = nullptr;

    QAction* mnuToolBar_ = nullptr;
    QAction* mnuStatusBar_ = nullptr;
    QAction* mnuColorOn_ = nullptr;
    QAction* mnuColorOff_ = nullptr;
    QAction* mnuPrintToday_ = nullptr;
    QList<QAction*> styleEntries_;  // North, South, Natal (East)
    SkyMenus* skyMenus_ = nullptr;
    MomentMenu* momentMenu_ = nullptr;
    QLabel* statusView_ = nullptr;
    QLabel* statusFile_ = nullptr;
    ChartZoom* zoom_ = nullptr;
    QString readingFileName_;

    bool leaving_ = false;  // closing for Back or New, not ending the program
};

}  // namespace velakor
