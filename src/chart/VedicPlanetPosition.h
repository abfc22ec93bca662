// Chart derivation: the ayanamsa, midheaven and ascendant stage, and the Sun, planets and
// nodes from mean orbital elements.
#pragma once

#include <array>

#include "vedic/Birth.h"
#include "vedic/Chart.h"

namespace velakor {

// Element table rows.
enum ElementIndex { kMercury = 0, kVenus = 1, kSun = 2, kMars = 3, kJupiter = 4, kSaturn = 5 };
// The body of each element row.
inline constexpr std::array<Body, 6> kElementOrder{Body::Mercury, Body::Venus,   Body::Sun,
                                                   Body::Mars,    Body::Jupiter, Body::Saturn};

struct Elements {
    double a;      // semi-major axis, AU
    double e;      // eccentricity
    double I;      // inclination, radians
    double Omega;  // ascending node, radians
    double Pi;     // longitude of perihelion, radians
    double L;      // mean longitude, radians in 0..2pi
};

// atan(y/x) placed in its quadrant; radians.
double ArcTan2(double y, double x);

// Minus the ayanamsa in degrees for T centuries from 1900 January 0.5.
double ComputeAyanamsa(double T);

// Tropical ascendant in degrees from the local sidereal time (radians), the obliquity
// (radians) and the latitude (degrees). With polarMend, a point that lies west of the
// meridian (the setting point, which the formula can return beyond the polar circles) is
// replaced by its opposite.
double TropicalAscendant(double ramc, double eps, double latDeg, bool polarMend);

// Sets the chart's ayanamsa and places the ascendant and the midheaven.
void ComputeAscendant(const BirthRecord& b, Chart& c);

// Days from J2000.0 (2000 January 1, 12:00 UT).
double DayNumber(int year, int month, int day, int hour, int minute);

Elements OrbitalElements(int index, double T);
double TrueAnomaly(double M, double e);
double NormalizeRadians(double x);

// Geocentric ecliptic longitude, degrees 0..360, referred to the equinox of 2000.
double GeocentricLongitude(int index, double d);

// General precession in longitude from the equinox of 2000 to that of date, degrees.
double PrecessionSince2000(double d);

// The universal date and time of the birth: local clock plus the zone's signed offset,
// less an hour with daylight saving, carried over the calendar.
struct UtcMoment {
    int year, month, day, hour, minute;
};
UtcMoment UniversalMoment(const BirthRecord& b);

// Places the Sun, the five planets and the nodes, with the ayanamsa ComputeAscendant set.
void ComputePlanets(const BirthRecord& b, Chart& c);

}  // namespace velakor
