// The reference every figure is held against: the Swiss Ephemeris reading the JPL ephemeris
// (DE431) as compressed in swe-basic-data, with the IERS 2010 sidereal time. Only this tool
// and gen-sky link it; the program never does.
//
// The library keeps its state per thread: each worker makes its own Reference.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "sky/Sky.h"
#include "vedic/Body.h"
#include "vedic/ReadingOptions.h"

namespace velakor::crosscheck {

// A panchanga limb as a function of the Sun's and Moon's sidereal longitudes.
enum class LimbAngle { Elongation, Moon, Sum };

class Reference {
public:
    explicit Reference(const std::string& ephemerisFolder);
    ~Reference();
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    // "2.10.03".
    static std::string Version();

    // Sidereal longitude in degrees [0, 360) of Sun .. Ketu at jdUt (universal time), with
    // its motion in degrees per day. The Sun's bending of light is left out unless asked for,
    // as the precise sky leaves it out.
    double Longitude(Body body, SkyAyanamsa ayanamsa, SkyNode node, double jdUt, double* perDay = nullptr,
                     bool lightBending = false);
    // The ayanamsa in degrees, from the mean equinox of date.
    double Ayanamsa(SkyAyanamsa ayanamsa, double jdUt);

    struct Angles {
        double Ascendant, Midheaven;  // sidereal, degrees
    };
    // Latitude north positive, longitude east positive, degrees.
    Angles SiderealAngles(SkyAyanamsa ayanamsa, double jdUt, double latitude, double longitude);
    // The twelve Placidus cusps, sidereal degrees, house 1 first; none within the polar
    // circles, where the library draws no Placidus houses.
    std::optional<std::array<double, 12>> PlacidusCusps(SkyAyanamsa ayanamsa, double jdUt, double latitude,
                                                        double longitude);

    // The Sun's first rising (or setting) in [from, to) at a place, or none: the centre of
    // its disc on the true horizon, or its upper limb with the refraction of a standard
    // atmosphere.
    std::optional<double> SunCrossing(bool rising, SunriseRule rule, double from, double to, double latitude,
                                      double longitude);

    // The height in degrees of the Sun's centre above the rule's horizon (negative below).
    double SunHeight(SunriseRule rule, double jdUt, double latitude, double longitude);

    // How close the Sun's centre comes to the rule's horizon at its upper and lower
    // culminations between `from` and a day after: the smaller distance, in degrees. Where it
    // only grazes the horizon, a hair's difference in its place decides whether it rises.
    double SunGrazing(SunriseRule rule, double from, double latitude, double longitude);

    // The limb's value (degrees [0, 360)) at jdUt, and the first moment after jdUt at which it
    // reaches `target`, to a hundredth of a second.
    double LimbValue(LimbAngle limb, SkyAyanamsa ayanamsa, double jdUt);
    double LimbReaches(LimbAngle limb, SkyAyanamsa ayanamsa, double jdUt, double target);

    // The moment Saturn next leaves (dir +1) or last entered (dir -1) the sidereal sign it
    // stands in at jdUt, to a hundredth of a second; none beyond `limit` (a Julian day).
    std::optional<double> SaturnSignChange(SkyAyanamsa ayanamsa, double jdUt, int dir, double limit);

private:
    void UseAyanamsa(SkyAyanamsa ayanamsa);
    int mode_ = -1;
};

}  // namespace velakor::crosscheck
