#include "ui/window/MDI.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "app/Calculation.h"
#include "chart/DivisionalCharts.h"
#include "io/gui/OutputCommands.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/window/ChartZoom.h"
#include "ui/drawing/DesktopIcons.h"
#include "ui/drawing/HeldPixmapIcon.h"
#include "ui/views/DivisionalView.h"
#include "ui/drawing/Fonts.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/views/MatchingView.h"
#include "ui/views/ReadingViews.h"
#include "ui/views/TransitView.h"
#include "ui/dialogs/Seams.h"
#include "ui/window/SkyMenus.h"
#include "ui/views/StrengthViews.h"
#include "ui/dialogs/WebLinks.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

const QColor kBandColour(255, 199, 6);

// Layout of the bands, in twips.
constexpr int kHeadingBandHeight = 820;
constexpr int kButtonBandHeight = 720;
constexpr int kButtonTop = 120;
constexpr int kButtonHeight = 400;
constexpr int kSaveAsJpegWidth = 1695;
constexpr int kBackExitWidth = 1095;
constexpr int kRightMargin = 300;
constexpr int kButtonGap = 100;
constexpr int kHeadingTop = -30;

// A band of one colour, painted rather than given a palette of its own: the style keeps the
// pictures of buttons in the program-wide pixmap cache under their palette's key, and every
// new palette (one per window and button) would fill it with pictures of closed windows.
class Band : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kBandColour); }
};

QWidget* MakeBand(const QString& name, int heightTwips, QWidget* parent) {
    auto* band = new Band(parent);
    band->setObjectName(name);
    band->setFixedHeight(TwipsToPixels(heightTwips));
    return band;
}

QPushButton* MakeButton(const QString& name, const QString& caption, int widthTwips, QWidget* band) {
    auto* button = new QPushButton(caption, band);
    button->setObjectName(name);
    button->setGeometry(0, TwipsToPixels(kButtonTop), TwipsToPixels(widthTwips), TwipsToPixels(kButtonHeight));
    // Return and Enter press the button that has the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

QAction* AddEntry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// Entries of which exactly one is checked after any choice. They keep plain check marks (an
// exclusive QActionGroup would draw radio dots instead).
void MakeCheckGroup(const QList<QAction*>& entries) {
    for (QAction* entry : entries) {
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, entry, [entry, entries] {
            for (QAction* other : entries) other->setChecked(other == entry);
        });
    }
}

QString StyleName(ChartStyle style) {
    switch (style) {
        case ChartStyle::North: return QStringLiteral("North Indian");
        case ChartStyle::South: return QStringLiteral("South Indian");
        case ChartStyle::East: return QStringLiteral("East Indian");
    }
    return {};
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMenu* AddMenu(QWidget* owner, const QString& name, const QString& caption) {
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(name);
    return menu;
}

// The toolbar's pictures, drawn rather than shipped: a page, a folder, a disk and a printer.
QIcon ToolIcon(const QString& key) {
    constexpr int kSize = 24;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPen outline(QColor(60, 60, 60), 1.2);
    p.setPen(outline);
    if (key == QLatin1String("New")) {
        QPainterPath page;
        page.moveTo(5.5, 2.5);
        page.lineTo(14.5, 2.5);
        page.lineTo(19.5, 7.5);
        page.lineTo(19.5, 21.5);
        page.lineTo(5.5, 21.5);
        page.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawPolyline(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5)}));
    } else if (key == QLatin1String("Open")) {
        p.setBrush(QColor(230, 180, 60));
        p.drawRect(QRectF(2.5, 6.5, 19, 14));
        p.drawRect(QRectF(2.5, 4.5, 8, 3));
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(QPolygonF({QPointF(5.5, 10.5), QPointF(22.5, 10.5), QPointF(20.5, 20.5), QPointF(2.5, 20.5)}));
    } else if (key == QLatin1String("Save")) {
        p.setBrush(QColor(60, 100, 180));
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
    } else if (key == QLatin1String("Print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
    }
    return HeldPixmapIcon(pixmap);
}

}  // namespace

