// The twelve sidereal signs, from Aries; each 30 degrees of longitude.
#pragma once

#include <string>
#include <string_view>

#include "vedic/Body.h"

namespace velakor {

enum class Sign { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };
inline constexpr int kSignCount = 12;

constexpr int SignIndex(Sign s) { return static_cast<int>(s); }    // 0..11
constexpr int SignNumber(Sign s) { return static_cast<int>(s) + 1; }  // 1..12
// The sign n signs on (n may be negative): SignAdd(Aries, 13) is Taurus.
constexpr Sign SignAdd(Sign s, int n) { return static_cast<Sign>(((SignIndex(s) + n) % 12 + 12) % 12); }
// Sign of 0-based index k, any whole number (folded into 0..11).
constexpr Sign SignFromIndex(int k) { return SignAdd(Sign::Aries, k); }
// The house of `s` counted from `from`, both included: from itself is 1, the next sign 2.
constexpr int HouseFrom(Sign from, Sign s) { return (SignIndex(s) - SignIndex(from) + 12) % 12 + 1; }
// A count as the houses and stars are said: "1st", "2nd", "3rd", "4th", .. "11th", .. "22nd".
std::string Ordinal(int n);

// The sign of a longitude in degrees, folded into one turn first: 360 is Aries, -0.5 Pisces.
Sign SignOf(double longitude);

std::string_view SignAbbrev(Sign s);        // "Ari" .. "Pis"
std::string_view SignSanskritName(Sign s);  // "Mesha" .. "Meena"
std::string_view SignEnglishName(Sign s);   // "Aries" .. "Pisces"
Body SignLord(Sign s);                      // Mars, Venus, Mercury, Moon, Sun, Mercury, ...

}  // namespace velakor
