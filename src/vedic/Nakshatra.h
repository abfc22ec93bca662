// The 27 nakshatras of 13 deg 20' each, from Ashwini at 0 deg of Aries, and their padas.
// The one rule for the nakshatra and pada of a longitude: the chart, the dasha and the
// panchanga all ask here, so they always agree.
#pragma once

#include <string_view>

#include "vedic/Body.h"

namespace velakor {

enum class Nakshatra {
    Ashwini, Bharani, Krittika, Rohini, Mrigashira, Ardra, Punarvasu, Pushya, Ashlesha, Magha,
    PurvaPhalguni, UttaraPhalguni, Hasta, Chitra, Swati, Vishakha, Anuradha, Jyeshtha, Mula,
    PurvaAshadha, UttaraAshadha, Shravana, Dhanishtha, Shatabhisha, PurvaBhadrapada, UttaraBhadrapada, Revati
};
inline constexpr int kNakshatraCount = 27;

constexpr int NakshatraIndex(Nakshatra n) { return static_cast<int>(n); }  // 0..26

// The nakshatra of a sidereal longitude in degrees: whole spans of 800 arcminutes counted
// from 0 deg; 360 and above count again from Ashwini, anything below 0 is Ashwini.
Nakshatra NakshatraOf(double longitude);
// The quarter 1..4 of that nakshatra (spans of 200 arcminutes), computed with the same
// arithmetic, so a longitude never gets the pada of another nakshatra.
int PadaOf(double longitude);
// How much of its nakshatra the longitude has passed, in [0, 1), consistent with NakshatraOf.
double NakshatraFraction(double longitude);

// The lord of a nakshatra (Ashwini: Ketu, Bharani: Venus, .. in the dasha's order).
Body NakshatraLord(Nakshatra n);
// The name as the chart shows it ("Aswini", "Purbha Phalguni", ..).
std::string_view NakshatraName(Nakshatra n);

}  // namespace velakor
