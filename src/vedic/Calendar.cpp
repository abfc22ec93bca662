#include "vedic/Calendar.h"

#include <cmath>

namespace velakor {

CivilMoment CivilFromJd(double jdUt, int offsetMinutes) {
    // A moment the sky could not give (NaN, outside its tables) or far beyond any calendar
    // in use has no civil date: all fields zero, never an overflow.
    if (!(std::fabs(jdUt - kJdUnixEpoch) < 1e8)) return CivilMoment{};
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
    return kJdUnixEpoch + static_cast<double>(DaysFromCivil(year, month, day)) + (hours - offsetMinutes / 60.0) / 24.0;
}

}  // namespace velakor
