#include "ui/views/ReadingTexts.h"

#include <QLocale>

#include "chart/PositionText.h"

#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "dasha/NakshatraDashas.h"

namespace velakor {

QString QText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

Readings ComputeReadings(const Program& p) { return ComputeReadings(p.Birth, p.Chart, p.SkyInUse, p.Reading); }

QString YearLengthText(double yearDays) {
    return QStringLiteral("Year of %1 days").arg(QString::number(yearDays, 'g', 8));
}

QString DashaTitle(DashaSystem system) { return QText(DashaSystemName(system)) + QStringLiteral(" Dasha"); }

QString PeriodLordText(DashaSystem system, PeriodLord lord) {
    // A yogini is known by her own name; her planet follows for those who count by planets.
    if (system == DashaSystem::Yogini && !lord.IsSign) {
        return QText(YoginiName(lord.AsBody())) + QStringLiteral(" (") + QText(PeriodLordName(lord)) + QLatin1Char(')');
    }
    return QText(PeriodLordName(lord));
}

QString BalanceText(DashaSystem system, const PeriodBalance& b) {
    const auto count = [](int n, const char* unit) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(unit) + (n == 1 ? QString() : QStringLiteral("s"));
    };
    return PeriodLordText(system, b.Lord) + QStringLiteral(": ") + count(b.Years, "year") + QLatin1Char(' ') +
           count(b.Months, "month") + QLatin1Char(' ') + count(b.Days, "day");
}

QString SunriseRuleText(SunriseRule rule) {
    return rule == SunriseRule::Centre ? QStringLiteral("centre of the Sun's disc, no refraction")
                                       : QStringLiteral("upper limb, with refraction");
}


QString CoordinatesText(const BirthRecord& b) {
    return QText(CoordinateText(b.LatDeg, b.LatMin, b.LatSouthFlag ? 'S' : 'N')) + QStringLiteral(", ") +
           QText(CoordinateText(b.LonDeg, b.LonMin, b.LonEastFlag ? 'E' : 'W'));
}

QString WhoAndWhereText(const BirthRecord& b) {
    return QStringLiteral("%1 \u2014 %2, %3, %4, %5")
        .arg(QString::fromStdString(b.BirthName), QString::fromStdString(b.BirthCity),
             QString::fromStdString(b.BirthState), QString::fromStdString(b.BirthCountry), CoordinatesText(b));
}

QString BirthLineText(const BirthRecord& b) {
    QStringList place;
    for (const std::string* part : {&b.BirthCity, &b.BirthState, &b.BirthCountry})
        if (!part->empty()) place << QText(*part);
    return QStringLiteral("%1, born %2 %3 %4 at %5:%6 in %7 (%8)")
        .arg(QText(b.BirthName))
        .arg(b.BirthDay)
        .arg(QLocale().standaloneMonthName(b.BirthMonth, QLocale::LongFormat))
        .arg(b.BirthYear)
        .arg(b.BirthHour)
        .arg(b.BirthMinute, 2, 10, QLatin1Char('0'))
        .arg(place.join(QStringLiteral(", ")), CoordinatesText(b));
}

QString BornText(const BirthRecord& b, const QString& zoneName) {
    return QStringLiteral("Born %1-%2-%3 at %4:%5, UTC%6 (%7; daylight saving %8)")
        .arg(b.BirthYear, 4, 10, QLatin1Char('0'))
        .arg(b.BirthMonth, 2, 10, QLatin1Char('0'))
        .arg(b.BirthDay, 2, 10, QLatin1Char('0'))
        .arg(b.BirthHour, 2, 10, QLatin1Char('0'))
        .arg(b.BirthMinute, 2, 10, QLatin1Char('0'))
        .arg(QText(OffsetText(BirthUtcOffsetMinutes(b))), zoneName,
             b.DaylightSaving ? QStringLiteral("on") : QStringLiteral("off"));
}

std::vector<PanchangaRow> PanchangaRows(const Readings& r) {
    const Panchanga& p = r.Day;
    auto clock = [&](double jd) { return QText(ClockText(jd, r.Offset)); };
    std::vector<PanchangaRow> rows;
    const QString note = QText(SunPassageNote(p.Sun.Passage));
    rows.push_back({QStringLiteral("Sunrise"), p.Sun.Rises ? clock(p.Sun.RiseJd) : note, {}});
    rows.push_back({QStringLiteral("Sunset"), p.Sun.Sets ? clock(p.Sun.SetJd) : note, {}});
    rows.push_back({QStringLiteral("Vara"),
                    QText(VaraName(p.Vara)) + QStringLiteral(" (") + QText(VaraSanskritName(p.Vara)) + QLatin1Char(')'),
                    QStringLiteral("at the next sunrise")});
    rows.push_back({QStringLiteral("Tithi"),
                    QStringLiteral("%1 %2 %3").arg(p.Tithi.Index + 1).arg(QText(PakshaName(p.Tithi.Index)),
                                                                         QText(TithiName(p.Tithi.Index))),
                    clock(p.Tithi.EndsJd)});
    rows.push_back({QStringLiteral("Nakshatra"),
                    QStringLiteral("%1 %2").arg(p.Nakshatra.Index + 1).arg(QText(NakshatraName(static_cast<Nakshatra>(p.Nakshatra.Index)))),
                    clock(p.Nakshatra.EndsJd)});
    rows.push_back({QStringLiteral("Yoga"), QStringLiteral("%1 %2").arg(p.Yoga.Index + 1).arg(QText(YogaName(p.Yoga.Index))),
                    clock(p.Yoga.EndsJd)});
    rows.push_back({QStringLiteral("Karana"),
                    QStringLiteral("%1 %2").arg(p.Karana.Index + 1).arg(QText(KaranaName(p.Karana.Index))),
                    clock(p.Karana.EndsJd)});
    return rows;
}

QString RunningText(const Readings& r) {
    const DashaTree& tree = r.Tree;
    const std::optional<RunningPeriods> running = RunningPeriodsAt(tree, r.TodayJd);
    if (!running) return {};
    return PeriodLordText(tree.System, running->Maha.Lord) + QStringLiteral(" / ") +
           PeriodLordText(tree.System, running->Antar.Lord);
}

}  // namespace velakor
