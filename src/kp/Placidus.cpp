#include "kp/Placidus.h"

#include <algorithm>
#include <cmath>

#include "vedic/Angles.h"

namespace velakor {
namespace {

constexpr double kHalfPi = 1.5707963267948966;

// A cusp between the meridian and the horizon is the point of the ecliptic whose right
// ascension a solves
//     a = ramc + Offset + Share * asin(K sin a),     K = tan(latitude) tan(obliquity),
// the ascensional difference asin(K sin a) lengthening the point's day arc: the 11th and
// 12th cusps lie a third and two thirds of its diurnal semi-arc (90 deg + that difference)
// east of the meridian, the 3rd and 2nd a third and two thirds of its nocturnal semi-arc
// (90 deg less it) above the lower meridian.
struct CuspRule {
    int House;  // 1..12
    double Offset;  // radians
    double Share;
};
constexpr std::array<CuspRule, 4> kRules{{{11, kHalfPi / 3, 1.0 / 3},
                                          {12, 2 * kHalfPi / 3, 2.0 / 3},
                                          {2, 4 * kHalfPi / 3, 2.0 / 3},
                                          {3, 5 * kHalfPi / 3, 1.0 / 3}}};

// The equation as a function of t = a - (ramc + Offset), which lies within Share * 90 deg
// of 0: G(t) = t - Share * asin(K sin(a)). Defined where |K sin a| <= 1.
struct CuspEquation {
    double a0, k, K;
    bool Defined(double t) const { return std::abs(K * std::sin(a0 + t)) <= 1.0; }
    double G(double t) const {
        const double s = std::clamp(K * std::sin(a0 + t), -1.0, 1.0);
        return t - k * std::asin(s);
    }
    double Slope(double t) const {
        const double s = K * std::sin(a0 + t);
        return 1.0 - k * K * std::cos(a0 + t) / std::sqrt(1.0 - s * s);
    }
};

// The root of G between lo and hi, where G changes sign: Newton's steps while they stay
// inside the shrinking bracket, halving where they would not.
double Root(const CuspEquation& e, double lo, double hi) {
    const bool riseToHi = e.G(hi) > 0;
    double t = 0.5 * (lo + hi);
    for (int i = 0; i < 200; ++i) {
        const double g = e.G(t);
        if (g == 0) return t;
        ((g > 0) == riseToHi ? hi : lo) = t;
        const double slope = e.Slope(t);
        double next = t - g / slope;
        if (!std::isfinite(next) || next <= lo || next >= hi) next = 0.5 * (lo + hi);
        if (std::abs(next - t) < 1e-15) return next;
        t = next;
    }
    return t;
}

// The one root of G in [-Share * 90 deg, Share * 90 deg], or none where there are none or
// several. Below the polar circles |K| < 1: G rises throughout and has one root there.
// Beyond them G is defined on pieces only, and the pieces are searched step by step.
std::optional<double> OneRoot(const CuspEquation& e) {
    const double lo = -e.k * kHalfPi, hi = e.k * kHalfPi;
    if (std::abs(e.K) < 1.0) return Root(e, lo, hi);
    constexpr int kSteps = 1440;
    std::optional<double> found;
    int roots = 0;
    double prev = lo;
    bool prevDefined = e.Defined(lo);
    for (int i = 1; i <= kSteps; ++i) {
        const double t = lo + (hi - lo) * i / kSteps;
        const bool defined = e.Defined(t);
        // Two defined samples on the same side of a gap in the domain: the gaps lie around
        // a = +-90 deg, where cos a changes sign.
        const bool samePiece = std::cos(e.a0 + t) * std::cos(e.a0 + prev) > 0;
        if (defined && prevDefined && samePiece && (e.G(prev) > 0) != (e.G(t) > 0)) {
            ++roots;
            found = Root(e, prev, t);
        }
        prev = t;
        prevDefined = defined;
    }
    if (roots != 1) return std::nullopt;
    return found;
}

double EclipticLongitudeOfRa(double ra, double eps) {
    return std::atan2(std::sin(ra), std::cos(ra) * std::cos(eps)) * kRadToDegExact;
}

}  // namespace

std::optional<HouseCusps> PlacidusCusps(const PreciseSky::Meridian& frame, double latDeg) {
    const double ramc = frame.Ramc * kDegToRadExact;
    const double eps = frame.Obliquity * kDegToRadExact;
    const double K = std::tan(latDeg * kDegToRadExact) * std::tan(eps);
    // The midheaven's own day arc must exist: beyond the polar circles the ecliptic can
    // culminate below the horizon.
    const double mcDeclination = std::atan(std::tan(eps) * std::sin(ramc)) * kRadToDegExact;
    if (!(std::abs(latDeg - mcDeclination) < 90.0)) return std::nullopt;

    const PreciseSky::Angles angles = AnglesIn(frame, latDeg);
    HouseCusps c{};
    c[0] = angles.Ascendant;
    c[9] = angles.Midheaven;
    for (const CuspRule& r : kRules) {
        const CuspEquation e{ramc + r.Offset, r.Share, K};
        const std::optional<double> t = OneRoot(e);
        if (!t) return std::nullopt;
        c[static_cast<std::size_t>(r.House - 1)] =
            Fold360(EclipticLongitudeOfRa(e.a0 + *t, eps) + frame.ToSidereal);
    }
    // The other half of the circle: each cusp's opposite.
    for (const std::size_t h : {3u, 4u, 5u, 6u, 7u, 8u}) c[h] = Fold360(c[(h + 6) % 12] + 180.0);

    // The cusps must follow one another around the zodiac, each quadrant less than half of it:
    // from the midheaven through the 11th, 12th, ascendant, 2nd and 3rd to the lower meridian.
    const std::array<std::size_t, 7> quadrants{9, 10, 11, 0, 1, 2, 3};
    double around = 0;
    for (std::size_t i = 0; i + 1 < quadrants.size(); ++i) {
        const double step = Fold360(c[quadrants[i + 1]] - c[quadrants[i]]);
        if (!(step > 0 && step < 180.0)) return std::nullopt;
        around += step;
    }
    if (!(std::abs(around - 180.0) < 1e-6)) return std::nullopt;
    return c;
}

std::optional<PreciseSky::Meridian> MeridianWithAscendant(const PreciseSky::Meridian& frame,
                                                         double siderealLongitude, double latDeg) {
    const double eps = frame.Obliquity * kDegToRadExact;
    const double lambda = (siderealLongitude - frame.ToSidereal) * kDegToRadExact;
    const double ra = std::atan2(std::sin(lambda) * std::cos(eps), std::cos(lambda));
    const double declination = std::asin(std::sin(eps) * std::sin(lambda));
    // The point rises at the hour angle -(90 deg + its ascensional difference): the meridian
    // is that far behind it.
    const double x = std::tan(latDeg * kDegToRadExact) * std::tan(declination);
    if (!(std::abs(x) < 1.0)) return std::nullopt;
    PreciseSky::Meridian m = frame;
    m.Ramc = Fold360((ra - kHalfPi - std::asin(x)) * kRadToDegExact);
    // Within the polar circles the horizon can meet the point as it sets: the chart's
    // ascendant is then another point, and there is no such chart.
    const double back = AnglesIn(m, latDeg).Ascendant;
    const double miss = std::abs(Fold360(back - siderealLongitude + 180.0) - 180.0);
    if (!(miss < 1e-9)) return std::nullopt;
    return m;
}

}  // namespace velakor
