// A computed chart as a value: where each body stands, the houses and the divisional signs.
// The calculation fills it from the birth; every text the program shows, saves or prints is
// written from it, and nothing reads a text back.
#pragma once

#include <array>

#include "vedic/Body.h"
#include "vedic/Nakshatra.h"
#include "vedic/Sign.h"

namespace velakor {

inline constexpr int kHouseCount = 12;
inline constexpr int kDivisionalPoints = 10;  // Sun .. Ketu and the ascendant
inline constexpr int kDivisionCount = 6;      // D2, D3, D7, D9, D10, D12

struct BodyPosition {
    double Longitude = 0.0;  // sidereal, degrees; in [0, 360], where 360 reads as 0 Aries
    Sign Rashi = Sign::Aries;
    Nakshatra Star = Nakshatra::Ashwini;
    int Pada = 1;             // 1..4
    bool Retrograde = false;  // only ever set for Mercury, Venus, Mars, Jupiter and Saturn
};

struct Chart {
    double JdUt = 0.0;      // the birth moment, Julian day in universal time
    double Ayanamsa = 0.0;  // degrees taken off the tropical longitudes of the planets and angles
    std::array<BodyPosition, kBodyCount> Bodies{};
    // House 1 holds the ascendant's sign, the others follow in zodiac order.
    std::array<Sign, kHouseCount> HouseSigns{};
    // Signs of Sun .. Ketu and the ascendant in D2, D3, D7, D9, D10 and D12.
    std::array<std::array<Sign, kDivisionalPoints>, kDivisionCount> DivisionalSigns{};

    const BodyPosition& operator[](Body b) const { return Bodies[Index(b)]; }
    BodyPosition& operator[](Body b) { return Bodies[Index(b)]; }
};

// Sets a body's longitude and the sign, nakshatra and pada that follow from it.
void PlaceBody(Chart& c, Body b, double longitude);

}  // namespace velakor
