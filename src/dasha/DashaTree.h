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
#include "vedic/Language.h"
#include "vedic/ReadingOptions.h"
#include "vedic/Sign.h"

namespace velakor {

// The lord of a period: a body or a sign. Like TreePeriod, a plain value: PeriodLord{} is the
// Sun.
struct PeriodLord {
    bool IsSign;
    std::uint8_t Index;  // the Body, or the Sign counted from Aries

    static constexpr PeriodLord Of(Body b) { return {false, static_cast<std::uint8_t>(b)}; }
    static constexpr PeriodLord Of(Sign s) { return {true, static_cast<std::uint8_t>(s)}; }
    constexpr Body AsBody() const { return static_cast<Body>(Index); }
    constexpr Sign AsSign() const { return static_cast<Sign>(Index); }
    friend constexpr bool operator==(PeriodLord, PeriodLord) = default;
};

// "Saturn", "Scorpio": the English name of the body or the sign.
std::string_view PeriodLordName(PeriodLord lord);
std::string_view PeriodLordName(PeriodLord lord, Language lang);

// A plain value, left unset when default-made (PeriodList makes twelve at a time, to be
// filled); TreePeriod{} is all zero.
struct TreePeriod {
    PeriodLord Lord;
    std::int16_t Place;  // where the period stands in its system's sequence; its sub-periods follow from it
    double StartJd;      // Julian days, universal time
    double EndJd;
};

// The sub-periods of one period: nine or eight of a planet's, nine of a Kalachakra sign's,
// twelve of a Narayana sign's. Only the first Count items are set: lists are made by the
// thousand when a tree is walked, and clearing the rest would cost more than filling them.
struct PeriodList {
    std::array<TreePeriod, 12> Items;
    int Count = 0;

    const TreePeriod* begin() const { return Items.data(); }
    const TreePeriod* end() const { return Items.data() + Count; }
    const TreePeriod& operator[](int i) const { return Items[static_cast<std::size_t>(i)]; }
    const TreePeriod& back() const { return Items[static_cast<std::size_t>(Count - 1)]; }
};

// Where the sub-periods of a sign's period begin and which way they run through the signs.
struct SignRun {
    Sign First = Sign::Aries;
    std::int8_t Step = 1;                  // +1 with the zodiac, -1 against it
    std::array<PeriodLord, kSignCount> Signs{};  // the twelve from First on
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
    TreePeriod Maha{}, Antar{}, Pratyantar{};
};
std::optional<RunningPeriods> RunningPeriodsAt(const DashaTree& tree, double jd);

// The part of the first period still to run at birth, in whole years, months and days on the
// birth's clock (offsetMinutes ahead of universal time). Narayana's first period begins at the
// birth, so its balance is the whole period.
struct PeriodBalance {
    PeriodLord Lord{};
    int Years = 0, Months = 0, Days = 0;
};
PeriodBalance BalanceAtBirth(const DashaTree& tree, int offsetMinutes);

bool IsSignDasha(DashaSystem system);                 // Kalachakra and Narayana
std::string_view DashaSystemName(DashaSystem system);  // "Vimshottari", "Yogini", ...
// The variant of the system this program follows, in one line, to name beside its periods.
std::string_view DashaVariantText(DashaSystem system);
// Ashtottari's condition, as a line to show above its periods.
std::string_view AshtottariConditionText(bool met);

// How a period divides, by its place: its parts' lords and places, and the years from the
// period's start to the end of each part (the last being the whole). The systems make them
// once, as tables, so that a tree walked by the thousand periods only reads them.
struct SplitPlan {
    int Count = 0;
    double TotalYears = 0.0;
    std::array<PeriodLord, 12> Lords{};
    std::array<std::int16_t, 12> Places{};
    std::array<double, 12> YearsToEnd{};
};

// How a part's end is reckoned. Vimshottari's dates have always multiplied the period's length
// by the years so far and divided by the cycle's years; the other systems scale the length once
// per period, which differs from that in the last bit at most and spares a division a part.
enum class SplitArithmetic { DivideEach, ScaleOnce };

// The period divided by its plan: each part ends at the period's start plus its share of the
// whole length, and the last exactly at the period's end.
template <SplitArithmetic How>
PeriodList SplitByPlan(const TreePeriod& period, const SplitPlan& plan) {
    PeriodList out;
    out.Count = plan.Count;
    const double length = period.EndJd - period.StartJd;
    const double scale = length / plan.TotalYears;
    double start = period.StartJd;
    for (std::size_t i = 0; i < static_cast<std::size_t>(plan.Count); ++i) {
        double end = 0.0;
        if constexpr (How == SplitArithmetic::DivideEach) {
            end = period.StartJd + length * plan.YearsToEnd[i] / plan.TotalYears;
        } else {
            end = period.StartJd + scale * plan.YearsToEnd[i];
        }
        TreePeriod& s = out.Items[i];
        s.Lord = plan.Lords[i];
        s.Place = plan.Places[i];
        s.StartJd = start;
        s.EndJd = end;
        start = end;
    }
    out.Items[static_cast<std::size_t>(plan.Count - 1)].EndJd = period.EndJd;
    return out;
}

}  // namespace velakor
