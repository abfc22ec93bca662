#include "app/ZoneWarning.h"

#include <cstdlib>

#include "astro/CivilTime.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"

namespace velakor {

std::optional<std::string> ZoneWarning(const BirthRecord& b) {
    const int zoneAhead = BirthUtcOffsetMinutes(b);
    const int meanAhead = LocalMeanTimeMinutes(b.LonDeg, b.LonMin, b.LonEastFlag);
    const int apart = std::abs(zoneAhead - meanAhead);
    if (apart <= kZoneWarningMinutes) return std::nullopt;
    const int hours = (apart + 30) / 60;
    return "The time zone " + UtcOffsetText(zoneAhead * 60) + " is " + std::to_string(hours) +
           " hours from the local time of longitude " + CoordinateText(b.LonDeg, b.LonMin, b.LonEastFlag ? 'E' : 'W') +
           " (about " + UtcOffsetText(meanAhead * 60) +
           "). Cast the chart with this zone?";
}

}  // namespace velakor
