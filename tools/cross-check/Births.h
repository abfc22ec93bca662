// Random births to compare on: any moment of 1900-2150 the precise sky covers, any latitude
// to 66 degrees (one in twenty up to 75), any longitude, on the clock of the nearest place of
// the atlas as its time-zone database gives it for that date.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "place/Atlas.h"
#include "vedic/Birth.h"

namespace velakor::crosscheck {

struct Birth {
    int Id = 0;            // 1.., its place in the draw
    BirthRecord Record;    // as the main form makes it: zone row and daylight saving chosen
    std::string TimeZone;  // the IANA zone its clock follows
};

// The same seed always gives the same births.
std::vector<Birth> DrawBirths(std::uint64_t seed, int count, const std::vector<Place>& places);

// The clock's offset from universal time, the birth's moment and place, read from the
// record's own fields: what the reference takes, apart from the program's arithmetic.
struct BirthMoment {
    int OffsetMinutes = 0;  // the clock ahead of universal time
    double JdUt = 0.0;
    double Latitude = 0.0;   // north positive
    double Longitude = 0.0;  // east positive
};
BirthMoment MomentOf(const BirthRecord& b);

// "1958-09-08 08:16 UTC+05:30, 18 N 31, 73 E 52 (Asia/Kolkata)".
std::string DescribeBirth(const Birth& b);

}  // namespace velakor::crosscheck
