// Angles in degrees: folding into one turn and the conversions the formulas use.
#pragma once

#include <cmath>

namespace velakor {

// Degrees to radians as the chart's own formulas write it. The precise sky, which works to
// a fraction of an arcsecond, uses the full double (kDegToRadExact); the two differ in the
// last place only, and each stage keeps the one it was written with.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kDegToRadExact = 0.017453292519943295;
inline constexpr double kRadToDegExact = 57.29577951308232;

// x folded into the half-open range [0, 360). A remainder so small and negative that adding
// 360 rounds to 360 gives 0, so 360 itself never comes out. NaN stays NaN.
inline double Fold360(double x) {
    // Most angles are within a turn of the range already: there the remainder is the angle
    // itself, or it less one turn, which is exact in that range. Only the rest divide.
    if (x >= 0.0 && x < 360.0) return x;
    if (x >= 360.0 && x < 720.0) return x - 360.0;
    if (!(x < 0.0 && x > -360.0)) x = std::fmod(x, 360.0);
    if (x < 0) x += 360.0;
    return x >= 360.0 ? 0.0 : x;
}

}  // namespace velakor
