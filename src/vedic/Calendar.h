// The proleptic Gregorian calendar as whole days counted from 1970-01-01, and the civil
// moment of a Julian day on a clock at a fixed offset from universal time. The program's one
// calendar: every date arithmetic goes through here.
#pragma once

#include <cstdint>

namespace velakor {

// Julian day of 1970-01-01 0h UT.
inline constexpr double kJdUnixEpoch = 2440587.5;

// Floor division, for minutes and days before the epoch.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

constexpr bool IsLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// 28..31; month 1..12.
constexpr int DaysInMonth(std::int64_t year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[(month - 1) % 12];
}

// A civil date with a clock time to the second.
struct CivilMoment {
    int Year = 0, Month = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0;
};

// Days from 1970-01-01 of a date (the usual era-based conversion, exact for any date).
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The date of a day count (clock fields zero).
constexpr CivilMoment CivilFromDays(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    CivilMoment c;
    c.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    c.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    c.Year = static_cast<int>(yoe + era * 400 + (c.Month <= 2 ? 1 : 0));
    return c;
}

// 0 = Sunday .. 6 = Saturday of a day count from 1970-01-01 (a Thursday).
constexpr int WeekdayOfDays(std::int64_t days) { return static_cast<int>(((days + 4) % 7 + 7) % 7); }

// The civil moment, rounded to the second, of jdUt on a clock offsetMinutes ahead of UT; all
// fields zero for a moment that is not a number or lies beyond 270,000 years.
CivilMoment CivilFromJd(double jdUt, int offsetMinutes);

// Julian day (UT) of a civil date and clock time (hours, may pass 24) at an offset.
double JdFromCivil(int year, int month, int day, double hours, int offsetMinutes);

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28) == 2);
static_assert(CivilFromDays(DaysFromCivil(2051, 1, 1) - 1).Day == 31);
static_assert(WeekdayOfDays(0) == 4);

}  // namespace velakor
