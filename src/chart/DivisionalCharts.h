// The divisional charts (vargas): every sign cut into parts, each part given a sign of its own
// by the rule of its varga; and the houses of any chart, counted from its ascendant's sign.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/ChartTexts.h"
#include "vedic/Chart.h"
#include "vedic/Language.h"

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

// The sixteen vargas of Parashara, D1 first: the order of the View menu, of the table of the
// vargas and of velakor-chart's answers. The six above keep their rules and their order here.
inline constexpr int kVargaCount = 16;
inline constexpr std::array<Division, kVargaCount> kVargas{{
    {1, "D1", kRashiTitle},
    {2, "D2", "Hora (D2)"},
    {3, "D3", "Drekkana (D3)"},
    {4, "D4", "Chaturthamsa (D4)"},
    {7, "D7", "Saptamsa (D7)"},
    {9, "D9", "Navamsa (D9)"},
    {10, "D10", "Dasamsa (D10)"},
    {12, "D12", "Dwadasamsa (D12)"},
    {16, "D16", "Shodasamsa (D16)"},
    {20, "D20", "Vimsamsa (D20)"},
    {24, "D24", "Chaturvimsamsa (D24)"},
    {27, "D27", "Bhamsa (D27)"},
    {30, "D30", "Trimsamsa (D30)"},
    {40, "D40", "Khavedamsa (D40)"},
    {45, "D45", "Akshavedamsa (D45)"},
    {60, "D60", "Shashtyamsa (D60)"},
}};

// The title of varga v of kVargas in a language: "Navamsa (D9)", "नवमांश (D9)".
std::string VargaTitle(int v, Language lang);

// The place of the varga of `parts` in kVargas, or -1.
constexpr int VargaIndex(int parts) {
    for (int v = 0; v < kVargaCount; ++v)
        if (kVargas[static_cast<std::size_t>(v)].Parts == parts) return v;
    return -1;
}

// Sign 0..11 (0 = Aries) of a sidereal longitude (degrees) in the varga of `parts` (one of
// kVargas; any other count gives the sign itself). The parts are equal but in D30, whose
// five spans are 5, 5, 8, 7 and 5 degrees in odd signs and the same from the other end in
// even signs. The longitude is folded into [0, 360) first, so exactly 360 is the start of
// Aries; a longitude on the edge of two parts is in the part it begins.
int DivisionalSign(double longitude, int parts);

// The signs of Sun .. Ketu and the ascendant in every varga, in the order of kVargas.
using VargaSigns = std::array<std::array<Sign, kDivisionalPoints>, kVargaCount>;
VargaSigns AllVargas(const Chart& c);

// Fills the houses (house 1 the ascendant's sign) and every divisional sign from the
// longitudes the stages placed.
void CompleteChart(Chart& c);

// Sign numbers (1..12) and texts of the twelve houses, house 1 first, with the body of each
// line of the texts.
struct HouseCaptions {
    std::array<int, kHouseCount> Signs{};
    std::array<std::string, kHouseCount> Texts;
    std::array<HouseLines, kHouseCount> Bodies;
};

// The houses of divisional chart d (0..5, in the order of kDivisions), counted from the
// ascendant's divisional sign, the bodies under their house names (retrograde marks kept).
HouseCaptions DivisionalHouses(const Chart& c, int d);
// The same for any varga, from the signs of its points (Sun .. Ketu, then the ascendant).
HouseCaptions DivisionalHouses(const Chart& c, const std::array<Sign, kDivisionalPoints>& signs);

}  // namespace velakor
