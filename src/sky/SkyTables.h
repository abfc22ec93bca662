// The precise sky's tables: Chebyshev coefficients per quantity and time segment, stored as
// integers of a fixed step, written by tools/gen-sky from a JPL ephemeris. Read once, then
// shared read-only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velakor {

// The quantities the tables hold. Longitudes and angles in degrees, functions of the Julian
// day in terrestrial time; Delta T in days, a function of the Julian day in universal time.
enum class SkySeries : std::uint32_t {
    Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn,  // apparent, mean equinox of date
    MeanNode, TrueNode,                                // mean equinox of date
    Nutation,                                          // nutation in longitude
    Obliquity,                                         // true obliquity of the ecliptic
    Lahiri, Raman, Krishnamurti, TrueChitra,           // mean ayanamsas
    DeltaT,
};
inline constexpr int kSkySeriesCount = 16;

inline constexpr std::string_view kSkyTablesMagic = "VLKSKY01";
std::uint32_t SkyTablesChecksum(std::string_view bytes);

class SkyTables {
public:
    // The tables in a file's bytes; invalid (Valid() false) when anything does not fit.
    static SkyTables Parse(std::string_view bytes);
    // The tables in a file, read completely (at most a few megabytes).
    static SkyTables Load(const std::string& path);
    // The program's tables, read on first use from beside the program (or from the file
    // VELAKOR_SKY_TABLES names), then shared. Null when no valid tables were found.
    static const SkyTables* Shared();
    // Where Shared() reads its tables from.
    static std::string DefaultPath();

    bool Valid() const { return valid_; }
    // The Julian days (terrestrial time; universal for Delta T) that every quantity covers:
    // [FirstDay(), LastDay()).
    double FirstDay() const { return first_; }
    double LastDay() const { return last_; }
    bool Covers(double jd) const { return jd >= first_ && jd < last_; }
    // Whether Value() answers at jd: the span, and a minute beyond either end. At the first
    // moment of the span in universal time, terrestrial time is still two seconds before it.
    bool Reaches(double jd) const { return jd >= first_ - kEdgeDays && jd < last_ + kEdgeDays; }

    // The quantity at jd. Beyond a minute outside a quantity's own segments it is NaN: a fit
    // carried past its span drifts (the Moon by seconds of arc within days), so no caller may
    // get one; within a minute it moves by far less than the tables' step.
    double Value(SkySeries s, double jd) const;
    // The quantity and its rate per day.
    double Value(SkySeries s, double jd, double& perDay) const;

private:
    static constexpr double kEdgeDays = 1.0 / 1440.0;
    struct Series {
        std::uint32_t segments = 0, coefficients = 0;
        double start = 0, length = 1;
        std::vector<double> c;  // segments x coefficients, in the quantity's unit
    };
    const double* Segment(const Series& s, double jd, double& x) const;
    Series series_[kSkySeriesCount];
    bool valid_ = false;
    double first_ = 0, last_ = 0;
};

}  // namespace velakor
