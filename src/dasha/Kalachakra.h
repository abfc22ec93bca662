// Kalachakra dasha: the signs of Parashara's wheel, read from the Moon's nakshatra pada.
//
// Two wheels of 24 signs, one for the savya (zodiacal) nakshatras and one for the apasavya,
// each the twelve signs and their mirror images (the other sign of the same lord). Each pada
// of a nakshatra owns nine consecutive signs of its wheel; their years add up to the pada's
// paramayus (100, 85, 83 or 86). The part of the pada the Moon has crossed is the part of the
// paramayus gone before the birth, which gives the sign running at birth and its balance.
// The periods then follow the wheel on into the next padas, taking each jump (gati) where it
// falls; a period divides among the nine signs from its own on, in proportion to their years.
#pragma once

#include <array>
#include <vector>

#include "dasha/DashaTree.h"
#include "vedic/Nakshatra.h"
#include "vedic/Sign.h"

namespace velakor {

// Aries 7, Taurus 16, Gemini 9, Cancer 21, Leo 5, Virgo 9, Libra 16, Scorpio 7, Sagittarius 10,
// Capricorn 4, Aquarius 4, Pisces 10.
double KalachakraYears(Sign s);

// The nine signs of a pada (1..4) and their paramayus.
struct KalachakraPada {
    bool Apasavya = false;
    std::array<Sign, 9> Signs{};
    double Paramayus = 0.0;
};
KalachakraPada KalachakraPadaOf(Nakshatra n, int pada);

// The periods from the one running at birth on, until untilJd.
void AppendKalachakraPeriods(double moonLongitude, double birthJd, double yearDays, double untilJd,
                             std::vector<TreePeriod>& out);

// A period divided among the nine signs of the wheel from its own on, each in proportion to
// its years over the nine signs' sum.
PeriodList KalachakraSubPeriods(const TreePeriod& period);

}  // namespace velakor
