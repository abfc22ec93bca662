#include "kp/RulingPlanets.h"

#include <cmath>

#include "panchanga/Panchanga.h"

namespace velakor {

RulingPlanets RulingPlanetsOf(double jdUt, const KpPlace& place, double moonLongitude, double ascendant,
                              SunriseRule rule) {
    RulingPlanets r;
    r.JdUt = jdUt;
    r.Place = place;
    const int localMeanTime = static_cast<int>(std::lround(place.Longitude * 4.0));
    r.Weekday = VaraAt(jdUt, localMeanTime, place.Latitude, place.Longitude, rule);
    r.DayLord = WeekdayLord(r.Weekday);
    r.MoonLongitude = moonLongitude;
    r.Moon = LordsOf(moonLongitude);
    r.AscendantLongitude = ascendant;
    r.Ascendant = LordsOf(ascendant);
    return r;
}

RulingPlanets RulingPlanetsAt(const PreciseSky& sky, double jdUt, const KpPlace& place, SunriseRule rule) {
    return RulingPlanetsOf(jdUt, place, sky.SiderealLongitude(Body::Moon, jdUt),
                           sky.SiderealAngles(jdUt, place.Latitude, -place.Longitude).Ascendant, rule);
}

}  // namespace velakor
