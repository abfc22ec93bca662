// Writes the station tables of src/chart/retro/StationData.cpp: the moments at which Mercury,
// Venus, Mars, Jupiter and Saturn turn retrograde and direct again, from the VSOP87 theory as
// libnova implements it.
//
// A station is a zero of the rate of the planet's geocentric ecliptic longitude, referred to
// the ecliptic and equinox of date. The position is geometric: the planet's and the Earth's
// heliocentric positions at the same instant, differenced, with no light-time, aberration or
// nutation. libnova's heliocentric coordinates are referred to the ecliptic and equinox of
// J2000, so the geocentric direction is carried to the ecliptic of date by the rigorous
// precession of ecliptic coordinates (IAU 1976 angles).
//
// libnova's series take dynamical time (TT). The found moments are turned into universal
// time with Delta T from the Espenak-Meeus polynomials (observed values up to 2005, their
// extrapolation after), then rounded to the minute.
//
//   gen-stations                  writes the file to standard output
//   gen-stations --output FILE    writes it to FILE
//   gen-stations --check FILE     exits 1 and names the first difference unless FILE holds
//                                 exactly what would be written
#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/saturn.h>
#include <libnova/venus.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "vedic/Calendar.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;
constexpr double kJ2000 = 2451545.0;

using HelioFunction = void (*)(double, ln_helio_posn*);

struct Planet {
    const char* name;
    HelioFunction helio;
    double step;  // days between samples of the rate
};

// Each step is well below the shortest time between two stations of its planet (the
// retrograde spells last at least about 19, 40, 60, 116 and 133 days), so no step can hold a
// pair of sign changes of the rate and miss them both.
constexpr Planet kPlanets[] = {
    {"Mercury", ln_get_mercury_helio_coords, 4.0},
    {"Venus", ln_get_venus_helio_coords, 10.0},
    {"Mars", ln_get_mars_helio_coords, 10.0},
    {"Jupiter", ln_get_jupiter_helio_coords, 20.0},
    {"Saturn", ln_get_saturn_helio_coords, 20.0},
};

struct Vector {
    double x, y, z;
};

