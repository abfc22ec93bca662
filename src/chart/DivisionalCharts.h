// The divisional charts: every sign cut into n equal parts, each part given a sign of its own
// by the rule of its division; and the houses of any chart, counted from its ascendant's sign.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "vedic/Chart.h"

namespace velakor {

struct Division {
    int Parts;               // how many parts a sign is cut into
    std::string_view Key;    // "D9"
    std::string_view Title;  // "Navamsa (D9)"
};

// The six divisional charts in the order of the View menu.
inline constexpr std::array<Division, kDivisionCount> kDivisions{{
    {2, "D2", "Hora (D2)"},
    {3, "D3", "Drekkana (D3)"},
    {7, "D7", "Saptamsa (D7)"},
    {9, "D9", "Navamsa (D9)"},
    {10, "D10", "Dasamsa (D10)"},
    {12, "D12", "Dwadasamsa (D12)"},
}};

// The natal chart's name, in the same form.
inline constexpr std::string_view kRashiTitle = "Rashi (D1)";

// Sign 0..11 (0 = Aries) of a sidereal longitude (degrees) in the division of a sign into
// `parts` (2, 3, 7, 9, 10 or 12; any other count gives the sign itself). The longitude is
// folded into [0, 360) first, so exactly 360 is the start of Aries.
int DivisionalSign(double longitude, int parts);

// Fills the houses (house 1 the ascendant's sign) and every divisional sign from the
// longitudes the stages placed.
void CompleteChart(Chart& c);

// Sign numbers (1..12) and texts of the twelve houses, house 1 first.
struct HouseCaptions {
    std::array<int, kHouseCount> Signs{};
    std::array<std::string, kHouseCount> Texts;
};

// The houses of divisional chart d (0..5, in the order of kDivisions), counted from the
// ascendant's divisional sign, the bodies under their house names (retrograde marks kept).
HouseCaptions DivisionalHouses(const Chart& c, int d);

}  // namespace velakor
