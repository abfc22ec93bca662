// The retrograde stage: which of Mercury, Venus, Mars, Jupiter and Saturn are retrograde on
// the local calendar date of birth, looked up in the station tables.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "vedic/Birth.h"
#include "vedic/Chart.h"

namespace velakor {

// A civil date and clock time, fields in the order of a station text.
struct StationMoment {
    int Month = 1;
    int Day = 1;
    int Year = 1900;
    int Hour = 0;    // 0..23
    int Minute = 0;  // 0..59
    bool operator==(const StationMoment&) const = default;
};

// One planet's stations, parsed. Row k is one retrograde period: RetroStations[k] is the
// moment the planet turns retrograde, DirectStations[k] the moment it turns direct again.
// RetroDays and DirectDays hold the same rows as day numbers of their calendar dates, which
// is all the retrograde test compares.
struct StationTable {
    std::vector<StationMoment> RetroStations;
    std::vector<StationMoment> DirectStations;
    std::vector<std::int32_t> RetroDays;
    std::vector<std::int32_t> DirectDays;
};

// The parsed table of "Mercury", "Venus", "Mars", "Jupiter" or "Saturn"; an empty table for
// any other name. The texts are parsed on the first call (thread-safely) and kept: later
// calls only return the kept table.
const StationTable& LoadStations(std::string_view planetName);

// True when the calendar date of birth lies strictly after the date of a retrograde station
// and strictly before the date of the direct station that ends it. Clock times are ignored,
// so both station days count as not retrograde; a date outside the table gives false.
bool IsRetrograde(const StationMoment& birth, std::string_view planetName);

// The local civil date and clock time of the birth record; an hour of 24 is 0 o'clock of
// the following day. No time zone or daylight-saving adjustment.
StationMoment BirthMoment(const BirthRecord& b);

// Marks Mercury, Venus, Mars, Jupiter and Saturn retrograde or not for the local date of birth.
void MarkRetrogrades(const BirthRecord& b, Chart& c);

}  // namespace velakor
