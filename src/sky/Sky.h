// The sky a chart is computed from: where each body stands, as a sidereal ecliptic
// longitude in degrees, at a moment given as a Julian day in universal time.
//
// Two skies exist: the built-in formulas (mean elements, the truncated lunar series, the
// program's own ayanamsa and node rule; the default) and the precise one (tables made from a
// JPL ephemeris, a choice of ayanamsa and node). Everything that needs a longitude at a
// moment other than the birth (panchanga end times, sunrise, the retrograde test of the
// precise sky) asks a Sky; the chart stages ask the sky in use for the birth moment.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "vedic/Birth.h"
#include "vedic/Body.h"
#include "vedic/Chart.h"

namespace velakor {


enum class SkyPositions { Builtin, Precise };
enum class SkyAyanamsa { Lahiri, Raman, Krishnamurti, TrueChitra };
enum class SkyNode { Mean, True };

inline constexpr std::array<SkyAyanamsa, 4> kAyanamsas{SkyAyanamsa::Lahiri, SkyAyanamsa::Raman,
                                                       SkyAyanamsa::Krishnamurti, SkyAyanamsa::TrueChitra};
// "Lahiri", "Raman", "Krishnamurti", "True Chitra": as menus and descriptions write them.
std::string_view AyanamsaName(SkyAyanamsa a);
// "Lahiri", "Raman", "KP", "TrueChitra": the values of velakor-chart's "Ayanamsa" key.
std::string_view AyanamsaKey(SkyAyanamsa a);

// What the user chose; the defaults are the program as it always was.
struct SkyChoice {
    SkyPositions Positions = SkyPositions::Builtin;
    SkyAyanamsa Ayanamsa = SkyAyanamsa::Lahiri;
    SkyNode Node = SkyNode::Mean;
    friend bool operator==(const SkyChoice&, const SkyChoice&) = default;
};

class Sky {
public:
    virtual ~Sky() = default;
    // Sidereal longitude of a body (Sun .. Ketu), degrees in [0, 360), at jdUt (Julian day,
    // universal time).
    virtual double SiderealLongitude(Body body, double jdUt) const = 0;
    // The chart of a birth: every body placed, the retrograde planets marked. The houses and
    // divisional signs are the calculation's (CompleteChart).
    virtual Chart CastChart(const BirthRecord& b) const = 0;
    virtual SkyChoice Choice() const = 0;
    // Whether the sky can place the bodies at jdUt: the formulas can at any moment, the precise
    // tables only within their span. A moment not covered is never extrapolated: callers ask
    // first and say so instead.
    virtual bool Covers(double jdUt) const {
        (void)jdUt;
        return true;
    }
};

// The sky of a choice. The built-in sky costs nothing to make.
std::unique_ptr<Sky> MakeSky(const SkyChoice& choice);

// False only for the precise sky when its tables cannot be read: the chart then falls back
// to the built-in formulas.
bool SkyAvailable(const SkyChoice& choice);

// The one description of a sky, wherever one is named: "Built-in formulas, Rahu one degree
// behind the mean node", or for example "Precise (JPL ephemeris), Lahiri, mean node".
std::string DescribeSky(const SkyChoice& choice);

}  // namespace velakor
