// Birth places: the atlas's suggestions, and the zone row and daylight-saving box chosen
// from the system's time-zone database.
#include <cctz/civil_time.h>
#include <cctz/time_zone.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "TestSupport.h"
#include "chart/NameTables.h"
#include "chart/VedicPlanetPosition.h"
#include "place/Atlas.h"
#include "place/ZoneChoice.h"

namespace velakor {
namespace {

const Atlas& SystemAtlas() {
    static const std::unique_ptr<Atlas> atlas = LoadSystemAtlas();
    return *atlas;
}

std::string Line(const Place& p) { return p.Name + ", " + p.State + ", " + p.Country; }

struct ZoneRow {
    const char* what;
    const char* zone;
    int year, month, day, hour, minute;
    int lonMinutes;         // birth longitude in minutes of arc, east positive
    const char* universal;
    int row;
    bool box;
    const char* note;
};

#define kCaution                                                                                        \
    "; before 1970 the city may have kept its own clock: check the clock time of the birth certificate"

// Offsets and dates from the IANA database as Debian ships it (tzdata).
const ZoneRow kZoneRows[] = {
    {"Delhi at independence", "Asia/Kolkata", 1947, 8, 15, 0, 0, 0, "1947-08-14 18:30", test::kIndian, false,
     "Asia/Kolkata on 15 August 1947 at 0:00: UTC+05:30, standard time" kCaution},
    {"Kolkata in war time, +6:30", "Asia/Kolkata", 1943, 6, 1, 12, 0, 0, "1943-06-01 05:30", test::kIndian, true,
     "Asia/Kolkata on 1 June 1943 at 12:00: UTC+06:30, daylight saving time" kCaution},
    {"London in summer: GMT and the box", "Europe/London", 1990, 7, 1, 12, 0, 0, "1990-07-01 11:00", test::kGmt, true,
     "Europe/London on 1 July 1990 at 12:00: UTC+01:00, daylight saving time"},
    {"London in winter", "Europe/London", 1990, 1, 1, 12, 0, 0, "1990-01-01 12:00", test::kGmt, false,
     "Europe/London on 1 January 1990 at 12:00: UTC+00:00, standard time"},
    {"New York, 4 July 1976", "America/New_York", 1976, 7, 4, 12, 0, 0, "1976-07-04 16:00", test::kEasternStandard,
     true, "America/New_York on 4 July 1976 at 12:00: UTC-04:00, daylight saving time"},
    {"Chicago in winter", "America/Chicago", 1990, 1, 15, 12, 0, 0, "1990-01-15 18:00", 21, false,
     "America/Chicago on 15 January 1990 at 12:00: UTC-06:00, standard time"},
    {"Denver in winter", "America/Denver", 1990, 1, 15, 12, 0, 0, "1990-01-15 19:00", 44, false,
     "America/Denver on 15 January 1990 at 12:00: UTC-07:00, standard time"},
    {"Los Angeles in winter", "America/Los_Angeles", 1990, 1, 15, 12, 0, 0, "1990-01-15 20:00", 54, false,
     "America/Los_Angeles on 15 January 1990 at 12:00: UTC-08:00, standard time"},
    {"Berlin in summer: CET, not the first +1 row", "Europe/Berlin", 1990, 7, 1, 12, 0, 0, "1990-07-01 10:00",
     test::kCentralEuropean, true, "Europe/Berlin on 1 July 1990 at 12:00: UTC+02:00, daylight saving time"},
    {"Sydney in January", "Australia/Sydney", 1990, 1, 15, 12, 0, 0, "1990-01-15 01:00", 8, true,
     "Australia/Sydney on 15 January 1990 at 12:00: UTC+11:00, daylight saving time"},
    {"Kathmandu, +5:45: its own row", "Asia/Kathmandu", 1990, 5, 10, 9, 0, 85 * 60 + 19, "1990-05-10 03:15", 99,
     false, "Asia/Kathmandu on 10 May 1990 at 9:00: UTC+05:45, standard time"},
    {"Kathmandu in 1901: local mean time", "Asia/Kathmandu", 1901, 6, 1, 12, 0, 85 * 60 + 19, "1901-06-01 06:19",
     kLocalMeanTimeRow, false,
     "Asia/Kathmandu on 1 June 1901 at 12:00: UTC+05:41:16, local mean time; local mean time of the birth place, "
     "UTC+05:41" kCaution},
    {"Chennai in 1901: Madras time is the city's mean time", "Asia/Kolkata", 1901, 1, 1, 12, 0, 80 * 60 + 17,
     "1901-01-01 06:39", kLocalMeanTimeRow, false,
     "Asia/Kolkata on 1 January 1901 at 12:00: UTC+05:21:10, local mean time; local mean time of the birth place, "
     "UTC+05:21" kCaution},
    {"Bombay in 1901 on Madras time: the nearest row", "Asia/Kolkata", 1901, 1, 1, 12, 0, 72 * 60 + 53,
     "1901-01-01 06:30", test::kIndian, false,
     "Asia/Kolkata on 1 January 1901 at 12:00: UTC+05:21:10, local mean time; the nearest zone in the list is "
     "used, UTC+05:30" kCaution},
    {"Kabul, +4:30 standard: its own row, never the box", "Asia/Kabul", 1990, 1, 1, 12, 0, 69 * 60 + 10,
     "1990-01-01 07:30", 97, false, "Asia/Kabul on 1 January 1990 at 12:00: UTC+04:30, standard time"},
    {"Caracas, -4:30", "America/Caracas", 2010, 1, 1, 12, 0, -(66 * 60 + 55), "2010-01-01 16:30", 79, false,
     "America/Caracas on 1 January 2010 at 12:00: UTC-04:30, standard time"},
    {"clocks went forward over 2:30", "America/New_York", 1976, 4, 25, 2, 30, 0, "1976-04-25 07:30",
     test::kEasternStandard, false,
     "America/New_York on 25 April 1976 at 2:30: UTC-05:00, standard time; this clock time never happened (clocks "
     "went forward), the earlier reading is used"},
    {"clocks went back over 1:30", "America/New_York", 1976, 10, 31, 1, 30, 0, "1976-10-31 05:30",
     test::kEasternStandard, true,
     "America/New_York on 31 October 1976 at 1:30: UTC-04:00, daylight saving time; this clock time happened "
     "twice (clocks went back), the earlier is used"},
};

TEST(ZoneChoiceTest, RowAndBoxGiveTheDatabasesUniversalTime) {
    Program p;
    for (const ZoneRow& r : kZoneRows) {
        SCOPED_TRACE(r.what);
        const int lon = r.lonMinutes < 0 ? -r.lonMinutes : r.lonMinutes;
        const ZoneChoice c = ChooseZone(r.zone, r.year, r.month, r.day, r.hour, r.minute,
                                        LocalMeanTimeMinutes(lon / 60, lon % 60, r.lonMinutes >= 0));
        EXPECT_EQ(c.Note, r.note);
        EXPECT_EQ(c.ZoneIndex, r.row);
        EXPECT_EQ(c.DaylightSaving, r.box);
        ASSERT_TRUE(c.chosen());
        // The universal time the chart's stages take from the row and the box.
        FormValues v = test::Form(r.day, r.month, r.year, r.hour, r.minute, c.ZoneIndex, 0, 0, false, lon / 60,
                                  lon % 60, r.lonMinutes >= 0, c.DaylightSaving);
        CopyFormToRecord(p, v);
        const UtcMoment u = UniversalMoment(p.Birth);
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", u.year, u.month, u.day, u.hour, u.minute);
        EXPECT_EQ(std::string(text), r.universal);
    }
}

// Walks every zone of the system's time-zone database from 1901 to 2050: each clock it gives
// in whole minutes (standard or daylight; local mean time has the last row) must be a row of
// the list, a daylight clock with or without the box. The failure names the missing offsets
// and a zone that had them, which is how the rows after the 71st were found.
TEST(ZoneTableTest, EveryClockOfTheDatabaseHasARow) {
    // Where the database's reader looks for it too.
    const char* tzdir = std::getenv("TZDIR");
    std::ifstream zones(std::string(tzdir && *tzdir ? tzdir : "/usr/share/zoneinfo") + "/tzdata.zi");
    if (!zones) GTEST_SKIP() << "no time-zone database source on this machine";
    Program p;
    std::set<int> rows;  // minutes ahead of Greenwich, the box clear
    for (int i = 0; i < kZoneCount; ++i) {
        if (i != kLocalMeanTimeRow) rows.insert(-(Zone(i).Hours * 60 + Zone(i).Minutes));
    }
    const auto from = cctz::convert(cctz::civil_second(1901, 1, 1, 0, 0, 0), cctz::utc_time_zone());
    const auto to = cctz::convert(cctz::civil_second(2051, 1, 1, 0, 0, 0), cctz::utc_time_zone());
    std::map<std::string, std::string> missing;  // "+5:45 standard" -> a zone
    int walked = 0;
    for (std::string line; std::getline(zones, line);) {
        if (line.rfind("Z ", 0) != 0) continue;
        const std::string name = line.substr(2, line.find(' ', 2) - 2);
        cctz::time_zone tz;
        ASSERT_TRUE(cctz::load_time_zone(name, &tz)) << name;
        ++walked;
        for (auto t = from; t < to;) {
            const auto a = tz.lookup(t);
            const bool lmt = a.abbr != nullptr && std::string_view(a.abbr) == "LMT";
            if (!lmt && a.offset % 60 == 0) {
                const int m = a.offset / 60;
                if (!rows.count(m) && !(a.is_dst && rows.count(m - 60))) {
                    char key[32];
                    std::snprintf(key, sizeof key, "%c%d:%02d %s", m < 0 ? '-' : '+', std::abs(m) / 60,
                                  std::abs(m) % 60, a.is_dst ? "daylight" : "standard");
                    missing.emplace(key, name);
                }
            }
            cctz::time_zone::civil_transition tr;
            if (!tz.next_transition(t, &tr)) break;
            const auto next = tz.lookup(tr.to).trans;
            if (next <= t) break;
            t = next;
        }
    }
    EXPECT_GT(walked, 300);
    for (const auto& [offset, zone] : missing) ADD_FAILURE() << "no row gives " << offset << " (" << zone << ")";
    EXPECT_EQ(Zone(kLocalMeanTimeRow).Name, "Local Mean Time");
}

TEST(ZoneTableTest, LocalMeanTimeRowFollowsTheLongitude) {
    const struct {
        const char* what;
        int lonDeg, lonMin;
        bool east;
        int minutesAhead;  // what the row gives
        int zoneHours, zoneMinutes;  // what the birth record keeps: added to the clock for UT
    } rows[] = {
        {"Greenwich", 0, 0, true, 0, 0, 0},
        {"Delhi, 77 E 12", 77, 12, true, 309, -5, -9},
        {"Chennai, 80 E 17 (5:21:08)", 80, 17, true, 321, -5, -21},
        {"half a minute rounds up, 7 E 30' = 0:30:00", 7, 30, true, 30, 0, -30},
        {"New York, 74 W 0", 74, 0, false, -296, 4, 56},
        {"just west of Greenwich, 0 W 10 (0:00:40)", 0, 10, false, -1, 0, 1},
        {"date line", 180, 0, true, 720, -12, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(LocalMeanTimeMinutes(r.lonDeg, r.lonMin, r.east), r.minutesAhead);
        Program p;
        CopyFormToRecord(p, test::Form(1, 1, 1901, 12, 0, kLocalMeanTimeRow, 10, 0, false, r.lonDeg, r.lonMin,
                                       r.east));
        EXPECT_EQ(p.Birth.ZoneHours, r.zoneHours);
        EXPECT_EQ(p.Birth.ZoneMinutes, r.zoneMinutes);
        EXPECT_EQ(p.Birth.ZoneHoursAbs, std::abs(r.zoneHours));
        EXPECT_EQ(p.Birth.ZoneMinutesAbs, std::abs(r.zoneMinutes));
        EXPECT_EQ(p.Birth.ZoneIndex, kLocalMeanTimeRow);
    }
}

TEST(ZoneChoiceTest, NothingChosenForAnUnknownZoneOrAMissingDate) {
    Program p;
    const ZoneChoice unknown = ChooseZone("Nowhere/Atlantis", 1990, 1, 1, 0, 0, 0);
    EXPECT_EQ(unknown.outcome, ZoneChoice::Outcome::UnknownZone);
    EXPECT_EQ(unknown.ZoneIndex, -1);
    const ZoneChoice april31 = ChooseZone("Asia/Kolkata", 1990, 4, 31, 0, 0, 0);
    EXPECT_EQ(april31.outcome, ZoneChoice::Outcome::NoSuchDate);
    EXPECT_EQ(april31.Note, "31 April 1990 is not a date, zone not changed");
}

TEST(AtlasTest, FoldedNamesPassTheLetterFilter) {
    const struct {
        const char* name;
        const char* folded;
    } rows[] = {
        {"Troms\xC3\xB8", "Tromso"},
        {"S\xC3\xA3o Paulo", "Sao Paulo"},
        {"D\xC3\xBCsseldorf", "Dusseldorf"},
        {"Winston-Salem", "Winston Salem"},
        {"St. John's", "St Johns"},
        {"Frankfurt (Oder)", "Frankfurt Oder"},
        {"\xC5\x9E\xC7\x9Dki", "Seki"},  // Azerbaijani schwa, which the system leaves out
        {"Ra\xCA\xBCs al Khaymah", "Ras al Khaymah"},
        {"\xD0\x97\xD1\x83", ""},  // no Latin reading
        {"bad \xFF byte", "bad byte"},
    };
    for (const auto& r : rows) EXPECT_EQ(FoldPlaceName(r.name), r.folded) << r.name;
}

TEST(AtlasTest, PrefixQueries) {
    const Atlas& atlas = SystemAtlas();
    ASSERT_GT(atlas.size(), 20000u);

    // Accents and case do not matter.
    const auto tromso = atlas.Suggest("tromso");
    ASSERT_FALSE(tromso.empty());
    EXPECT_EQ(tromso.front()->Name, "Troms\xC3\xB8");
    EXPECT_EQ(Line(*atlas.Suggest("PUN").front()), "Pune, Maharashtra, India");
    EXPECT_EQ(atlas.Suggest("pUnE").front()->TimeZone, "Asia/Kolkata");

    // Many places: at most twelve, a place called just "San" first, then biggest first,
    // each beginning with what was typed.
    const auto san = atlas.Suggest("San");
    ASSERT_EQ(san.size(), Atlas::kSuggestionLimit);
    for (std::size_t i = 0; i < san.size(); ++i) {
        EXPECT_EQ(FoldPlaceName(san[i]->Name).substr(0, 3), "San") << san[i]->Name;
        if (i > 0 && FoldPlaceName(san[i - 1]->Name) != "San") {
            EXPECT_GE(san[i - 1]->Population, san[i]->Population) << san[i]->Name;
        }
    }

    // A space typed last ends the word.
    for (const Place* p : atlas.Suggest("New ")) EXPECT_EQ(p->Name.substr(0, 4), "New ") << p->Name;

    // Parts after commas narrow by state and country.
    EXPECT_EQ(Line(*atlas.Suggest("Pune, Maharashtra, India").front()), "Pune, Maharashtra, India");
    const auto hyderabad = atlas.Suggest("Hyderabad, Pakistan");
    ASSERT_FALSE(hyderabad.empty());
    EXPECT_EQ(hyderabad.front()->Country, "Pakistan");

    EXPECT_TRUE(atlas.Suggest("Xqzvw").empty());
    EXPECT_TRUE(atlas.Suggest("Pune, Atlantis").empty());
    EXPECT_TRUE(atlas.Suggest(" ").empty());
}

TEST(AtlasTest, NamesPeopleUse) {
    const Atlas& atlas = SystemAtlas();
    EXPECT_EQ(atlas.unmatchedFormerNames(), std::vector<std::string>{});
    const struct {
        const char* typed;
        const char* first;  // the first suggestion, as the list shows it
    } rows[] = {
        {"Bombay", "Bombay (Mumbai), Maharashtra, India"},
        {"madras", "Madras (Chennai), Tamil Nadu, India"},
        {"Calcutta", "Calcutta (Kolkata), State of West Bengal, India"},
        {"Bangalore", "Bangalore (Bengaluru), Karnataka, India"},
        {"Poona", "Poona (Pune), Maharashtra, India"},  // before the bigger Poonamallee
        {"Baroda", "Baroda (Vadodara), Gujarat, India"},
        {"Benares", "Benares (Varanasi), State of Uttar Pradesh, India"},
        {"Allahabad", "Allahabad (Prayagraj), State of Uttar Pradesh, India"},
        {"Cochin", "Cochin (Kochi), Kerala, India"},
        {"Thiruvananthapuram", "Thiruvananthapuram (Trivandrum), Kerala, India"},
        {"Trivandrum", "Trivandrum, Kerala, India"},
        {"Cawnpore", "Cawnpore (Kanpur), State of Uttar Pradesh, India"},
        {"Peking", "Peking (Beijing), Beijing Municipality, China"},
        {"Canton", "Canton (Guangzhou), Guangdong, China"},  // before Canton, Ohio
        {"Saigon", "Saigon (Ho Chi Minh City), Ho Chi Minh City, Vietnam"},
        {"Leningrad", "Leningrad (Saint Petersburg), Saint Petersburg, Russia"},
        {"Rangoon", "Rangoon (Yangon), Rangoon, Myanmar"},
        {"Dacca", "Dacca (Dhaka), Dhaka, Bangladesh"},
        {"Bombay, India", "Bombay (Mumbai), Maharashtra, India"},
        // A capital or a large city by the name people call it, before a small place of exactly
        // that name: its name without "City" or "D.C." when it is at least five times bigger,
        // a common short name from the table otherwise; a comma may belong to the name.
        {"Washington", "Washington D.C., District of Columbia, United States of America"},  // not Tyne and Wear
        {"Washington, D.C.", "Washington D.C., District of Columbia, United States of America"},
        {"Mexico", "Mexico City, Mexico City, Mexico"},
        {"Quezon", "Quezon City, National Capital Region, Philippines"},
        {"Puebla", "Puebla City, Puebla, Mexico"},
        {"Taoyuan", "Taoyuan City, Taiwan, Taiwan"},
        {"Huangshan", "Huangshan City, Anhui, China"},
        {"Rostov", "Rostov (Rostov-on-Don), Rostov Oblast, Russia"},
        {"Stoke", "Stoke (Stoke-on-Trent), England, United Kingdom"},
        {"Santa Cruz", "Santa Cruz (Santa Cruz de la Sierra), Santa Cruz, Bolivia"},
        {"New", "New York, New York, United States of America"},  // New City has no exact rival
        // An exact name before a bigger one that begins with it.
        {"Derry, New Hampshire", "Derry, New Hampshire, United States of America"},
        {"Hilton Head, South Carolina", "Hilton Head, South Carolina, United States of America"},
        // Spaces around the name do not matter.
        {"Pune ", "Pune, Maharashtra, India"},
        {"  Pune", "Pune, Maharashtra, India"},
        {"Pune , Maharashtra", "Pune, Maharashtra, India"},
    };
    for (const auto& r : rows) {
        const auto found = atlas.Suggest(r.typed);
        ASSERT_FALSE(found.empty()) << r.typed;
        EXPECT_EQ(SuggestionLine(*found.front()), r.first) << r.typed;
    }
    // What a pick puts into the form: the name the place was picked by, the state's common
    // name; the place itself for the rest.
    const struct {
        const char* typed;
        const char* city;
        const char* state;
    } picks[] = {
        {"Bombay", "Bombay", "Maharashtra"},
        {"Thiruvananthapuram", "Thiruvananthapuram", "Kerala"},
        {"Calcutta", "Calcutta", "West Bengal"},
        {"Benares", "Benares", "Uttar Pradesh"},
        {"Kolkata", "Kolkata", "West Bengal"},
        {"Washington, District", "Washington DC", "District of Columbia"},  // a style that is the name
    };
    for (const auto& pick : picks) {
        const Place& place = *atlas.Suggest(pick.typed).front();
        EXPECT_EQ(FieldsForPlace(place).City, pick.city) << pick.typed;
        EXPECT_EQ(FieldsForPlace(place).State, pick.state) << pick.typed;
        EXPECT_EQ(place.TimeZone.substr(0, 5), pick.typed[0] == 'W' ? "Ameri" : "Asia/") << pick.typed;
    }
}

}  // namespace
}  // namespace velakor