Vector Rectangular(const ln_helio_posn& p) {
    const double l = p.L * kDegree, b = p.B * kDegree;
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

// Geometric geocentric ecliptic longitude of date, radians (not folded into one turn).
double LongitudeOfDate(const Planet& planet, double jdTT) {
    ln_helio_posn body{}, earth{};
    planet.helio(jdTT, &body);
    ln_get_earth_helio_coords(jdTT, &earth);
    const Vector b = Rectangular(body), e = Rectangular(earth);
    const double x = b.x - e.x, y = b.y - e.y, z = b.z - e.z;
    const double lambda0 = std::atan2(y, x);
    const double beta0 = std::atan2(z, std::hypot(x, y));

    // From the ecliptic and equinox of J2000 to those of date.
    const double t = (jdTT - kJ2000) / 36525.0;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsecond;
    const double pi = 174.876384 * kDegree + (-869.8089 * t + 0.03536 * t * t) * kArcsecond;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsecond;
    const double a = std::cos(eta) * std::cos(beta0) * std::sin(pi - lambda0) - std::sin(eta) * std::sin(beta0);
    const double bb = std::cos(beta0) * std::cos(pi - lambda0);
    return p + pi - std::atan2(a, bb);
}

// Rate of the longitude of date, radians per day, by a central difference.
double LongitudeRate(const Planet& planet, double jdTT) {
    constexpr double h = 0.01;
    double d = LongitudeOfDate(planet, jdTT + h) - LongitudeOfDate(planet, jdTT - h);
    d = std::remainder(d, 2.0 * kPi);
    return d / (2.0 * h);
}

// TT - UT in seconds.
double DeltaT(double jd) {
    const double y = 2000.0 + (jd - kJ2000) / 365.25;
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

struct Civil {
    int year, month, day, hour, minute;
};

// Universal time of a moment in TT, rounded to the minute.
Civil UniversalMinute(double jdTT) {
    constexpr double kUnixEpoch = 2440587.5;
    const double jdUT = jdTT - DeltaT(jdTT) / 86400.0;
    const auto minutes = static_cast<std::int64_t>(std::llround((jdUT - kUnixEpoch) * 1440.0));
    const std::int64_t days = velakor::FloorDiv(minutes, 1440);
    const std::int64_t ofDay = minutes - days * 1440;
    const velakor::CivilMoment date = velakor::CivilFromDays(days);
    Civil c{date.Year, date.Month, date.Day, 0, 0};
    c.hour = static_cast<int>(ofDay / 60);
    c.minute = static_cast<int>(ofDay % 60);
    return c;
}

struct Station {
    double jdTT;
    bool retrograde;  // turns retrograde here (rate from + to -), else turns direct
};

// The zero of the rate between a and b, where the rate has opposite signs, by false position
// with the Illinois step (it keeps a bracket, like bisection, but needs far fewer rates).
double Refine(const Planet& planet, double a, double fa, double b, double fb) {
    int side = 0;
    for (int i = 0; i < 200 && b - a > 1e-7; ++i) {  // 1e-7 day is about 0.01 s
        double c = (a * fb - b * fa) / (fb - fa);
        if (c <= a || c >= b) c = 0.5 * (a + b);
        const double fc = LongitudeRate(planet, c);
        if (fc == 0.0) return c;
        if ((fc > 0.0) == (fa > 0.0)) {
            a = c;
            fa = fc;
            if (side == -1) fb *= 0.5;
            side = -1;
        } else {
            b = c;
            fb = fc;
            if (side == 1) fa *= 0.5;
            side = 1;
        }
    }
    return 0.5 * (a + b);
}

std::vector<Station> FindStations(const Planet& planet, double from, double to) {
    std::vector<Station> out;
    double t0 = from;
    double r0 = LongitudeRate(planet, t0);
    while (t0 < to) {
        const double t1 = t0 + planet.step;
        const double r1 = LongitudeRate(planet, t1);
        if ((r0 > 0.0) != (r1 > 0.0)) {
            out.push_back({Refine(planet, t0, r0, t1, r1), r0 > 0.0});
        }
        t0 = t1;
        r0 = r1;
    }
    return out;
}

std::string StationText(const Civil& c) {
    return std::to_string(c.month) + "," + std::to_string(c.day) + "," + std::to_string(c.year) + "," +
           std::to_string(c.hour) + "," + std::to_string(c.minute) + ",";
}

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// Rows of one planet: each retrograde station dated kFirstYear..kLastYear in universal time,
// with the direct station that follows it.
std::vector<std::pair<std::string, std::string>> StationRows(const Planet& planet) {
    // Wide enough that every retrograde station of those years and the direct station after
    // the last of them are found.
    constexpr double kFrom = 2414990.5;  // 1899 December 1
    constexpr double kTo = 2471333.5;    // 2054 January 1
    const std::vector<Station> s = FindStations(planet, kFrom, kTo);
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (!s[i].retrograde || s[i + 1].retrograde) continue;
        const Civil retro = UniversalMinute(s[i].jdTT);
        if (retro.year < kFirstYear || retro.year > kLastYear) continue;
        rows.emplace_back(StationText(retro), StationText(UniversalMinute(s[i + 1].jdTT)));
    }
    return rows;
}

std::string Generate() {
    std::ostringstream out;
    out << "// Generated by tools/gen-stations: do not edit by hand. Regenerate with\n"
           "//   cmake --build build --target gen-stations\n"
           "//   ./build/tools/gen-stations/gen-stations --output src/chart/retro/StationData.cpp\n"
           "//\n"
           "// The stations in longitude of Mercury, Venus, Mars, Jupiter and Saturn: geometric\n"
           "// geocentric ecliptic longitude of date from the VSOP87 theory (libnova), in universal\n"
           "// time (Delta T from the Espenak-Meeus polynomials) rounded to the minute. One row per\n"
           "// retrograde period whose retrograde station falls in the years "
        << kFirstYear << " to " << kLastYear
        << ";\n"
           "// a row is {retrograde station, direct station}, each \"month,day,year,hour,minute,\".\n"
           "#include \"chart/retro/StationData.h\"\n"
           "\n"
           "namespace velakor {\n"
           "namespace {\n";
    for (const Planet& planet : kPlanets) {
        out << "\nconstexpr StationTextRow k" << planet.name << "[] = {\n";
        for (const auto& [retro, direct] : StationRows(planet)) {
            out << "    {\"" << retro << "\", \"" << direct << "\"},\n";
        }
        out << "};\n";
    }
    out << "\n}  // namespace\n\nconstinit const std::array<PlanetStationTexts, kRetroPlanets> kStationTexts{{\n";
    for (const Planet& planet : kPlanets) {
        out << "    {\"" << planet.name << "\", k" << planet.name << "},\n";
    }
    out << "}};\n\n}  // namespace velakor\n";
    return out.str();
}

// 1-based number of the first line where the two texts differ.
std::size_t FirstDifferentLine(const std::string& a, const std::string& b) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i) {
        if (a[i] == '\n') ++line;
    }
    return line;
}

int Usage() {
    std::cerr << "usage: gen-stations [--output FILE | --check FILE]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 1 && argc != 3) return Usage();
    const std::string mode = argc == 3 ? argv[1] : "";
    if (argc == 3 && mode != "--output" && mode != "--check") return Usage();

    const std::string text = Generate();
    if (argc == 1) {
        std::cout << text;
        return std::cout.good() ? 0 : 1;
    }
    const std::string path = argv[2];
    if (mode == "--output") {
        // Written beside the target and renamed over it, so a failed run leaves the old file.
        const std::string temporary = path + ".tmp";
        std::ofstream file(temporary, std::ios::binary);
        file << text;
        file.close();
        std::error_code error;
        if (file) std::filesystem::rename(temporary, path, error);
        if (!file || error) {
            std::filesystem::remove(temporary, error);
            std::cerr << "gen-stations: cannot write " << path << "\n";
            return 1;
        }
        return 0;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "gen-stations: cannot read " << path << "\n";
        return 1;
    }
    const std::string committed{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (committed != text) {
        std::cerr << "gen-stations: " << path << " differs from the generated tables from line "
                  << FirstDifferentLine(committed, text) << " on\n";
        return 1;
    }
    return 0;
}
