// The sky of one moment read against a birth chart (gochara): where the nine bodies stand,
// in which house from the natal lagna and from the natal Moon, and when each leaves its sign.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "sky/Sky.h"
#include "vedic/Chart.h"

namespace velakor {

struct TransitBody {
    Body Which = Body::Sun;
    double Longitude = 0.0;  // sidereal, degrees in [0, 360)
    Sign Rashi = Sign::Aries;
    Nakshatra Star = Nakshatra::Ashwini;
    int Pada = 1;
    int House = 1;     // 1..12, counted from the natal lagna's sign
    int FromMoon = 1;  // 1..12, counted from the natal Moon's sign
    bool Retrograde = false;  // moving back along the zodiac (the mean node always is)
    std::optional<double> LeavesJd;  // universal time; empty past the end of the sky's tables
};

struct Transit {
    double JdUt = 0.0;
    std::array<TransitBody, kGrahaCount> Bodies{};  // Sun .. Ketu
};

// The sky velakor-chart reads transits in. The built-in formulas are the birth chart's own
// model and are days off for Saturn's ingresses, so its transits always come from the precise
// tables: with the chart's ayanamsa and node when the chart is precise, Lahiri and the mean
// node otherwise. (The chart window's views read the chart's own sky, beside its dasha.)
SkyChoice TransitSkyChoice(const SkyChoice& chartSky);
// What the transit views say about their sky, for example
// "Transits: precise sky (JPL ephemeris), Lahiri, mean node".
std::string DescribeTransitSky(const SkyChoice& chartSky);

// The moments transits are computed for, in universal time: from 1900-01-01 0h up to
// 2151-01-01 0h, the span the precise sky's tables are made for.
inline constexpr double kTransitsFromJd = 2415020.5;
inline constexpr double kTransitsUntilJd = 2506696.5;

// The transit at jdUt (universal time), or none outside the transits' span or where the sky
// does not cover the moment: nothing is then computed, and OutsideSkyMessage says why.
std::optional<Transit> TransitAt(const Sky& sky, const Chart& natal, double jdUt);

enum class MomentStep { Day, Month, Year };
// jdUt moved n days, months or years (n may be negative) on the clock offsetMinutes ahead of
// universal time, its clock time kept: a month on from 31 January is the last of February.
double StepMoment(double jdUt, int offsetMinutes, MomentStep unit, int n);

// The moment a body (Sun .. Ketu) next enters another sign after jdUt (forward), or last
// entered a sign before jdUt (backward): stepping again from that moment finds the one after
// (or before) it. Empty outside the transits' span or where the sky holds no such crossing.
std::optional<double> IngressStep(const Sky& sky, Body body, double jdUt, bool forward);

// "Transits are computed from 1900 to 2150, the span of the precise sky's tables; <moment>
// lies outside it." The moment is written on the clock offsetMinutes ahead of UT.
std::string OutsideSkyMessage(double jdUt, int offsetMinutes);

}  // namespace velakor
