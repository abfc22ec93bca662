// When a body changes sign: for any body and moment, when it last entered the sidereal sign
// it stands in and when it next leaves it, whichever way it moves (a retrograde planet leaves
// backwards into the sign it came from, and that return counts as leaving). Found on a Sky,
// so every view and tool that needs an ingress gets the same moment from the same rule.
#pragma once

#include <optional>

#include "sky/Sky.h"
#include "vedic/Body.h"
#include "vedic/Sign.h"

namespace velakor {

struct SignStay {
    Sign Rashi = Sign::Aries;  // the sign at the moment asked
    // Julian days (universal time), within a tenth of a second of the crossings: the stay is
    // [Entered, Leaves), so the body is in Rashi at Entered and in another sign at Leaves.
    // Empty where the crossing lies outside what the sky covers.
    std::optional<double> Entered;
    std::optional<double> Leaves;
    // Degrees per day over the tenth of a day before the moment (after it, at the very start
    // of the sky's span): negative while the body moves back along the zodiac.
    double PerDay = 0.0;
};

enum class StayEnds { Both, LeavingOnly };

// The sign a body (Sun .. Ketu) stands in at jdUt and the moments that bound its stay there.
// jdUt must be one the sky covers. LeavingOnly leaves Entered empty and costs half as much.
SignStay SignStayAt(const Sky& sky, Body body, double jdUt, StayEnds ends = StayEnds::Both);

}  // namespace velakor
