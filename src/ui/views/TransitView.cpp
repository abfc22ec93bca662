#include "ui/views/TransitView.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <utility>

#include "astro/CivilTime.h"
#include "dasha/DashaTree.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/drawing/Fonts.h"
#include "ui/dialogs/Seams.h"
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
// The table's columns: body, sign, degree, nakshatra, house, from Moon, R, leaves sign.
constexpr int kColumnWidths[] = {58, 76, 70, 122, 44, 76, 22};
constexpr int kIngressWidth = 376;  // the ingress steps, at the right of the sky's line

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
    // One sky for the whole page: the transits come from the sky the chart and its dasha
    // dates were computed in, never a finer one beside them.
    r.Sky = QString::fromStdString(DescribeSky(program.SkyInUse));
    if (!SkyAvailable(program.SkyInUse)) {
        r.Message = QStringLiteral("The precise sky's tables cannot be read.");
        return r;
    }
    const std::unique_ptr<Sky> sky = MakeSky(program.SkyInUse);
    r.Now = TransitAt(*sky, program.Chart, jdUt);
    if (!r.Now) {
        r.Message = program.SkyInUse.Positions == SkyPositions::Precise
                        ? QString::fromStdString(OutsideSkyMessage(jdUt, r.Offset))
                        : QStringLiteral("Transits are read from 1900 to 2150: nothing can be computed for %1.")
                              .arg(BirthClockText(jdUt, r.Offset).left(10));
    }
    r.Saturn = SaturnPeriods(*sky, program.Chart[Body::Moon].Rashi, program.Chart.JdUt,
                             program.Chart.JdUt + kSaturnPeriodsSpanDays);
    r.SadeSatis = SadeSatis(r.Saturn);
    if (r.Now) {
        r.RunningSaturn = RunningSaturnPeriod(r.Saturn, jdUt);
        r.RunningSadeSati = RunningSadeSati(r.SadeSatis, jdUt);
        r.NextSadeSati = NextSadeSati(r.SadeSatis, jdUt);
    }
    return r;
}

QString SadeSatiText(const TransitReading& r) {
    if (!r.Now) return {};
    auto span = [&r](int i) {
        const SadeSati& s = r.SadeSatis[static_cast<std::size_t>(i)];
        return (s.StartJd ? BirthClockText(*s.StartJd, r.Offset).left(10) : QStringLiteral("before 1900")) +
               QStringLiteral(" to ") + (s.EndJd ? BirthClockText(*s.EndJd, r.Offset).left(10) : QStringLiteral("after 2150"));
    };
    const QString phase =
        r.RunningSaturn >= 0 ? QText(SaturnPhaseName(r.Saturn[static_cast<std::size_t>(r.RunningSaturn)].Phase)) : QString();
    QString text;
    if (r.RunningSadeSati >= 0) {
        // Inside a passage but outside its signs: a retrograde step back for a few months.
        text = QStringLiteral("Sade sati now (%1): %2")
                   .arg(phase.isEmpty() ? QStringLiteral("Saturn stepped back for a while") : phase, span(r.RunningSadeSati));
    } else {
        text = phase.isEmpty() ? QStringLiteral("No sade sati now") : QStringLiteral("No sade sati now (Saturn: %1)").arg(phase);
    }
    text += r.NextSadeSati >= 0 ? QStringLiteral("; the next: ") + span(r.NextSadeSati)
                                : QStringLiteral("; no other within a century of the birth");
    return text;
}

