// The chart window: a frame (toolbar, heading band, client area, button band) holding the
// one frameless chart display frmDisplay.
#pragma once

#include <QMainWindow>
#include <optional>

#include <optional>

#include "app/Calculation.h"
#include "app/Program.h"
#include "app/Readings.h"
#include "chart/ChartLayout.h"
#include "chart/DivisionalCharts.h"

class QAction;
class QMenu;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QToolBar;

namespace velakor {

class AshtakavargaView;
class ChartZoom;
class DashaView;
class DivisionalView;
class MatchingView;
class PanchangaView;
class SaturnView;
class TransitView;
class SkyMenus;
class VargasView;
class frmDisplay;

class MDI : public QMainWindow {
    Q_OBJECT
public:
    // Creates the frame and its chart display. The display composes the birth details
    // from the birth record, which the calculation has already filled.
    explicit MDI(Program& program, QWidget* parent = nullptr);
    ~MDI() override;

    frmDisplay* display() const { return display_; }

    // Writes every caption the calculation command fills: the summary cells, the planet
    // table and the sign number and planets of each house; the birth details and the view on
    // show follow (a reading opened in the frame replaces the chart).
    void WriteChart();

    // The toolbar command of the button with this key: "New", "Open", "Save" or "Print";
    // any other key does nothing.
    void TB_ButtonClick(const QString& key);

    // What the View menu has chosen: the chart (-1 for the natal chart, 0..15 for the vargas
    // D1 .. D60 in the order of kVargas), or one of the views below; its style and whether it
    // is in colour.
    static constexpr int kVargasView = kVargaCount;
    static constexpr int kAshtakavargaView = kVargaCount + 1;
    static constexpr int kDashaView = kVargaCount + 2;
    static constexpr int kPanchangaView = kVargaCount + 3;
    static constexpr int kTransitView = kVargaCount + 4;
    static constexpr int kSaturnView = kVargaCount + 5;
    static constexpr int kMatchingView = kVargaCount + 6;
    int view() const { return view_; }
    ChartStyle chartStyle() const { return style_; }
    bool colourStyle() const { return colour_; }
    // The view on show: the natal chart display or the divisional chart.
    QWidget* viewOnShow() const;
    DivisionalView* divisionalView() const { return divisional_; }
    DashaView* dashaView() const { return dasha_; }
    PanchangaView* panchangaView() const { return panchanga_; }
    VargasView* vargasView() const { return vargas_; }
    AshtakavargaView* ashtakavargaView() const { return ashtakavarga_; }
    TransitView* transitView() const { return transit_; }
    SaturnView* saturnView() const { return saturn_; }
    // The moment of the transit views (universal time); 0 until they are first shown.
    double transitMoment() const { return transitJd_; }
    MatchingView* matchingView() const { return matching_; }
    // "Rashi (D1), North Indian": the chart on show and its style.
    QString ViewTitle() const;

    // The reading's file, once saved or opened: named in the status bar.
    void SetReadingFileName(const QString& name);
    QString readingFileName() const { return readingFileName_; }

    // The frame's parts, for the output commands and for tests.
    QToolBar* toolBar() const { return TB_; }
    QMdiSubWindow* displayWindow() const { return displayWindow_; }
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
    // The frame has become the active window (the chart display's picture is taken then).
    void frameActivated();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildBands();
    void FitToDisplay();
    QSize WholeDisplaySize() const;

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
    void mnuChart_Click();
    void ShowDivisionalChart(int d);
    // The dasha and panchanga views and the choices that shape them (in MDIReadings.cpp).
    void BuildReadingMenus(QMenu* view, QList<QAction*>& views);
    void BuildReadingViews();
    void AddSheetEntries(QMenu* file);
    void RefreshReadings();
    const Readings& CurrentReadings();
    // The table of the vargas and the ashtakavarga (in MDIStrength.cpp).
    void BuildStrengthMenus(QMenu* view, QList<QAction*>& views);
    void BuildStrengthViews();
    void RefreshStrength();
    // The transits and Saturn's periods, their moment and its steps (in MDITransits.cpp).
    void BuildTransitMenus(QMenu* view, QList<QAction*>& views);
    void BuildTransitViews();
    void RefreshTransits();
    // Matching with a second reading (in MDIMatching.cpp): the File entry that opens it, the
    // View entry and the view, filled again whenever it is shown.
    void MatchWithSavedReading();
    void RefreshMatching();
    void SetChartStyle(ChartStyle style);
    void SetColourStyle(bool on);
    // Another sky: the chart is computed again and everything on show redrawn.
    void SetSky(const SkyChoice& choice);
    void SaveSettings();
    // Brings the views, the band, the status bar and the picture store up to the choices.
    void RefreshView();
    QString TitleOf(int view) const;
    void CapturePicture();
    // Closes the frame on the way back to the main form (Back and New).
    void LeaveForMainForm();

    Program& program_;
    QMdiArea* area_ = nullptr;
    frmDisplay* display_ = nullptr;
    QMdiSubWindow* displayWindow_ = nullptr;
    QToolBar* TB_ = nullptr;
    QWidget* picTop_ = nullptr;
    QLabel* lblHeading_ = nullptr;
    QWidget* buttonBand_ = nullptr;
    QPushButton* cmdSaveAsJPEG_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdExit_ = nullptr;

    QAction* mnuToolBar_ = nullptr;
    QAction* mnuStatusBar_ = nullptr;
    QAction* mnuNorth_ = nullptr;
    QAction* mnuColorOff_ = nullptr;
    QAction* mnuChart_ = nullptr;
    SkyMenus* skyMenus_ = nullptr;
    QLabel* statusView_ = nullptr;
    QLabel* statusFile_ = nullptr;

    ChartZoom* zoom_ = nullptr;
    DivisionalView* divisional_ = nullptr;
    QMdiSubWindow* divisionalWindow_ = nullptr;
    DashaView* dasha_ = nullptr;
    PanchangaView* panchanga_ = nullptr;
    QMdiSubWindow* dashaWindow_ = nullptr;
    QMdiSubWindow* panchangaWindow_ = nullptr;
    VargasView* vargas_ = nullptr;
    AshtakavargaView* ashtakavarga_ = nullptr;
    QMdiSubWindow* vargasWindow_ = nullptr;
    QMdiSubWindow* ashtakavargaWindow_ = nullptr;
    TransitView* transit_ = nullptr;
    SaturnView* saturn_ = nullptr;
    QMdiSubWindow* transitWindow_ = nullptr;
    QMdiSubWindow* saturnWindow_ = nullptr;
    QList<QAction*> transitSteps_;  // year, month, day back; day, month, year forward; now
    double transitJd_ = 0.0;
    MatchingView* matching_ = nullptr;
    QMdiSubWindow* matchingWindow_ = nullptr;
    QAction* mnuMatching_ = nullptr;
    std::optional<FormValues> partner_;  // the reading matched with this chart
    bool partnerIsBride_ = true;
    bool readingsStale_ = true;  // the chart or a choice changed since the views were filled
    std::optional<Readings> readings_;
    bool vargasStale_ = true;    // the chart changed since the strength views were filled
    bool ashtakavargaStale_ = true;
    int view_ = -1;
    ChartStyle style_ = ChartStyle::North;
    bool colour_ = false;
    QString readingFileName_;

    bool leaving_ = false;  // closing for Back or New, not ending the program
};

}  // namespace velakor
