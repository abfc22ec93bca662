#include "ui/window/MDI.h"

#include <QAction>
#include <QCoreApplication>
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
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "app/Calculation.h"
#include "chart/DivisionalCharts.h"
#include "io/gui/ChartSheet.h"
#include "io/gui/OutputCommands.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/Seams.h"
#include "ui/dialogs/WebLinks.h"
#include "ui/drawing/DesktopIcons.h"
#include "ui/drawing/Fonts.h"
#include "ui/drawing/HeldPixmapIcon.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/TransitView.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ChartZoom.h"
#include "ui/window/MomentMenu.h"
#include "ui/window/ReadingMenus.h"
#include "ui/window/LanguageMenu.h"
#include "ui/window/MenuCaptions.h"
#include "ui/window/SkyMenus.h"
#include "ui/window/ViewSources.h"
#include "ui/window/ViewTable.h"

namespace velakor {
namespace {

const QColor kBandColour(255, 199, 6);

// The frame's own captions, set again when the interface's language changes.
constexpr MenuCaption kCaptions[] = {
    {"mnuFile", QT_TRANSLATE_NOOP("velakor::MDI", "&File")},
    {"mnuNew", QT_TRANSLATE_NOOP("velakor::MDI", "&New")},
    {"mnuOpen", QT_TRANSLATE_NOOP("velakor::MDI", "&Open...")},
    {"mnuLibrary", QT_TRANSLATE_NOOP("velakor::MDI", "Chart &Library...")},
    {"mnuMatch", QT_TRANSLATE_NOOP("velakor::MDI", "&Match with a Saved Reading...")},
    {"mnuMatchLibrary", QT_TRANSLATE_NOOP("velakor::MDI", "Match with a Library C&hart...")},
    {"mnuSaveAs", QT_TRANSLATE_NOOP("velakor::MDI", "Save &As")},
    {"mnuSaveToLibrary", QT_TRANSLATE_NOOP("velakor::MDI", "Save &to Library")},
    {"mnuSaveAsJpeg", QT_TRANSLATE_NOOP("velakor::MDI", "Save As &JPEG")},
    {"mnuExport", QT_TRANSLATE_NOOP("velakor::MDI", "&Export Chart As Text")},
    {"mnuPrint", QT_TRANSLATE_NOOP("velakor::MDI", "&Print")},
    {"mnuPrintSheet", QT_TRANSLATE_NOOP("velakor::MDI", "Print Chart &Sheet...")},
    {"mnuExportSheet", QT_TRANSLATE_NOOP("velakor::MDI", "Export Chart Sheet as P&DF...")},
    {"mnuPrintToday", QT_TRANSLATE_NOOP("velakor::MDI", "Print Transits and Dasha Toda&y...")},
    {"mnuBack", QT_TRANSLATE_NOOP("velakor::MDI", "&Back")},
    {"mnuExit", QT_TRANSLATE_NOOP("velakor::MDI", "E&xit")},
    {"mnuView", QT_TRANSLATE_NOOP("velakor::MDI", "&View")},
    {"mnuToolBar", QT_TRANSLATE_NOOP("velakor::MDI", "&Toolbar")},
    {"mnuStatusBar", QT_TRANSLATE_NOOP("velakor::MDI", "&Status Bar")},
    {"mnuChartStyle", QT_TRANSLATE_NOOP("velakor::MDI", "&Chart Style")},
    {"mnuNorth", QT_TRANSLATE_NOOP("velakor::MDI", "&North Indian")},
    {"mnuSouth", QT_TRANSLATE_NOOP("velakor::MDI", "&South Indian")},
    {"mnuNatal", QT_TRANSLATE_NOOP("velakor::MDI", "&Natal Indian")},
    {"mnuColor", QT_TRANSLATE_NOOP("velakor::MDI", "Colo&r Style")},
    {"mnuColorOn", QT_TRANSLATE_NOOP("velakor::MDI", "O&n")},
    {"mnuColorOff", QT_TRANSLATE_NOOP("velakor::MDI", "O&ff")},
    {"mnuDivisionalCharts", QT_TRANSLATE_NOOP("velakor::MDI", "&Divisional Charts")},
    {"mnuHelp", QT_TRANSLATE_NOOP("velakor::MDI", "&Help")},
    {"mnuOnline", QT_TRANSLATE_NOOP("velakor::MDI", "&Online Help")},
    {"mnuVisit", QT_TRANSLATE_NOOP("velakor::MDI", "&Visit Us Online")},
    {"mnuUpdate", QT_TRANSLATE_NOOP("velakor::MDI", "Check for Software &Update")},
    {"mnuAbout", QT_TRANSLATE_NOOP("velakor::MDI", "&About Software")},
    {"mnuMoney", QT_TRANSLATE_NOOP("velakor::MDI", "Make Money &Online")},
    {"cmdSaveAsJPEG", QT_TRANSLATE_NOOP("velakor::MDI", "Save As &JPEG")},
    {"cmdBack", QT_TRANSLATE_NOOP("velakor::MDI", "&Back")},
    {"cmdExit", QT_TRANSLATE_NOOP("velakor::MDI", "E&xit")},
    {"TB_New", QT_TRANSLATE_NOOP("velakor::MDI", "New")},
    {"TB_Open", QT_TRANSLATE_NOOP("velakor::MDI", "Open")},
    {"TB_Save", QT_TRANSLATE_NOOP("velakor::MDI", "Save")},
    {"TB_Print", QT_TRANSLATE_NOOP("velakor::MDI", "Print")},
};

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

// A divisional chart's entry in the interface's language: in English the table's caption; in
// the others the varga's own name, keyed by its number where Ctrl and a digit show it (the
// English keys share a letter there) and by the English letter otherwise.
QString VargaCaption(const ViewRow& row, int varga, Language lang) {
    if (lang == Language::English) return QString::fromLatin1(row.Caption);
    const Qt::Key key = row.Shortcut.key();
    const QString letter = key >= Qt::Key_0 && key <= Qt::Key_9
                               ? QString(QChar(static_cast<char16_t>(key)))
                               : QKeySequence::mnemonic(QString::fromLatin1(row.Caption)).toString().right(1);
    return QText(TranslatedName(Vocabulary::Varga, varga + 1, lang)) + QStringLiteral("(&") + letter + QLatin1Char(')');
}

}  // namespace

MDI::MDI(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Velakor v1.70"));
    // The toolbar is shown and hidden from the View menu only.
    setContextMenuPolicy(Qt::PreventContextMenu);

    sources_ = new ViewSources(program_, this);
    slots_.resize(ViewTable().size());
    BuildMenus();
    BuildToolBar();
    BuildBands();
    zoom_ = new ChartZoom(area_, QSize(frmDisplay::kWidth, frmDisplay::kHeight));

    statusView_ = new QLabel(this);
    statusView_->setObjectName(QStringLiteral("lblStatusView"));
    statusFile_ = new QLabel(this);
    statusFile_->setObjectName(QStringLiteral("lblStatusFile"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(statusView_, 1);
    statusBar()->addPermanentWidget(statusFile_);
    Retranslate();

    MDIForm_Load();
    // The natal display comes with the frame, on show; the calculation fills it.
    Made(0).window->show();
    momentMenu_->setEnabled(false);
    statusView_->setText(ViewTitle());
    FitToDisplay();

    connect(sources_, &ViewSources::changed, this, &MDI::InputsChanged);
    connect(this, &MDI::saveAsRequested, this, &MDI::mnuSaveAs_Click);
    connect(this, &MDI::saveAsJpegRequested, this, &MDI::mnuSaveAsJpeg_Click);
    connect(this, &MDI::exportRequested, this, &MDI::mnuExport_Click);
    connect(this, &MDI::printRequested, this, &MDI::mnuPrint_Click);
    connect(this, &MDI::frameActivated, this, &MDI::MDIForm_Activate);
}

MDI::~MDI() = default;

MDI::Slot& MDI::Made(int row) {
    Slot& slot = slots_.at(static_cast<std::size_t>(row));
    if (slot.page) return slot;
    // The page is the view; once in its sub-window, the window owns it.
    slot.view = ViewTable()[static_cast<std::size_t>(row)].Make(*sources_).release();
    QWidget* page = slot.view->page();
    slot.page = page;
    page->setObjectName(QString::fromLatin1(ViewTable()[static_cast<std::size_t>(row)].Name).mid(3) + QStringLiteral("View"));
    if (row == 0) page->setObjectName(QStringLiteral("frmDisplay"));
    slot.window = area_->addSubWindow(page, Qt::FramelessWindowHint);
    slot.window->setObjectName(row == 0 ? QStringLiteral("frmDisplayWindow") : page->objectName() + QStringLiteral("Window"));
    slot.window->setGeometry(0, 0, frmDisplay::kWidth, frmDisplay::kHeight);
    // A view is never closed on its own (the sub-window's own keys would otherwise do it).
    slot.window->setAttribute(Qt::WA_DeleteOnClose, false);
    slot.window->setSystemMenu(nullptr);
    slot.window->hide();
    // The views only show the chart: the keyboard goes round the band's buttons. The area
    // gives the window of the view on show the focus as the window opens, though Tab never
    // stops there: from it, Tab and Shift+Tab go on to the band's buttons.
    slot.window->setFocusPolicy(Qt::NoFocus);
    slot.window->installEventFilter(this);
    if (slot.view->Scales()) zoom_->Add(slot.window);
    slot.stale = true;
    return slot;
}

frmDisplay* MDI::display() const { return static_cast<frmDisplay*>(slots_.front().view); }

QMdiSubWindow* MDI::displayWindow() const { return slots_.front().window; }

ChartView* MDI::currentView() const { return slots_.at(static_cast<std::size_t>(current_)).view; }

QWidget* MDI::viewOnShow() const { return currentView()->page(); }

QString MDI::viewName() const { return QString::fromLatin1(ViewTable()[static_cast<std::size_t>(current_)].Name); }

ChartStyle MDI::chartStyle() const { return sources_->style(); }

bool MDI::colourStyle() const { return sources_->colour(); }

double MDI::transitMoment() const { return sources_->moment(); }

QString MDI::ViewTitle() const { return sources_->WithSky(currentView()->Title(*sources_)); }

void MDI::ShowView(int row) {
    if (row < 0 || row >= static_cast<int>(slots_.size())) return;
    const ViewRow& r = ViewTable()[static_cast<std::size_t>(row)];
    if (r.Ready && !r.Ready(*sources_)) return;
    Slot& next = Made(row);
    for (const Slot& slot : slots_) {
        if (slot.entry) slot.entry->setChecked(&slot == &next);
    }
    const int previous = current_;
    current_ = row;
    // Filled before it is shown: the window then paints it once, complete.
    RefreshView();
    next.window->show();
    if (previous != row) slots_[static_cast<std::size_t>(previous)].window->hide();
    momentMenu_->setEnabled(next.view->Inputs() & kMomentInput);
    mnuPrintToday_->setEnabled(row == ViewRowOf("mnuTransits"));
}

void MDI::InputsChanged(unsigned inputs) {
    for (Slot& slot : slots_) {
        if (slot.page && (slot.view->Inputs() & inputs)) slot.stale = true;
    }
    // A view that cannot be shown any more gives way to the chart; one that can, its entry.
    for (std::size_t row = 0; row < slots_.size(); ++row) {
        const ViewRow& r = ViewTable()[row];
        if (!r.Ready || !slots_[row].entry) continue;
        const bool ready = r.Ready(*sources_);
        slots_[row].entry->setEnabled(ready);
    }
    RefreshView();
}

void MDI::RefreshView() {
    Slot& slot = slots_.at(static_cast<std::size_t>(current_));
    if (slot.stale) {
        slot.view->Fill(*sources_);
        slot.stale = false;
    }
    statusView_->setText(ViewTitle());
    // A screen reader names the frameless sub-window by its title, which would otherwise be
    // the page's internal one ("frmDisplay") or none.
    slot.window->setWindowTitle(statusView_->text());
    zoom_->Refresh();
    // Taken when it is asked for (Save As JPEG) or the frame is next activated: a view
    // switch costs no picture.
    pictureStale_ = true;
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
    display()->setPicture(currentView()->Picture());
    pictureStale_ = false;
}

QPixmap MDI::Picture() {
    if (pictureStale_ || display()->picture().isNull()) CapturePicture();
    return display()->picture();
}

double MDI::chartScale() const { return zoom_->scale(); }

void MDI::SetReadingFileName(const QString& name) {
    readingFileName_ = name;
    statusFile_->setText(QFileInfo(name).fileName());
    statusFile_->setToolTip(QDir::toNativeSeparators(name));
}

void MDI::mnuSaveAs_Click() {
    if (SaveReadingAs(this, program_)) SetReadingFileName(QString::fromStdString(program_.LastSaveFileName));
}

void MDI::mnuExport_Click() { ExportReportAs(this, program_); }

void MDI::mnuSaveAsJpeg_Click() { SaveChartPictureAs(this, Picture()); }

QString MDI::PdfNameBesideReading(const QString& suffix) const {
    // The reading of the person on show: its file, or the name proposed for it.
    const QString name = QString::fromStdString(program_.LastSaveFileName);
    if (name.isEmpty()) return {};
    const QFileInfo reading(name);
    const QString pdf = reading.completeBaseName() + suffix + QStringLiteral(".pdf");
    // A name without a folder stays one: the dialog puts it in the folder of the PDFs.
    return name.contains(QLatin1Char('/')) ? reading.dir().filePath(pdf) : pdf;
}

void MDI::mnuPrint_Click() {
    // Drawn afresh at the printer's resolution from the view on show.
    QPrinter printer(QPrinter::HighResolution);
    ChartView* view = currentView();
    PrintedPages pages;
    pages.Size = view->page()->size();
    pages.Count = view->PrintedPages();
    pages.Paint = [view](QPainter& painter, int index) { view->PaintPrintedPage(painter, index); };
    PrintPagesOf(this, pages, printer, PdfNameBesideReading(QString()));
}

void MDI::PrintChartSheet() {
    QPrinter printer(QPrinter::HighResolution);
    velakor::PrintChartSheet(this, program_, sources_->readings(), sources_->style(), sources_->colour(), printer,
                             PdfNameBesideReading(QStringLiteral("-sheet")));
}

void MDI::ExportChartSheet() {
    ExportChartSheetAsPdf(this, program_, sources_->readings(), sources_->style(), sources_->colour());
}

void MDI::MatchWithSavedReading() {
    if (const std::optional<FormValues> values =
            OpenReading(this, FormValues{}, nullptr, tr("Open the Partner's Reading for Matching")))
        MatchWith(*values);
}

void MDI::MatchWith(const FormValues& values) {
    // A reading the main form would refuse cannot be charted: say why, as the form does.
    if (const auto failure = ValidateInput(values)) {
        ShowMessage(this, QString::fromStdString(failure->Message),
                    failure->Icon == MessageIcon::Information ? BoxIcon::Information : BoxIcon::Critical);
        return;
    }
    const auto nameOf = [](const std::string& name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    };
    const QString other = nameOf(values.Name);
    const QString self = nameOf(program_.Birth.BirthName);
    const std::optional<bool> bride =
        AskQuestionOrCancel(this, tr("Is %1 the bride?\n\nYes: %1 is the bride and %2 the groom.\n"
                                                 "No: %2 is the bride and %1 the groom.")
                                      .arg(other, self));
    if (!bride) return;
    sources_->setPartner(values, *bride);
    ShowView(ViewRowOf("mnuMatching"));
}

void MDI::PrintTransitsToday() {
    // The transit view's page at today's moment, for the printer alone: no steps to press.
    TransitView today(QList<QAction*>{});
    const Program& p = sources_->program();
    today.Show(p, sources_->readings(), ReadTransits(p, TodayJulianDay(p.Reading)), sources_->style(),
               sources_->colour());
    today.SetPageTitle(tr("Transits and Dasha Today"));
    QPrinter printer(QPrinter::HighResolution);
    PrintedPages pages;
    pages.Size = today.size();
    pages.Count = 1;
    pages.Paint = [&today](QPainter& painter, int) { today.Paint(painter); };
    pages.Title = tr("Print the Transits and Dasha of Today");
    PrintPagesOf(this, pages, printer, PdfNameBesideReading(QStringLiteral("-today")));
}

void MDI::BuildMenus() {
    BuildFileMenu();
    BuildViewMenu();
    BuildHelpMenu();
}

void MDI::BuildFileMenu() {
    QMenu* file = AddMenu(this, QStringLiteral("mnuFile"), QString());
    connect(AddEntry(file, QStringLiteral("mnuNew"), QString()), &QAction::triggered, this,
            &MDI::mnuNew_Click);
    // The toolbar's Open, also where a keyboard user looks for it.
    connect(AddEntry(file, QStringLiteral("mnuOpen"), QString()), &QAction::triggered, this,
            &MDI::openRequested);
    connect(AddEntry(file, QStringLiteral("mnuLibrary"), QString()), &QAction::triggered,
            this, &MDI::libraryRequested);
    connect(AddEntry(file, QStringLiteral("mnuMatch"), QString()),
            &QAction::triggered, this, &MDI::MatchWithSavedReading);
    connect(AddEntry(file, QStringLiteral("mnuMatchLibrary"), QString()),
            &QAction::triggered, this, &MDI::libraryPartnerRequested);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuSaveAs"), QString()), &QAction::triggered, this,
            &MDI::saveAsRequested);
    connect(AddEntry(file, QStringLiteral("mnuSaveToLibrary"), QString()),
            &QAction::triggered, this, &MDI::saveToLibraryRequested);
    connect(AddEntry(file, QStringLiteral("mnuSaveAsJpeg"), QString()), &QAction::triggered,
            this, &MDI::saveAsJpegRequested);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuExport"), QString()),
            &QAction::triggered, this, &MDI::exportRequested);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuPrint"), QString()), &QAction::triggered, this,
            &MDI::printRequested);
    connect(AddEntry(file, QStringLiteral("mnuPrintSheet"), QString()),
            &QAction::triggered, this, &MDI::PrintChartSheet);
    connect(AddEntry(file, QStringLiteral("mnuExportSheet"), QString()),
            &QAction::triggered, this, &MDI::ExportChartSheet);
    // Offered while the transits are on show: their moment is the one printed about.
    mnuPrintToday_ = AddEntry(file, QStringLiteral("mnuPrintToday"), QString());
    mnuPrintToday_->setEnabled(false);
    connect(mnuPrintToday_, &QAction::triggered, this, &MDI::PrintTransitsToday);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuBack"), QString()), &QAction::triggered, this,
            &MDI::cmdBack_Click);
    file->addSeparator();
    connect(AddEntry(file, QStringLiteral("mnuExit"), QString()), &QAction::triggered, this,
            &MDI::cmdExit_Click);
    menuBar()->addMenu(file);
}

