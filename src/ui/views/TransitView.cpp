#include "ui/views/TransitView.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QToolButton>
#include <cmath>
#include <utility>

#include "astro/CivilTime.h"
#include "dasha/RunningDasha.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/drawing/Fonts.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/TransitParts.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kTop = 128;  // the chart and the table
constexpr int kChartSide = 330;
constexpr int kTableLeft = kTransitMargin + kChartSide + 14;
constexpr int kTableWidth = frmDisplay::kWidth - kTableLeft - kTransitMargin;
constexpr int kRowHeight = 26;

// Degrees, minutes and seconds within the sign, each truncated: 12°34'56".
QString DegreeText(double longitude) {
    const double inSign = longitude - 30.0 * std::floor(longitude / 30.0);
    const auto seconds = static_cast<long>(std::floor(inSign * 3600.0));
    return QStringLiteral("%1\u00B0%2'%3\"")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

TransitReading ReadTransits(const Program& program, double jdUt) {
    TransitReading r;
    r.Jd = jdUt;
    r.Offset = BirthUtcOffsetMinutes(program.Birth);
    r.Sky = QString::fromStdString(DescribeTransitSky(program.SkyInUse));
    const SkyChoice choice = TransitSkyChoice(program.SkyInUse);
    if (!SkyAvailable(choice)) {
        r.Message = QStringLiteral("The precise sky's tables cannot be read: transits need them.");
        return r;
    }
    const std::unique_ptr<Sky> sky = MakeSky(choice);
    r.Now = TransitAt(*sky, program.Chart, jdUt);
    if (!r.Now) r.Message = QString::fromStdString(OutsideSkyMessage(jdUt, r.Offset));
    r.Saturn = SaturnPeriods(*sky, program.Chart[Body::Moon].Rashi, program.Chart.JdUt,
                             program.Chart.JdUt + kSaturnPeriodsSpanDays);
    if (r.Now) r.RunningSaturn = RunningSaturnPeriod(r.Saturn, jdUt);
    return r;
}

TransitView::TransitView(const QList<QAction*>& steps, QWidget* parent) : ReadingView(parent) {
    MakeViewPage(this);
    const int width = frmDisplay::kWidth - 2 * kTransitMargin;
    PlaceTransitHeading(title_, who_, QStringLiteral("lblTransit"), QStringLiteral("Transits"));
    sky_ = ViewLine(this, QStringLiteral("lblTransitSky"), QRect(kTransitMargin, 34, width, 20), 8.25, false);

    // The moment row: three steps back, the field, three steps forward, now; the zone.
    int x = kTransitMargin;
    auto button = [&](QAction* action) {
        auto* b = new QToolButton(this);
        b->setDefaultAction(action);
        b->setObjectName(QStringLiteral("cmd") + action->objectName().mid(3));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setGeometry(x, 60, 62, 26);
        x += 66;
    };
    for (int i = 0; i < 3 && i < steps.size(); ++i) button(steps[i]);
    moment_ = new QDateTimeEdit(this);
    moment_->setObjectName(QStringLiteral("dtpTransitMoment"));
    moment_->setAccessibleName(tr("Transit moment"));
    moment_->setTimeSpec(Qt::UTC);  // the birth's clock, read as a plain date and time
    moment_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    moment_->setDateTimeRange(QDateTime(QDate(1800, 1, 1), QTime(0, 0), Qt::UTC),
                              QDateTime(QDate(2299, 12, 31), QTime(23, 59), Qt::UTC));
    moment_->setGeometry(x, 60, 150, 26);
    x += 154;
    for (int i = 3; i < steps.size(); ++i) button(steps[i]);
    zone_ = ViewLine(this, QStringLiteral("lblTransitZone"), QRect(x + 4, 60, frmDisplay::kWidth - x - kTransitMargin, 26), 8.25,
                 false);
    connect(moment_, &QDateTimeEdit::editingFinished, this, [this] {
        if (filling_) return;
        const QDateTime t = moment_->dateTime();
        const QDate d = t.date();
        const QTime c = t.time();
        emit momentEdited(JdFromCivil(d.year(), d.month(), d.day(), c.hour() + c.minute() / 60.0, offset_));
    });

    dasha_ = ViewLine(this, QStringLiteral("lblTransitDasha"), QRect(kTransitMargin, 94, width, 24), 8.25, true);
    chart_ = new ChartCanvas(this);
    chart_->setObjectName(QStringLiteral("TransitChart"));
    chart_->setGeometry(kTransitMargin, kTop, kChartSide, kChartSide - 4);
    table_ = MakeTransitTable(this, QStringLiteral("tblTransits"),
                              {QStringLiteral("Body"), QStringLiteral("Sign"), QStringLiteral("Degree"),
                               QStringLiteral("Nakshatra"), QStringLiteral("House"), QStringLiteral("Moon"),
                               QStringLiteral("R"), QStringLiteral("Leaves sign")});
    table_->setAccessibleName(tr("Transits"));
    // "R" fits the narrow column; the word is what a screen reader should say.
    table_->horizontalHeaderItem(6)->setData(Qt::AccessibleTextRole, tr("Retrograde"));
    table_->setGeometry(kTableLeft, kTop, kTableWidth, kGrahaCount * kRowHeight + 30);
    const int widths[] = {66, 80, 76, 124, 48, 48, 24};
    for (int c = 0; c < 7; ++c) table_->setColumnWidth(c, widths[c]);
    message_ = ViewLine(this, QStringLiteral("lblTransitMessage"), QRect(kTableLeft, kTop, kTableWidth, 60), 9, true);
    message_->setWordWrap(true);
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    message_->setPalette(red);
    legend_ = ViewLine(this, QStringLiteral("lblTransitLegend"),
                   QRect(kTableLeft, kTop + kGrahaCount * kRowHeight + 36, kTableWidth, 60), 8.25, false);
    legend_->setWordWrap(true);
    legend_->setText(QStringLiteral(
        "In the chart, \"T\" and blue mark the transiting bodies; the others are natal. House: counted from the "
        "natal lagna's sign; Moon: from the natal Moon's sign. R: retrograde. Leaves sign: the moment the body "
        "next leaves the sign it is in, backwards too."));
}

TransitView::TransitView(ViewSources& sources, QWidget* parent) : TransitView(sources.momentSteps(), parent) {
    connect(this, &TransitView::momentEdited, &sources, &ViewSources::setMoment);
}

void TransitView::Fill(ViewSources& sources) {
    Show(sources.program(), sources.readings(), ReadTransits(sources.program(), sources.moment()), sources.style(),
         sources.colour());
}

void TransitView::Show(const Program& program, const Readings& readings, const TransitReading& r, ChartStyle style,
                       bool colour) {
    offset_ = r.Offset;
    SetLineText(who_, BirthLineText(program.Birth));
    sky_->setText(QStringLiteral("Positions: ") + r.Sky);
    zone_->setText(QStringLiteral("UTC") + QText(OffsetText(r.Offset)) + QStringLiteral(", the birth's clock"));
    const CivilMoment c = CivilFromJd(r.Jd, r.Offset);
    filling_ = true;
    moment_->setDateTime(QDateTime(QDate(c.Year, c.Month, c.Day), QTime(c.Hour, c.Minute), Qt::UTC));
    filling_ = false;

    chart_->SetStyle(style);
    chart_->SetColour(colour);
    chart_->SetName(QStringLiteral("Transits"));
    // The natal houses, with the transiting bodies added below them.
    std::array<QString, kHouseCount> captions;
    std::array<HouseLines, kHouseCount> bodies = program.Texts.HouseBodies;
    for (int h = 0; h < kHouseCount; ++h)
        captions[static_cast<std::size_t>(h)] = QString::fromStdString(program.Texts.HouseTexts[static_cast<std::size_t>(h)]);
    message_->setVisible(!r.Now);
    message_->setText(r.Message);
    table_->setVisible(r.Now.has_value());
    legend_->setVisible(r.Now.has_value());
    if (r.Now) {
        table_->setRowCount(kGrahaCount);
        int row = 0;
        for (const TransitBody& b : r.Now->Bodies) {
            SetTransitRow(table_, row,
                          {QText(EnglishName(b.Which)), QText(SignSanskritName(b.Rashi)), DegreeText(b.Longitude),
                           QText(NakshatraName(b.Star)) + QStringLiteral(" ") + QString::number(b.Pada),
                           QText(Ordinal(b.House)), QText(Ordinal(b.FromMoon)), b.Retrograde ? QStringLiteral("R") : QString(),
                           b.LeavesJd ? BirthClockText(*b.LeavesJd, r.Offset) : QStringLiteral("after 2150")},
                          false);
            table_->setRowHeight(row++, kRowHeight);
            const auto house = static_cast<std::size_t>(b.House - 1);
            QString& caption = captions[house];
            if (!caption.isEmpty()) caption += QStringLiteral("\r\n");
            caption += QLatin1String(kTransitMark) + QText(ShortName(b.Which)) +
                       (b.Retrograde && b.Which != Body::Rahu && b.Which != Body::Ketu ? QStringLiteral(" (R)") : QString());
            bodies[house].push_back({b.Which, true});
        }
        if (const auto running = RunningDashaAt(readings.Periods, r.Jd)) {
            dasha_->setText(QStringLiteral("Dasha at this moment: %1 / %2 / %3   (mahadasha to %4, antardasha to %5, "
                                           "pratyantardasha to %6)")
                                .arg(QText(DashaLordName(running->Maha.Lord)), QText(DashaLordName(running->Antar.Lord)),
                                     QText(DashaLordName(running->Pratyantar.Lord)),
                                     BirthClockText(running->Maha.EndJd, r.Offset).left(10),
                                     BirthClockText(running->Antar.EndJd, r.Offset).left(10),
                                     BirthClockText(running->Pratyantar.EndJd, r.Offset)));
        } else {
            dasha_->setText(QStringLiteral("Dasha at this moment: none (outside the 120 years of the dasha)"));
        }
    } else {
        table_->setRowCount(0);
        dasha_->setText(QString());
    }
    for (int h = 0; h < kHouseCount; ++h) {
        const bool known = !program.Texts.HouseTexts[0].empty();
        chart_->SetHouse(h, known ? SignNumber(program.Chart.HouseSigns[static_cast<std::size_t>(h)]) : 0,
                         captions[static_cast<std::size_t>(h)], std::move(bodies[static_cast<std::size_t>(h)]));
    }
}

void TransitView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintViewLine(painter, title_);
    PaintViewLine(painter, who_);
    PaintViewLine(painter, sky_);
    painter.setFont(VerdanaFont(8.25, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kTransitMargin, 60, 600, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Moment: ") + moment_->text() + QStringLiteral("  ") + zone_->text());
    PaintViewLine(painter, dasha_);
    painter.save();
    painter.translate(chart_->pos());
    chart_->Paint(painter);
    painter.restore();
    if (table_->isVisibleTo(this)) {
        PaintTableRows(painter, *table_, QRectF(kTableLeft, kTop, kTableWidth, table_->height()),
                   {0, 66, 146, 222, 346, 394, 442, 466}, kRowHeight);
        PaintViewLine(painter, legend_);
    } else {
        PaintViewLine(painter, message_);
    }
}

}  // namespace velakor
