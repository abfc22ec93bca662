// The built-in formulas as a Sky: the same expressions the chart stages use for the birth
// moment, evaluated at any moment.
#pragma once

#include "sky/Sky.h"

namespace velakor {

class BuiltinSky final : public Sky {
public:
    double SiderealLongitude(Body body, double jdUt) const override;
    SkyChoice Choice() const override { return SkyChoice{}; }
    // The Parts' stages as they always ran: ascendant, Moon, planets, retrograde marks.
    Chart CastChart(const BirthRecord& b) const override;
};

}  // namespace velakor
