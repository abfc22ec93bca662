#include "astro/CivilTime.h"

#include <cmath>
#include <cstdio>

namespace velakor {
namespace {

constexpr double kJdUnixEpoch = 2440587.5;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

int BirthUtcOffsetMinutes(const BirthRecord& b) {
    // The record holds what to add to the clock to reach universal time; daylight saving
    // takes one hour more off.
    return -(b.ZoneHours * 60 + b.ZoneMinutes) + (b.DaylightSaving ? 60 : 0);
}

// The usual era-based conversion (400-year cycles), exact for any date.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilMoment CivilFromDays(std::int64_t days) {
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

CivilMoment CivilFromJd(double jdUt, int offsetMinutes) {
    const auto seconds = static_cast<std::int64_t>(std::llround((jdUt - kJdUnixEpoch) * 86400.0)) +
                         static_cast<std::int64_t>(offsetMinutes) * 60;
    const std::int64_t days = FloorDiv(seconds, 86400);
    const std::int64_t rest = seconds - days * 86400;
    CivilMoment c = CivilFromDays(days);
    c.Hour = static_cast<int>(rest / 3600);
    c.Minute = static_cast<int>(rest / 60 % 60);
    c.Second = static_cast<int>(rest % 60);
    return c;
}

double JdFromCivil(int year, int month, int day, double hours, int offsetMinutes) {
    return kJdUnixEpoch + static_cast<double>(DaysFromCivil(year, month, day)) +
           (hours - offsetMinutes / 60.0) / 24.0;
}

std::string OffsetText(int offsetMinutes) {
    const int a = std::abs(offsetMinutes);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', a / 60 % 100, a % 60);
    return buf;
}

std::string IsoMoment(double jdUt, int offsetMinutes) {
    const CivilMoment c = CivilFromJd(jdUt, offsetMinutes);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", c.Year % 10000, c.Month % 100, c.Day % 100,
                  c.Hour % 100, c.Minute % 100, c.Second % 100);
    return buf + OffsetText(offsetMinutes);
}

std::string ClockText(double jdUt, int offsetMinutes) {
    const CivilMoment c = CivilFromJd(jdUt, offsetMinutes);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", c.Year % 10000, c.Month % 100, c.Day % 100,
                  c.Hour % 100, c.Minute % 100);
    return buf;
}

int WeekdayOfDays(std::int64_t days) {
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

}  // namespace velakor
