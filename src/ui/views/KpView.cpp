#include "ui/views/KpView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <array>

#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"
#include "panchanga/Panchanga.h"
#include "sky/SkyTables.h"
#include "transit/Transit.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/StrengthTable.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kMargin = 12;
constexpr int kWidth = frmDisplay::kWidth - 2 * kMargin;
constexpr int kColumnWidth = 462;
constexpr int kRightLeft = frmDisplay::kWidth - kMargin - kColumnWidth;
constexpr int kRowHeight = 17;
constexpr int kTop = 90;                                      // the cusps and the grahas
constexpr int kSignificatorTop = kTop + 13 * kRowHeight + 8;  // under the cusps
constexpr int kRulingTop = kTop + 10 * kRowHeight + 4;        // under the grahas

// A table of fixed rows, drawn for the printer where it stands on screen.
QTableWidget* MakeTable(QWidget* parent, const QString& name, QPoint at, const QStringList& headers,
                        const std::vector<int>& widths, int rows) {
    QTableWidget* table = MakeStrengthTable(parent, name, at.x(), headers, widths, rows);
    table->horizontalHeader()->setFixedHeight(kRowHeight);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int r = 0; r < rows; ++r) table->setRowHeight(r, kRowHeight);
    table->setGeometry(at.x(), at.y(), kColumnWidth + 1, kRowHeight * (rows + 1) + 1);
    return table;
}

// "Sag 11°26'40"": the sign and the truncated degrees, minutes and seconds in it.
QString LongitudeText(double longitude) {
    const SignPosition p = SplitPosition(longitude);
    return QStringLiteral("%1 %2\u00B0%3'%4\"")
        .arg(QText(SignAbbrev(p.InSign)))
        .arg(p.Degrees, 2, 10, QLatin1Char('0'))
        .arg(p.Minutes, 2, 10, QLatin1Char('0'))
        .arg(p.Seconds, 2, 10, QLatin1Char('0'));
}

void SetLordCells(QTableWidget* table, int row, const QString& first, const KpPoint& p) {
    SetStrengthCell(table, row, 0, first, true);
    SetStrengthCell(table, row, 1, LongitudeText(p.Longitude));
    int c = 2;
    for (const Body lord : {p.Lords.SignLord, p.Lords.StarLord, p.Lords.SubLord, p.Lords.SubSubLord})
        SetStrengthCell(table, row, c++, QText(EnglishName(lord)));
}

QString BodiesText(const BodySet& set) {
    QStringList names;
    for (const Body b : set.List()) names << QText(ShortName(b));
    return names.join(QLatin1Char(' '));
}

QString HousesText(const HouseSet& set) {
    QStringList numbers;
    for (const int h : set.List()) numbers << QString::number(h);
    return numbers.join(QLatin1Char(' '));
}

QString PlaceText(const KpPlace& place) {
    const auto text = [](double degrees, char plus, char minus) {
        const int minutes = static_cast<int>(std::abs(degrees) * 60.0);
        return QText(CoordinateText(minutes / 60, minutes % 60, degrees < 0 ? minus : plus));
    };
    return text(place.Latitude, 'N', 'S') + QStringLiteral(", ") + text(place.Longitude, 'E', 'W');
}

QString MomentText(double jdUt, int offset) {
    return QText(ClockText(jdUt, offset)) + QStringLiteral(", UTC") + QText(OffsetText(offset));
}

}  // namespace

