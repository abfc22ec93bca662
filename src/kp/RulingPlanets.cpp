#include "kp/RulingPlanets.h"

#include <cmath>

#include "panchanga/Panchanga.h"

namespace velakor {

RulingPlanets RulingPlanetsAt(const PreciseSky& sky, double jdUt, const KpPlace& place, SunriseRule rule) {
    RulingPlanets r;
    r.JdUt = jdUt;
    r.Place = place;
    const int localMeanTime = static_cast<int>(std::lround(place.Longitude * 4.0));
    r.Weekday = VaraAt(jdUt, localMeanTime, place.Latitude, place.Longitude, rule);
    r.DayLord = WeekdayLord(r.Weekday);
    r.MoonLongitude = sky.SiderealLongitude(Body::Moon, jdUt);
    r.Moon = LordsOf(r.MoonLongitude);
    r.AscendantLongitude = sky.SiderealAngles(jdUt, place.Latitude, -place.Longitude).Ascendant;
    r.Ascendant = LordsOf(r.AscendantLongitude);
    return r;
}

}  // namespace velakor
