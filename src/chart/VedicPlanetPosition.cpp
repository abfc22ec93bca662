#include "chart/VedicPlanetPosition.h"

#include <array>
#include <cmath>

#include "astro/VedicEphemeris.h"
#include "chart/PositionText.h"
#include "vedic/Angles.h"
#include "vedic/Calendar.h"

namespace velakor {
namespace {

constexpr double kRadToDeg = 57.2957795130823;
constexpr double kPi = 3.14159265358979;
constexpr double kTwoPi = 6.28318530717958;

struct ElementRow {
    double a, aRate, e, eRate, I, IRate, Omega, OmegaRate, Pi, PiRate, L, LRate;
};

// J2000 mean elements with their century rates (angles: degrees and arcseconds/century).
constexpr std::array<ElementRow, 6> kElements{{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30,
     77.45645, 573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89,
     131.53298, -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17,
     14.75385, 839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05,
     92.43194, -1948.89, 49.94432, 4401052.95},
}};

double Signum(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

}  // namespace

double ArcTan2(double y, double x) {
    if (x > 0) return std::atan(y / x);
    if (x == 0) return y == 0 ? 0.0 : Signum(y) * kPi / 2.0;
    return Signum(y) * (kPi - std::atan(std::fabs(y / x)));
}

double ComputeAyanamsa(double T) {
    double omega = (933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0;
    while (omega >= 360) omega -= 360.0;
    const double l2 = (2013816.0 + 259205536.0 * T) / 3600.0;
    const double n = 1.27 * std::sin(l2 * kDegToRad) + 17.23 * std::sin(omega * kDegToRad);
    const double pr = T * (5025.64 + 1.11 * T);
    return (n - pr - 80861.27) / 3600.0;
}

double TropicalAscendant(double ramc, double eps, double latDeg, bool polarMend) {
    double asc = ArcTan2(std::cos(ramc),
                         -std::sin(ramc) * std::cos(eps) - std::sin(eps) * std::tan(latDeg * kDegToRad));
    if (asc < 0) asc += kPi;
    if (std::cos(ramc) < 0) asc += kPi;
    asc *= kRadToDeg;
    while (asc >= 360) asc -= 360.0;
    if (polarMend) {
        // Beyond the polar circles the formula can hand back the setting point of the
        // ecliptic. A point west of the meridian is setting: take the opposite one.
        const double lam = asc * kDegToRad;
        const double alpha = std::atan2(std::sin(lam) * std::cos(eps), std::cos(lam));
        if (std::sin(ramc - alpha) > 0) {
            asc += 180.0;
            if (asc >= 360) asc -= 360.0;
        }
    }
    return asc;
}

void ComputeAscendant(const BirthRecord& b, Chart& c) {
    double lon = b.LonDeg + b.LonMin / 60.0;
    double lat = b.LatDeg + b.LatMin / 60.0;
    if (b.LonEastFlag) lon = -lon;
    if (b.LatSouthFlag) lat = -lat;

    const double j = JulianDayNumber(b.BirthMonth, b.BirthDay, b.BirthYear);
    const double ut = BirthUniversalTime(b);
    const double T = ((j - 2415020.0) + ut / 24.0 - 0.5) / 36525.0;

    const double correction = ComputeAyanamsa(T);
    c.Ayanamsa = -correction;

    double theta = 15.0 * (ut + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) - lon;
    while (theta >= 360) theta -= 360.0;
    const double ramc = theta * kDegToRad;
    const double eps = (23.452294 - 0.0130125 * T) * kDegToRad;

    double mc = ArcTan2(std::tan(ramc), std::cos(eps));
    if (mc < 0) mc += kPi;
    if (std::sin(ramc) < 0) mc += kPi;
    mc *= kRadToDeg;

    double asc = TropicalAscendant(ramc, eps, lat, true);

    asc += correction;
    mc += correction;
    Normalize360(asc);
    Normalize360(mc);
    PlaceBody(c, Body::Ascendant, asc);
    PlaceBody(c, Body::Midheaven, mc);
}

double DayNumber(int Y, int M, int D, int h, int mi) {
    const std::int64_t y = Y, m = M;
    const std::int64_t whole = 367 * y - FloorDiv(7 * (y + FloorDiv(m + 9, 12)), 4) + FloorDiv(275 * m, 9) + D;
    return static_cast<double>(whole) - 730531.5 + (h + mi / 60.0) / 24.0;
}

double NormalizeRadians(double x) {
    const double q = x / kTwoPi;
    const double f = q - std::trunc(q);
    double r = f * kTwoPi;
    if (r < 0) r += kTwoPi;
    return r;
}

Elements OrbitalElements(int index, double T) {
    const ElementRow& r = kElements[index];
    Elements el{};
    el.a = r.a + r.aRate * T;
    el.e = r.e + r.eRate * T;
    el.I = (r.I + r.IRate * T / 3600.0) * kDegToRad;
    el.Omega = (r.Omega + r.OmegaRate * T / 3600.0) * kDegToRad;
    el.Pi = (r.Pi + r.PiRate * T / 3600.0) * kDegToRad;
    el.L = NormalizeRadians((r.L + r.LRate * T / 3600.0) * kDegToRad);
    return el;
}

double TrueAnomaly(double M, double e) {
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    for (;;) {
        const double next = E - (E - e * std::sin(E) - M) / (1.0 - e * std::cos(E));
        if (std::fabs(E - next) <= 1e-12) {
            E = next;
            break;
        }
        E = next;
    }
    double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (nu < 0) nu += kTwoPi;
    return nu;
}

double GeocentricLongitude(int index, double d) {
    const double T = d / 36525.0;
    const Elements earth = OrbitalElements(kSun, T);
    const double mE = NormalizeRadians(earth.L - earth.Pi);
    const double nuE = TrueAnomaly(mE, earth.e);
    const double rE = earth.a * (1.0 - earth.e * earth.e) / (1.0 + earth.e * std::cos(nuE));
    const double xE = rE * std::cos(nuE + earth.Pi);
    const double yE = rE * std::sin(nuE + earth.Pi);

    double x = 0.0, y = 0.0;
    if (index != kSun) {
        const Elements el = OrbitalElements(index, T);
        const double m = NormalizeRadians(el.L - el.Pi);
        const double nu = TrueAnomaly(m, el.e);
        const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(nu));
        const double u = nu + el.Pi - el.Omega;
        x = r * (std::cos(el.Omega) * std::cos(u) - std::sin(el.Omega) * std::sin(u) * std::cos(el.I));
        y = r * (std::sin(el.Omega) * std::cos(u) + std::cos(el.Omega) * std::sin(u) * std::cos(el.I));
    }
    double lambda = ArcTan2(y - yE, x - xE) * 180.0 / kPi;
    while (lambda > 360) lambda -= 360.0;
    while (lambda < 0) lambda += 360.0;
    return lambda;
}

double PrecessionSince2000(double d) {
    const double T = d / 36525.0;
    return (5028.796195 * T + 1.1054348 * T * T) / 3600.0;
}

UtcMoment UniversalMoment(const BirthRecord& b) {
    std::int64_t minutes = DaysFromCivil(b.BirthYear, b.BirthMonth, b.BirthDay) * 1440 + b.BirthHour * 60 +
                           b.BirthMinute + b.ZoneHours * 60 + b.ZoneMinutes;
    if (b.DaylightSaving) minutes -= 60;
    const std::int64_t days = FloorDiv(minutes, 1440);
    const std::int64_t rest = minutes - days * 1440;
    const CivilMoment date = CivilFromDays(days);
    UtcMoment u{};
    u.year = date.Year;
    u.month = date.Month;
    u.day = date.Day;
    u.hour = static_cast<int>(rest / 60);
    u.minute = static_cast<int>(rest % 60);
    return u;
}

void ComputePlanets(const BirthRecord& b, Chart& c) {
    const UtcMoment u = UniversalMoment(b);
    const double d = DayNumber(u.year, u.month, u.day, u.hour, u.minute);
    const double ayanamsa = std::fabs(c.Ayanamsa);
    // The elements are referred to the equinox of 2000; the ayanamsa to that of date.
    const double precession = PrecessionSince2000(d);

    for (int i = 0; i < 6; ++i) {
        double s = GeocentricLongitude(i, d) + precession - ayanamsa;
        while (s < 0) s += 360.0;
        while (s >= 360) s -= 360.0;
        PlaceBody(c, kElementOrder[static_cast<std::size_t>(i)], s);
    }

    double node = (125.1228 - 0.0529538083 * d) * kDegToRad;
    node = NormalizeRadians(node) * 180.0 / 3.1416;
    double rahu = node - 1.0 - ayanamsa;
    while (rahu < 0) rahu += 360.0;
    double ketu = rahu + 180.0;
    while (ketu > 360) ketu -= 360.0;
    PlaceBody(c, Body::Rahu, rahu);
    PlaceBody(c, Body::Ketu, ketu);
}

}  // namespace velakor