KpView::KpView(Kind kind, QWidget* parent) : ReadingView(parent), kind_(kind) {
    const QString prefix = kind == Kind::Birth ? QStringLiteral("lblKp") : QStringLiteral("lblHorary");
    title_->setObjectName(prefix + QStringLiteral("Title"));
    title_->setGeometry(kMargin, 6, kWidth, 24);
    who_->setObjectName(prefix + QStringLiteral("Who"));
    who_->setGeometry(kMargin, 32, kWidth, 18);
    born_->setObjectName(prefix + QStringLiteral("Born"));
    born_->setGeometry(kMargin, 50, kWidth, 18);
    sky_ = ViewLine(this, prefix + QStringLiteral("Sky"), QRect(kMargin, 68, kWidth, 18), 8.25, false);

    const QString name = kind == Kind::Birth ? QStringLiteral("tblKp") : QStringLiteral("tblHorary");
    cusps_ = MakeTable(this, name + QStringLiteral("Cusps"), {kMargin, kTop},
                       {QStringLiteral("Cusp"), QStringLiteral("Longitude"), QStringLiteral("Sign lord"),
                        QStringLiteral("Star lord"), QStringLiteral("Sub lord"), QStringLiteral("Sub-sub lord")},
                       {42, 96, 78, 78, 78, 90}, kHouseCount);
    bodies_ = MakeTable(this, name + QStringLiteral("Bodies"), {kRightLeft, kTop},
                        {QStringLiteral("Body"), QStringLiteral("Longitude"), QStringLiteral("Sign lord"),
                         QStringLiteral("Star lord"), QStringLiteral("Sub lord"), QStringLiteral("Sub-sub"),
                         QStringLiteral("House")},
                        {62, 96, 66, 66, 62, 62, 48}, kGrahaCount);
    cusps_->setAccessibleName(tr("Cusps"));
    bodies_->setAccessibleName(tr("Bodies"));
    const QStringList levels{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    houseSignificators_ = MakeTable(this, name + QStringLiteral("HouseSignificators"), {kMargin, kSignificatorTop},
                                    QStringList{QStringLiteral("House")} + levels, {62, 100, 100, 100, 100}, kHouseCount);
    bodySignificators_ = MakeTable(this, name + QStringLiteral("BodySignificators"), {kRightLeft, kSignificatorTop},
                                   QStringList{QStringLiteral("Signifies")} + levels, {62, 100, 100, 100, 100},
                                   kGrahaCount);
    houseSignificators_->setAccessibleName(tr("Significators of the houses"));
    bodySignificators_->setAccessibleName(tr("Houses each planet signifies"));
    rulingTitle_ = ViewLine(this, prefix + QStringLiteral("RulingTitle"), QRect(kRightLeft, kRulingTop, kColumnWidth, 16),
                            8.25, true);
    ruling_ = ViewLine(this, prefix + QStringLiteral("Ruling"), QRect(kRightLeft, kRulingTop + 16, kColumnWidth, 40),
                       8.25, false);
    ruling_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_ = ViewLine(this, prefix + QStringLiteral("Message"), QRect(kMargin, kTop, kColumnWidth, 80), 9, true);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    message_->setPalette(red);
    const int legendTop = kSignificatorTop + 10 * kRowHeight + 6;
    legend_ = ViewLine(this, prefix + QStringLiteral("Legend"),
                       QRect(kRightLeft, legendTop, kColumnWidth, frmDisplay::kHeight - legendTop - 4), 8.25, false);
    legend_->setWordWrap(true);
    legend_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legend_->setText(QStringLiteral(
        "Significators, strongest first: A the planets in the star of the house's occupants, B its occupants, "
        "C the planets in the star of its owner, D its owner; Rahu and Ketu also for the lord of their sign and "
        "the planets in their sign. House: by the Placidus cusps."));
}

QString KpView::Title(const ViewSources& sources) const {
    if (kind_ == Kind::Birth) return QStringLiteral("KP");
    return sources.horary() ? QStringLiteral("Horary %1").arg(sources.horary()->Number) : QStringLiteral("Horary");
}

unsigned KpView::Inputs() const {
    // The day lord of the ruling planets follows the sunrise rule.
    return kChartInput | kReadingInput | (kind_ == Kind::Birth ? kMomentInput : kHoraryInput);
}

void KpView::Fill(ViewSources& sources) {
    const Program& p = sources.program();
    const BirthRecord& b = p.Birth;
    const QString zone = b.ZoneIndex >= 0 && b.ZoneIndex < kZoneCount ? QText(Zone(b.ZoneIndex).Name) : QString();
    SetHeading(QString(), WhoAndWhereText(b), BornText(b, zone));
    const SkyChoice choice = KpSkyChoice(p.SkyInUse);
    QString skyText = QStringLiteral("Positions: ") + QText(DescribeSky(choice));
    if (p.SkyInUse.Positions == SkyPositions::Builtin)
        skyText += QStringLiteral(" (KP reads the precise sky, not the chart's built-in formulas)");
    sky_->setText(skyText + QStringLiteral("; Placidus houses"));

    const int offset = BirthUtcOffsetMinutes(b);
    KpRulingRequest ruling;
    ruling.Rule = p.Reading.Sunrise;
    std::optional<KpChart> chart;
    QString message;
    const SkyTables* tables = SkyTables::Shared();
    if (kind_ == Kind::Birth) {
        title_->setText(QStringLiteral("KP: cusps, lords, significators and ruling planets"));
        ruling.JdUt = sources.moment();
        if (tables == nullptr) {
            message = QStringLiteral("The precise sky's tables cannot be read: KP needs them.");
        } else {
            const PreciseSky sky(*tables, choice);
            // Outside the tables the ruling planets are read at the birth, and say so.
            if (!sky.Covers(ruling.JdUt)) ruling.JdUt = BirthJulianDayUt(b);
            chart = CastKp(b, sky, ruling);
        }
    } else {
        const HoraryQuestion q = sources.horary().value_or(HoraryQuestion{});
        const QString where = q.PlaceName.isEmpty() ? QString() : q.PlaceName + QStringLiteral(", ");
        title_->setText(q.Number == 0 ? QStringLiteral("Horary")
                                      : QStringLiteral("Horary %1, asked %2 at %3")
                                            .arg(q.Number)
                                            .arg(MomentText(q.JdUt, q.Offset), where + PlaceText(q.Place)));
        ruling.JdUt = q.JdUt;
        if (q.Number == 0) {
            message = QStringLiteral("No horary question has been asked yet: View > Horary Question...");
        } else if (tables == nullptr) {
            message = QStringLiteral("The precise sky's tables cannot be read: a horary chart needs them.");
        } else {
            const PreciseSky sky(*tables, choice);
            chart = CastHorary(q.Number, q.JdUt, q.Place, sky, ruling);
            if (!chart) message = QText(OutsideSkyMessage(q.JdUt, q.Offset));
        }
    }
    if (chart) {
        const int shownOffset = kind_ == Kind::Birth ? offset : sources.horary()->Offset;
        rulingTitle_->setText(QStringLiteral("Ruling planets at ") + MomentText(chart->Ruling.JdUt, shownOffset) +
                              (kind_ == Kind::Birth ? QStringLiteral(", the birth place") : QString()));
    }
    Show(chart, message);
}

void KpView::Show(const std::optional<KpChart>& chart, const QString& message) {
    const bool houses = chart && chart->Houses;
    for (QWidget* w : {static_cast<QWidget*>(cusps_), static_cast<QWidget*>(houseSignificators_),
                       static_cast<QWidget*>(bodySignificators_), static_cast<QWidget*>(legend_)})
        w->setVisible(houses);
    for (QWidget* w : {static_cast<QWidget*>(bodies_), static_cast<QWidget*>(rulingTitle_),
                       static_cast<QWidget*>(ruling_)})
        w->setVisible(chart.has_value());
    message_->setVisible(!houses);
    message_->setText(chart ? QText(NoCuspsMessage(*chart)) : message);
    if (!chart) return;

    for (const Body b : kGrahas) {
        const int row = static_cast<int>(Index(b));
        SetLordCells(bodies_, row, QText(EnglishName(b)), chart->Bodies[Index(b)]);
        SetStrengthCell(bodies_, row, 6, houses ? QString::number(chart->Houses->Occupied[Index(b)]) : QString());
    }
    const RulingPlanets& r = chart->Ruling;
    const auto lords = [](const KpLords& l) {
        return QStringLiteral("sign %1, star %2, sub %3")
            .arg(QText(EnglishName(l.SignLord)), QText(EnglishName(l.StarLord)), QText(EnglishName(l.SubLord)));
    };
    ruling_->setText(QStringLiteral("Day lord: %1 (%2)\nMoon: %3\nAscendant: %4")
                         .arg(QText(EnglishName(r.DayLord)), QText(VaraName(r.Weekday)), lords(r.Moon), lords(r.Ascendant)));
    if (!houses) return;

    const Significators& s = chart->Houses->Significations;
    for (int h = 0; h < kHouseCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        SetLordCells(cusps_, h, QString::number(h + 1), chart->Houses->Cusps[i]);
        SetStrengthCell(houseSignificators_, h, 0, QString::number(h + 1), true);
        for (int level = 0; level < kSignificatorLevels; ++level)
            SetStrengthCell(houseSignificators_, h, level + 1, BodiesText(s.Houses[i][static_cast<std::size_t>(level)]));
    }
    for (const Body b : kGrahas) {
        const int row = static_cast<int>(Index(b));
        SetStrengthCell(bodySignificators_, row, 0, QText(EnglishName(b)), true);
        for (int level = 0; level < kSignificatorLevels; ++level)
            SetStrengthCell(bodySignificators_, row, level + 1,
                            HousesText(s.Bodies[Index(b)][static_cast<std::size_t>(level)]));
    }
}

void KpView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintHeading(painter);
    for (const QLabel* line : {sky_, message_, rulingTitle_, ruling_, legend_})
        if (line->isVisibleTo(this)) PaintViewLine(painter, line);
    for (const QTableWidget* table : {cusps_, bodies_, houseSignificators_, bodySignificators_})
        if (table->isVisibleTo(this)) PaintTableGrid(painter, table, kRowHeight);
}

}  // namespace velakor