MDI::MDI(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Velakor v1.70"));
    // The toolbar is shown and hidden from the View menu only.
    setContextMenuPolicy(Qt::PreventContextMenu);

    BuildMenus();
    BuildToolBar();
    BuildBands();

    display_ = new frmDisplay(program_);
    display_->setObjectName(QStringLiteral("frmDisplay"));
    displayWindow_ = area_->addSubWindow(display_, Qt::FramelessWindowHint);
    displayWindow_->setObjectName(QStringLiteral("frmDisplayWindow"));
    displayWindow_->setGeometry(0, 0, frmDisplay::kWidth, frmDisplay::kHeight);
    displayWindow_->show();

    // The divisional charts take the natal display's place when one is chosen.
    divisional_ = new DivisionalView;
    divisional_->setObjectName(QStringLiteral("DivisionalView"));
    divisionalWindow_ = area_->addSubWindow(divisional_, Qt::FramelessWindowHint);
    divisionalWindow_->setObjectName(QStringLiteral("DivisionalWindow"));
    divisionalWindow_->setGeometry(0, 0, frmDisplay::kWidth, frmDisplay::kHeight);
    divisionalWindow_->hide();
    zoom_ = new ChartZoom(area_, {displayWindow_, divisionalWindow_}, QSize(frmDisplay::kWidth, frmDisplay::kHeight));
    // The views only show the chart: the keyboard goes round the band's buttons.
    for (QMdiSubWindow* window : {displayWindow_, divisionalWindow_}) window->setFocusPolicy(Qt::NoFocus);
    BuildStrengthViews();
    BuildReadingViews();
    BuildTransitViews();
    // The area gives the window of the view on show the focus as the window opens, though
    // Tab never stops there: from it, Tab and Shift+Tab go on to the band's buttons.
    for (QMdiSubWindow* window : area_->subWindowList()) window->installEventFilter(this);

    statusView_ = new QLabel(this);
    statusView_->setObjectName(QStringLiteral("lblStatusView"));
    statusFile_ = new QLabel(this);
    statusFile_->setObjectName(QStringLiteral("lblStatusFile"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(statusView_, 1);
    statusBar()->addPermanentWidget(statusFile_);

    MDIForm_Load();
    RefreshView();
    FitToDisplay();

    connect(this, &MDI::saveAsRequested, this, &MDI::mnuSaveAs_Click);
    connect(this, &MDI::saveAsJpegRequested, this, &MDI::mnuSaveAsJpeg_Click);
    connect(this, &MDI::exportRequested, this, &MDI::mnuExport_Click);
    connect(this, &MDI::printRequested, this, &MDI::mnuPrint_Click);
    connect(this, &MDI::frameActivated, this, &MDI::MDIForm_Activate);
}

void MDI::MDIForm_Activate() { CapturePicture(); }

bool MDI::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QMdiSubWindow*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && key->modifiers() & Qt::ShiftModifier)) {
                cmdExit_->setFocus(Qt::BacktabFocusReason);
                return true;
            }
            if (key->key() == Qt::Key_Tab) {
                cmdSaveAsJPEG_->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDI::CapturePicture() {
    // Render the view itself: whatever covers the window on screen never gets in.
    display_->setPicture(viewOnShow()->grab());
}

double MDI::chartScale() const { return zoom_->scale(); }

QWidget* MDI::viewOnShow() const {
    if (view_ == kDashaView) return static_cast<QWidget*>(dasha_);
    if (view_ == kPanchangaView) return static_cast<QWidget*>(panchanga_);
    if (view_ == kVargasView) return static_cast<QWidget*>(vargas_);
    if (view_ == kAshtakavargaView) return static_cast<QWidget*>(ashtakavarga_);
    if (view_ == kTransitView) return static_cast<QWidget*>(transit_);
    if (view_ == kSaturnView) return static_cast<QWidget*>(saturn_);
    if (view_ == kMatchingView) return static_cast<QWidget*>(matching_);
    return view_ < 0 ? static_cast<QWidget*>(display_) : divisional_;
}

QString MDI::ViewTitle() const { return TitleOf(view_); }

QString MDI::TitleOf(int view) const {
    QString title;
    if (view == kDashaView) {
        title = QStringLiteral("Vimshottari Dasha");
    } else if (view == kPanchangaView) {
        title = QStringLiteral("Panchanga");
    } else if (view == kVargasView) {
        title = QStringLiteral("Vargas");
    } else if (view == kAshtakavargaView) {
        // Its chart of the points is drawn in the chosen style.
        title = QStringLiteral("Ashtakavarga, ") + StyleName(style_);
    } else if (view == kTransitView) {
        title = QStringLiteral("Transits");
    } else if (view == kSaturnView) {
        title = QStringLiteral("Saturn's Periods");
    } else if (view == kMatchingView) {
        title = QStringLiteral("Matching");
    } else {
        const std::string_view chart = view < 0 ? kRashiTitle : kVargas.at(static_cast<std::size_t>(view)).Title;
        title = FromView(chart) + QStringLiteral(", ") + StyleName(style_);
    }
    // The sky is named wherever the chart or what is read from it is shown: band, status
    // bar, picture, printout; two printouts of one birth in the two skies say why they differ.
    return title + QStringLiteral(" \u2014 ") + QString::fromStdString(DescribeSky(program_.SkyInUse));
}

void MDI::SetReadingFileName(const QString& name) {
    readingFileName_ = name;
    statusFile_->setText(QFileInfo(name).fileName());
    statusFile_->setToolTip(QDir::toNativeSeparators(name));
}

void MDI::mnuSaveAs_Click() {
    if (SaveReadingAs(this, program_)) SetReadingFileName(QString::fromStdString(program_.LastSaveFileName));
}

void MDI::mnuExport_Click() { ExportReportAs(this, program_); }

void MDI::mnuSaveAsJpeg_Click() {
    if (display_->picture().isNull()) CapturePicture();
    SaveChartPictureAs(this, display_->picture());
}

void MDI::mnuPrint_Click() {
    // Drawn afresh at the printer's resolution from the view on show.
    QPrinter printer(QPrinter::HighResolution);
    QString pdfName;
    if (!readingFileName_.isEmpty()) {
        const QFileInfo reading(readingFileName_);
        pdfName = reading.dir().filePath(reading.completeBaseName() + QStringLiteral(".pdf"));
    }
    PrintChartView(this, viewOnShow(), printer, pdfName);
}

MDI::~MDI() = default;

void MDI::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = AddMenu(this, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    connect(AddEntry(file, QStringLiteral("mnuNew"), QStringLiteral("&New")), &QAction::triggered, this,
            &MDI::mnuNew_Click);
    // The toolbar's Open, also where a keyboard user looks for it.
    connect(AddEntry(file, QStringLiteral("mnuOpen"), QStringLiteral("&Open...")), &QAction::triggered, this,
            &MDI::openRequested);
    connect(AddEntry(file, QStringLiteral("mnuLibrary"), QStringLiteral("Chart &Library...")), &QAction::triggered,
            this, &MDI::libraryRequested);
    connect(AddEntry(file, QStringLiteral("mnuMatch"), QStringLiteral("&Match with a Saved Reading...")),
            &QAction::triggered, this, &MDI::MatchWithSavedReading);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuSaveAs"), QStringLiteral("Save &As")), &QAction::triggered, this,
            &MDI::saveAsRequested);
    connect(AddEntry(file, QStringLiteral("mnuSaveToLibrary"), QStringLiteral("Save &to Library")),
            &QAction::triggered, this, &MDI::saveToLibraryRequested);
    connect(AddEntry(file, QStringLiteral("mnuSaveAsJpeg"), QStringLiteral("Save As &JPEG")), &QAction::triggered,
            this, &MDI::saveAsJpegRequested);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuExport"), QStringLiteral("&Export Chart As Text")),
            &QAction::triggered, this, &MDI::exportRequested);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print")), &QAction::triggered, this,
            &MDI::printRequested);
    AddSheetEntries(file);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuBack"), QStringLiteral("&Back")), &QAction::triggered, this,
            &MDI::cmdBack_Click);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit")), &QAction::triggered, this,
            &MDI::cmdExit_Click);
    bar->addMenu(file);

    QMenu* view = AddMenu(this, QStringLiteral("mnuView"), QStringLiteral("&View"));
    mnuToolBar_ = AddEntry(view, QStringLiteral("mnuToolBar"), QStringLiteral("&Toolbar"));
    mnuToolBar_->setCheckable(true);
    connect(mnuToolBar_, &QAction::triggered, this, &MDI::mnuToolBar_Click);
    mnuStatusBar_ = AddEntry(view, QStringLiteral("mnuStatusBar"), QStringLiteral("&Status Bar"));
    mnuStatusBar_->setCheckable(true);
    connect(mnuStatusBar_, &QAction::triggered, this, &MDI::mnuStatusBar_Click);
    view->addSeparator();

    // Chart style and colour style redraw whichever chart is on show.
    QMenu* style = AddMenu(view, QStringLiteral("mnuChartStyle"), QStringLiteral("&Chart Style"));
    mnuNorth_ = AddEntry(style, QStringLiteral("mnuNorth"), QStringLiteral("&North Indian"));
    QAction* south = AddEntry(style, QStringLiteral("mnuSouth"), QStringLiteral("&South Indian"));
    QAction* natal = AddEntry(style, QStringLiteral("mnuNatal"), QStringLiteral("&Natal Indian"));
    MakeCheckGroup({mnuNorth_, south, natal});
    connect(mnuNorth_, &QAction::triggered, this, [this] { SetChartStyle(ChartStyle::North); });
    connect(south, &QAction::triggered, this, [this] { SetChartStyle(ChartStyle::South); });
    connect(natal, &QAction::triggered, this, [this] { SetChartStyle(ChartStyle::East); });
    view->addMenu(style);

    QMenu* colour = AddMenu(view, QStringLiteral("mnuColor"), QStringLiteral("Colo&r Style"));
    QAction* colourOn = AddEntry(colour, QStringLiteral("mnuColorOn"), QStringLiteral("O&n"));
    mnuColorOff_ = AddEntry(colour, QStringLiteral("mnuColorOff"), QStringLiteral("O&ff"));
    MakeCheckGroup({colourOn, mnuColorOff_});
    connect(colourOn, &QAction::triggered, this, [this] { SetColourStyle(true); });
    connect(mnuColorOff_, &QAction::triggered, this, [this] { SetColourStyle(false); });
    view->addMenu(colour);
    view->addSeparator();

    // The sky recomputes the chart and redraws whatever is on show.
    skyMenus_ = new SkyMenus(view, this);
    connect(skyMenus_, &SkyMenus::chosen, this, &MDI::SetSky);
    view->addSeparator();

    mnuChart_ = AddEntry(view, QStringLiteral("mnuChart"), QStringLiteral("&Chart"));
    QList<QAction*> views{mnuChart_};
    connect(mnuChart_, &QAction::triggered, this, &MDI::mnuChart_Click);
    QMenu* divisional = AddMenu(view, QStringLiteral("mnuDivisionalCharts"), QStringLiteral("&Divisional Charts"));
    // The sixteen vargas in the order of kVargas, D1 first.
    const std::pair<const char*, const char*> divisionalEntries[] = {
        {"mnuSub_Rashi", "&Rashi"},
        {"mnuSub_Hora", "&Hora"},
        {"mnuSub_Drekkana", "&Drekkana"},
        {"mnuSub_Chaturthamsa", "&Chaturthamsa"},
        {"mnuSub_Sapthamsa", "&Sapthamsa"},
        {"mnuSub_Navamsa", "&Navamsa"},
        {"mnuSub_Dasamsa", "&D&asamsa"},
        {"mnuSub_Dwadasamsa", "D&wadasamsa"},
        {"mnuSub_Shodasamsa", "Sh&odasamsa"},
        {"mnuSub_Vimsamsa", "&Vimsamsa"},
        {"mnuSub_Chaturvimsamsa", "Chaturv&imsamsa"},
        {"mnuSub_Bhamsa", "&Bhamsa"},
        {"mnuSub_Trimsamsa", "&Trimsamsa"},
        {"mnuSub_Khavedamsa", "&Khavedamsa"},
        {"mnuSub_Akshavedamsa", "&Akshavedamsa"},
        {"mnuSub_Shashtyamsa", "Shasht&yamsa"},
    };
    static_assert(std::size(divisionalEntries) == kVargaCount);
    int d = 0;
    for (const auto& [name, caption] : divisionalEntries) {
        QAction* entry = AddEntry(divisional, QString::fromLatin1(name), QString::fromLatin1(caption));
        views << entry;
        connect(entry, &QAction::triggered, this, [this, d] { ShowDivisionalChart(d); });
        ++d;
    }
    view->addMenu(divisional);
    BuildStrengthMenus(view, views);
    BuildReadingMenus(view, views);
    BuildTransitMenus(view, views);
    MakeCheckGroup(views);
    bar->addMenu(view);

    QMenu* help = AddMenu(this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    connect(AddEntry(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help")), &QAction::triggered,
            this, [] { OpenUserGuide(); });
    connect(AddEntry(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, [] { OpenUserGuide(); });
    help->addSeparator();
    connect(AddEntry(help, QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, [] { OpenUserGuide(); });
    help->addSeparator();
    connect(AddEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software")), &QAction::triggered,
            this, [this] { ShowAboutBox(this); });
    connect(AddEntry(help, QStringLiteral("mnuMoney"), QStringLiteral("Make Money &Online")), &QAction::triggered,
            this, [] { OpenUserGuide(); });
    bar->addMenu(help);
}

void MDI::BuildToolBar() {
    TB_ = new QToolBar(QStringLiteral("Toolbar"), this);
    TB_->setObjectName(QStringLiteral("TB"));
    TB_->setMovable(false);
    TB_->setFloatable(false);
    TB_->setIconSize(QSize(24, 24));
    for (const char* key : {"New", "Open", "Save", "Print"}) {
        const QString name = QString::fromLatin1(key);
        QAction* button = TB_->addAction(ToolbarIcon(name, ToolIcon(name)), name);
        button->setObjectName(QStringLiteral("TB_") + name);
        button->setData(name);
    }
    connect(TB_, &QToolBar::actionTriggered, this,
            [this](QAction* button) { TB_ButtonClick(button->data().toString()); });
    addToolBar(Qt::TopToolBarArea, TB_);
}

void MDI::BuildBands() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    picTop_ = MakeBand(QStringLiteral("picTop"), kHeadingBandHeight, client);
    lblHeading_ = new QLabel(QStringLiteral("Velakor"), picTop_);
    lblHeading_->setObjectName(QStringLiteral("lblHeading"));
    lblHeading_->setFont(VerdanaFont(18, true));
    lblHeading_->setAlignment(Qt::AlignCenter);
    lblHeading_->adjustSize();
    lblHeading_->move(0, TwipsToPixels(kHeadingTop));

    area_ = new QMdiArea(client);
    area_->setObjectName(QStringLiteral("area"));
    area_->setBackground(Qt::white);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    buttonBand_ = MakeBand(QStringLiteral("Picture1"), kButtonBandHeight, client);
    cmdSaveAsJPEG_ = MakeButton(QStringLiteral("cmdSaveAsJPEG"), QStringLiteral("Save As &JPEG"), kSaveAsJpegWidth,
                                buttonBand_);
    cmdBack_ = MakeButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), kBackExitWidth, buttonBand_);
    cmdExit_ = MakeButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), kBackExitWidth, buttonBand_);
    connect(cmdSaveAsJPEG_, &QPushButton::clicked, this, &MDI::saveAsJpegRequested);
    connect(cmdBack_, &QPushButton::clicked, this, &MDI::cmdBack_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &MDI::cmdExit_Click);

    // Tab and Shift+Tab visit the band's buttons, left to right, and nothing else takes the
    // focus on the way: the views and their area only show the chart.
    for (QPushButton* button : {cmdSaveAsJPEG_, cmdBack_, cmdExit_}) button->setFocusPolicy(Qt::StrongFocus);
    area_->setFocusPolicy(Qt::NoFocus);
    setTabOrder(cmdSaveAsJPEG_, cmdBack_);
    setTabOrder(cmdBack_, cmdExit_);

    layout->addWidget(picTop_);
    layout->addWidget(area_, 1);
    layout->addWidget(buttonBand_);
    setCentralWidget(client);
}

