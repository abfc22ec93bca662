// The dasha running at a moment: the mahadasha, antardasha and pratyantardasha that hold it,
// read from the same periods the dasha views list, so the two can never disagree.
#pragma once

#include <optional>

#include "dasha/Vimshottari.h"

namespace velakor {

struct RunningDasha {
    DashaPeriod Maha, Antar, Pratyantar;
};

// None when jd lies before the birth lord's period began or after the cycle of 120 years.
std::optional<RunningDasha> RunningDashaAt(const Dasha& dasha, double jd);

}  // namespace velakor