TransitView::TransitView(const QList<QAction*>& steps, QWidget* parent) : ReadingView(parent) {
    MakeViewPage(this);
    const int width = frmDisplay::kWidth - 2 * kTransitMargin;
    PlaceTransitHeading(title_, who_, QStringLiteral("lblTransit"), tr("Transits"));
    sky_ = ViewLine(this, QStringLiteral("lblTransitSky"), QRect(kTransitMargin, 34, width - kIngressWidth - 8, 20), 8.25,
                    false);

    // The ingress steps of one body, at the right of the sky's line.
    int ix = frmDisplay::kWidth - kTransitMargin - kIngressWidth;
    auto* ingressLabel = ViewLine(this, QStringLiteral("lblIngress"), QRect(ix, 32, 56, 24), 8.25, false);
    ingressLabel->setText(QStringLiteral("Ingress &of"));
    ingressBody_ = new QComboBox(this);
    ingressBody_->setObjectName(QStringLiteral("cboIngressBody"));
    for (const Body b : kGrahas) ingressBody_->addItem(QText(EnglishName(b)));
    ingressBody_->setCurrentIndex(static_cast<int>(Index(Body::Saturn)));
    ingressBody_->setGeometry(ix + 58, 32, 86, 24);
    ingressLabel->setBuddy(ingressBody_);
    ix += 148;
    for (const bool forward : {false, true}) {
        auto* b = new QToolButton(this);
        b->setObjectName(forward ? QStringLiteral("cmdIngressOn") : QStringLiteral("cmdIngressBack"));
        b->setText(forward ? QStringLiteral("Next Ingress \u203A") : QStringLiteral("\u2039 Previous Ingress"));
        b->setToolTip(forward ? QStringLiteral("Moves the moment to the body's next change of sign")
                              : QStringLiteral("Moves the moment to the body's last change of sign"));
        b->setGeometry(ix, 32, forward ? 100 : 124, 24);
        ix += forward ? 104 : 128;
        connect(b, &QToolButton::clicked, this, [this, forward] { StepIngress(forward); });
    }

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
    moment_ = new QLineEdit(this);
    moment_->setObjectName(QStringLiteral("txtTransitMoment"));
    moment_->setAccessibleName(tr("Transit moment"));
    moment_->setToolTip(QStringLiteral("Year-month-day hours:minutes on the birth's clock; Enter moves there"));
    moment_->setMaxLength(40);
    moment_->setGeometry(x, 60, 150, 26);
    x += 154;
    for (int i = 3; i < steps.size(); ++i) button(steps[i]);
    zone_ = ViewLine(this, QStringLiteral("lblTransitZone"), QRect(x + 4, 60, frmDisplay::kWidth - x - kTransitMargin, 26), 8.25,
                 false);
    connect(moment_, &QLineEdit::editingFinished, this, &TransitView::TakeTypedMoment);

    // Two lines: a yogini's name comes with her planet's.
    dasha_ = ViewLine(this, QStringLiteral("lblTransitDasha"), QRect(kTransitMargin, 92, width, 34), 8.25, true);
    dasha_->setWordWrap(true);
    chart_ = new ChartCanvas(this);
    chart_->setObjectName(QStringLiteral("TransitChart"));
    chart_->setGeometry(kTransitMargin, kTop, kChartSide, kChartSide - 4);
    sadeSati_ = ViewLine(this, QStringLiteral("lblTransitSadeSati"), QRect(kTransitMargin, kTop + kChartSide + 6, width, 20),
                         8.25, true);
    table_ = MakeTransitTable(this, QStringLiteral("tblTransits"), Headers());
    table_->setAccessibleName(tr("Transits"));
    // "R" fits the narrow column; the word is what a screen reader should say.
    table_->horizontalHeaderItem(6)->setData(Qt::AccessibleTextRole, tr("Retrograde"));
    table_->setGeometry(kTableLeft, kTop, kTableWidth, kGrahaCount * kRowHeight + 30);
    for (int c = 0; c < 7; ++c) table_->setColumnWidth(c, kColumnWidths[c]);
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
        "natal lagna's sign; From Moon: from the natal Moon's sign. R: retrograde. Leaves sign: the moment the body "
        "next leaves the sign it is in, backwards too."));
}

void TransitView::SetPageTitle(const QString& title) { title_->setText(title); }

void TransitView::TakeTypedMoment() {
    const QString text = moment_->text().simplified();
    if (text == shownMoment_) return;
    const QStringList parts = text.split(QLatin1Char(' '));
    const QDate date = QDate::fromString(parts.value(0), QStringLiteral("yyyy-M-d"));
    QTime clock(0, 0);
    if (parts.size() == 2) {
        clock = QTime::fromString(parts[1], QStringLiteral("H:mm"));
        if (!clock.isValid()) clock = QTime::fromString(parts[1], QStringLiteral("H:mm:ss"));
    }
    if (!date.isValid() || !clock.isValid() || parts.size() > 2) {
        // The moment on show stays, and the field says it again before the message is read.
        moment_->setText(shownMoment_);
        ShowMessage(this,
                    QStringLiteral("\"%1\" is not a moment the transits can be read at.\n\nType a date and a time on "
                                   "the birth's clock, such as 2026-12-07 14:30 (year-month-day hours:minutes).")
                        .arg(text),
                    BoxIcon::Exclamation);
        return;
    }
    emit momentEdited(JdFromCivil(date.year(), date.month(), date.day(),
                                  clock.hour() + clock.minute() / 60.0 + clock.second() / 3600.0, offset_));
}

