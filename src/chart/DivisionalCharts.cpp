#include "chart/DivisionalCharts.h"

#include <algorithm>
#include <cmath>

namespace velakor {
namespace {

constexpr int kAscendantPoint = 9;  // the ascendant's row among the divisional points

}  // namespace

int DivisionalSign(double longitude, int parts) {
    double x = std::fmod(longitude, 360.0);
    if (x < 0) x += 360.0;
    if (!(x < 360.0)) x = 0.0;  // a tiny negative remainder rounds up to 360
    const int s = std::clamp(static_cast<int>(std::floor(x / 30.0)), 0, 11);
    const double d = x - 30.0 * s;
    const int n = parts > 0 ? parts : 1;
    const int k = std::clamp(static_cast<int>(std::floor(d * n / 30.0)), 0, n - 1);
    // Aries, Gemini, Leo .. are the odd signs: even numbers counting Aries as 0.
    const bool odd = s % 2 == 0;
    int sign = s;
    switch (parts) {
        case 2:  // Hora: the Sun's half is Leo, the Moon's Cancer
            sign = (odd == (k == 0)) ? 4 : 3;
            break;
        case 3:  // Drekkana: the sign, its fifth, its ninth
            sign = s + 4 * k;
            break;
        case 7:  // Saptamsa
            sign = odd ? s + k : s + 6 + k;
            break;
        case 9:  // Navamsa: movable signs from themselves, fixed from their ninth, dual from their fifth
            sign = s + (s % 3 == 0 ? 0 : (s % 3 == 1 ? 8 : 4)) + k;
            break;
        case 10:  // Dasamsa
            sign = odd ? s + k : s + 8 + k;
            break;
        case 12:  // Dwadasamsa
            sign = s + k;
            break;
        default:
            break;
    }
    return sign % 12;
}

void ComputeDivisionalSigns(ChartState& cs) {
    for (std::size_t d = 0; d < kDivisions.size(); ++d) {
        for (std::size_t i = 0; i < cs.SiderealLongitudes.size(); ++i) {
            cs.DivisionalSigns[d][i] = DivisionalSign(cs.SiderealLongitudes[i], kDivisions[d].Parts) + 1;
        }
    }
}

HouseCaptions PlaceInHouses(int asc, const std::array<int, kPlacedBodies>& signs,
                            const std::array<std::string, kChartBodies>& names) {
    HouseCaptions h;
    const int k = asc >= 0 && asc < kSignCount ? asc : 0;
    for (int house = 0; house < kHouseCount; ++house) h.Signs[static_cast<std::size_t>(house)] = (k + house) % 12 + 1;
    h.Texts[0] = "Asc";
    for (std::size_t body = 0; body < signs.size(); ++body) {
        const int m = signs[body];
        if (m < 0 || m >= kSignCount) continue;
        std::string& text = h.Texts[static_cast<std::size_t>((m - k + 12) % 12)];
        text += "\r\n";
        text += names[body];
    }
    return h;
}

HouseCaptions DivisionalHouses(const Program& p, int d) {
    const auto& row = p.Chart.DivisionalSigns[static_cast<std::size_t>(std::clamp(d, 0, kDivisionCount - 1))];
    std::array<int, kPlacedBodies> signs{};
    for (std::size_t i = 0; i < signs.size(); ++i) signs[i] = row[i] - 1;
    return PlaceInHouses(row[kAscendantPoint] - 1, signs, p.Names.PlanetNamesSanskrit);
}

}  // namespace velakor
