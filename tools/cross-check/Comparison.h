// One birth computed twice: by the program's core, in every sky it offers, and by the
// reference. The figures (Figures.h) read their two sides from here.
#pragma once

#include <array>
#include <optional>

#include "Births.h"
#include "Reference.h"
#include "app/Readings.h"
#include "chart/DivisionalCharts.h"
#include "dasha/Vimshottari.h"
#include "kp/Placidus.h"
#include "sky/Ingress.h"
#include "sky/Sky.h"
#include "strength/Ashtakavarga.h"
#include "vedic/Chart.h"

namespace velakor::crosscheck {

// The precise sky in each of its choices: the four ayanamsas, each with the mean and the
// true node.
inline constexpr int kPreciseSkies = 8;
SkyChoice PreciseChoice(int sky);
inline constexpr int PreciseSkyOf(SkyAyanamsa a, SkyNode n) {
    return static_cast<int>(a) * 2 + (n == SkyNode::True ? 1 : 0);
}

// The dasha's year lengths, and the sunrise rules, in the order the figures list them.
inline constexpr std::array<double, 3> kYearLengths{kDashaYearJulian, kDashaYearTropical, kDashaYearSavana};
inline constexpr std::array<SunriseRule, 2> kSunriseRules{SunriseRule::Centre, SunriseRule::Limb};

// The program's side for one sky: the chart, its vargas, the readings under each sunrise
// rule and the dasha in each year length.
struct SkyResult {
    velakor::Chart Chart;
    VargaSigns Vargas{};
    std::array<Panchanga, kSunriseRules.size()> Day{};
    std::array<Dasha, kYearLengths.size()> Periods{};
};

struct Ours {
    std::array<SkyResult, kPreciseSkies> Precise;  // readings only for Lahiri, mean node
    SkyResult Builtin;
    SignStay Saturn;  // in the precise sky, Lahiri
    // The precise Lahiri chart's ashtakavarga by each table, in the order of AshtakavargaTable.
    std::array<Ashtakavarga, kAshtakavargaTableCount> Points{};
    // The Placidus cusps in Krishnamurti's ayanamsa; none where they cannot be drawn.
    std::optional<HouseCusps> Cusps;
};

// The five limbs but the vara, as the reference has them at birth: the index and the
// moment the next begins.
struct LimbAtBirth {
    int Index = 0;
    double EndsJd = 0.0;
};

struct Theirs {
    BirthMoment Moment;
    // Sun .. Ketu, the ascendant and the midheaven, indexed by Body, in each precise sky.
    std::array<std::array<double, kBodyCount>, kPreciseSkies> Position{};
    std::array<double, kGrahaCount> PerDay{};       // Lahiri, mean node
    double TrueNodePerDay = 0.0;
    // The motion two days before and after the birth, of the five planets that turn back.
    std::array<std::array<double, 2>, kGrahaCount> PerDayAround{};
    std::array<double, kGrahaCount> WithBending{};  // Lahiri, mean node, light bent by the Sun
    std::array<double, 4> Ayanamsa{};               // by SkyAyanamsa
    double DateStart = 0.0;  // midnight that begins the birth's date on its clock
    std::array<std::optional<double>, kSunriseRules.size()> Rise, Set;
    std::array<int, kSunriseRules.size()> Vara{};  // 0 Sunday, by the rule's sunrise
    std::array<double, kSunriseRules.size()> SunGrazing{};  // Reference::SunGrazing on the date
    // By rule, then sunrise and sunset: how fast the reference's Sun crosses the horizon at
    // its crossing (minutes of arc a minute), and how high it stands above the horizon at
    // the program's moment (minutes of arc).
    std::array<std::array<double, 2>, kSunriseRules.size()> CrossingPace{}, HeightAtOurs{};
    std::array<LimbAtBirth, 4> Limbs{};            // tithi, nakshatra, yoga, karana; Lahiri
    // Every mahadasha's and antardasha's start, and the cycle's end, in each year length.
    std::array<std::vector<double>, kYearLengths.size()> DashaStarts;
    int DashaLord = 0;  // of the birth, in the dasha's order from Ketu
    std::optional<double> SaturnEntered, SaturnLeaves;
    double SaturnPerDayEntered = 0.0, SaturnPerDayLeaves = 0.0;
    std::optional<std::array<double, 12>> Cusps;  // Placidus, Krishnamurti's ayanamsa
};

struct Case {
    const crosscheck::Birth& Birth;
    crosscheck::Ours Ours;
    crosscheck::Theirs Theirs;
};

// Both sides of one birth. The reference must belong to the calling thread.
Case Compute(const Birth& birth, Reference& reference);

// Every mahadasha's and antardasha's start in time order, and the end of the last: the
// dates a dasha table shows.
std::vector<double> DashaStarts(const Dasha& d);

}  // namespace velakor::crosscheck
