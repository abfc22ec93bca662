#include "chart/DivisionalCharts.h"

#include <algorithm>
#include <cmath>

namespace velakor {
namespace {

constexpr int kAscendantPoint = 9;  // the ascendant's row among the divisional points

}  // namespace

namespace {

// A longitude folded into [0, 360), as its sign (0 = Aries) and the degrees within it.
struct SignAndDegrees {
    int Sign;
    double Degrees;
};

SignAndDegrees Fold(double longitude) {
    double x = longitude;
    // The stages leave their longitudes in [0, 360] already; only others need the division.
    if (!(x >= 0.0 && x < 360.0)) {
        x = std::fmod(x, 360.0);
        if (x < 0) x += 360.0;
        if (!(x < 360.0)) x = 0.0;  // 360 itself, or a tiny negative remainder rounded up to it
    }
    // x is not negative here, so truncation is the floor.
    const int s = std::clamp(static_cast<int>(x / 30.0), 0, 11);
    return {s, x - 30.0 * s};
}

int SignInDivision(SignAndDegrees at, int parts) {
    const int s = at.Sign;
    const int n = parts > 0 ? parts : 1;
    // Degrees within the sign may fall a hair below 0 by rounding: truncation and the clamp
    // then give part 0, as the floor would.
    const int k = std::clamp(static_cast<int>(at.Degrees * n / 30.0), 0, n - 1);
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

}  // namespace

int DivisionalSign(double longitude, int parts) { return SignInDivision(Fold(longitude), parts); }

void ComputeDivisionalSigns(ChartState& cs) {
    // Each longitude is folded once for all six divisions.
    for (std::size_t i = 0; i < cs.SiderealLongitudes.size(); ++i) {
        const SignAndDegrees at = Fold(cs.SiderealLongitudes[i]);
        for (std::size_t d = 0; d < kDivisions.size(); ++d)
            cs.DivisionalSigns[d][i] = SignInDivision(at, kDivisions[d].Parts) + 1;
    }
}

void PlaceInHouses(int asc, const std::array<int, kPlacedBodies>& signs,
                   const std::array<std::string, kChartBodies>& names, std::array<int, kHouseCount>& houseSigns,
                   std::array<std::string, kHouseCount>& houseTexts) {
    const int k = asc >= 0 && asc < kSignCount ? asc : 0;
    for (int house = 0; house < kHouseCount; ++house) {
        houseSigns[static_cast<std::size_t>(house)] = (k + house) % 12 + 1;
        houseTexts[static_cast<std::size_t>(house)].clear();  // keeps its room for the next chart
    }
    houseTexts[0] = "Asc";
    for (std::size_t body = 0; body < signs.size(); ++body) {
        const int m = signs[body];
        if (m < 0 || m >= kSignCount) continue;
        std::string& text = houseTexts[static_cast<std::size_t>((m - k + 12) % 12)];
        text += "\r\n";
        text += names[body];
    }
}

HouseCaptions PlaceInHouses(int asc, const std::array<int, kPlacedBodies>& signs,
                            const std::array<std::string, kChartBodies>& names) {
    HouseCaptions h;
    PlaceInHouses(asc, signs, names, h.Signs, h.Texts);
    return h;
}

HouseCaptions DivisionalHouses(const Program& p, int d) {
    const auto& row = p.Chart.DivisionalSigns[static_cast<std::size_t>(std::clamp(d, 0, kDivisionCount - 1))];
    std::array<int, kPlacedBodies> signs{};
    for (std::size_t i = 0; i < signs.size(); ++i) signs[i] = row[i] - 1;
    return PlaceInHouses(row[kAscendantPoint] - 1, signs, p.Names.PlanetNamesSanskrit);
}

}  // namespace velakor
