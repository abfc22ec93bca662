// A chart read the Krishnamurti way: Placidus cusps, the sign, star, sub and sub-sub lords of
// every cusp and graha, the house each graha occupies by the cusps, the significators both
// ways and the ruling planets. Cast for a birth, or for a question from a number 1..249 (the
// horary chart, whose ascendant is the start of that sub).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "kp/Placidus.h"
#include "kp/RulingPlanets.h"
#include "kp/Significators.h"
#include "kp/SubLords.h"
#include "sky/PreciseSky.h"
#include "vedic/Birth.h"

namespace velakor {

// The sky the readings are cast in. The built-in formulas are minutes of arc off for the
// slow planets, more than a sub holds, so KP always reads the precise tables: in the chart's
// own ayanamsa and node when the chart is precise, else in Krishnamurti's with the mean node.
SkyChoice KpSkyChoice(const SkyChoice& chartSky);

struct KpPoint {
    double Longitude = 0.0;  // sidereal degrees in [0, 360)
    KpLords Lords;
};

// Why a chart has no cusps.
enum class KpNoCusps {
    None,           // it has them
    Polar,          // beyond the polar circles, the houses cannot be drawn at that moment
    NeverRises,     // a horary chart's ascendant never rises at the place (polar circles)
};

// What the cusps give: present only when the houses could be drawn.
struct KpHouses {
    std::array<KpPoint, kHouseCount> Cusps{};          // house 1 (the ascendant) first
    std::array<int, kGrahaCount> Occupied{};            // the house 1..12 of Sun .. Ketu
    Significators Significations;
};

// Where the ruling planets are read: the moment, and besides the chart's place another one
// if the user gave it.
struct KpRulingRequest {
    double JdUt = 0.0;
    std::optional<KpPlace> OtherPlace;
    SunriseRule Rule = SunriseRule::Centre;
};

struct KpChart {
    SkyChoice Sky;
    double JdUt = 0.0;  // the birth, or the question
    KpPlace Place;
    int HoraryNumber = 0;  // 1..249 for a horary chart, 0 for a birth
    KpPoint Ascendant;     // always there (a horary chart's is the start of its sub)
    std::optional<KpPoint> Midheaven;  // none for a horary ascendant that never rises
    std::array<KpPoint, kGrahaCount> Bodies{};  // Sun .. Ketu
    std::optional<KpHouses> Houses;
    KpNoCusps NoCusps = KpNoCusps::None;  // why Houses is empty
    RulingPlanets Ruling;
    std::optional<RulingPlanets> RulingElsewhere;  // at the other place, when one was given
};

// The birth's KP chart with the ruling planets asked for; none when a moment lies outside
// the sky's tables (the birth's never does).
std::optional<KpChart> CastKp(const BirthRecord& birth, const PreciseSky& sky, const KpRulingRequest& ruling);

// The same for any moment and place (a transit, say).
std::optional<KpChart> CastKpAt(double jdUt, const KpPlace& place, const PreciseSky& sky,
                                const KpRulingRequest& ruling);

// The horary chart of number 1..249 asked at jdUt at the place: the planets of that moment,
// the ascendant at the start of the sub, the cusps by Placidus with the meridian that makes
// it rise there. None for a number out of range or a moment outside the tables.
std::optional<KpChart> CastHorary(int number, double jdUt, const KpPlace& place, const PreciseSky& sky,
                                  const KpRulingRequest& ruling);

// "Placidus houses cannot be drawn at 70° 0' N at this moment: ..." and the like; empty
// when the chart has its cusps.
std::string NoCuspsMessage(const KpChart& chart);

}  // namespace velakor