QSize MDI::WholeDisplaySize() const {
    // Large enough to show the whole chart display under the bars and between the bands.
    int height = menuBar()->sizeHint().height() + picTop_->height() + frmDisplay::kHeight + buttonBand_->height();
    if (!TB_->isHidden()) height += TB_->sizeHint().height();
    if (const auto* status = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly); status && !status->isHidden())
        height += status->sizeHint().height();
    return {frmDisplay::kWidth, height};
}

void MDI::FitToDisplay() { resize(WholeDisplaySize()); }

QRect MDI::FrameGeometryFor(QSize wanted, QMargins decoration, const QRect& available, int scrollBarExtent) {
    const QSize room(std::max(1, available.width() - decoration.left() - decoration.right()),
                     std::max(1, available.height() - decoration.top() - decoration.bottom()));
    QSize size = wanted;
    // Cut short in one direction, the client area scrolls that way, and its scroll bar takes
    // room from the other: give that back where the screen has it.
    if (size.height() > room.height()) size.rwidth() += scrollBarExtent;
    if (size.width() > room.width()) size.rheight() += scrollBarExtent;
    size = size.boundedTo(room);
    const QSize outer(size.width() + decoration.left() + decoration.right(),
                      size.height() + decoration.top() + decoration.bottom());
    const QPoint outerTopLeft(available.x() + (available.width() - outer.width()) / 2,
                              available.y() + (available.height() - outer.height()) / 2);
    return {outerTopLeft + QPoint(decoration.left(), decoration.top()), size};
}

