#include "dasha/Vimshottari.h"

#include <algorithm>
#include <cmath>

#include "astro/CivilTime.h"
#include "vedic/Angles.h"
#include "vedic/Nakshatra.h"

namespace velakor {
namespace {

struct LordRow {
    Body body;
    double years;
};
constexpr std::array<LordRow, kDashaLordCount> kLords{{
    {Body::Ketu, 7}, {Body::Venus, 20}, {Body::Sun, 6}, {Body::Moon, 10}, {Body::Mars, 7},
    {Body::Rahu, 18}, {Body::Jupiter, 16}, {Body::Saturn, 19}, {Body::Mercury, 17}}};

constexpr double kNakshatraSpan = 360.0 / 27.0;

DashaLord Next(DashaLord lord, int steps) {
    return static_cast<DashaLord>((static_cast<int>(lord) + steps) % kDashaLordCount);
}

}  // namespace

std::string_view DashaLordName(DashaLord lord) { return EnglishName(DashaLordBody(lord)); }
Body DashaLordBody(DashaLord lord) { return kLords[static_cast<std::size_t>(lord)].body; }
double DashaLordYears(DashaLord lord) { return kLords[static_cast<std::size_t>(lord)].years; }

DashaLord NakshatraDashaLord(int nakshatraIndex) {
    return static_cast<DashaLord>(((nakshatraIndex % kDashaLordCount) + kDashaLordCount) % kDashaLordCount);
}

Dasha ComputeDasha(double moonSiderealLongitude, double birthJdUt, double yearDays) {
    // The nakshatra is the chart's own; the part of it passed is measured in the dasha's
    // spans and kept inside it, so a Moon on a boundary starts the chart's nakshatra with
    // nothing elapsed rather than ending the previous one.
    const double lon = Fold360(moonSiderealLongitude);
    const int n = NakshatraIndex(NakshatraOf(lon));
    const double passed = std::clamp(lon / kNakshatraSpan - n, 0.0, std::nextafter(1.0, 0.0));
    Dasha d;
    d.YearDays = yearDays;
    d.BirthJd = birthJdUt;
    d.BirthLord = NakshatraDashaLord(n);
    d.ElapsedFraction = passed;

    const double firstLength = DashaLordYears(d.BirthLord) * yearDays;
    double start = birthJdUt - passed * firstLength;
    for (int i = 0; i < kDashaLordCount; ++i) {
        DashaPeriod& m = d.Mahadashas[static_cast<std::size_t>(i)];
        m.Lord = Next(d.BirthLord, i);
        m.StartJd = start;
        m.EndJd = i == 0 ? birthJdUt + (1.0 - passed) * firstLength : start + DashaLordYears(m.Lord) * yearDays;
        start = m.EndJd;
    }
    return d;
}

DashaPeriods SubPeriods(const DashaPeriod& period) {
    DashaPeriods out{};
    const double length = period.EndJd - period.StartJd;
    double start = period.StartJd;
    double yearsSoFar = 0.0;
    for (int i = 0; i < kDashaLordCount; ++i) {
        DashaPeriod& s = out[static_cast<std::size_t>(i)];
        s.Lord = Next(period.Lord, i);
        s.StartJd = start;
        yearsSoFar += DashaLordYears(s.Lord);
        s.EndJd = i == kDashaLordCount - 1 ? period.EndJd : period.StartJd + length * yearsSoFar / kDashaCycleYears;
        start = s.EndJd;
    }
    return out;
}

int RunningPeriod(const DashaPeriods& periods, double jd) {
    for (int i = 0; i < kDashaLordCount; ++i) {
        const DashaPeriod& p = periods[static_cast<std::size_t>(i)];
        if (jd >= p.StartJd && jd < p.EndJd) return i;
    }
    return -1;
}

CalendarSpan SpanBetween(double fromJd, double toJd, int offsetMinutes) {
    if (toJd <= fromJd) return {};
    const CivilMoment from = CivilFromJd(fromJd, offsetMinutes);
    const CivilMoment to = CivilFromJd(toJd, offsetMinutes);
    // Whole days only: a day not yet complete on the clock does not count.
    std::int64_t toDays = DaysFromCivil(to.Year, to.Month, to.Day);
    const int fromClock = from.Hour * 3600 + from.Minute * 60 + from.Second;
    const int toClock = to.Hour * 3600 + to.Minute * 60 + to.Second;
    if (toClock < fromClock) --toDays;
    const CivilMoment end = CivilFromDays(toDays);

    int months = (end.Year - from.Year) * 12 + (end.Month - from.Month);
    // The same day of the month (or the month's last day, for a birth on the 31st) ends a month.
    auto anniversary = [&](int m) {
        const int y = from.Year + (from.Month - 1 + m) / 12;
        const int mo = (from.Month - 1 + m) % 12 + 1;
        const int day = std::min(from.Day, DaysInMonth(y, mo));
        return DaysFromCivil(y, mo, day);
    };
    if (months > 0 && anniversary(months) > toDays) --months;
    if (months < 0) return {};
    CalendarSpan span;
    span.Years = months / 12;
    span.Months = months % 12;
    span.Days = static_cast<int>(toDays - anniversary(months));
    return span;
}

DashaBalance BalanceAtBirth(const Dasha& d, int offsetMinutes) {
    const CalendarSpan span = SpanBetween(d.BirthJd, d.Mahadashas[0].EndJd, offsetMinutes);
    DashaBalance b;
    b.Lord = d.BirthLord;
    b.Years = span.Years;
    b.Months = span.Months;
    b.Days = span.Days;
    return b;
}

}  // namespace velakor
