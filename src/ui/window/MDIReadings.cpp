// The chart window's reading views: the View menu's entries for the dasha and the
// panchanga, the choices of year length and sunrise rule, and the views themselves.
#include <QAction>
#include <QFileInfo>
#include <QDir>
#include <QPrinter>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "chart/NameTables.h"
#include "io/gui/ChartSheet.h"
#include "ui/window/MDI.h"
#include "ui/views/MatchingView.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/views/ReadingViews.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

QAction* Choice(QMenu* menu, const QString& name, const QString& caption, bool checked) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

}  // namespace

void MDI::BuildReadingMenus(QMenu* view, QList<QAction*>& views) {
    ProgramSettings::LoadReading(program_.Reading);
    QAction* dasha = view->addAction(QStringLiteral("&Vimshottari Dasha"));
    dasha->setObjectName(QStringLiteral("mnuDasha"));
    QAction* panchanga = view->addAction(QStringLiteral("&Panchanga"));
    panchanga->setObjectName(QStringLiteral("mnuPanchanga"));
    mnuMatching_ = view->addAction(QStringLiteral("&Matching"));
    mnuMatching_->setObjectName(QStringLiteral("mnuMatching"));
    // Nothing to show until a second reading has been matched with this chart.
    mnuMatching_->setEnabled(false);
    views << dasha << panchanga << mnuMatching_;
    connect(mnuMatching_, &QAction::triggered, this, [this] {
        view_ = kMatchingView;
        RefreshView();
    });
    connect(dasha, &QAction::triggered, this, [this] {
        view_ = kDashaView;
        RefreshView();
    });
    connect(panchanga, &QAction::triggered, this, [this] {
        view_ = kPanchangaView;
        RefreshView();
    });

    // The year length and the sunrise rule change the readings' dates; they are kept.
    view->addSeparator();
    QMenu* year = view->addMenu(QStringLiteral("Dasha &Year"));
    year->setObjectName(QStringLiteral("mnuDashaYear"));
    QMenu* sunrise = view->addMenu(QStringLiteral("Sunri&se"));
    sunrise->setObjectName(QStringLiteral("mnuSunrise"));
    const std::pair<double, const char*> years[] = {{kDashaYearJulian, "365.25 days"},
                                                    {kDashaYearTropical, "365.2422 days (tropical)"},
                                                    {kDashaYearSavana, "360 days"}};
    QList<QAction*> yearEntries;
    int i = 0;
    for (const auto& [days, caption] : years) {
        yearEntries << Choice(year, QStringLiteral("mnuDashaYear_%1").arg(i++), QString::fromLatin1(caption),
                              program_.Reading.DashaYearDays == days);
    }
    QList<QAction*> ruleEntries{
        Choice(sunrise, QStringLiteral("mnuSunriseCentre"), QStringLiteral("&Centre of the disc, no refraction"),
               program_.Reading.Sunrise == SunriseRule::Centre),
        Choice(sunrise, QStringLiteral("mnuSunriseLimb"), QStringLiteral("&Upper limb, with refraction"),
               program_.Reading.Sunrise == SunriseRule::Limb)};
    auto choose = [this](const QList<QAction*>& entries, QAction* chosen, auto apply) {
        for (QAction* other : entries) other->setChecked(other == chosen);
        apply();
        ProgramSettings::ReportNotStored(this, ProgramSettings::SaveReading(program_.Reading));
        readingsStale_ = true;
        readings_.reset();
        RefreshView();
    };
    for (int k = 0; k < yearEntries.size(); ++k) {
        const double days = years[k].first;
        connect(yearEntries[k], &QAction::triggered, this, [=, this] {
            choose(yearEntries, yearEntries[k], [&] { program_.Reading.DashaYearDays = days; });
        });
    }
    for (int k = 0; k < 2; ++k) {
        const SunriseRule rule = k == 0 ? SunriseRule::Centre : SunriseRule::Limb;
        connect(ruleEntries[k], &QAction::triggered, this,
                [=, this] { choose(ruleEntries, ruleEntries[k], [&] { program_.Reading.Sunrise = rule; }); });
    }
}

void MDI::AddSheetEntries(QMenu* file) {
    QAction* print = file->addAction(QStringLiteral("Print Chart &Sheet..."));
    print->setObjectName(QStringLiteral("mnuPrintSheet"));
    connect(print, &QAction::triggered, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        QString pdfName;
        if (!readingFileName_.isEmpty()) {
            const QFileInfo reading(readingFileName_);
            pdfName = reading.dir().filePath(reading.completeBaseName() + QStringLiteral("-sheet.pdf"));
        }
        PrintChartSheet(this, program_, CurrentReadings(), style_, colour_, printer, pdfName);
    });
    QAction* pdf = file->addAction(QStringLiteral("Export Chart Sheet as &PDF..."));
    pdf->setObjectName(QStringLiteral("mnuExportSheet"));
    connect(pdf, &QAction::triggered, this, [this] { ExportChartSheetAsPdf(this, program_, CurrentReadings(), style_, colour_); });
}

void MDI::BuildReadingViews() {
    dasha_ = new DashaView;
    dasha_->setObjectName(QStringLiteral("DashaView"));
    panchanga_ = new PanchangaView;
    panchanga_->setObjectName(QStringLiteral("PanchangaView"));
    dashaWindow_ = area_->addSubWindow(dasha_, Qt::FramelessWindowHint);
    dashaWindow_->setObjectName(QStringLiteral("DashaWindow"));
    panchangaWindow_ = area_->addSubWindow(panchanga_, Qt::FramelessWindowHint);
    panchangaWindow_->setObjectName(QStringLiteral("PanchangaWindow"));
    matching_ = new MatchingView;
    matching_->setObjectName(QStringLiteral("MatchingView"));
    matchingWindow_ = area_->addSubWindow(matching_, Qt::FramelessWindowHint);
    matchingWindow_->setObjectName(QStringLiteral("MatchingWindow"));
    for (QMdiSubWindow* w : {dashaWindow_, panchangaWindow_, matchingWindow_}) {
        w->setGeometry(0, 0, frmDisplay::kWidth, frmDisplay::kHeight);
        w->hide();
    }
}

const Readings& MDI::CurrentReadings() {
    // Once per chart and choice: the views, their pictures and printouts and the chart sheet
    // all read these.
    if (!readings_) readings_ = ComputeReadings(program_);
    return *readings_;
}

void MDI::RefreshReadings() {
    // Their pictures and printouts say whose chart, when and where, and from which sky.
    const BirthRecord& b = program_.Birth;
    const QString zone = b.ZoneIndex >= 0 && b.ZoneIndex < kZoneCount
                             ? QText(Zone(b.ZoneIndex).Name)
                             : QString();
    const QString who = WhoAndWhereText(b), born = BornText(b, zone);
    dasha_->SetHeading(TitleOf(kDashaView), who, born);
    panchanga_->SetHeading(TitleOf(kPanchangaView), who, born);
    const bool reading = view_ == kDashaView || view_ == kPanchangaView;
    // Filled when first shown after a change: a chart that is never read this way costs nothing.
    if (reading && readingsStale_) {
        const Readings& r = CurrentReadings();
        dasha_->Show(program_, r);
        panchanga_->Show(program_, r);
        readingsStale_ = false;
    }
    dashaWindow_->setVisible(view_ == kDashaView);
    panchangaWindow_->setVisible(view_ == kPanchangaView);
    RefreshMatching();
}

}  // namespace velakor
