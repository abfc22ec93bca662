// The chart stages in the precise sky: the same state, written through the same text
// functions, from the precise longitudes; retrograde marks from the planets' own motion.
#pragma once

#include "app/Program.h"
#include "sky/PreciseSky.h"

namespace velakor {

// Writes what ComputeAscendant, CalculateMoon, ComputePlanets and MarkRetrogrades write.
void ComputePreciseStages(Program& p, const PreciseSky& sky);

}  // namespace velakor
