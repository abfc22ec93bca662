#include "app/ZoneWarning.h"

#include <cstdlib>

#include "chart/NameTables.h"

namespace velakor {
namespace {

// "UTC+5:09", "UTC-9:00".
std::string ClockText(int minutesAhead) {
    const int a = std::abs(minutesAhead);
    std::string s = "UTC";
    s += minutesAhead < 0 ? '-' : '+';
    s += std::to_string(a / 60);
    s += ':';
    s += static_cast<char>('0' + a % 60 / 10);
    s += static_cast<char>('0' + a % 10);
    return s;
}

}  // namespace

std::optional<std::string> ZoneWarning(const BirthRecord& b) {
    const int zoneAhead = -(b.ZoneHours * 60 + b.ZoneMinutes) + (b.DaylightSaving ? 60 : 0);
    const int meanAhead = LocalMeanTimeMinutes(b.LonDeg, b.LonMin, b.LonEastFlag);
    const int apart = std::abs(zoneAhead - meanAhead);
    if (apart <= kZoneWarningMinutes) return std::nullopt;
    const int hours = (apart + 30) / 60;
    return "The time zone " + ClockText(zoneAhead) + " is " + std::to_string(hours) +
           " hours from the local time of longitude " + std::to_string(b.LonDeg) + " deg " +
           std::to_string(b.LonMin) + "' " + (b.LonEastFlag ? "E" : "W") + " (about " + ClockText(meanAhead) +
           "). Cast the chart with this zone?";
}

}  // namespace velakor
