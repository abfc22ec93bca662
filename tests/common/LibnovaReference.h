// Reference longitudes from libnova (VSOP87 and ELP 2000-82B), reduced here to apparent
// geocentric longitudes referred to the mean equinox of date: a second source, independent
// of the JPL ephemeris the sky tables come from.
#pragma once
#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/saturn.h>
#include <libnova/venus.h>

#include <cmath>

namespace velakor::reference {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;
constexpr double kLightDaysPerAu = 0.0057755183;
constexpr double kLightDaysPerKm = kLightDaysPerAu / 149597870.7;

struct Vec {
    double x, y, z;
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double Norm() const { return std::sqrt(x * x + y * y + z * z); }
};

using Helio = void (*)(double, ln_helio_posn*);

inline Vec FromHelio(Helio f, double jd) {
    ln_helio_posn p{};
    f(jd, &p);
    const double l = p.L * kDegree, b = p.B * kDegree;
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

// A vector in the ecliptic of J2000 carried to the ecliptic and mean equinox of date.
inline Vec ToDate(const Vec& u, double jdTt) {
    const double lambda0 = std::atan2(u.y, u.x);
    const double beta0 = std::atan2(u.z, std::hypot(u.x, u.y));
    const double t = (jdTt - 2451545.0) / 36525.0;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsecond;
    const double pi = 174.876384 * kDegree + (-869.8089 * t + 0.03536 * t * t) * kArcsecond;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsecond;
    const double a = std::cos(eta) * std::cos(beta0) * std::sin(pi - lambda0) - std::sin(eta) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(pi - lambda0);
    const double lambda = p + pi - std::atan2(a, b);
    const double beta = std::asin(std::cos(eta) * std::sin(beta0) + std::sin(eta) * std::cos(beta0) * std::sin(pi - lambda0));
    const double r = u.Norm();
    return {r * std::cos(beta) * std::cos(lambda), r * std::cos(beta) * std::sin(lambda), r * std::sin(beta)};
}

// Ecliptic longitude of date (degrees, [0, 360)) of a direction in the ecliptic of J2000.
inline double OfDate(const Vec& u, double jdTt) {
    const Vec d = ToDate(u, jdTt);
    return std::fmod(std::atan2(d.y, d.x) / kDegree + 720.0, 360.0);
}

// A planet (or the Sun, with helio null): light time, then the aberration of the Earth's
// motion added to the unit direction.
inline double PlanetLongitude(Helio helio, double jdTt) {
    const Vec earth = FromHelio(ln_get_earth_helio_coords, jdTt);
    const double h = 0.01;
    const Vec velocity = (FromHelio(ln_get_earth_helio_coords, jdTt + h) - FromHelio(ln_get_earth_helio_coords, jdTt - h)) * (1.0 / (2 * h));
    Vec u = Vec{0, 0, 0} - earth;
    for (int i = 0; helio && i < 3; ++i) u = FromHelio(helio, jdTt - u.Norm() * kLightDaysPerAu) - earth;
    const Vec apparent = u * (1.0 / u.Norm()) + velocity * kLightDaysPerAu;
    return OfDate(apparent, jdTt);
}

inline Vec MoonAt(double jdTt) {
    ln_rect_posn m{};
    ln_get_lunar_geo_posn(jdTt, &m, 0);
    return {m.X, m.Y, m.Z};
}

// The Moon: its geocentric place when the light left it (the Earth's own motion shifts the
// Moon and its light alike).
inline double MoonLongitude(double jdTt) {
    const double tau = MoonAt(jdTt).Norm() * kLightDaysPerKm;
    return OfDate(MoonAt(jdTt - tau), jdTt);
}

// The node of the Moon's momentary orbit on the ecliptic of date: the ascending node of the
// plane of its geocentric position and velocity.
inline double TrueNodeLongitude(double jdTt) {
    const double h = 0.001;
    const Vec r = ToDate(MoonAt(jdTt), jdTt);
    const Vec v = (ToDate(MoonAt(jdTt + h), jdTt) - ToDate(MoonAt(jdTt - h), jdTt)) * (1.0 / (2 * h));
    const Vec n{r.y * v.z - r.z * v.y, r.z * v.x - r.x * v.z, r.x * v.y - r.y * v.x};
    return std::fmod(std::atan2(n.x, -n.y) / kDegree + 720.0, 360.0);
}

}  // namespace velakor::reference
