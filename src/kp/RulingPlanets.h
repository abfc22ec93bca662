// The ruling planets of a moment at a place: the lord of the day (which runs from sunrise to
// sunrise), the Moon's sign, star and sub lords, and the sign, star and sub lords of the
// ascendant rising there then.
#pragma once

#include "kp/SubLords.h"
#include "sky/PreciseSky.h"
#include "vedic/ReadingOptions.h"

namespace velakor {

// A place on the Earth in degrees: latitude north positive, longitude east positive.
struct KpPlace {
    double Latitude = 0.0;
    double Longitude = 0.0;
};

struct RulingPlanets {
    double JdUt = 0.0;   // the moment, universal time
    KpPlace Place;
    int Weekday = 0;     // 0 = Sunday .. 6 = Saturday, counted from the sunrise before the moment
    Body DayLord = Body::Sun;
    double MoonLongitude = 0.0;  // sidereal degrees
    KpLords Moon;
    double AscendantLongitude = 0.0;
    KpLords Ascendant;
};

// The ruling planets at jdUt (within the sky's tables: sky.Covers(jdUt)). The day's date is
// read on the place's local mean time, the clock its sunrise keeps wherever it is.
RulingPlanets RulingPlanetsAt(const PreciseSky& sky, double jdUt, const KpPlace& place, SunriseRule rule);

// The same from the Moon's longitude and the ascendant at that moment and place, already known.
RulingPlanets RulingPlanetsOf(double jdUt, const KpPlace& place, double moonLongitude, double ascendant,
                              SunriseRule rule);

}  // namespace velakor