void MDI::PlaceOnScreenOf(const QWidget* reference) {
    const QScreen* screen = reference && reference->screen() ? reference->screen() : this->screen();
    if (!screen) return;
    // The window manager's frame is not known before the frame is shown: the main form's
    // tells how large it will be.
    QMargins decoration;
    if (reference && reference->isVisible()) {
        const QRect outer = reference->frameGeometry();
        const QRect inner = reference->geometry();
        decoration = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                              outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_);
    setGeometry(FrameGeometryFor(WholeDisplaySize(), decoration, screen->availableGeometry(), scrollBar));
}

void MDI::MDIForm_Load() {
    mnuToolBar_->setChecked(true);
    mnuStatusBar_->setChecked(true);
    mnuColorOff_->setChecked(true);
    mnuChart_->setChecked(true);
    // The North Indian chart is the one on show when the frame opens, so its entry is the
    // one checked.
    mnuNorth_->setChecked(true);

    // What the user chose last time, where the program keeps settings.
    const ViewSettings saved = ProgramSettings::LoadView();
    style_ = saved.Style;
    colour_ = saved.Colour;
    const char* styleEntry = style_ == ChartStyle::South ? "mnuSouth" : (style_ == ChartStyle::East ? "mnuNatal" : "mnuNorth");
    for (const char* name : {"mnuNorth", "mnuSouth", "mnuNatal"})
        findChild<QAction*>(QLatin1String(name))->setChecked(qstrcmp(name, styleEntry) == 0);
    mnuColorOff_->setChecked(!colour_);
    findChild<QAction*>(QStringLiteral("mnuColorOn"))->setChecked(colour_);
    mnuStatusBar_->setChecked(saved.StatusBar);
    statusBar()->setVisible(saved.StatusBar);
    skyMenus_->Show(program_.SkyInUse);
}

