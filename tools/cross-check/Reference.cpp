#include "Reference.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "vedic/Angles.h"
#include "vedic/Sign.h"

namespace velakor::crosscheck {
namespace {

constexpr int32 kFlags = SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED;

// Sidereal time by the IERS Conventions 2010 (the IAU 2006 expression on the Earth rotation
// angle) over the whole span, not the library's long-term extension, which parts from it
// after 2050 by up to a second of arc at 2150: that is the model the program computes.
// The models' order: Delta T, two precessions, nutation, frame bias, two JPL Horizons
// modes, sidereal time; 0 keeps the library's default.
constexpr char kAstroModels[] = "0,0,0,0,0,0,0,3";

int32 Mode(SkyAyanamsa a) {
    switch (a) {
        case SkyAyanamsa::Raman: return SE_SIDM_RAMAN;
        case SkyAyanamsa::Krishnamurti: return SE_SIDM_KRISHNAMURTI;
        case SkyAyanamsa::TrueChitra: return SE_SIDM_TRUE_CITRA;
        case SkyAyanamsa::Lahiri: break;
    }
    return SE_SIDM_LAHIRI;
}

int32 Planet(Body body, SkyNode node) {
    switch (body) {
        case Body::Sun: return SE_SUN;
        case Body::Moon: return SE_MOON;
        case Body::Mercury: return SE_MERCURY;
        case Body::Venus: return SE_VENUS;
        case Body::Mars: return SE_MARS;
        case Body::Jupiter: return SE_JUPITER;
        case Body::Saturn: return SE_SATURN;
        default: break;
    }
    return node == SkyNode::True ? SE_TRUE_NODE : SE_MEAN_NODE;
}

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("Swiss Ephemeris: " + what); }

// Days a bisection narrows a crossing to: under a hundredth of a second.
constexpr double kResolution = 1e-7;

// Where the centre of the disc stands at sunrise, as a true altitude in degrees: on the
// horizon for the centre rule, and for the limb rule the almanacs' 50' below (a disc of 16'
// raised by 34' of refraction), as the program takes it. How far a real atmosphere and disc
// move the moment is a choice of rule, not an error of the program's.
double Horizon(SunriseRule rule) { return rule == SunriseRule::Centre ? 0.0 : -50.0 / 60.0; }

}  // namespace

Reference::Reference(const std::string& ephemerisFolder) {
    std::string path = ephemerisFolder;
    swe_set_ephe_path(path.data());
    char models[sizeof kAstroModels];
    std::copy(std::begin(kAstroModels), std::end(kAstroModels), models);
    swe_set_astro_models(models, SEFLG_SWIEPH);
}

Reference::~Reference() { swe_close(); }

std::string Reference::Version() {
    char version[AS_MAXCH] = "";
    return swe_version(version);
}

void Reference::UseAyanamsa(SkyAyanamsa ayanamsa) {
    const int mode = Mode(ayanamsa);
    if (mode == mode_) return;
    swe_set_sid_mode(mode, 0, 0);
    mode_ = mode;
}

double Reference::Longitude(Body body, SkyAyanamsa ayanamsa, SkyNode node, double jdUt, double* perDay,
                            bool lightBending) {
    UseAyanamsa(ayanamsa);
    double x[6] = {};
    char err[AS_MAXCH] = "";
    const int32 flags = kFlags | (lightBending ? 0 : SEFLG_NOGDEFL);
    const int32 planet = Planet(body, node);
    const int32 got = swe_calc_ut(jdUt, planet, flags, x, err);
    // Anything but the JPL-based files (the library falls back to a coarser theory when a
    // file is missing) would make the comparison meaningless.
    if (got < 0 || (planet != SE_MEAN_NODE && (got & SEFLG_SWIEPH) == 0)) Fail(err[0] ? err : "no ephemeris file");
    if (perDay) *perDay = x[3];
    return body == Body::Ketu ? Fold360(x[0] + 180.0) : Fold360(x[0]);
}

double Reference::Ayanamsa(SkyAyanamsa ayanamsa, double jdUt) {
    UseAyanamsa(ayanamsa);
    double a = 0;
    char err[AS_MAXCH] = "";
    if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_SWIEPH | SEFLG_NONUT, &a, err) < 0) Fail(err);
    return a;
}

Reference::Angles Reference::SiderealAngles(SkyAyanamsa ayanamsa, double jdUt, double latitude, double longitude) {
    UseAyanamsa(ayanamsa);
    double cusps[13] = {}, points[10] = {};
    // Equal houses: the ascendant and midheaven are those of every house system, and equal
    // houses exist at any latitude.
    if (swe_houses_ex(jdUt, SEFLG_SIDEREAL, latitude, longitude, 'E', cusps, points) < 0) Fail("houses");
    return {Fold360(points[SE_ASC]), Fold360(points[SE_MC])};
}

