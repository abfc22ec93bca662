#include "sky/PreciseSky.h"

#include <cmath>

#include "astro/VedicEphemeris.h"
#include "chart/VedicPlanetPosition.h"
#include "vedic/Angles.h"

namespace velakor {
namespace {


SkySeries SeriesOf(Body body, SkyNode node) {
    switch (body) {
        case Body::Sun: return SkySeries::Sun;
        case Body::Moon: return SkySeries::Moon;
        case Body::Mercury: return SkySeries::Mercury;
        case Body::Venus: return SkySeries::Venus;
        case Body::Mars: return SkySeries::Mars;
        case Body::Jupiter: return SkySeries::Jupiter;
        case Body::Saturn: return SkySeries::Saturn;
        case Body::Rahu:
        case Body::Ketu:
        case Body::Ascendant:
        case Body::Midheaven: break;
    }
    return node == SkyNode::True ? SkySeries::TrueNode : SkySeries::MeanNode;
}

SkySeries AyanamsaSeries(SkyAyanamsa a) {
    switch (a) {
        case SkyAyanamsa::Raman: return SkySeries::Raman;
        case SkyAyanamsa::Krishnamurti: return SkySeries::Krishnamurti;
        case SkyAyanamsa::TrueChitra: return SkySeries::TrueChitra;
        case SkyAyanamsa::Lahiri: break;
    }
    return SkySeries::Lahiri;
}

}  // namespace

double MeanSiderealTime(double jdUt, double jdTt) {
    const double du = jdUt - 2451545.0;
    const double era = 360.0 * (0.7790572732640 + 0.00273781191135448 * du + std::fmod(jdUt, 1.0));
    const double t = (jdTt - 2451545.0) / 36525.0;
    const double poly =
        0.014506 + (4612.156534 + (1.3915817 + (-0.00000044 + (-0.000029956 - 0.0000000368 * t) * t) * t) * t) * t;
    return Fold360(era + poly / 3600.0);
}

bool PreciseSky::Covers(double jdUt) const {
    return tables_.Covers(jdUt) && tables_.Reaches(jdUt + DeltaT(jdUt));
}

double PreciseSky::DeltaT(double jdUt) const { return tables_.Value(SkySeries::DeltaT, jdUt); }

double PreciseSky::Ayanamsa(double jdUt) const {
    return tables_.Value(AyanamsaSeries(choice_.Ayanamsa), jdUt + DeltaT(jdUt));
}

double PreciseSky::SiderealLongitude(Body body, double jdUt, double& perDay) const {
    const double tt = jdUt + DeltaT(jdUt);
    const double tropical = tables_.Value(SeriesOf(body, choice_.Node), tt, perDay);
    const double sidereal = Fold360(tropical - tables_.Value(AyanamsaSeries(choice_.Ayanamsa), tt));
    return body == Body::Ketu ? Fold360(sidereal + 180.0) : sidereal;
}

double PreciseSky::SiderealLongitude(Body body, double jdUt) const {
    double perDay = 0;
    return SiderealLongitude(body, jdUt, perDay);
}

PreciseSky::Angles PreciseSky::SiderealAngles(double jdUt, double latDeg, double lonWestDeg) const {
    const double tt = jdUt + DeltaT(jdUt);
    const Meridian m = MeridianAt(jdUt, tt, tables_.Value(AyanamsaSeries(choice_.Ayanamsa), tt), lonWestDeg);
    return AnglesIn(m, latDeg);
}

PreciseSky::Meridian PreciseSky::MeridianAt(double jdUt, double tt, double ayanamsa, double lonWestDeg) const {
    const double dpsi = tables_.Value(SkySeries::Nutation, tt);
    const double eps = tables_.Value(SkySeries::Obliquity, tt);
    // Apparent sidereal time: the mean one plus the equation of the equinoxes.
    const double gast = MeanSiderealTime(jdUt, tt) + dpsi * std::cos(eps * kDegToRadExact);
    // The angles are measured from the true equinox, the ayanamsa from the mean one.
    return {Fold360(gast - lonWestDeg), eps, -dpsi - ayanamsa};
}

PreciseSky::Angles AnglesIn(const PreciseSky::Meridian& m, double latDeg) {
    const double ramc = m.Ramc * kDegToRadExact;
    const double eps = m.Obliquity * kDegToRadExact;
    const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) * kRadToDegExact;
    const double asc = TropicalAscendant(ramc, eps, latDeg, true);
    return {Fold360(asc + m.ToSidereal), Fold360(mc + m.ToSidereal)};
}

PreciseSky::ChartValues PreciseSky::Values(double jdUt, double latDeg, double lonWestDeg) const {
    ChartValues v{};
    const double tt = jdUt + DeltaT(jdUt);
    v.Ayanamsa = tables_.Value(AyanamsaSeries(choice_.Ayanamsa), tt);
    for (int i = 0; i < kGrahaCount; ++i) {
        const auto body = static_cast<Body>(i);
        if (body == Body::Ketu) {
            v.Longitude[8] = Fold360(v.Longitude[7] + 180.0);
            v.PerDay[8] = v.PerDay[7];
            continue;
        }
        const double tropical = tables_.Value(SeriesOf(body, choice_.Node), tt, v.PerDay[static_cast<std::size_t>(i)]);
        v.Longitude[static_cast<std::size_t>(i)] = Fold360(tropical - v.Ayanamsa);
    }
    v.Frame = MeridianAt(jdUt, tt, v.Ayanamsa, lonWestDeg);
    v.Points = AnglesIn(v.Frame, latDeg);
    return v;
}

Chart PreciseSky::CastChart(const BirthRecord& b) const {
    // The birth record counts longitude west positive, as the stages' formulas do.
    const ChartValues v = Values(BirthJulianDayUt(b), BirthLatitude(b), -BirthLongitude(b));
    velakor::Chart c;
    c.JdUt = BirthJulianDayUt(b);
    c.Ayanamsa = v.Ayanamsa;
    PlaceBody(c, Body::Ascendant, v.Points.Ascendant);
    PlaceBody(c, Body::Midheaven, v.Points.Midheaven);
    for (const Body body : kGrahas) PlaceBody(c, body, v.Longitude[Index(body)]);
    for (const Body body : kRetrogradeBodies) c[body].Retrograde = v.PerDay[Index(body)] < 0;
    return c;
}

}  // namespace velakor
