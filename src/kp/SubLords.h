// The subs of the zodiac: each nakshatra of 13 deg 20' divided among the nine Vimshottari
// lords in proportion to their years, from the nakshatra's own lord on, and each sub divided
// again the same way from the sub's lord on (the sub-subs). Cut again where a sign ends, the
// subs make 249 numbered rows, from 1 (Aries 0 deg, Ketu's star, Ketu's sub) to 249.
//
// Every boundary is a whole number of thirds of a second of arc, so the table is computed
// from the rule with integers and never typed.
#pragma once

#include <array>
#include <cstdint>

#include "vedic/Body.h"
#include "vedic/Nakshatra.h"
#include "vedic/Sign.h"

namespace velakor {

// Thirds of a second of arc: a nakshatra is 144,000 of them, a sub 1,200 per year of its
// lord, a sub-sub 10 per year of its own lord and per year of its sub's lord.
inline constexpr std::int32_t kThirdsPerDegree = 3 * 3600;
inline constexpr std::int32_t kThirdsPerTurn = 360 * kThirdsPerDegree;
inline constexpr int kSubCount = 249;

struct SubRow {
    int Number = 0;               // 1..249
    std::int32_t Start = 0;       // thirds from 0 deg Aries; the row is [Start, End)
    std::int32_t End = 0;
    std::int32_t WholeStart = 0;  // where the sub begins before a sign boundary cuts it
    Sign Rashi = Sign::Aries;
    Nakshatra Star = Nakshatra::Ashwini;
    Body StarLord = Body::Ketu;
    Body SubLord = Body::Ketu;
};

// The 249 rows in zodiac order, computed once from the rule.
const std::array<SubRow, kSubCount>& SubTable();

// The lords of a sidereal longitude (degrees, folded into one turn).
struct KpLords {
    Sign Rashi = Sign::Aries;
    Body SignLord = Body::Mars;
    Body StarLord = Body::Ketu;
    Body SubLord = Body::Ketu;
    Body SubSubLord = Body::Ketu;
    int Sub = 1;  // the row 1..249 of the sub
};
KpLords LordsOf(double longitude);

// The thirds of arc a longitude has passed since 0 deg Aries, exactly (the longitude's own
// value, not a rounded product), in [0, kThirdsPerTurn).
std::int32_t ThirdsOf(double longitude);

// The start of sub `number` (1..249) in degrees: the least double that lies in the sub, so
// that it reads back as that sub and its seconds of arc are never one short when truncated.
double SubStartDegrees(int number);

}  // namespace velakor
