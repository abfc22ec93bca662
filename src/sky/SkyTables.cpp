#include "sky/SkyTables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

namespace velakor {
namespace {

constexpr std::size_t kMaxFileBytes = 8u << 20;

// Every series covers the program's years (1901-2050) and a year on either side, so that
// no birth and none of its searches (a sunrise, a tithi's end) carries a series on beyond
// its last segment, where a Chebyshev series runs away.
constexpr double kCoverFrom = 2415020.5;  // 1900 January 1, 0h
constexpr double kCoverTo = 2469807.5;    // 2051 January 1, 0h
// The generator's steps run from 1e-12 (Delta T, in days) to 1e-6 degrees and its segments
// from 8 to 1024 days. Far outside those, a file is no table of ours, however its checksum
// reads: an infinite step gives positions that are not numbers, a tiny one a sky that never
// moves, a segment of no length a division by zero.
constexpr double kSmallestUnit = 1e-15, kLargestUnit = 1e-3;
constexpr double kShortestSegment = 1.0, kLongestSegment = 4096.0;

bool Within(double v, double low, double high) { return v >= low && v <= high; }  // false for NaN

// What each quantity does in the real sky over the tables' centuries, with a margin. A file
// whose checksum fits may still hold scaled steps or stretched segments (an ayanamsa of
// 2,312 degrees, a Moon at half its speed): such tables are no sky and are refused whole.
struct Physics {
    bool angle;                   // a longitude: its rate and mean motion are checked, not its value
    double low, high;             // degrees a day for an angle, else the value (degrees; days for Delta T)
    double meanRate;              // an angle's motion over the whole span, degrees a day
};
// Delta T over these centuries: from -3 seconds to a few minutes, as the extrapolations
// after today differ; a quarter of an hour leaves room for any of them.
constexpr double kDeltaTBound = 1.0 / 96.0;
constexpr Physics kPhysics[kSkySeriesCount] = {
    {true, 0.9, 1.1, 0.985609},        // Sun
    {true, 11.0, 16.0, 13.176397},     // Moon
    {true, -1.6, 2.4, 0.985609},       // Mercury: with the Sun, on the long run
    {true, -0.8, 1.4, 0.985609},       // Venus
    {true, -0.5, 0.9, 0.524033},       // Mars
    {true, -0.16, 0.26, 0.083091},     // Jupiter
    {true, -0.1, 0.15, 0.033460},      // Saturn
    {true, -0.06, -0.045, -0.052954},  // mean node
    {true, -0.3, 0.1, -0.052954},      // true node
    {false, -0.01, 0.01, 0.0},         // nutation in longitude, under 18 arc seconds
    {false, 23.0, 24.0, 0.0},          // obliquity
    {false, 19.0, 26.0, 0.0},          // ayanamsas
    {false, 19.0, 26.0, 0.0},
    {false, 19.0, 26.0, 0.0},
    {false, 19.0, 26.0, 0.0},
    {false, -kDeltaTBound, kDeltaTBound, 0.0},  // Delta T
};
// A quantity runs on from one segment into the next: the fits meet within this many degrees
// (days for Delta T); the generator's meet ten times closer at least.
constexpr double kJoinDegrees = 1e-3, kJoinDays = 1e-6;
// Over the span an angle's mean motion is within this share of the real one (Saturn's loops
// alone move it by a fraction of a percent over 150 years).
constexpr double kMeanRateShare = 0.03;

double Wrap180(double x) { return x - 360.0 * std::floor((x + 180.0) / 360.0); }

// Whether a series of `segments` segments of `length` days, each of `coefficients`
// Chebyshev coefficients in c, moves as its quantity does in the sky.
bool Plausible(std::uint32_t segments, std::uint32_t coefficients, double length, const std::vector<double>& coeffs,
               const Physics& physics, bool days) {
    // Each segment at its ends and middle: the value and the rate per day, from the Chebyshev
    // polynomials' values there (T_j(1) = 1, T_j(-1) = (-1)^j, T_j(0) and T_j'(x) likewise).
    const double join = days ? kJoinDays : kJoinDegrees;
    double travelled = 0.0, lastEnd = 0.0;
    for (std::uint32_t k = 0; k < segments; ++k) {
        const double* c = coeffs.data() + std::size_t{k} * coefficients;
        double start = 0, end = 0, middle = 0, slopeStart = 0, slopeEnd = 0, slopeMiddle = 0;
        for (std::uint32_t j = 0; j < coefficients; ++j) {
            const double odd = j % 2 == 1 ? -1.0 : 1.0;
            const double jj = static_cast<double>(j) * j;
            end += c[j];
            start += odd * c[j];
            slopeEnd += jj * c[j];
            slopeStart -= odd * jj * c[j];
            if (j % 2 == 0) {
                middle += (j % 4 == 0 ? 1.0 : -1.0) * c[j];
            } else {
                slopeMiddle += (j % 4 == 1 ? 1.0 : -1.0) * static_cast<double>(j) * c[j];
            }
        }
        const double perDay = 2.0 / length;
        if (physics.angle) {
            for (const double slope : {slopeStart, slopeMiddle, slopeEnd}) {
                if (!Within(slope * perDay, physics.low, physics.high)) return false;
            }
            if (k > 0 && !(std::fabs(Wrap180(start - lastEnd)) <= join)) return false;
            travelled += (k > 0 ? Wrap180(start - lastEnd) : 0.0) + (end - start);
        } else {
            for (const double value : {start, middle, end}) {
                if (!Within(value, physics.low, physics.high)) return false;
            }
            if (k > 0 && !(std::fabs(start - lastEnd) <= join)) return false;
        }
        lastEnd = end;
    }
    if (!physics.angle) return true;
    const double meanRate = travelled / (segments * length);
    return std::fabs(meanRate - physics.meanRate) <= kMeanRateShare * std::fabs(physics.meanRate);
}

template <typename T>
bool Take(std::string_view& in, T& v) {
    if (in.size() < sizeof(T)) return false;
    std::memcpy(&v, in.data(), sizeof(T));
    in.remove_prefix(sizeof(T));
    return true;
}

}  // namespace

std::uint32_t SkyTablesChecksum(std::string_view bytes) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char c : bytes) h = (h ^ c) * 16777619u;
    return h;
}

