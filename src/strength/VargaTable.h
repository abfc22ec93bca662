// The table of the sixteen vargas an astrologer reads beside the chart: each body's and the
// ascendant's sign in every varga, whether it is vargottama (the same sign in the Rashi and
// the Navamsa), and in how many vargas each body stands in its own sign or its exaltation.
#pragma once

#include <array>

#include "chart/DivisionalCharts.h"
#include "vedic/Chart.h"

namespace velakor {

struct VargaTable {
    VargaSigns Signs{};  // [varga in the order of kVargas][Sun .. Ketu, then the ascendant]
    std::array<bool, kDivisionalPoints> Vargottama{};
    // Vargas in which the body is in its own sign or exalted; the ascendant has no dignity
    // and is left at 0.
    std::array<int, kDivisionalPoints> Dignified{};
};

VargaTable ComputeVargaTable(const Chart& c);

// The sign of a body's exaltation, and whether a sign is its own. The seven planets rule the
// signs of SignLord; Rahu is exalted in Taurus and owns Aquarius, Ketu is exalted in Scorpio
// and owns Scorpio. The ascendant is neither.
bool IsExalted(Body b, Sign s);
bool IsOwnSign(Body b, Sign s);
// Debilitated: in the sign opposite its exaltation.
bool IsDebilitated(Body b, Sign s);

}  // namespace velakor
