// One model of dasha periods for every system: a tree of periods, each ruled by a body (the
// dashas of planets) or a sign (the dashas of signs), with its start and end. The tree keeps
// its mahadashas; each lower level is divided out of its parent when it is asked for, so every
// level tiles its parent exactly and a view pays only for the branches it opens.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "vedic/Body.h"
#include "vedic/Chart.h"
#include "vedic/ReadingOptions.h"
#include "vedic/Sign.h"

namespace velakor {

// The lord of a period: a body or a sign.
struct PeriodLord {
    bool IsSign = false;
    std::uint8_t Index = 0;  // the Body, or the Sign counted from Aries

    static constexpr PeriodLord Of(Body b) { return {false, static_cast<std::uint8_t>(b)}; }
    static constexpr PeriodLord Of(Sign s) { return {true, static_cast<std::uint8_t>(s)}; }
    constexpr Body AsBody() const { return static_cast<Body>(Index); }
    constexpr Sign AsSign() const { return static_cast<Sign>(Index); }
    friend constexpr bool operator==(PeriodLord, PeriodLord) = default;
};

// "Saturn", "Scorpio": the English name of the body or the sign.
std::string_view PeriodLordName(PeriodLord lord);

struct TreePeriod {
    PeriodLord Lord;
    std::int16_t Place = 0;  // where the period stands in its system's sequence; its sub-periods follow from it
    double StartJd = 0.0;    // Julian days, universal time
    double EndJd = 0.0;
};

// The sub-periods of one period: nine or eight of a planet's, nine of a Kalachakra sign's,
// twelve of a Narayana sign's.
struct PeriodList {
    std::array<TreePeriod, 12> Items{};
    int Count = 0;

    const TreePeriod* begin() const { return Items.data(); }
    const TreePeriod* end() const { return Items.data() + Count; }
    const TreePeriod& operator[](int i) const { return Items[static_cast<std::size_t>(i)]; }
    const TreePeriod& back() const { return Items[static_cast<std::size_t>(Count - 1)]; }
};

// Where the sub-periods of a sign's period begin and which way they run through the signs.
struct SignRun {
    Sign First = Sign::Aries;
    std::int8_t Step = 1;  // +1 with the zodiac, -1 against it
};

// The dasha of one birth in one system.
struct DashaTree {
    DashaSystem System = DashaSystem::Vimshottari;
    double YearDays = kDashaYearJulian;
    double BirthJd = 0.0;
    // The mahadashas in order, the first holding the birth: Vimshottari's nine and
    // Ashtottari's eight make one cycle that began before the birth; Yogini and Kalachakra
    // run on until 120 years after the birth; Narayana's two cycles of twelve signs begin at
    // the birth, a sign of no years left out.
    std::vector<TreePeriod> Periods;
    std::optional<bool> ConditionMet;            // Ashtottari only: whether the chart meets Rahu's condition
    std::array<SignRun, kSignCount> SignRuns{};  // Narayana only: each sign's sub-periods
};

// The years beyond the birth that the repeating systems (Yogini, Kalachakra) cover.
inline constexpr double kDashaLifeYears = 120.0;

// The chart's Moon (and for Narayana its whole sky) in the chosen system and year length.
DashaTree ComputeDashaTree(DashaSystem system, const Chart& c, double yearDays);

// A period divided by its system's rule; the first begins with the period and the last ends
// exactly where it does. A sub-period divides again the same way.
PeriodList SubPeriods(const DashaTree& tree, const TreePeriod& period);

// The mahadasha, antardasha and pratyantardasha holding jd; none outside the mahadashas.
struct RunningPeriods {
    TreePeriod Maha, Antar, Pratyantar;
};
std::optional<RunningPeriods> RunningPeriodsAt(const DashaTree& tree, double jd);

// The part of the first period still to run at birth, in whole years, months and days on the
// birth's clock (offsetMinutes ahead of universal time). Narayana's first period begins at the
// birth, so its balance is the whole period.
struct PeriodBalance {
    PeriodLord Lord;
    int Years = 0, Months = 0, Days = 0;
};
PeriodBalance BalanceAtBirth(const DashaTree& tree, int offsetMinutes);

bool IsSignDasha(DashaSystem system);                 // Kalachakra and Narayana
std::string_view DashaSystemName(DashaSystem system);  // "Vimshottari", "Yogini", ...
// The variant of the system this program follows, in one line, to name beside its periods.
std::string_view DashaVariantText(DashaSystem system);
// Ashtottari's condition, as a line to show above its periods.
std::string_view AshtottariConditionText(bool met);

// One part of a period divided in proportion to years.
struct PeriodShare {
    PeriodLord Lord;
    std::int16_t Place = 0;
    double Years = 0.0;
};

// Divides `period` among n parts (n at most 12) in proportion to their years, whose sum is
// totalYears; share(i) gives part i. Each ends at the period's start plus its share of the
// whole length, and the last exactly at the period's end.
template <class Share>
PeriodList SplitInProportion(const TreePeriod& period, int n, double totalYears, Share share) {
    PeriodList out;
    out.Count = n;
    const double length = period.EndJd - period.StartJd;
    double start = period.StartJd;
    double yearsSoFar = 0.0;
    for (int i = 0; i < n; ++i) {
        const PeriodShare part = share(i);
        TreePeriod& s = out.Items[static_cast<std::size_t>(i)];
        s.Lord = part.Lord;
        s.Place = part.Place;
        s.StartJd = start;
        yearsSoFar += part.Years;
        s.EndJd = i == n - 1 ? period.EndJd : period.StartJd + length * yearsSoFar / totalYears;
        start = s.EndJd;
    }
    return out;
}

}  // namespace velakor
