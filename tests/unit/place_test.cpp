// Birth places: the atlas's suggestions, and the zone row and daylight-saving box chosen
// from the system's time-zone database.
#include <gtest/gtest.h>

#include <memory>
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
    const char* universal;  // "" when no row fits
    int row;
    bool box;
    const char* note;
};

// Offsets and dates from the IANA database as Debian ships it (tzdata).
const ZoneRow kZoneRows[] = {
    {"Delhi at independence", "Asia/Kolkata", 1947, 8, 15, 0, 0, "1947-08-14 18:30", test::kIndian, false,
     "Asia/Kolkata on 15 August 1947 at 0:00: UTC+5:30, standard time"},
    {"Kolkata in war time, +6:30", "Asia/Kolkata", 1943, 6, 1, 12, 0, "1943-06-01 05:30", test::kIndian, true,
     "Asia/Kolkata on 1 June 1943 at 12:00: UTC+6:30, daylight saving time"},
    {"London in summer: GMT and the box", "Europe/London", 1990, 7, 1, 12, 0, "1990-07-01 11:00", test::kGmt, true,
     "Europe/London on 1 July 1990 at 12:00: UTC+1:00, daylight saving time"},
    {"London in winter", "Europe/London", 1990, 1, 1, 12, 0, "1990-01-01 12:00", test::kGmt, false,
     "Europe/London on 1 January 1990 at 12:00: UTC+0:00, standard time"},
    {"New York, 4 July 1976", "America/New_York", 1976, 7, 4, 12, 0, "1976-07-04 16:00", test::kEasternStandard,
     true, "America/New_York on 4 July 1976 at 12:00: UTC-4:00, daylight saving time"},
    {"Chicago in winter", "America/Chicago", 1990, 1, 15, 12, 0, "1990-01-15 18:00", 21, false,
     "America/Chicago on 15 January 1990 at 12:00: UTC-6:00, standard time"},
    {"Denver in winter", "America/Denver", 1990, 1, 15, 12, 0, "1990-01-15 19:00", 44, false,
     "America/Denver on 15 January 1990 at 12:00: UTC-7:00, standard time"},
    {"Los Angeles in winter", "America/Los_Angeles", 1990, 1, 15, 12, 0, "1990-01-15 20:00", 54, false,
     "America/Los_Angeles on 15 January 1990 at 12:00: UTC-8:00, standard time"},
    {"Berlin in summer: CET, not the first +1 row", "Europe/Berlin", 1990, 7, 1, 12, 0, "1990-07-01 10:00",
     test::kCentralEuropean, true, "Europe/Berlin on 1 July 1990 at 12:00: UTC+2:00, daylight saving time"},
    {"Sydney in January", "Australia/Sydney", 1990, 1, 15, 12, 0, "1990-01-15 01:00", 8, true,
     "Australia/Sydney on 15 January 1990 at 12:00: UTC+11:00, daylight saving time"},
    {"Kathmandu, +5:45: no row", "Asia/Kathmandu", 1990, 1, 1, 12, 0, "", -1, false,
     "Asia/Kathmandu on 1 January 1990 at 12:00: UTC+5:45, standard time; no zone in the list fits, zone not "
     "changed"},
    {"Chennai in 1901, local mean time: no row", "Asia/Kolkata", 1901, 1, 1, 12, 0, "", -1, false,
     "Asia/Kolkata on 1 January 1901 at 12:00: UTC+5:21:10, local mean time; no zone in the list fits, zone "
     "not changed"},
    {"clocks went forward over 2:30", "America/New_York", 1976, 4, 25, 2, 30, "1976-04-25 07:30",
     test::kEasternStandard, false,
     "America/New_York on 25 April 1976 at 2:30: UTC-5:00, standard time; this clock time never happened (clocks "
     "went forward), the earlier reading is used"},
    {"clocks went back over 1:30", "America/New_York", 1976, 10, 31, 1, 30, "1976-10-31 05:30",
     test::kEasternStandard, true,
     "America/New_York on 31 October 1976 at 1:30: UTC-4:00, daylight saving time; this clock time happened "
     "twice (clocks went back), the earlier is used"},
};

TEST(ZoneChoiceTest, RowAndBoxGiveTheDatabasesUniversalTime) {
    Program p;
    LoadNameTables(p);
    for (const ZoneRow& r : kZoneRows) {
        SCOPED_TRACE(r.what);
        const ZoneChoice c = ChooseZone(p.Names, r.zone, r.year, r.month, r.day, r.hour, r.minute);
        EXPECT_EQ(c.Note, r.note);
        EXPECT_EQ(c.ZoneIndex, r.row);
        EXPECT_EQ(c.DaylightSaving, r.box);
        if (std::string(r.universal).empty()) {
            EXPECT_EQ(c.outcome, ZoneChoice::Outcome::NoRow);
            continue;
        }
        ASSERT_TRUE(c.chosen());
        // The universal time the chart's stages take from the row and the box.
        FormValues v = test::Form(r.day, r.month, r.year, r.hour, r.minute, c.ZoneIndex, 0, 0, false, 0, 0, true,
                                  c.DaylightSaving);
        CopyFormToRecord(p, v);
        const UtcMoment u = UniversalMoment(p.Birth);
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", u.year, u.month, u.day, u.hour, u.minute);
        EXPECT_EQ(std::string(text), r.universal);
    }
}

TEST(ZoneChoiceTest, NothingChosenForAnUnknownZoneOrAMissingDate) {
    Program p;
    LoadNameTables(p);
    const ZoneChoice unknown = ChooseZone(p.Names, "Nowhere/Atlantis", 1990, 1, 1, 0, 0);
    EXPECT_EQ(unknown.outcome, ZoneChoice::Outcome::UnknownZone);
    EXPECT_EQ(unknown.ZoneIndex, -1);
    const ZoneChoice april31 = ChooseZone(p.Names, "Asia/Kolkata", 1990, 4, 31, 0, 0);
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

    // Many places: at most twelve, biggest first, each beginning with what was typed.
    const auto san = atlas.Suggest("San");
    ASSERT_EQ(san.size(), Atlas::kSuggestionLimit);
    for (std::size_t i = 0; i < san.size(); ++i) {
        EXPECT_EQ(FoldPlaceName(san[i]->Name).substr(0, 3), "San") << san[i]->Name;
        if (i > 0) {
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

}  // namespace
}  // namespace velakor
