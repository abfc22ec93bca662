// The birth record: what the calculation command copied from the main form. Integers are
// 16-bit as the form and the reading file keep them; flags are plain bools.
#pragma once

#include <cstdint>
#include <string>

namespace velakor {

// The zone list: the 71 historical rows, the further offsets a birth can have, and last the
// local mean time of the birth longitude. Row numbers never change (readings keep them).
inline constexpr int kZoneCount = 111;
inline constexpr int kLocalMeanTimeRow = 110;

struct BirthRecord {
    std::string BirthName;  // exactly as typed, spaces kept
    std::int16_t BirthMonth = 0;
    std::int16_t BirthDay = 0;
    std::int16_t BirthYear = 0;
    std::int16_t BirthHour = 0;  // 0..24; 24 is midnight at the end of the day
    std::int16_t BirthMinute = 0;
    std::int16_t ZoneHoursAbs = 0;
    std::int16_t ZoneMinutesAbs = 0;
    std::int16_t ZoneHours = 0;    // hours to ADD to the clock to get universal time
    std::int16_t ZoneMinutes = 0;  // same sign as ZoneHours
    std::int16_t LonDeg = 0;
    std::int16_t LonMin = 0;
    std::int16_t LatDeg = 0;
    std::int16_t LatMin = 0;
    bool LonEastFlag = false;
    bool LatSouthFlag = false;
    bool DaylightSaving = false;
    std::string BirthCity;  // trimmed
    std::string BirthState;
    std::string BirthCountry;
    std::int16_t ZoneIndex = 0;  // row of the zone table picked on the form (the reading file keeps it)
};

// The birth place in signed degrees: north and east positive. (The Parts' stages turn east
// negative inside their own arithmetic, as their formulas are written.)
inline double BirthLatitude(const BirthRecord& b) {
    const double lat = b.LatDeg + b.LatMin / 60.0;
    return b.LatSouthFlag ? -lat : lat;
}
inline double BirthLongitude(const BirthRecord& b) {
    const double lon = b.LonDeg + b.LonMin / 60.0;
    return b.LonEastFlag ? lon : -lon;
}

// Minutes the birth's clock runs ahead of universal time (India: 330), daylight saving in.
inline int BirthUtcOffsetMinutes(const BirthRecord& b) {
    // The record holds what to add to the clock to reach universal time; daylight saving
    // takes one hour more off.
    return -(b.ZoneHours * 60 + b.ZoneMinutes) + (b.DaylightSaving ? 60 : 0);
}

}  // namespace velakor
