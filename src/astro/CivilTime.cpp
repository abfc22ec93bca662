#include "astro/CivilTime.h"

#include <cmath>
#include <cstdio>

namespace velakor {

std::string OffsetText(int offsetMinutes) {
    const int a = std::abs(offsetMinutes);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', a / 60 % 100, a % 60);
    return buf;
}

std::string UtcOffsetText(int seconds) {
    const int a = std::abs(seconds);
    char buf[32];
    if (a % 60 != 0) {
        std::snprintf(buf, sizeof buf, "UTC%c%02d:%02d:%02d", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60, a % 60);
    } else {
        std::snprintf(buf, sizeof buf, "UTC%c%02d:%02d", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60);
    }
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
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", c.Year % 10000, c.Month % 100, c.Day % 100,
                  c.Hour % 100, c.Minute % 100, c.Second % 100);
    return buf;
}

}  // namespace velakor