void MDI::SaveSettings() {
    ProgramSettings::ReportNotStored(
        this, ProgramSettings::SaveView({program_.SkyInUse, style_, colour_, mnuStatusBar_->isChecked()}));
}

void MDI::SetSky(const SkyChoice& choice) {
    // The tables are read on the first precise chart, not before: the window opens as fast.
    if (!SkyAvailable(choice)) {
        ShowMessage(this, QStringLiteral("The precise positions cannot be read; the built-in formulas stay in use."),
                    BoxIcon::Critical);
        skyMenus_->Show(program_.SkyInUse);
        return;
    }
    program_.SkyInUse = choice;
    ComputeChart(program_);
    WriteChart();
    SaveSettings();
}

void MDI::MDIForm_Resize() {
    const int w = frameGeometry().width();
    const int gap = TwipsToPixels(kButtonGap);
    cmdExit_->move(w - cmdExit_->width() - TwipsToPixels(kRightMargin), cmdExit_->y());
    cmdBack_->move(cmdExit_->x() - cmdBack_->width() - gap, cmdBack_->y());
    cmdSaveAsJPEG_->move(cmdBack_->x() - cmdSaveAsJPEG_->width() - gap, cmdSaveAsJPEG_->y());
    lblHeading_->move((w - lblHeading_->width()) / 2, lblHeading_->y());
}

