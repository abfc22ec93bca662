// The strength of signs and of the two lords of Scorpio and Aquarius by Jaimini's rules, as
// the sign dashas weigh them, with the sign aspects those rules look at.
#pragma once

#include <optional>

#include "vedic/Body.h"
#include "vedic/Chart.h"
#include "vedic/Sign.h"

namespace velakor {

// Movable signs aspect the fixed signs but the one next to them, fixed signs the movable signs
// but the one before them, dual signs the other dual signs. A sign never aspects itself.
bool SignAspects(Sign from, Sign to);

// Movable 1, fixed 2, dual 3: the signs' natural strength.
int SignQuality(Sign s);

// How far a body has gone in its sign, in degrees; Rahu and Ketu, moving backwards, from the
// sign's end.
double Advancement(const Chart& c, Body b);

// The stronger of Scorpio's lords (Mars, Ketu) or Aquarius's (Saturn, Rahu); the only lord of
// any other sign. A lord in the sign leaves the other one; then the one joined by more
// planets, the one joined or aspected by more of Jupiter, Mercury and its dispositor, the
// exalted one, the one in the naturally stronger sign. None while they are still equal.
std::optional<Body> StrongerCoLord(const Chart& c, Sign s);

// The stronger of two signs, each counted with the lord given for it (for Scorpio and
// Aquarius, their stronger lord): the one holding more planets; the one joined or aspected by
// more of Jupiter, Mercury and its lord (either lord of Scorpio and Aquarius); the one holding
// an exalted planet; the one whose lord stands in a sign of the other oddity; the naturally
// stronger; the one whose lord has gone further in its sign. +1 when a is stronger, -1 when b
// is, 0 when they tie throughout.
int CompareSigns(const Chart& c, Sign a, Body lordA, Sign b, Body lordB);
// The stronger of the two, `a` when they tie throughout.
Sign StrongerSign(const Chart& c, Sign a, Body lordA, Sign b, Body lordB);

}  // namespace velakor
