// The question asked before a chart is cast for a zone the birth place can hardly have had:
// one whose clock is far from the mean time of the birth longitude.
#pragma once

#include <optional>
#include <string>

#include "vedic/Birth.h"

namespace velakor {

// More than this many minutes between the zone's clock (daylight saving included) and the
// mean time of the longitude: no place on Earth keeps such a clock, so a form left on the
// list's first row, or a wrong zone picked by hand, is the likely cause.
inline constexpr int kZoneWarningMinutes = 4 * 60;

// "The time zone UTC-09:00 is 14 hours from the local time of longitude 77°12' E (about
// UTC+05:09). Cast the chart with this zone?", or nothing when the zone is plausible. Reads
// the zone entries, the daylight-saving flag and the longitude of a filled birth record.
std::optional<std::string> ZoneWarning(const BirthRecord& b);

}  // namespace velakor