SkyTables SkyTables::Parse(std::string_view bytes) {
    SkyTables t;
    if (bytes.size() < kSkyTablesMagic.size() + 8 || bytes.substr(0, kSkyTablesMagic.size()) != kSkyTablesMagic)
        return t;
    std::string_view tail = bytes.substr(bytes.size() - 4);
    std::uint32_t sum = 0;
    Take(tail, sum);
    if (sum != SkyTablesChecksum(bytes.substr(0, bytes.size() - 4))) return t;

    std::string_view in = bytes.substr(kSkyTablesMagic.size(), bytes.size() - kSkyTablesMagic.size() - 4);
    std::uint32_t count = 0;
    if (!Take(in, count) || count != kSkySeriesCount) return t;
    std::vector<double> units(count);
    bool seen[kSkySeriesCount] = {};
    std::uint32_t order[kSkySeriesCount] = {};
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t id = 0;
        Series s;
        if (!Take(in, id) || id >= count || seen[id] || !Take(in, s.segments) || !Take(in, s.coefficients) ||
            !Take(in, s.start) || !Take(in, s.length) || !Take(in, units[i]))
            return t;
        if (s.segments == 0 || s.segments > 100000 || s.coefficients < 2 || s.coefficients > 32 ||
            !Within(s.length, kShortestSegment, kLongestSegment) || !Within(units[i], kSmallestUnit, kLargestUnit) ||
            !(s.start <= kCoverFrom && s.start + s.segments * s.length >= kCoverTo))
            return t;
        seen[id] = true;
        order[i] = id;
        t.series_[id] = std::move(s);
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        Series& s = t.series_[order[i]];
        const std::size_t n = std::size_t{s.segments} * s.coefficients;
        if (in.size() < n * 4) return t;
        s.c.resize(n);
        for (std::size_t k = 0; k < n; ++k) {
            std::int32_t v = 0;
            Take(in, v);
            s.c[k] = v * units[i];
        }
    }
    if (!in.empty()) return t;
    for (int id = 0; id < kSkySeriesCount; ++id) {
        const Series& s = t.series_[id];
        if (!Plausible(s.segments, s.coefficients, s.length, s.c, kPhysics[id], id == static_cast<int>(SkySeries::DeltaT)))
            return t;
    }
    t.first_ = t.series_[0].start;
    t.last_ = t.series_[0].start + t.series_[0].segments * t.series_[0].length;
    for (const Series& s : t.series_) {
        t.first_ = std::max(t.first_, s.start);
        t.last_ = std::min(t.last_, s.start + s.segments * s.length);
    }
    t.valid_ = true;
    return t;
}

