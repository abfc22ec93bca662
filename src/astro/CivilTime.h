// Moments as the birth's own clock reads them: a Julian day (universal time) turned into a
// civil date and time at a fixed offset from universal time, and back.
#pragma once

#include <cstdint>
#include <string>

#include "vedic/Calendar.h"

namespace velakor {

// "1958-09-08T08:16:52+05:30".
std::string IsoMoment(double jdUt, int offsetMinutes);
// "1958-09-08 08:16:52", as shown on screen and paper: to the second, so that the moment a
// period ends is never shown as a minute in which it still runs.
std::string ClockText(double jdUt, int offsetMinutes);
// "+05:30", "-04:00".
std::string OffsetText(int offsetMinutes);
// An offset from universal time in seconds as the program's own sentences and headings write
// it, in one form: "UTC+05:30", "UTC-05:00", "UTC+05:21:10" (seconds only when there are any).
std::string UtcOffsetText(int seconds);

}  // namespace velakor
