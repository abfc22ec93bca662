#include "kp/KpChart.h"

#include <cmath>

#include "astro/VedicEphemeris.h"
#include "vedic/Angles.h"

namespace velakor {
namespace {

KpPoint PointAt(double longitude) { return {longitude, LordsOf(longitude)}; }

// The house a longitude stands in: the last cusp it has passed.
int HouseOf(double longitude, const HouseCusps& cusps) {
    int house = 1;
    double nearest = 360.0;
    for (int h = 0; h < kHouseCount; ++h) {
        // Both in [0, 360): one turn added folds the difference.
        double past = longitude - cusps[static_cast<std::size_t>(h)];
        if (past < 0) past += 360.0;
        if (past < nearest) {
            nearest = past;
            house = h + 1;
        }
    }
    return house;
}

void FillHouses(KpChart& c, const HouseCusps& cusps) {
    KpHouses h;
    SignificatorInput in;
    for (std::size_t i = 0; i < kHouseCount; ++i) {
        h.Cusps[i] = PointAt(cusps[i]);
        in.CuspSign[i] = h.Cusps[i].Lords.Rashi;
    }
    for (const Body b : kGrahas) {
        const KpPoint& p = c.Bodies[Index(b)];
        h.Occupied[Index(b)] = HouseOf(p.Longitude, cusps);
        in.House[Index(b)] = h.Occupied[Index(b)];
        in.Rashi[Index(b)] = p.Lords.Rashi;
        in.StarLord[Index(b)] = p.Lords.StarLord;
    }
    h.Significations = ComputeSignificators(in);
    c.Houses = h;
}

// Everything but the houses: the planets at the moment and the ruling planets.
std::optional<KpChart> Begin(double jdUt, const KpPlace& place, const PreciseSky& sky,
                             const KpRulingRequest& ruling, PreciseSky::ChartValues& values) {
    if (!sky.Covers(jdUt) || !sky.Covers(ruling.JdUt)) return std::nullopt;
    values = sky.Values(jdUt, place.Latitude, -place.Longitude);
    KpChart c;
    c.Sky = sky.Choice();
    c.JdUt = jdUt;
    c.Place = place;
    for (const Body b : kGrahas) c.Bodies[Index(b)] = PointAt(values.Longitude[Index(b)]);
    // Read at the chart's own moment (a birth, a question), the ruling planets take its values.
    c.Ruling = ruling.JdUt == jdUt ? RulingPlanetsOf(jdUt, place, values.Longitude[Index(Body::Moon)],
                                                     values.Points.Ascendant, ruling.Rule)
                                   : RulingPlanetsAt(sky, ruling.JdUt, place, ruling.Rule);
    if (ruling.OtherPlace) c.RulingElsewhere = RulingPlanetsAt(sky, ruling.JdUt, *ruling.OtherPlace, ruling.Rule);
    return c;
}

// "69° 39' N" (whole minutes, truncated).
std::string LatitudeText(double latitude) {
    const long minutes = static_cast<long>(std::abs(latitude) * 60.0);
    return std::to_string(minutes / 60) + "\xC2\xB0 " + std::to_string(minutes % 60) + "' " +
           (latitude < 0 ? "S" : "N");
}

}  // namespace

SkyChoice KpSkyChoice(const SkyChoice& chartSky) {
    if (chartSky.Positions == SkyPositions::Precise) return chartSky;
    return SkyChoice{SkyPositions::Precise, SkyAyanamsa::Krishnamurti, SkyNode::Mean};
}

std::optional<KpChart> CastKpAt(double jdUt, const KpPlace& place, const PreciseSky& sky,
                                const KpRulingRequest& ruling) {
    PreciseSky::ChartValues v{};
    std::optional<KpChart> c = Begin(jdUt, place, sky, ruling, v);
    if (!c) return c;
    c->Ascendant = PointAt(v.Points.Ascendant);
    c->Midheaven = PointAt(v.Points.Midheaven);
    if (const std::optional<HouseCusps> cusps = PlacidusCusps(v.Frame, place.Latitude)) {
        FillHouses(*c, *cusps);
    } else {
        c->NoCusps = KpNoCusps::Polar;
    }
    return c;
}

std::optional<KpChart> CastKp(const BirthRecord& birth, const PreciseSky& sky, const KpRulingRequest& ruling) {
    return CastKpAt(BirthJulianDayUt(birth), KpPlace{BirthLatitude(birth), BirthLongitude(birth)}, sky, ruling);
}

std::optional<KpChart> CastHorary(int number, double jdUt, const KpPlace& place, const PreciseSky& sky,
                                  const KpRulingRequest& ruling) {
    if (number < 1 || number > kSubCount) return std::nullopt;
    PreciseSky::ChartValues v{};
    std::optional<KpChart> c = Begin(jdUt, place, sky, ruling, v);
    if (!c) return c;
    c->HoraryNumber = number;
    const double ascendant = SubStartDegrees(number);
    c->Ascendant = PointAt(ascendant);
    const std::optional<PreciseSky::Meridian> frame = MeridianWithAscendant(v.Frame, ascendant, place.Latitude);
    if (!frame) {
        c->NoCusps = KpNoCusps::NeverRises;
        return c;
    }
    std::optional<HouseCusps> cusps = PlacidusCusps(*frame, place.Latitude);
    c->Midheaven = PointAt(AnglesIn(*frame, place.Latitude).Midheaven);
    if (!cusps) {
        c->NoCusps = KpNoCusps::Polar;
        return c;
    }
    // The meridian was found for this ascendant to a billionth of a degree; the cusp is the
    // sub's start itself, so that it never reads as the sub before (nor the 7th as other
    // than its opposite).
    (*cusps)[0] = ascendant;
    (*cusps)[6] = Fold360(ascendant + 180.0);
    FillHouses(*c, *cusps);
    return c;
}

std::string NoCuspsMessage(const KpChart& chart) {
    switch (chart.NoCusps) {
        case KpNoCusps::None: break;
        case KpNoCusps::Polar:
            return "Placidus houses cannot be drawn at " + LatitudeText(chart.Place.Latitude) +
                   " at this moment: points of the ecliptic the cusps rest on never rise or never set there";
        case KpNoCusps::NeverRises:
            return "the start of sub " + std::to_string(chart.HoraryNumber) + " never rises at " +
                   LatitudeText(chart.Place.Latitude) + ": no horary chart of that number can be cast there";
    }
    return {};
}

}  // namespace velakor