SkyTables SkyTables::Load(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) return {};
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return {};
    return Parse(bytes);
}

std::string SkyTables::DefaultPath() {
    if (const char* named = std::getenv("VELAKOR_SKY_TABLES"); named && *named) return named;
    // The program's data folder under the same prefix as its bin folder, where the install
    // puts the tables and the build tree mirrors them.
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "sky.tables";
    return (self.parent_path() / VELAKOR_SKY_FOLDER / "sky.tables").lexically_normal().string();
}

const SkyTables* SkyTables::Shared() {
    static const SkyTables tables = Load(DefaultPath());
    return tables.Valid() ? &tables : nullptr;
}

const double* SkyTables::Segment(const Series& s, double jd, double& x) const {
    double k = std::floor((jd - s.start) / s.length);
    if (k == -1.0 && jd >= s.start - kEdgeDays) k = 0;
    if (k == s.segments && jd < s.start + s.segments * s.length + kEdgeDays) k = s.segments - 1;
    if (!(k >= 0 && k < s.segments)) return nullptr;
    const double a = s.start + k * s.length;
    x = 2.0 * (jd - a) / s.length - 1.0;
    return s.c.data() + static_cast<std::size_t>(k) * s.coefficients;
}

double SkyTables::Value(SkySeries which, double jd) const {
    const Series& s = series_[static_cast<int>(which)];
    double x = 0;
    const double* c = Segment(s, jd, x);
    if (!c) return std::numeric_limits<double>::quiet_NaN();
    // Clenshaw's recurrence.
    double b1 = 0, b2 = 0;
    for (std::uint32_t j = s.coefficients - 1; j >= 1; --j) {
        const double b0 = 2.0 * x * b1 - b2 + c[j];
        b2 = b1;
        b1 = b0;
    }
    return x * b1 - b2 + c[0];
}

double SkyTables::Value(SkySeries which, double jd, double& perDay) const {
    const Series& s = series_[static_cast<int>(which)];
    double x = 0;
    const double* c = Segment(s, jd, x);
    if (!c) return perDay = std::numeric_limits<double>::quiet_NaN();
    // T_j and its derivative U_{j-1} * j, by their recurrences.
    double t0 = 1, t1 = x, u0 = 1, u1 = 2 * x;
    double value = c[0] + c[1] * t1, slope = c[1];
    for (std::uint32_t j = 2; j < s.coefficients; ++j) {
        const double t2 = 2 * x * t1 - t0;
        value += c[j] * t2;
        slope += c[j] * j * u1;
        const double u2 = 2 * x * u1 - u0;
        t0 = t1, t1 = t2, u0 = u1, u1 = u2;
    }
    perDay = slope * 2.0 / s.length;
    return value;
}

}  // namespace velakor
