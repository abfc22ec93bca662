// Narayana dasha, Jaimini's dasha of signs, by the rules P. V. R. Narasimha Rao teaches in
// "Vedic Astrology: An Integrated Approach" (chapter 18, with the strength of signs of
// chapter 15).
//
// The periods begin at the birth from the stronger of the lagna and the 7th (the seed) and
// go forward or backward as the 9th from the seed is odd- or even-footed: sign by sign from a
// movable seed, every 6th sign from a fixed one, trine by trine from a dual one (the trines of
// the seed, then of its 10th, its 7th and its 4th). Saturn in the seed makes the order sign by
// sign with the zodiac; Ketu there turns the direction round. A sign's years are the count
// from it to its lord (forward from an odd-footed sign, backward from an even-footed one) less
// one, 12 with the lord in the sign itself, one more with the lord exalted and one less with
// it debilitated; the second cycle gives each sign 12 less its first years. A period divides
// into twelve equal parts from the sign holding the lord of the stronger of the period's sign
// and its 7th, forward from an odd sign and backward from an even one (Saturn in that stronger
// sign: forward; Ketu there: the other way).
#pragma once

#include <array>

#include "dasha/DashaTree.h"
#include "vedic/Body.h"
#include "vedic/Chart.h"
#include "vedic/Sign.h"

namespace velakor {

// Aries, Taurus, Gemini, Libra, Scorpio, Sagittarius; the other six are even-footed.
constexpr bool IsOddFooted(Sign s) { return (SignIndex(s) / 3) % 2 == 0; }

// The twelve signs in the order of their periods from a seed sign.
std::array<Sign, kSignCount> NarayanaOrder(Sign seed, bool saturnInSeed, bool ketuInSeed);

// A sign's years in the first cycle, its lord standing in lordSign (0 to 12).
int NarayanaYears(Sign sign, Body lord, Sign lordSign);

// The lord a sign's years are counted to: Scorpio's and Aquarius's stronger lord, the one
// giving the longer period when the strength rules leave them equal, then the one further on
// in its sign.
Body NarayanaLord(const Chart& c, Sign s);

// Fills the tree's periods (two cycles from the birth) and its signs' sub-period runs.
void ComputeNarayana(const Chart& c, double yearDays, DashaTree& tree);

// Twelve equal parts of a period, by the run of its sign.
PeriodList NarayanaSubPeriods(const DashaTree& tree, const TreePeriod& period);

}  // namespace velakor
