// Vimshottari dasha: the nine lords' periods (120 years) from the Moon's nakshatra at
// birth, each divided among the nine lords again for the sub-periods. The same periods as
// the Vimshottari tree of dasha/DashaTree.h (they share its cycle and its arithmetic), in the
// fixed arrays the views written for Vimshottari read.
#pragma once

#include <array>
#include <string_view>

#include "vedic/Body.h"

namespace velakor {

// In the order the periods follow one another.
enum class DashaLord { Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury };
inline constexpr int kDashaLordCount = 9;
inline constexpr double kDashaCycleYears = 120.0;

std::string_view DashaLordName(DashaLord lord);  // "Ketu", "Venus", ...
Body DashaLordBody(DashaLord lord);
double DashaLordYears(DashaLord lord);           // 7, 20, 6, ...

// The lord whose period the Moon's nakshatra opens (Ashwini: Ketu, Bharani: Venus, ...).
DashaLord NakshatraDashaLord(int nakshatraIndex);

struct DashaPeriod {
    DashaLord Lord = DashaLord::Ketu;
    double StartJd = 0.0;  // Julian days, universal time
    double EndJd = 0.0;
};
using DashaPeriods = std::array<DashaPeriod, kDashaLordCount>;

// The dasha of one birth: the lord running at birth and how much of its period is behind.
struct Dasha {
    double YearDays = 365.25;
    double BirthJd = 0.0;
    DashaLord BirthLord = DashaLord::Ketu;
    double ElapsedFraction = 0.0;  // of the birth lord's period, by the Moon's path in its nakshatra
    DashaPeriods Mahadashas{};     // the first starts before the birth
};

Dasha ComputeDasha(double moonSiderealLongitude, double birthJdUt, double yearDays);

// A period divided among the nine lords from its own lord on, in proportion to their
// years; the last ends exactly where the period does.
DashaPeriods SubPeriods(const DashaPeriod& period);

// Index of the period holding jd, or -1 when jd lies outside them all.
int RunningPeriod(const DashaPeriods& periods, double jd);

// The balance at birth on the calendar: whole years, months and days from the birth's
// civil date and clock time to the end of the birth lord's period, both read on the same
// clock (offsetMinutes ahead of universal time).
struct DashaBalance {
    DashaLord Lord = DashaLord::Ketu;
    int Years = 0, Months = 0, Days = 0;
};
DashaBalance BalanceAtBirth(const Dasha& d, int offsetMinutes);

// Whole years, months and days from one moment to a later one on the same clock (the
// balance's count; the age at the start of a period). A later "from" gives zeros.
struct CalendarSpan {
    int Years = 0, Months = 0, Days = 0;
};
CalendarSpan SpanBetween(double fromJd, double toJd, int offsetMinutes);

}  // namespace velakor
