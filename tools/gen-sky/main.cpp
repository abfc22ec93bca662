// Writes the precise sky's tables: Chebyshev coefficients, per quantity and per time segment,
// of the apparent geocentric longitudes (light time, aberration; referred to the mean equinox
// of date; no light deflection), both lunar nodes, the nutation in longitude, the true obliquity, four mean
// ayanamsas and Delta T, from 1900 to the end of 2150. The source is the JPL ephemeris (DE431) as
// compressed for and read by libswe; only this tool links libswe, the program reads the
// tables.
//
//   gen-sky [--ephe FOLDER] OUTPUT          write the tables
//   gen-sky [--ephe FOLDER] --check FILE    exit 0 when FILE is exactly what would be written
//   gen-sky [--ephe FOLDER] --report        worst fit error of each quantity, between nodes
#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "sky/SkyTables.h"

namespace {

using velakor::SkySeries;

// Tables run from 1900 January 1.0 to 2151 January 1.0, terrestrial time (Delta T: universal):
// the births the form takes (1901-2050) and a century of transits after the last of them.
constexpr double kStart = 2415020.5;
constexpr double kEnd = 2506696.5;

struct Quantity {
    SkySeries id;
    double segmentDays;
    int coefficients;
    double unit;  // degrees (days for Delta T) per stored integer step
    std::function<double(double)> value;
    bool angle;  // unwrapped within a segment
};

[[noreturn]] void Fail(const std::string& what) {
    std::cerr << "gen-sky: " << what << "\n";
    std::exit(1);
}

double Body(int planet, double jdTt) {
    double x[6];
    char err[AS_MAXCH] = "";
    // Light bent by the Sun's gravity is left out: it is a spike of a few arcseconds over a
    // few hours while a planet passes behind the Sun, which no smooth table follows, and
    // under an arcsecond a degree away from it.
    const int32 flags = SEFLG_SWIEPH | SEFLG_NONUT | SEFLG_NOGDEFL;
    const int32 got = swe_calc(jdTt, planet, flags, x, err);
    if (got < 0 || (planet != SE_MEAN_NODE && (got & SEFLG_SWIEPH) == 0)) Fail(std::string("ephemeris: ") + err);
    return x[0];
}

double Nutation(int which, double jdTt) {
    double x[6];
    char err[AS_MAXCH] = "";
    if (swe_calc(jdTt, SE_ECL_NUT, 0, x, err) < 0) Fail(err);
    return x[which];  // 0 true obliquity, 2 nutation in longitude
}

double Ayanamsa(int mode, double jdTt) {
    swe_set_sid_mode(mode, 0, 0);
    double a = 0;
    char err[AS_MAXCH] = "";
    if (swe_get_ayanamsa_ex(jdTt, SEFLG_SWIEPH | SEFLG_NONUT, &a, err) < 0) Fail(err);
    return a;
}

double DeltaT(double jdUt) {
    char err[AS_MAXCH] = "";
    return swe_deltat_ex(jdUt, SEFLG_SWIEPH, err);
}

std::vector<Quantity> Quantities() {
    using S = SkySeries;
    constexpr double kDeg = 1e-7;
    constexpr double kLon = 1e-6;  // a longitude's mean term reaches 360 degrees
    return {
        {S::Sun, 32, 10, kLon, [](double t) { return Body(SE_SUN, t); }, true},
        {S::Moon, 8, 17, kLon, [](double t) { return Body(SE_MOON, t); }, true},
        {S::Mercury, 8, 12, kLon, [](double t) { return Body(SE_MERCURY, t); }, true},
        {S::Venus, 32, 12, kLon, [](double t) { return Body(SE_VENUS, t); }, true},
        {S::Mars, 32, 12, kLon, [](double t) { return Body(SE_MARS, t); }, true},
        {S::Jupiter, 32, 10, kLon, [](double t) { return Body(SE_JUPITER, t); }, true},
        {S::Saturn, 32, 10, kLon, [](double t) { return Body(SE_SATURN, t); }, true},
        {S::MeanNode, 512, 6, kLon, [](double t) { return Body(SE_MEAN_NODE, t); }, true},
        {S::TrueNode, 8, 16, kLon, [](double t) { return Body(SE_TRUE_NODE, t); }, true},
        {S::Nutation, 32, 10, kDeg, [](double t) { return Nutation(2, t); }, false},
        {S::Obliquity, 32, 10, kDeg, [](double t) { return Nutation(0, t); }, false},
        {S::Lahiri, 1024, 6, kDeg, [](double t) { return Ayanamsa(SE_SIDM_LAHIRI, t); }, false},
        {S::Raman, 1024, 6, kDeg, [](double t) { return Ayanamsa(SE_SIDM_RAMAN, t); }, false},
        {S::Krishnamurti, 1024, 6, kDeg, [](double t) { return Ayanamsa(SE_SIDM_KRISHNAMURTI, t); }, false},
        {S::TrueChitra, 256, 8, kDeg, [](double t) { return Ayanamsa(SE_SIDM_TRUE_CITRA, t); }, false},
        {S::DeltaT, 256, 8, 1e-12, [](double t) { return DeltaT(t); }, false},
    };
}

// Chebyshev coefficients of one segment from the values at the Chebyshev nodes; the first
// coefficient is already halved, so the sum of c_j T_j(x) is the value.
std::vector<double> Fit(const Quantity& q, double a, double b) {
    const int n = q.coefficients;
    std::vector<double> f(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double x = std::cos(M_PI * (k + 0.5) / n);
        f[static_cast<std::size_t>(k)] = q.value(0.5 * (a + b) + 0.5 * (b - a) * x);
    }
    if (q.angle) {
        for (int k = 1; k < n; ++k) {
            double& v = f[static_cast<std::size_t>(k)];
            const double prev = f[static_cast<std::size_t>(k - 1)];
            while (v - prev > 180.0) v -= 360.0;
            while (v - prev < -180.0) v += 360.0;
        }
    }
    std::vector<double> c(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        double s = 0;
        for (int k = 0; k < n; ++k) s += f[static_cast<std::size_t>(k)] * std::cos(M_PI * j * (k + 0.5) / n);
        c[static_cast<std::size_t>(j)] = 2.0 * s / n;
    }
    c[0] *= 0.5;
    if (q.angle) c[0] = std::fmod(c[0] + 3600.0, 360.0);
    return c;
}

struct Table {
    Quantity q;
    std::uint32_t segments;
    std::vector<std::int32_t> data;
};

Table Build(const Quantity& q) {
    Table t{q, static_cast<std::uint32_t>(std::ceil((kEnd - kStart) / q.segmentDays)), {}};
    for (std::uint32_t s = 0; s < t.segments; ++s) {
        const double a = kStart + s * q.segmentDays;
        for (double c : Fit(q, a, a + q.segmentDays)) {
            const double steps = std::nearbyint(c / q.unit);
            if (std::fabs(steps) > 2147483647.0) Fail("coefficient out of range");
            t.data.push_back(static_cast<std::int32_t>(steps));
        }
    }
    return t;
}

template <typename T>
void Put(std::string& out, T v) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &v, sizeof(T));
    out.append(bytes, sizeof(T));  // the file is little-endian, as the machines that read it
}