void MDI::BuildViewMenu() {
    QMenu* view = AddMenu(this, QStringLiteral("mnuView"), QString());
    mnuToolBar_ = AddEntry(view, QStringLiteral("mnuToolBar"), QString());
    mnuToolBar_->setCheckable(true);
    connect(mnuToolBar_, &QAction::triggered, this, &MDI::mnuToolBar_Click);
    mnuStatusBar_ = AddEntry(view, QStringLiteral("mnuStatusBar"), QString());
    mnuStatusBar_->setCheckable(true);
    connect(mnuStatusBar_, &QAction::triggered, this, &MDI::mnuStatusBar_Click);
    view->addSeparator();

    // Chart style and colour style redraw whichever chart is on show.
    QMenu* style = AddMenu(view, QStringLiteral("mnuChartStyle"), QString());
    styleEntries_ = {AddEntry(style, QStringLiteral("mnuNorth"), QString()),
                     AddEntry(style, QStringLiteral("mnuSouth"), QString()),
                     AddEntry(style, QStringLiteral("mnuNatal"), QString())};
    MakeCheckGroup(styleEntries_);
    const ChartStyle styles[] = {ChartStyle::North, ChartStyle::South, ChartStyle::East};
    for (int i = 0; i < 3; ++i) {
        const ChartStyle s = styles[i];
        connect(styleEntries_[i], &QAction::triggered, this, [this, s] { SetChartStyle(s); });
    }
    view->addMenu(style);

    QMenu* colour = AddMenu(view, QStringLiteral("mnuColor"), QString());
    mnuColorOn_ = AddEntry(colour, QStringLiteral("mnuColorOn"), QString());
    mnuColorOff_ = AddEntry(colour, QStringLiteral("mnuColorOff"), QString());
    MakeCheckGroup({mnuColorOn_, mnuColorOff_});
    connect(mnuColorOn_, &QAction::triggered, this, [this] { SetColourStyle(true); });
    connect(mnuColorOff_, &QAction::triggered, this, [this] { SetColourStyle(false); });
    view->addMenu(colour);
    view->addSeparator();

    // The sky recomputes the chart and redraws whatever is on show.
    skyMenus_ = new SkyMenus(view, this);
    connect(skyMenus_, &SkyMenus::chosen, this, &MDI::SetSky);
    new LanguageMenu(view, this);
    view->addSeparator();

    // One entry per view, in the table's order; the divisional charts in their submenu.
    QMenu* divisional = nullptr;
    QList<QAction*> entries;
    for (std::size_t row = 0; row < ViewTable().size(); ++row) {
        const ViewRow& r = ViewTable()[row];
        QMenu* menu = view;
        if (r.Menu == ViewMenu::Divisional) {
            if (!divisional) {
                divisional = AddMenu(view, QStringLiteral("mnuDivisionalCharts"), QString());
                view->addMenu(divisional);
            }
            menu = divisional;
        }
        QAction* entry = AddEntry(menu, QString::fromLatin1(r.Name), QString());
        if (r.Shortcut.key() != Qt::Key_unknown) entry->setShortcut(QKeySequence(r.Shortcut));
        if (r.Ready) entry->setEnabled(r.Ready(*sources_));
        const int shown = static_cast<int>(row);
        connect(entry, &QAction::triggered, this, [this, shown] {
            const ViewRow& asked = ViewTable()[static_cast<std::size_t>(shown)];
            if (asked.Ask && !asked.Ask(this, *sources_)) return;
            ShowView(shown);
        });
        slots_[row].entry = entry;
        if (!r.Ask) entries << entry;
    }
    MakeCheckGroup(entries);
    view->addSeparator();

    // The choices that shape the readings, and the moment of the views of the sky then.
    auto* reading = new ReadingMenus(view, program_, this);
    connect(reading, &ReadingMenus::changed, sources_, &ViewSources::readingChanged);
    momentMenu_ = new MomentMenu(view, *sources_, this);
    menuBar()->addMenu(view);
}

