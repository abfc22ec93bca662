#include "chart/DivisionalCharts.h"

#include <algorithm>
#include <cmath>

#include "chart/ChartTexts.h"
#include "vedic/Angles.h"

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
    const double x = Fold360(longitude);
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

void CompleteChart(Chart& c) {
    const Sign asc = c[Body::Ascendant].Rashi;
    for (int house = 0; house < kHouseCount; ++house) c.HouseSigns[static_cast<std::size_t>(house)] = SignAdd(asc, house);
    // Each longitude is folded once for all six divisions.
    for (std::size_t i = 0; i < kDivisionalPoints; ++i) {
        const SignAndDegrees at = Fold(c.Bodies[i].Longitude);
        for (std::size_t d = 0; d < kDivisions.size(); ++d)
            c.DivisionalSigns[d][i] = SignFromIndex(SignInDivision(at, kDivisions[d].Parts));
    }
}

HouseCaptions DivisionalHouses(const Chart& c, int d) {
    const auto& row = c.DivisionalSigns[static_cast<std::size_t>(std::clamp(d, 0, kDivisionCount - 1))];
    std::array<Sign, kGrahaCount> signs{};
    for (std::size_t i = 0; i < signs.size(); ++i) signs[i] = row[i];
    const Sign asc = row[kAscendantPoint];
    HouseCaptions h;
    for (int house = 0; house < kHouseCount; ++house) h.Signs[static_cast<std::size_t>(house)] = SignNumber(SignAdd(asc, house));
    h.Texts = HouseTextsFor(c, asc, signs);
    return h;
}

}  // namespace velakor
