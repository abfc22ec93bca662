#include "place/ZoneChoice.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <chrono>
#include <cstdlib>
#include <optional>

#include "astro/CivilTime.h"
#include "chart/NameTables.h"
#include "vedic/Calendar.h"
#include "io/Report.h"

namespace velakor {
namespace {

using Seconds = cctz::time_point<cctz::seconds>;

struct ZoneState {
    int offset = 0;  // seconds east of Greenwich
    bool dst = false;
    std::string abbr;
};

ZoneState StateAt(const cctz::time_zone& tz, const Seconds& t) {
    const cctz::time_zone::absolute_lookup a = tz.lookup(t);
    return ZoneState{a.offset, a.is_dst, a.abbr ? a.abbr : ""};
}

// The standard time nearest before (or else after) a moment of daylight saving: its
// offset and abbreviation. Transitions are few; a handful of steps finds it.
std::optional<ZoneState> StandardTimeAround(const cctz::time_zone& tz, Seconds t) {
    constexpr int kSteps = 16;
    Seconds back = t;
    for (int i = 0; i < kSteps; ++i) {
        cctz::time_zone::civil_transition tr;
        if (!tz.prev_transition(back, &tr)) break;
        const Seconds at = tz.lookup(tr.to).trans;
        if (at >= back) break;  // no progress: give up rather than loop
        back = at - cctz::seconds(1);
        const ZoneState r = StateAt(tz, back);
        if (!r.dst) return r;
    }
    Seconds ahead = t;
    for (int i = 0; i < kSteps; ++i) {
        cctz::time_zone::civil_transition tr;
        if (!tz.next_transition(ahead, &tr)) break;
        const Seconds at = tz.lookup(tr.to).trans;
        if (at <= ahead) break;
        ahead = at;
        const ZoneState r = StateAt(tz, ahead);
        if (!r.dst) return r;
    }
    return std::nullopt;
}

// "IST" from "Indian Time, IST, +5.3": the label's second field.
std::string_view RowAbbreviation(std::string_view label) {
    const std::size_t first = label.find(',');
    if (first == std::string_view::npos) return {};
    const std::size_t second = label.find(',', first + 1);
    std::string_view field = label.substr(first + 1, second == std::string_view::npos ? std::string_view::npos
                                                                                         : second - first - 1);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    return field;
}

// Minutes east of Greenwich that a row gives with the box clear (the table holds what to
// add to the clock, so its sign is the other way round).
int RowOffsetMinutes(int row) {
    return -(Zone(row).Hours * 60 + Zone(row).Minutes);
}

// Appends 0..99 with two digits.
std::string DateText(int year, int month, int day) {
    return std::to_string(day) + " " + std::string(EnglishMonthName(month)) + " " + std::to_string(year);
}

bool IsRealDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

}  // namespace

ZoneChoice ChooseZone(std::string_view timeZone, int year, int month, int day, int hour,
                      int minute, int localMeanMinutes) {
    ZoneChoice c;
    const std::string zoneName(timeZone);
    std::string when = zoneName + " on " + DateText(year, month, day) + " at " + std::to_string(hour) + ":";
    when += static_cast<char>('0' + minute / 10 % 10);
    when += static_cast<char>('0' + minute % 10);
    if (!IsRealDate(year, month, day)) {
        c.outcome = ZoneChoice::Outcome::NoSuchDate;
        c.Note = DateText(year, month, day) + " is not a date, zone not changed";
        return c;
    }
    cctz::time_zone tz;
    if (zoneName.empty() || !cctz::load_time_zone(zoneName, &tz)) {
        c.outcome = ZoneChoice::Outcome::UnknownZone;
        c.Note = "Time zone " + zoneName + " is not known on this computer, zone not changed";
        return c;
    }

    // Hour 24 rolls over into the next day, as everywhere in the program.
    const cctz::time_zone::civil_lookup cl = tz.lookup(cctz::civil_second(year, month, day, hour, minute, 0));
    ZoneState r;
    if (cl.kind == cctz::time_zone::civil_lookup::UNIQUE) {
        r = StateAt(tz, cl.pre);
    } else {
        // The offset in force just before the change.
        r = StateAt(tz, cl.trans - cctz::seconds(1));
        c.clock = cl.kind == cctz::time_zone::civil_lookup::SKIPPED ? ZoneChoice::Clock::Skipped
                                                                    : ZoneChoice::Clock::Repeated;
    }
    c.UtcOffsetSeconds = r.offset;
    c.InDaylightSaving = r.dst;

    const bool meanTime = r.abbr == "LMT" || r.offset % 60 != 0;
    c.Reading = when + ": " + UtcOffsetText(r.offset) + ", " +
                (meanTime ? "local mean time" : r.dst ? "daylight saving time" : "standard time");
    std::string note = c.Reading;
    if (c.clock == ZoneChoice::Clock::Skipped) {
        note += "; this clock time never happened (clocks went forward), the earlier reading is used";
    } else if (c.clock == ZoneChoice::Clock::Repeated) {
        note += "; this clock time happened twice (clocks went back), the earlier is used";
    }

    auto firstRow = [&](int rowOffset, std::string_view abbr) {
        for (int i = 0; i < kZoneCount; ++i) {
            if (i == kLocalMeanTimeRow || RowOffsetMinutes(i) != rowOffset) continue;
            if (abbr.empty() || RowAbbreviation(Zone(i).Name) == abbr) return i;
        }
        return -1;
    };
    int row = -1;
    bool box = false;
    if (r.abbr == "LMT") {
        row = kLocalMeanTimeRow;
    } else if (r.offset % 60 == 0) {
        const int offset = r.offset / 60;
        // Daylight saving of one hour: the zone's standard row, box ticked.
        if (r.dst) {
            if (const std::optional<ZoneState> standard = StandardTimeAround(tz, cl.pre);
                standard && standard->offset == r.offset - 3600) {
                row = standard->abbr.empty() ? -1 : firstRow(offset - 60, standard->abbr);
                if (row < 0) row = firstRow(offset - 60, {});
                box = row >= 0;
            }
        }
        if (row < 0 && !r.abbr.empty()) row = firstRow(offset, r.abbr);
        if (row < 0) row = firstRow(offset, {});
        // A daylight offset only the box reaches. Standard time never ticks the box.
        if (row < 0 && r.dst) {
            row = firstRow(offset - 60, {});
            box = row >= 0;
        }
    }
    if (row < 0) {
        // A city's mean time in seconds (Madras time, +5:21:10), or an offset newer than
        // this table: the nearest clock the list offers, the birth place's own mean time
        // included, so that a place the atlas found always gets a zone.
        int best = std::abs(r.offset - localMeanMinutes * 60);
        row = kLocalMeanTimeRow;
        for (int i = 0; i < kZoneCount; ++i) {
            if (i == kLocalMeanTimeRow) continue;
            const int d = std::abs(r.offset - RowOffsetMinutes(i) * 60);
            if (d < best) best = d, row = i;
        }
    }
    if (row == kLocalMeanTimeRow) {
        note += "; local mean time of the birth place, " + UtcOffsetText(localMeanMinutes * 60);
    } else if (r.offset != (RowOffsetMinutes(row) + (box ? 60 : 0)) * 60) {
        note += "; the nearest zone in the list is used, " + UtcOffsetText(RowOffsetMinutes(row) * 60);
    }
    if (year < 1970) {
        // The database is complete only from 1970; before that many cities kept a clock of
        // their own that it does not know (Bombay until 1955, Calcutta until 1948).
        note += "; before 1970 the city may have kept its own clock: check the clock time of the birth "
                "certificate";
    }

    c.outcome = ZoneChoice::Outcome::Chosen;
    c.ZoneIndex = row;
    c.DaylightSaving = box;
    c.Note = note;
    return c;
}

}  // namespace velakor