void MDI::BuildHelpMenu() {
    QMenu* help = AddMenu(this, QStringLiteral("mnuHelp"), QString());
    connect(AddEntry(help, QStringLiteral("mnuOnline"), QString()), &QAction::triggered,
            this, [] { OpenUserGuide(); });
    connect(AddEntry(help, QStringLiteral("mnuVisit"), QString()), &QAction::triggered,
            this, [] { OpenUserGuide(); });
    help->addSeparator();
    connect(AddEntry(help, QStringLiteral("mnuUpdate"), QString()),
            &QAction::triggered, this, [] { OpenUserGuide(); });
    help->addSeparator();
    connect(AddEntry(help, QStringLiteral("mnuAbout"), QString()), &QAction::triggered,
            this, [this] { ShowAboutBox(this); });
    connect(AddEntry(help, QStringLiteral("mnuMoney"), QString()), &QAction::triggered,
            this, [] { OpenUserGuide(); });
    menuBar()->addMenu(help);
}

void MDI::BuildToolBar() {
    TB_ = new QToolBar(this);
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
    cmdSaveAsJPEG_ = MakeButton(QStringLiteral("cmdSaveAsJPEG"), QString(), kSaveAsJpegWidth,
                                buttonBand_);
    cmdBack_ = MakeButton(QStringLiteral("cmdBack"), QString(), kBackExitWidth, buttonBand_);
    cmdExit_ = MakeButton(QStringLiteral("cmdExit"), QString(), kBackExitWidth, buttonBand_);
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
    slots_.front().entry->setChecked(true);
    // The North Indian chart is the one on show when the frame opens, so its entry is the
    // one checked.
    styleEntries_.front()->setChecked(true);

    // What the user chose last time, where the program keeps settings.
    const ViewSettings saved = ProgramSettings::LoadView();
    {
        const QSignalBlocker quiet(sources_);
        sources_->setStyle(saved.Style);
        sources_->setColour(saved.Colour);
    }
    const int styleIndex = saved.Style == ChartStyle::South ? 1 : (saved.Style == ChartStyle::East ? 2 : 0);
    for (int i = 0; i < styleEntries_.size(); ++i) styleEntries_[i]->setChecked(i == styleIndex);
    mnuColorOff_->setChecked(!saved.Colour);
    mnuColorOn_->setChecked(saved.Colour);
    mnuStatusBar_->setChecked(saved.StatusBar);
    statusBar()->setVisible(saved.StatusBar);
    skyMenus_->Show(program_.SkyInUse);
}

