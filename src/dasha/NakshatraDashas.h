// The dashas of planets counted from the Moon's nakshatra: Vimshottari (nine lords, 120
// years), Yogini (eight yoginis, 36 years) and Ashtottari (eight lords, 108 years over groups
// of three or four nakshatras from Ardra). Each is a cycle of lords with their years; where
// the Moon stands gives the lord running at birth and how much of its period is behind, and
// every period divides among all the lords of the cycle from its own on.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "dasha/DashaTree.h"
#include "vedic/Body.h"
#include "vedic/Chart.h"

namespace velakor {

struct DashaCycle {
    std::array<Body, 9> Lords{};    // in the order their periods follow one another
    std::array<double, 9> Years{};
    int Count = 0;
    double TotalYears = 0.0;
    SplitArithmetic Arithmetic = SplitArithmetic::ScaleOnce;
    std::array<SplitPlan, 9> Plans{};  // by place: every lord of the cycle from that place's own on
};

const DashaCycle& VimshottariCycle();  // Ketu 7, Venus 20, Sun 6, Moon 10, Mars 7, Rahu 18, Jupiter 16, Saturn 19, Mercury 17
const DashaCycle& YoginiCycle();       // Moon 1, Sun 2, Jupiter 3, Mars 4, Mercury 5, Saturn 6, Venus 7, Rahu 8
const DashaCycle& AshtottariCycle();   // Sun 6, Moon 15, Mars 8, Mercury 17, Saturn 10, Jupiter 19, Rahu 12, Venus 21

// The Moon's nakshatra (0 Ashwini .. 26 Revati) and the part of it crossed, in [0, 1): the
// nakshatra is the chart's own, so a Moon on a boundary begins the chart's nakshatra with
// nothing crossed rather than ending the one before.
struct MoonStar {
    int Index = 0;
    double Passed = 0.0;
};
MoonStar MoonStarOf(double moonLongitude);

// The lord running at birth, by its place in the cycle, and the part of its period behind
// (in [0, 1)). A Moon on a nakshatra's first point begins that nakshatra's period.
struct CycleStart {
    int Place = 0;
    double Passed = 0.0;
};
CycleStart VimshottariStart(double moonLongitude);  // the nakshatra's lord; the part of the nakshatra crossed
CycleStart YoginiStart(double moonLongitude);       // yogini (number + 3) modulo 8, 1 Mangala .. 0 Sankata
CycleStart AshtottariStart(double moonLongitude);   // the group's lord; the part of the group's arc crossed

// The periods of the cycle from the one running at birth on, at least minCount of them and
// until untilJd: the first began Passed of its length before the birth.
void AppendCyclePeriods(const DashaCycle& cycle, CycleStart at, double birthJd, double yearDays, int minCount,
                        double untilJd, std::vector<TreePeriod>& out);

// A period divided among every lord of the cycle from its own on, in proportion to their years.
PeriodList CycleSubPeriods(const DashaCycle& cycle, const TreePeriod& period);

// "Mangala" (the Moon's yogini), "Pingala", "Dhanya", "Bhramari", "Bhadrika", "Ulka", "Siddha",
// "Sankata" (Rahu's); empty for Ketu and the points.
std::string_view YoginiName(Body b);

// Ashtottari's classical condition: Rahu in a kendra or a trikona counted from the sign of
// the lagna lord (the 1st, 4th, 5th, 7th, 9th or 10th from it), and not in the lagna.
bool AshtottariConditionMet(const Chart& c);

}  // namespace velakor
