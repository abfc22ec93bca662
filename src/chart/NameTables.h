// The zone list as the main form shows it: each row's label and the hours and minutes to add
// to its clock for universal time.
#pragma once

#include <cstdint>
#include <string_view>

#include "vedic/Birth.h"

namespace velakor {

struct ZoneRow {
    std::string_view Name;
    std::int16_t Hours;    // to ADD to the clock for universal time
    std::int16_t Minutes;  // same sign as Hours
};

// Row 0..kZoneCount-1 of the zone list; the last row's offsets are zero (Local Mean Time
// takes its offset from the birth longitude).
const ZoneRow& Zone(int row);

// The clock of a longitude's local mean time, in minutes ahead of Greenwich (west negative),
// rounded to the minute: 77 deg 12' E gives 309 (UTC+5:09). Degrees and minutes are not
// negative.
int LocalMeanTimeMinutes(int lonDeg, int lonMin, bool east);

}  // namespace velakor