std::optional<std::array<double, 12>> Reference::PlacidusCusps(SkyAyanamsa ayanamsa, double jdUt, double latitude,
                                                              double longitude) {
    UseAyanamsa(ayanamsa);
    double cusps[13] = {}, points[10] = {};
    // Where it cannot draw them, the library answers with other houses and an error.
    if (swe_houses_ex(jdUt, SEFLG_SIDEREAL, latitude, longitude, 'P', cusps, points) != OK) return std::nullopt;
    std::array<double, 12> out{};
    for (std::size_t h = 0; h < out.size(); ++h) out[h] = Fold360(cusps[h + 1]);
    return out;
}

std::optional<double> Reference::SunCrossing(bool rising, SunriseRule rule, double from, double to, double latitude,
                                             double longitude) {
    double where[3] = {longitude, latitude, 0.0};
    const int32 how = (rising ? SE_CALC_RISE : SE_CALC_SET) | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
    const double horizon = Horizon(rule);
    double t = 0;
    char err[AS_MAXCH] = "";
    const int32 got =
        swe_rise_trans_true_hor(from, SE_SUN, nullptr, SEFLG_SWIEPH, how, where, 0.0, 0.0, horizon, &t, err);
    if (got == ERR) Fail(err);
    if (got != OK || t >= to) return std::nullopt;  // -2: the Sun stays up or down
    return t;
}

double Reference::SunHeight(SunriseRule rule, double jdUt, double latitude, double longitude) {
    double where[3] = {longitude, latitude, 0.0};
    double x[6] = {}, horizontal[3] = {};
    char err[AS_MAXCH] = "";
    if (swe_calc_ut(jdUt, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL, x, err) < 0) Fail(err);
    swe_azalt(jdUt, SE_EQU2HOR, where, 0.0, 0.0, x, horizontal);
    return horizontal[1] - Horizon(rule);  // the true altitude, refraction aside
}

double Reference::SunGrazing(SunriseRule rule, double from, double latitude, double longitude) {
    double where[3] = {longitude, latitude, 0.0};
    double closest = 180.0;
    for (const int32 culmination : {SE_CALC_MTRANSIT, SE_CALC_ITRANSIT}) {
        double t = 0;
        char err[AS_MAXCH] = "";
        if (swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, culmination, where, 0.0, 0.0, &t, err) != OK) Fail(err);
        closest = std::min(closest, std::fabs(SunHeight(rule, t, latitude, longitude)));
    }
    return closest;
}

double Reference::LimbValue(LimbAngle limb, SkyAyanamsa ayanamsa, double jdUt) {
    const double moon = Longitude(Body::Moon, ayanamsa, SkyNode::Mean, jdUt);
    if (limb == LimbAngle::Moon) return moon;
    const double sun = Longitude(Body::Sun, ayanamsa, SkyNode::Mean, jdUt);
    return Fold360(limb == LimbAngle::Elongation ? moon - sun : moon + sun);
}

double Reference::LimbReaches(LimbAngle limb, SkyAyanamsa ayanamsa, double jdUt, double target) {
    // No limb runs faster than the Moon at its fastest and the Sun together, 16.6 degrees a
    // day: a step of the distance left at that pace can never pass the target, so the walk
    // closes in without a bracket to lose; the last hundredth of a degree is bisected.
    constexpr double kFastest = 16.6;
    auto left = [&](double t) { return std::remainder(target - LimbValue(limb, ayanamsa, t), 360.0); };
    double t = jdUt;
    double d = left(t);
    for (int guard = 0; guard < 10000 && d > 0; ++guard) {
        const double step = std::max(d / kFastest, 1e-4);
        const double next = t + step;
        const double dn = left(next);
        if (dn <= 0) {
            double lo = t, hi = next;
            while (hi - lo > kResolution) {
                const double mid = 0.5 * (lo + hi);
                (left(mid) > 0 ? lo : hi) = mid;
            }
            return hi;
        }
        t = next;
        d = dn;
    }
    return t;
}

std::optional<double> Reference::SaturnSignChange(SkyAyanamsa ayanamsa, double jdUt, int dir, double limit) {
    // Saturn never moves faster than 0.135 degrees a day: a step of its distance to the
    // nearer edge at that pace cannot cross, whichever way it moves.
    constexpr double kFastest = 0.135;
    auto lon = [&](double t) { return Longitude(Body::Saturn, ayanamsa, SkyNode::Mean, t); };
    const Sign rashi = SignOf(lon(jdUt));
    double t = jdUt;
    for (int guard = 0; guard < 1000000; ++guard) {
        const double l = lon(t);
        const double inSign = l - 30.0 * std::floor(l / 30.0);
        const double step = std::max(std::min(inSign, 30.0 - inSign) / kFastest, 0.01);
        const double next = t + dir * step;
        if (dir > 0 ? next > limit : next < limit) return std::nullopt;
        if (SignOf(lon(next)) != rashi) {
            // The stay is [entered, leaves): leaving is the first moment outside, entering
            // the first inside.
            double inside = t, outside = next;
            while (std::fabs(outside - inside) > kResolution) {
                const double mid = 0.5 * (inside + outside);
                (SignOf(lon(mid)) == rashi ? inside : outside) = mid;
            }
            return dir > 0 ? outside : inside;
        }
        t = next;
    }
    return std::nullopt;
}

}  // namespace velakor::crosscheck
