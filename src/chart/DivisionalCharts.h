// The divisional charts: every sign cut into n equal parts, each part given a sign of its own
// by the rule of its division; and the houses of any chart, counted from its ascendant's sign.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/Program.h"

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

// Writes DivisionalSigns (1..12) from SiderealLongitudes.
void ComputeDivisionalSigns(ChartState& cs);

// Sign numbers and texts of the twelve houses, house 1 first.
struct HouseCaptions {
    std::array<int, kHouseCount> Signs{};
    std::array<std::string, kHouseCount> Texts;
};

// Houses counted from the ascendant's sign `asc` (0..11): house h holds sign (asc + h) mod 12,
// written 1..12. House 1's text is "Asc"; each body with a sign (0..11; -1 when it has none)
// is added to the house of its sign on a new line (CR LF), in body order, under its name.
HouseCaptions PlaceInHouses(int asc, const std::array<int, kPlacedBodies>& signs,
                            const std::array<std::string, kChartBodies>& names);
// The same into a chart's own captions, whose texts keep their room from one chart to the
// next.
void PlaceInHouses(int asc, const std::array<int, kPlacedBodies>& signs,
                   const std::array<std::string, kChartBodies>& names, std::array<int, kHouseCount>& houseSigns,
                   std::array<std::string, kHouseCount>& houseTexts);

// The houses of divisional chart d (0..5, in the order of kDivisions), the bodies under
// their Sanskrit names with their retrograde marks.
HouseCaptions DivisionalHouses(const Program& p, int d);

}  // namespace velakor
