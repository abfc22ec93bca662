// The three text forms in which every computed position is held.
//   position text:  20° 7' 30" Lib   (degrees in sign, minutes, seconds, sign)
//   angle text:     -23° 51' 25"     (signed whole degrees)
//   compact text:   20 Lib 07        (sign always at characters 4 to 6)
// Degrees, minutes and seconds are truncated, never rounded.
#pragma once

#include <string>
#include <string_view>

#include "vedic/BirthForm.h"
#include "vedic/Sign.h"

namespace velakor {

inline constexpr std::string_view kDegreeSign = "\xC2\xB0";  // UTF-8 degree sign

// Folds x once: below 0 adds 360, then above 360 subtracts 360. Exactly 360 stays 360.
// Writes the folded value back and returns it.
double Normalize360(double& x);

// A longitude as the position texts read it: its sign and the truncated degrees, minutes
// and seconds within the sign. Exactly 360 is 0 degrees Aries; a negative x counts as |x|.
struct SignPosition {
    Sign InSign = Sign::Aries;
    int Degrees = 0, Minutes = 0, Seconds = 0;
};
SignPosition SplitPosition(double x);

// Position text of x degrees (0..360 expected). Writes |x| back to x. A longitude of
// exactly 360 reads as 0 degrees Aries.
std::string FormatPosition(double& x);

// Angle text of x degrees (either sign). Writes |x| back to x.
std::string FormatAngle(double& x);

// Compact text of x degrees (0..360 expected): the same truncated degrees in sign, sign and
// minutes as the position text of x, each number in two digits.
std::string CompactPosition(double x);

// Appends the decimal digits of n.
void AppendNumber(std::string& out, long long n);

// "77°05'": whole degrees and two-digit minutes, as the pages and the program's own sentences
// write a coordinate or a position in its sign; with a side, "77°05' E".
std::string DegreesMinutesText(int degrees, int minutes);
std::string CoordinateText(int degrees, int minutes, char side);

}  // namespace velakor