void MDI::SaveSettings() {
    ProgramSettings::ReportNotStored(this, ProgramSettings::SaveView({program_.SkyInUse, sources_->style(),
                                                                      sources_->colour(), mnuStatusBar_->isChecked()}));
}

void MDI::SetSky(const SkyChoice& choice) {
    // The tables are read on the first precise chart, not before: the window opens as fast.
    if (!SkyAvailable(choice)) {
        ShowMessage(this, tr("The precise positions cannot be read; the built-in formulas stay in use."),
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

void MDI::Retranslate() {
    SetMenuCaptions(this, "velakor::MDI", kCaptions);
    TB_->setWindowTitle(tr("Toolbar"));
    const Language lang = InterfaceLanguage();
    std::size_t varga = 0;
    for (std::size_t row = 0; row < slots_.size(); ++row) {
        QAction* entry = slots_[row].entry;
        const ViewRow& r = ViewTable()[row];
        if (r.Menu != ViewMenu::Divisional) {
            entry->setText(QCoreApplication::translate("velakor::ViewTable", r.Caption));
            continue;
        }
        // The captions are the varga's names alone; the status bar adds the D-number.
        entry->setText(VargaCaption(r, static_cast<int>(varga), lang));
        entry->setStatusTip(tr("Shows the %1").arg(QText(VargaTitle(static_cast<int>(varga), lang))));
        ++varga;
    }
}

void MDI::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        // Every view says its texts again in the new language: the one on show at once,
        // the others when next shown.
        for (Slot& slot : slots_) slot.stale = slot.page != nullptr;
        if (slots_.at(static_cast<std::size_t>(current_)).page) RefreshView();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit frameActivated();
}

void MDI::WriteChart() {
    sources_->chartChanged();
    // The calculation writes the chart display's captions whatever view is on show: the
    // display is the chart's record in the window (its labels, its picture store).
    Slot& natal = slots_.front();
    if (natal.stale) {
        natal.view->Fill(*sources_);
        natal.stale = false;
    }
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

void MDI::SetChartStyle(ChartStyle style) {
    sources_->setStyle(style);
    SaveSettings();
}

void MDI::SetColourStyle(bool on) {
    sources_->setColour(on);
    SaveSettings();
}

}  // namespace velakor
