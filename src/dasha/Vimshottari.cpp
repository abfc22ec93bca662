#include "dasha/Vimshottari.h"

#include <algorithm>
#include <vector>

#include "astro/CivilTime.h"
#include "dasha/NakshatraDashas.h"

namespace velakor {
namespace {

TreePeriod AsTreePeriod(const DashaPeriod& p) {
    TreePeriod t{};
    t.Lord = PeriodLord::Of(DashaLordBody(p.Lord));
    t.Place = static_cast<std::int16_t>(p.Lord);
    t.StartJd = p.StartJd;
    t.EndJd = p.EndJd;
    return t;
}

DashaPeriod AsDashaPeriod(const TreePeriod& t) {
    return DashaPeriod{static_cast<DashaLord>(t.Place), t.StartJd, t.EndJd};
}

}  // namespace

std::string_view DashaLordName(DashaLord lord) { return EnglishName(DashaLordBody(lord)); }
Body DashaLordBody(DashaLord lord) { return VimshottariCycle().Lords[static_cast<std::size_t>(lord)]; }
double DashaLordYears(DashaLord lord) { return VimshottariCycle().Years[static_cast<std::size_t>(lord)]; }

DashaLord NakshatraDashaLord(int nakshatraIndex) {
    return static_cast<DashaLord>(((nakshatraIndex % kDashaLordCount) + kDashaLordCount) % kDashaLordCount);
}

Dasha ComputeDasha(double moonSiderealLongitude, double birthJdUt, double yearDays) {
    const CycleStart at = VimshottariStart(moonSiderealLongitude);
    std::vector<TreePeriod> periods;
    periods.reserve(kDashaLordCount);
    AppendCyclePeriods(VimshottariCycle(), at, birthJdUt, yearDays, kDashaLordCount, 0.0, periods);
    Dasha d;
    d.YearDays = yearDays;
    d.BirthJd = birthJdUt;
    d.BirthLord = static_cast<DashaLord>(at.Place);
    d.ElapsedFraction = at.Passed;
    for (std::size_t i = 0; i < kDashaLordCount; ++i) d.Mahadashas[i] = AsDashaPeriod(periods[i]);
    return d;
}

DashaPeriods SubPeriods(const DashaPeriod& period) {
    const PeriodList subs = CycleSubPeriods(VimshottariCycle(), AsTreePeriod(period));
    DashaPeriods out{};
    for (int i = 0; i < kDashaLordCount; ++i) out[static_cast<std::size_t>(i)] = AsDashaPeriod(subs[i]);
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
