#include "sky/PreciseSky.h"

#include <cmath>

#include "chart/VedicPlanetPosition.h"

namespace velakor {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;

double Fold360(double x) {
    x = std::fmod(x, 360.0);
    if (x < 0) x += 360.0;
    return x >= 360.0 ? 0.0 : x;
}

SkySeries SeriesOf(SkyBody body, SkyNode node) {
    switch (body) {
        case SkyBody::Sun: return SkySeries::Sun;
        case SkyBody::Moon: return SkySeries::Moon;
        case SkyBody::Mercury: return SkySeries::Mercury;
        case SkyBody::Venus: return SkySeries::Venus;
        case SkyBody::Mars: return SkySeries::Mars;
        case SkyBody::Jupiter: return SkySeries::Jupiter;
        case SkyBody::Saturn: return SkySeries::Saturn;
        case SkyBody::Rahu:
        case SkyBody::Ketu: break;
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

double PreciseSky::DeltaT(double jdUt) const { return tables_.Value(SkySeries::DeltaT, jdUt); }

double PreciseSky::Ayanamsa(double jdUt) const {
    return tables_.Value(AyanamsaSeries(choice_.Ayanamsa), jdUt + DeltaT(jdUt));
}

double PreciseSky::SiderealLongitude(SkyBody body, double jdUt, double& perDay) const {
    const double tt = jdUt + DeltaT(jdUt);
    const double tropical = tables_.Value(SeriesOf(body, choice_.Node), tt, perDay);
    const double sidereal = Fold360(tropical - tables_.Value(AyanamsaSeries(choice_.Ayanamsa), tt));
    return body == SkyBody::Ketu ? Fold360(sidereal + 180.0) : sidereal;
}

double PreciseSky::SiderealLongitude(SkyBody body, double jdUt) const {
    double perDay = 0;
    return SiderealLongitude(body, jdUt, perDay);
}

PreciseSky::Angles PreciseSky::SiderealAngles(double jdUt, double latDeg, double lonWestDeg) const {
    const double tt = jdUt + DeltaT(jdUt);
    return AnglesAt(jdUt, tt, tables_.Value(AyanamsaSeries(choice_.Ayanamsa), tt), latDeg, lonWestDeg);
}

PreciseSky::Angles PreciseSky::AnglesAt(double jdUt, double tt, double ayanamsa, double latDeg,
                                        double lonWestDeg) const {
    const double dpsi = tables_.Value(SkySeries::Nutation, tt);
    const double eps = tables_.Value(SkySeries::Obliquity, tt) * kDegToRad;
    // Apparent sidereal time: the mean one plus the equation of the equinoxes.
    const double gast = MeanSiderealTime(jdUt, tt) + dpsi * std::cos(eps);
    const double ramc = Fold360(gast - lonWestDeg) * kDegToRad;
    const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) * kRadToDeg;
    const double asc = TropicalAscendant(ramc, eps, latDeg, true);
    // Both are measured from the true equinox, the ayanamsa from the mean one.
    const double toSidereal = -dpsi - ayanamsa;
    return {Fold360(asc + toSidereal), Fold360(mc + toSidereal)};
}

PreciseSky::ChartValues PreciseSky::Chart(double jdUt, double latDeg, double lonWestDeg) const {
    ChartValues v{};
    const double tt = jdUt + DeltaT(jdUt);
    v.Ayanamsa = tables_.Value(AyanamsaSeries(choice_.Ayanamsa), tt);
    for (int i = 0; i < kSkyBodyCount; ++i) {
        const auto body = static_cast<SkyBody>(i);
        if (body == SkyBody::Ketu) {
            v.Longitude[8] = Fold360(v.Longitude[7] + 180.0);
            v.PerDay[8] = v.PerDay[7];
            continue;
        }
        const double tropical = tables_.Value(SeriesOf(body, choice_.Node), tt, v.PerDay[static_cast<std::size_t>(i)]);
        v.Longitude[static_cast<std::size_t>(i)] = Fold360(tropical - v.Ayanamsa);
    }
    v.Points = AnglesAt(jdUt, tt, v.Ayanamsa, latDeg, lonWestDeg);
    return v;
}

}  // namespace velakor
