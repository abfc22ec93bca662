#include "app/ZoneWarning.h"

#include <cstdlib>

#include "astro/CivilTime.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"

namespace velakor {
namespace {

// "UTC+05:09", "UTC-09:00", as the program writes offsets everywhere.
std::string ZoneText(int minutesAhead) {
    return "UTC" + OffsetText(minutesAhead);
}

}  // namespace

std::optional<std::string> ZoneWarning(const BirthRecord& b) {
    const int zoneAhead = -(b.ZoneHours * 60 + b.ZoneMinutes) + (b.DaylightSaving ? 60 : 0);
    const int meanAhead = LocalMeanTimeMinutes(b.LonDeg, b.LonMin, b.LonEastFlag);
    const int apart = std::abs(zoneAhead - meanAhead);
    if (apart <= kZoneWarningMinutes) return std::nullopt;
    const int hours = (apart + 30) / 60;
    return "The time zone " + ZoneText(zoneAhead) + " is " + std::to_string(hours) +
           " hours from the local time of longitude " + CoordinateText(b.LonDeg, b.LonMin, b.LonEastFlag ? 'E' : 'W') + " (about " + ZoneText(meanAhead) +
           "). Cast the chart with this zone?";
}

}  // namespace velakor
