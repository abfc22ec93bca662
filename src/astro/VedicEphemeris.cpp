#include "astro/VedicEphemeris.h"

#include <array>
#include <cmath>

#include "vedic/Angles.h"

namespace velakor {
namespace {

// Rows 1 to 25 of the lunar longitude series: coefficient (degrees), multipliers of
// D, M, M', F, and whether the row carries the eccentricity factor E.
struct LunarTerm {
    double c;
    int nD, nM, nMp, nF;
    bool timesE;
};
constexpr std::array<LunarTerm, 25> kLunarTerms{{
    {+6.288774, 0, 0, 1, 0, false},   {+1.274027, 2, 0, -1, 0, false},
    {+0.658314, 2, 0, 0, 0, false},   {+0.213618, 0, 0, 2, 0, false},
    {-0.185116, 0, 1, 0, 0, true},    {-0.114332, 0, 0, 0, 2, false},
    {+0.058793, 2, 0, -2, 0, false},  {+0.057066, 2, -1, -1, 0, true},
    {+0.053322, 2, 0, 1, 0, false},   {+0.045758, 2, -1, 0, 0, true},
    {-0.040923, 0, 1, -1, 0, true},   {-0.034720, 1, 0, 0, 0, false},
    {-0.030383, 0, 1, 1, 0, true},    {+0.015327, 2, 0, 0, -2, false},
    {-0.012528, 0, 0, 1, 2, false},   {+0.010980, 0, 0, 1, -2, false},
    {+0.010675, 4, 0, -1, 0, false},  {+0.010034, 0, 0, 3, 0, false},
    {+0.008548, 4, 0, -2, 0, false},  {-0.007888, 2, 1, -1, 0, true},
    {-0.006766, 2, 1, 0, 0, true},    {-0.005163, 1, 0, -1, 0, false},
    {+0.004987, 1, 1, 0, 0, true},    {+0.004036, 2, -1, 1, 0, true},
    {+0.003994, 2, 0, 2, 0, false},
}};

}  // namespace

double JulianDayNumber(double month, double day, double year) {
    const double m = 12.0 * (year + 4800.0) + month - 3.0;
    double j = std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0) +
               day + std::floor(m / 48.0) - 32083.0;
    if (j > 2299171.0) j += std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    return j;
}

double BirthUniversalTime(const BirthRecord& b) {
    // The zone table holds what to add to the clock, with its sign: that, and not the
    // hemisphere of the birthplace, decides the direction of the correction.
    double ut = b.BirthHour + b.BirthMinute / 60.0 + b.ZoneHours + b.ZoneMinutes / 60.0;
    if (b.DaylightSaving) ut -= 1.0;
    return ut;
}

double MoonAyanamsa(double T) {
    const double omega = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;
    const double l0 = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;
    return (17.23 * std::sin(omega * kDegToRad) + 1.27 * std::sin(l0 * kDegToRad) -
            (5025.64 + 1.11 * T) * T - 85886.27) /
           3600.0;
}

double MoonTropicalLongitude(double T) {
    const double lp = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * kDegToRad;
    const double M = (357.5291092 + 35999.0502909 * T) * kDegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * T) * kDegToRad;
    const double F = (93.2720993 + 483202.0175273 * T) * kDegToRad;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

    double sum = 0.0;
    for (const LunarTerm& t : kLunarTerms) {
        const double a = t.nD * D + t.nM * M + t.nMp * Mp + t.nF * F;
        double term = t.c * std::sin(a);
        if (t.timesE) term *= E;
        sum += term;
    }
    double lambda = lp + sum;
    // Far from 2000 the mean longitude is many turns away; fold by whole turns at once.
    if (lambda < 0) lambda += 360.0 * std::ceil(-lambda / 360.0);
    while (lambda < 0) lambda += 360.0;
    if (lambda > 360) lambda -= 360.0 * (std::ceil(lambda / 360.0) - 1.0);
    while (lambda > 360) lambda -= 360.0;
    return lambda;
}

double BirthJulianDayUt(const BirthRecord& b) {
    return JulianDayNumber(b.BirthMonth, b.BirthDay, b.BirthYear) + BirthUniversalTime(b) / 24.0 - 0.5;
}

double MoonCenturies(const BirthRecord& b) {
    const double ut = BirthUniversalTime(b);
    const double j = JulianDayNumber(b.BirthMonth, b.BirthDay, b.BirthYear);
    return (j - 2451545.0 + ut / 24.0 - 0.5) / 36525.0;
}

void CalculateMoon(const BirthRecord& b, Chart& c) {
    const double T = MoonCenturies(b);

    const double ayanamsa = MoonAyanamsa(T);
    const double lambda = MoonTropicalLongitude(T);
    double ls = lambda + ayanamsa;
    if (ls < 0) ls += 360.0;
    PlaceBody(c, Body::Moon, ls);
}

}  // namespace velakor
