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

// Odd signs: Mars's Aries to 5 degrees, Saturn's Aquarius to 10, Jupiter's Sagittarius to 18,
// Mercury's Gemini to 25, Venus's Libra to 30. Even signs run the same lords from the other
// end, each in its other sign: Venus's Taurus to 5, Mercury's Virgo to 12, Jupiter's Pisces to
// 20, Saturn's Capricorn to 25, Mars's Scorpio to 30.
int Trimsamsa(int s, double degrees) {
    if (s % 2 == 0) {
        if (degrees < 5.0) return 0;
        if (degrees < 10.0) return 10;
        if (degrees < 18.0) return 8;
        if (degrees < 25.0) return 2;
        return 6;
    }
    if (degrees < 5.0) return 1;
    if (degrees < 12.0) return 5;
    if (degrees < 20.0) return 11;
    if (degrees < 25.0) return 9;
    return 7;
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
        case 4:  // Chaturthamsa: the sign, its 4th, 7th and 10th
            sign = s + 3 * k;
            break;
        case 16:  // Shodasamsa: movable signs from Aries, fixed from Leo, dual from Sagittarius
        case 45:  // Akshavedamsa: the same starts
            sign = (s % 3 == 0 ? 0 : (s % 3 == 1 ? 4 : 8)) + k;
            break;
        case 20:  // Vimsamsa: movable signs from Aries, fixed from Sagittarius, dual from Leo
            sign = (s % 3 == 0 ? 0 : (s % 3 == 1 ? 8 : 4)) + k;
            break;
        case 24:  // Chaturvimsamsa: odd signs from Leo, even signs from Cancer, both forward
            sign = (odd ? 4 : 3) + k;
            break;
        case 27:  // Bhamsa: fire signs from Aries, earth from Cancer, air from Libra, water from Capricorn
            sign = 3 * (s % 4) + k;
            break;
        case 30:  // Trimsamsa: unequal spans, the sign of each span's lord
            sign = Trimsamsa(s, at.Degrees);
            break;
        case 40:  // Khavedamsa: odd signs from Aries, even signs from Libra
            sign = (odd ? 0 : 6) + k;
            break;
        case 60:  // Shashtyamsa: from the sign itself
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

VargaSigns AllVargas(const Chart& c) {
    VargaSigns v{};
    // Each longitude is folded once for all sixteen vargas.
    for (std::size_t i = 0; i < kDivisionalPoints; ++i) {
        const SignAndDegrees at = Fold(c.Bodies[i].Longitude);
        for (std::size_t d = 0; d < kVargas.size(); ++d) v[d][i] = SignFromIndex(SignInDivision(at, kVargas[d].Parts));
    }
    return v;
}

std::string VargaTitle(int v, Language lang) {
    const Division& d = kVargas[static_cast<std::size_t>(std::clamp(v, 0, kVargaCount - 1))];
    if (lang == Language::English) return std::string(d.Title);
    return std::string(TranslatedName(Vocabulary::Varga, v + 1, lang)) + " (" + std::string(d.Key) + ")";
}

HouseCaptions DivisionalHouses(const Chart& c, int d) {
    return DivisionalHouses(c, c.DivisionalSigns[static_cast<std::size_t>(std::clamp(d, 0, kDivisionCount - 1))]);
}

HouseCaptions DivisionalHouses(const Chart& c, const std::array<Sign, kDivisionalPoints>& row) {
    std::array<Sign, kGrahaCount> signs{};
    for (std::size_t i = 0; i < signs.size(); ++i) signs[i] = row[i];
    const Sign asc = row[kAscendantPoint];
    HouseCaptions h;
    for (int house = 0; house < kHouseCount; ++house) h.Signs[static_cast<std::size_t>(house)] = SignNumber(SignAdd(asc, house));
    HouseTextsFor(c, asc, signs, h.Texts, h.Bodies);
    return h;
}

}  // namespace velakor