void MDI::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDI::closeEvent(QCloseEvent* event) {
    // Only Back and New close the frame without ending the program.
    if (!leaving_) emit exitRequested();
    QMainWindow::closeEvent(event);
}

void MDI::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit frameActivated();
}

void MDI::WriteChart() {
    const ChartTexts& s = program_.Texts;
    const ChartTexts& c = program_.Texts;
    frmDisplay& d = *display_;
    d.SetCellText(d.lblAyanamsha(), QString::fromStdString(s.AyanamsaText));
    d.SetCellText(d.lblLagna(), QString::fromStdString(s.LagnaSignName));
    d.SetCellText(d.lblNakshatra(), QString::fromStdString(s.NakshatraText));
    d.SetCellText(d.lblRashi(), QString::fromStdString(s.RashiText));
    d.SetCellText(d.lblPada(), QString::fromStdString(s.NakshatraPada));
    d.SetCellText(d.lblLord(), QString::fromStdString(s.NakshatraLord));
    for (int i = 0; i < frmDisplay::kPlanetCells; ++i)
        d.SetCellText(d.Planet(i), QString::fromStdString(c.ChartPositions[static_cast<std::size_t>(i)]));

    // Without texts no chart was ever computed: leave the houses' signs blank.
    const bool computed = !c.HouseTexts[0].empty();
    for (int h = 0; h < kHouseCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        d.SetHouse(h, computed ? SignNumber(program_.Chart.HouseSigns[i]) : 0,
                   QString::fromStdString(c.HouseTexts[i]), c.HouseBodies[i]);
    }
    d.ComposeBirthDetails(program_);
    readingsStale_ = true;
    readings_.reset();
    vargasStale_ = ashtakavargaStale_ = true;
    RefreshView();
}

