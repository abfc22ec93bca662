// Placidus houses: each quadrant between the meridian and the horizon divided by trisecting
// the time a point of the ecliptic takes to cross it (its semi-arc), at the geographic
// latitude. Within the polar circles some points of the ecliptic never rise or set; there
// the houses are drawn only when every cusp is found once and the cusps follow one another
// around the zodiac; otherwise there are none, never a guessed number.
#pragma once

#include <array>
#include <optional>

#include "sky/PreciseSky.h"
#include "vedic/Chart.h"

namespace velakor {

using HouseCusps = std::array<double, kHouseCount>;  // sidereal degrees in [0, 360), house 1 first

// The cusps at a latitude (degrees, north positive) in a meridian frame; house 1 is the
// chart's ascendant and house 10 its midheaven, exactly as AnglesIn gives them.
std::optional<HouseCusps> PlacidusCusps(const PreciseSky::Meridian& frame, double latDeg);

// The frame's right ascension of the meridian (degrees) turned so that the sidereal longitude
// rises at the latitude: the frame of a chart whose ascendant is given. None where that point
// of the ecliptic never rises there.
std::optional<PreciseSky::Meridian> MeridianWithAscendant(const PreciseSky::Meridian& frame, double siderealLongitude,
                                                         double latDeg);

}  // namespace velakor
