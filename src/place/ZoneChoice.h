// The time zone of a birth place at the birth's clock time, from the system's time-zone
// database, and the zone list's row and daylight-saving box that give the same universal
// time.
#pragma once

#include <string>
#include <string_view>

#include "vedic/Birth.h"

namespace velakor {

struct ZoneChoice {
    enum class Outcome {
        Chosen,       // ZoneIndex and DaylightSaving give the database's universal time
        NoRow,        // no longer happens: the nearest row is chosen instead
        UnknownZone,  // the database does not know the place's time zone
        NoSuchDate,   // the day does not exist in that month
    };
    enum class Clock {
        Once,         // the clock time happened once that day
        Skipped,      // never: the clocks went forward over it
        Repeated,     // twice: the clocks went back over it
    };
    Outcome outcome = Outcome::UnknownZone;
    int ZoneIndex = -1;           // row of the zone list; Chosen only
    bool DaylightSaving = false;  // the form's box; Chosen only
    int UtcOffsetSeconds = 0;     // local clock minus universal time, as the database has it
    bool InDaylightSaving = false;  // daylight saving in force, as the database has it
    Clock clock = Clock::Once;
    // What the database says: "Asia/Kolkata on 15 August 1947 at 0:00: UTC+5:30, standard
    // time" (Chosen and NoRow).
    std::string Reading;
    // One line for the user: the reading and what became of it, or why the zone was left
    // alone.
    std::string Note;

    bool chosen() const { return outcome == Outcome::Chosen; }
};

// The reading of a clock time on a day (hour 24 is midnight at the end of the day) in the
// IANA time zone `timeZone`. A clock time that never happened, or happened twice, is read
// with the offset in force before the change (the earlier reading).
//
// Among the rows (and the box) that give the database's universal time, the zone's standard
// row with the box ticked is preferred while daylight saving is in force, then a row whose
// abbreviation is the database's, then the first row with the offset. Where the database has
// the place on local mean time, the list's local mean time row is chosen; an offset in
// seconds (a city's mean time kept by the whole zone) gets the nearest row, that row
// included. `localMeanMinutes` is what the local mean time row gives for the birth
// longitude (LocalMeanTimeMinutes).
ZoneChoice ChooseZone(std::string_view timeZone, int year, int month, int day, int hour,
                      int minute, int localMeanMinutes);

}  // namespace velakor