void MDI::TB_ButtonClick(const QString& key) {
    if (key == QLatin1String("New")) {
        mnuNew_Click();
    } else if (key == QLatin1String("Open")) {
        emit openRequested();
    } else if (key == QLatin1String("Save")) {
        emit saveAsRequested();
    } else if (key == QLatin1String("Print")) {
        emit printRequested();
    }
}

void MDI::LeaveForMainForm() {
    leaving_ = true;
    close();
}

void MDI::mnuNew_Click() {
    emit mainFormRequested();
    LeaveForMainForm();
}

void MDI::cmdBack_Click() {
    // The frame goes first, then the main form comes back: shown while the frame was still
    // on screen, a window manager would place it out of the frame's way.
    LeaveForMainForm();
    emit mainFormRequested();
}

void MDI::cmdExit_Click() { close(); }

void MDI::mnuToolBar_Click() {
    // The entry has already flipped its own mark.
    TB_->setVisible(mnuToolBar_->isChecked());
}

void MDI::mnuStatusBar_Click() {
    // The entry has already flipped its own mark.
    statusBar()->setVisible(mnuStatusBar_->isChecked());
    SaveSettings();
}

void MDI::mnuChart_Click() {
    // The view entries' marks are kept by their check group.
    view_ = -1;
    RefreshView();
}

void MDI::ShowDivisionalChart(int d) {
    view_ = d;
    RefreshView();
}

void MDI::SetChartStyle(ChartStyle style) {
    style_ = style;
    RefreshView();
    SaveSettings();
}

void MDI::SetColourStyle(bool on) {
    colour_ = on;
    RefreshView();
    SaveSettings();
}

void MDI::RefreshView() {
    for (ChartCanvas* chart : {display_->chart(), divisional_->chart()}) {
        chart->SetStyle(style_);
        chart->SetColour(colour_);
    }
    display_->chart()->SetName(FromView(kRashiTitle));
    const bool divisional = view_ >= 0 && view_ < kVargaCount;
    if (divisional) divisional_->ShowDivision(program_, view_);
    display_->SetChartName(TitleOf(-1));
    if (divisional) divisional_->SetChartName(TitleOf(view_));
    RefreshStrength();
    RefreshReadings();
    RefreshTransits();
    statusView_->setText(ViewTitle());
    // The natal display keeps its contents while a divisional chart stands in its place.
    divisionalWindow_->setVisible(divisional);
    displayWindow_->setVisible(view_ < 0);
    zoom_->Refresh();
    // The picture store holds what is on show; before the frame is first shown, its first
    // activation takes it.
    if (isVisible()) CapturePicture();
}

}  // namespace velakor