std::string Serialise(const std::vector<Table>& tables) {
    std::string out(velakor::kSkyTablesMagic);
    Put<std::uint32_t>(out, static_cast<std::uint32_t>(tables.size()));
    for (const Table& t : tables) {
        Put<std::uint32_t>(out, static_cast<std::uint32_t>(t.q.id));
        Put<std::uint32_t>(out, t.segments);
        Put<std::uint32_t>(out, static_cast<std::uint32_t>(t.q.coefficients));
        Put<double>(out, kStart);
        Put<double>(out, t.q.segmentDays);
        Put<double>(out, t.q.unit);
    }
    for (const Table& t : tables)
        for (std::int32_t v : t.data) Put<std::int32_t>(out, v);
    Put<std::uint32_t>(out, velakor::SkyTablesChecksum(out));
    return out;
}

void Report(const std::vector<Table>& tables, const std::string& bytes) {
    const velakor::SkyTables parsed = velakor::SkyTables::Parse(bytes);
    if (!parsed.Valid()) Fail("the written tables do not parse");
    for (const Table& t : tables) {
        double worst = 0, worstAt = 0;
        // Between the nodes, where a fit is worst: a few points in every 37th segment.
        for (std::uint32_t s = 0; s < t.segments; s += 37) {
            for (double f : {0.013, 0.27, 0.5, 0.77, 0.991}) {
                const double jd = kStart + (s + f) * t.q.segmentDays;
                const double want = t.q.value(jd);
                double d = parsed.Value(t.q.id, jd) - want;
                if (t.q.angle) d = std::remainder(d, 360.0);
                if (std::fabs(d) > worst) worst = std::fabs(d), worstAt = jd;
            }
        }
        const double scale = t.q.id == SkySeries::DeltaT ? 86400.0 : 3600.0;
        std::printf("series %2u: %5u x %2d coefficients, worst %.4f %s at JD %.2f\n",
                    static_cast<unsigned>(t.q.id), t.segments, t.q.coefficients, worst * scale,
                    t.q.id == SkySeries::DeltaT ? "s" : "arcsec", worstAt);
    }
    std::printf("%zu bytes\n", bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::string ephe = "/usr/share/libswe/ephe";
    std::string output, check;
    bool report = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ephe" && i + 1 < argc) ephe = argv[++i];
        else if (arg == "--check" && i + 1 < argc) check = argv[++i];
        else if (arg == "--report") report = true;
        else output = arg;
    }
    if (output.empty() && check.empty() && !report) Fail("usage: gen-sky [--ephe FOLDER] (OUTPUT | --check FILE | --report)");
    swe_set_ephe_path(ephe.data());

    std::vector<Table> tables;
    for (const Quantity& q : Quantities()) tables.push_back(Build(q));
    const std::string bytes = Serialise(tables);
    swe_close();

    if (report) Report(tables, bytes);
    if (!check.empty()) {
        std::ifstream in(check, std::ios::binary);
        const std::string have((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (have != bytes) Fail(check + " differs from what the ephemeris gives");
    }
    if (!output.empty()) {
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) Fail("cannot write " + output);
    }
    return 0;
}
