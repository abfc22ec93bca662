// Moments as the birth's own clock reads them: a Julian day (universal time) turned into a
// civil date and time at a fixed offset from universal time, and back.
#pragma once

#include <cstdint>
#include <string>

#include "app/Program.h"

namespace velakor {

struct CivilMoment {
    int Year = 0, Month = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0;
};

// Minutes the birth's clock runs ahead of universal time (India: 330), daylight saving in.
int BirthUtcOffsetMinutes(const BirthRecord& b);

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
CivilMoment CivilFromDays(std::int64_t days);

// The civil moment, rounded to the second, of jdUt on a clock offsetMinutes ahead of UT.
CivilMoment CivilFromJd(double jdUt, int offsetMinutes);

// Julian day (UT) of a civil date and clock time (hours, may pass 24) at an offset.
double JdFromCivil(int year, int month, int day, double hours, int offsetMinutes);

// "1958-09-08T08:16:52+05:30".
std::string IsoMoment(double jdUt, int offsetMinutes);
// "1958-09-08 08:16" (truncated to the minute, as shown on screen and paper).
std::string ClockText(double jdUt, int offsetMinutes);
// "+05:30", "-04:00".
std::string OffsetText(int offsetMinutes);

// 0 = Sunday .. 6 = Saturday of a day count from 1970-01-01 (a Thursday).
int WeekdayOfDays(std::int64_t days);

}  // namespace velakor