void TransitView::StepIngress(bool forward) {
    if (!program_) return;
    const Body body = kGrahas[static_cast<std::size_t>(std::max(0, ingressBody_->currentIndex()))];
    const std::unique_ptr<Sky> sky = MakeSky(program_->SkyInUse);
    if (const auto jd = IngressStep(*sky, body, jd_, forward)) {
        emit momentEdited(*jd);
        return;
    }
    ShowMessage(this,
                QStringLiteral("%1 has no %2 change of sign between 1900 and 2150.")
                    .arg(QText(EnglishName(body)), forward ? QStringLiteral("later") : QStringLiteral("earlier")),
                BoxIcon::Information);
}

TransitView::TransitView(ViewSources& sources, QWidget* parent) : TransitView(sources.momentSteps(), parent) {
    connect(this, &TransitView::momentEdited, &sources, &ViewSources::setMoment);
}

QStringList TransitView::Headers() {
    // "R" fits the narrow column of the retrograde mark.
    return {tr("Body"), tr("Sign"), tr("Degree"), tr("Nakshatra"), tr("House"), tr("From Moon"), tr("R"), tr("Leaves sign")};
}

void TransitView::Fill(ViewSources& sources) {
    Show(sources.program(), sources.readings(), ReadTransits(sources.program(), sources.moment()), sources.style(),
         sources.colour());
}

void TransitView::Show(const Program& program, const Readings& readings, const TransitReading& r, ChartStyle style,
                       bool colour) {
    offset_ = r.Offset;
    program_ = &program;
    jd_ = r.Jd;
    SetLineText(who_, BirthLineText(program.Birth));
    title_->setText(tr("Transits"));
    table_->setHorizontalHeaderLabels(Headers());
    sky_->setText(QStringLiteral("Positions: ") + r.Sky);
    zone_->setText(QStringLiteral("UTC") + QText(OffsetText(r.Offset)) + QStringLiteral(", the birth's clock"));
    const CivilMoment c = CivilFromJd(r.Jd, r.Offset);
    shownMoment_ = QString::asprintf("%04d-%02d-%02d %02d:%02d", c.Year, c.Month, c.Day, c.Hour, c.Minute);
    moment_->setText(shownMoment_);
    sadeSati_->setText(SadeSatiText(r));

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
            caption += QLatin1String(kTransitMark) + QText(ShortName(b.Which)) + (b.Retrograde ? QStringLiteral(" (R)") : QString());
            bodies[house].push_back({b.Which, true});
        }
        // The system and year chosen, named: a date from another program is checked against them.
        const DashaTree& tree = readings.Tree;
        const QString which = QStringLiteral("Dasha at this moment (%1, %2): ")
                                  .arg(QText(DashaSystemName(tree.System)), YearLengthText(tree.YearDays).toLower());
        if (const auto running = RunningPeriodsAt(tree, r.Jd)) {
            SetLineText(dasha_,
                        which + QStringLiteral("%1 / %2 / %3   (mahadasha to %4, antardasha to %5, "
                                               "pratyantardasha to %6)")
                                    .arg(PeriodLordText(tree.System, running->Maha.Lord),
                                         PeriodLordText(tree.System, running->Antar.Lord),
                                         PeriodLordText(tree.System, running->Pratyantar.Lord),
                                         BirthClockText(running->Maha.EndJd, r.Offset).left(10),
                                         BirthClockText(running->Antar.EndJd, r.Offset).left(10),
                                         BirthClockText(running->Pratyantar.EndJd, r.Offset)),
                        2);
        } else {
            dasha_->setText(which + QStringLiteral("none (outside the dasha's periods)"));
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
    PaintViewLine(painter, sadeSati_);
    painter.save();
    painter.translate(chart_->pos());
    chart_->Paint(painter);
    painter.restore();
    if (table_->isVisibleTo(this)) {
        std::vector<double> lefts{0};
        for (const int w : kColumnWidths) lefts.push_back(lefts.back() + w);
        PaintTableRows(painter, *table_, QRectF(kTableLeft, kTop, kTableWidth, table_->height()), lefts, kRowHeight);
        PaintViewLine(painter, legend_);
    } else {
        PaintViewLine(painter, message_);
    }
}

}  // namespace velakor
