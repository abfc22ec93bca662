#include "sky/BuiltinSky.h"

#include <array>
#include <cmath>

#include "astro/VedicEphemeris.h"
#include "chart/VedicPlanetPosition.h"
#include "chart/retro/Retrogrades.h"
#include "sky/PreciseSky.h"
#include "vedic/Angles.h"

namespace velakor {

double BuiltinSky::SiderealLongitude(Body body, double jdUt) const {
    // The planet stage's ayanamsa counts centuries from 1900 January 0.5, the Moon stage's
    // from J2000.0; the elements count days from J2000.0.
    const double d = jdUt - 2451545.0;
    if (body == Body::Moon) {
        const double T = d / 36525.0;
        return Fold360(MoonTropicalLongitude(T) + MoonAyanamsa(T));
    }
    const double ayanamsa = std::fabs(ComputeAyanamsa((jdUt - 2415020.0) / 36525.0));
    if (body == Body::Rahu || body == Body::Ketu) {
        double node = (125.1228 - 0.0529538083 * d) * kDegToRad;
        node = NormalizeRadians(node) * 180.0 / 3.1416;
        const double rahu = Fold360(node - 1.0 - ayanamsa);
        return body == Body::Rahu ? rahu : Fold360(rahu + 180.0);
    }
    int row = kSun;
    switch (body) {
        case Body::Mercury: row = kMercury; break;
        case Body::Venus: row = kVenus; break;
        case Body::Mars: row = kMars; break;
        case Body::Jupiter: row = kJupiter; break;
        case Body::Saturn: row = kSaturn; break;
        default: row = kSun; break;
    }
    return Fold360(GeocentricLongitude(row, d) + PrecessionSince2000(d) - ayanamsa);
}

Chart BuiltinSky::CastChart(const BirthRecord& b) const {
    Chart c;
    c.JdUt = BirthJulianDayUt(b);
    ComputeAscendant(b, c);
    CalculateMoon(b, c);
    ComputePlanets(b, c);
    MarkRetrogrades(b, c);
    return c;
}

std::unique_ptr<Sky> MakeSky(const SkyChoice& choice) {
    // Without its tables the precise sky cannot be had; the sky's Choice() then says so.
    if (choice.Positions == SkyPositions::Precise) {
        if (const SkyTables* tables = SkyTables::Shared()) return std::make_unique<PreciseSky>(*tables, choice);
    }
    return std::make_unique<BuiltinSky>();
}

bool SkyAvailable(const SkyChoice& choice) {
    return choice.Positions == SkyPositions::Builtin || SkyTables::Shared() != nullptr;
}

namespace {

struct AyanamsaRow {
    std::string_view name, key;
};
constexpr std::array<AyanamsaRow, 4> kAyanamsaNames{
    {{"Lahiri", "Lahiri"}, {"Raman", "Raman"}, {"Krishnamurti", "KP"}, {"True Chitra", "TrueChitra"}}};

}  // namespace

std::string_view AyanamsaName(SkyAyanamsa a) { return kAyanamsaNames[static_cast<std::size_t>(a)].name; }
std::string_view AyanamsaKey(SkyAyanamsa a) { return kAyanamsaNames[static_cast<std::size_t>(a)].key; }

std::string DescribeSky(const SkyChoice& choice) {
    // The built-in Rahu is the mean node less one degree (about 56' behind the mean node
    // other programs give): said wherever the sky is named, so that two printouts of one
    // birth in the two skies say why their nodes differ.
    if (choice.Positions == SkyPositions::Builtin) return "Built-in formulas, Rahu one degree behind the mean node";
    std::string text = "Precise (JPL ephemeris), ";
    text += AyanamsaName(choice.Ayanamsa);
    text += choice.Node == SkyNode::Mean ? ", mean node" : ", true node";
    return text;
}

}  // namespace velakor
