// The precise sky: apparent positions from the tables made from a JPL ephemeris, universal
// time carried to terrestrial time by Delta T, the chosen ayanamsa and node. Positions and
// ayanamsa are both referred to the mean equinox of date, so nutation cancels.
#pragma once

#include <array>

#include "sky/Sky.h"
#include "sky/SkyTables.h"

namespace velakor {

class PreciseSky final : public Sky {
public:
    PreciseSky(const SkyTables& tables, const SkyChoice& choice) : tables_(tables), choice_(choice) {
        choice_.Positions = SkyPositions::Precise;
    }

    double SiderealLongitude(Body body, double jdUt) const override;
    SkyChoice Choice() const override { return choice_; }
    // Within the tables, universal and terrestrial time both.
    bool Covers(double jdUt) const override;

    // Sidereal longitude and its motion in degrees per day (negative: retrograde).
    double SiderealLongitude(Body body, double jdUt, double& perDay) const;
    // The chosen ayanamsa in degrees (mean equinox of date).
    double Ayanamsa(double jdUt) const;
    // Delta T (terrestrial less universal time) in days.
    double DeltaT(double jdUt) const;

    struct Angles {
        double Ascendant;  // sidereal, degrees in [0, 360)
        double Midheaven;
    };
    // The frame the angles and the houses are drawn in, at one moment and meridian: the right
    // ascension of the meridian (local apparent sidereal time) and the true obliquity, both
    // in degrees, and what a longitude from the true equinox takes on to become sidereal
    // (minus the nutation and the ayanamsa).
    struct Meridian {
        double Ramc;
        double Obliquity;
        double ToSidereal;
    };
    // The ascendant and midheaven at a place: latitude in degrees (north positive),
    // longitude in degrees west positive, as the birth record counts it.
    Angles SiderealAngles(double jdUt, double latDeg, double lonWestDeg) const;

    // Everything a chart takes, for one moment and place, with Delta T and the ayanamsa
    // evaluated once. Indexed by Body.
    struct ChartValues {
        std::array<double, kGrahaCount> Longitude;
        std::array<double, kGrahaCount> PerDay;
        double Ayanamsa;
        Angles Points;
        Meridian Frame;  // that the points were drawn in
    };
    ChartValues Values(double jdUt, double latDeg, double lonWestDeg) const;

    // The chart from the values: planets retrograde while their longitude decreases.
    velakor::Chart CastChart(const BirthRecord& b) const override;

private:
    Meridian MeridianAt(double jdUt, double tt, double ayanamsa, double lonWestDeg) const;
    const SkyTables& tables_;
    SkyChoice choice_;
};

// The sidereal ascendant and midheaven of a meridian frame at a latitude (degrees, north
// positive): the points every chart of the precise sky shows.
PreciseSky::Angles AnglesIn(const PreciseSky::Meridian& frame, double latDeg);

// Greenwich mean sidereal time in degrees [0, 360): the IAU 2006 expression on the Earth
// rotation angle.
double MeanSiderealTime(double jdUt, double jdTt);

}  // namespace velakor
