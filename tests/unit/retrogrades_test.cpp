// The station tables and the retrograde stage: the tables' shape and telling rows, the
// retrograde test's day boundaries, and the marks as the chart shows them.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Calculation.h"
#include "chart/NameTables.h"
#include "chart/ChartTexts.h"
#include "chart/retro/Retrogrades.h"
#include "chart/retro/StationData.h"

namespace velakor {

void PrintTo(const StationMoment& m, std::ostream* os) {
    *os << m.Year << "-" << m.Month << "-" << m.Day << " " << m.Hour << ":" << m.Minute;
}

namespace {

const char* const kPlanets[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// Day count by the standard library's calendar, independent of the code under test.
long long DayCount(const StationMoment& m) {
    using namespace std::chrono;
    const year_month_day ymd{year{m.Year}, month{static_cast<unsigned>(m.Month)},
                             day{static_cast<unsigned>(m.Day)}};
    return sys_days{ymd}.time_since_epoch().count();
}

double Moment(const StationMoment& m) { return DayCount(m) + (m.Hour * 60 + m.Minute) / 1440.0; }

bool SameDate(const StationMoment& a, const StationMoment& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

StationMoment Date(int year, int month, int day, int hour = 12, int minute = 0) {
    return StationMoment{month, day, year, hour, minute};
}

// ---------------------------------------------------------------------------------------
// The tables

struct TableShape {
    const char* planet;
    std::size_t rows;
    StationMoment firstRetro, firstDirect, lastRetro, lastDirect;  // dates only are compared
    double shortest, longest;  // retrograde spell in days, to a tenth
};
void PrintTo(const TableShape& c, std::ostream* os) { *os << c.planet; }

const TableShape kShapes[] = {
    {"Mercury", 476, Date(1900, 3, 15), Date(1900, 4, 7), Date(2050, 12, 1), Date(2050, 12, 21), 19.4, 24.6},
    {"Venus", 95, Date(1900, 6, 16), Date(1900, 7, 30), Date(2050, 9, 25), Date(2050, 11, 6), 40.4, 43.6},
    {"Mars", 71, Date(1901, 1, 13), Date(1901, 4, 4), Date(2050, 7, 15), Date(2050, 9, 13), 59.9, 81.1},
    {"Jupiter", 139, Date(1900, 3, 27), Date(1900, 7, 29), Date(2050, 12, 21), Date(2051, 4, 21), 116.7, 124.6},
    {"Saturn", 146, Date(1900, 4, 14), Date(1900, 9, 2), Date(2050, 5, 18), Date(2050, 10, 6), 133.4, 141.9},
};

class StationTableShape : public ::testing::TestWithParam<TableShape> {};

TEST_P(StationTableShape, RowCountAndFirstAndLastRowDates) {
    const TableShape& s = GetParam();
    const StationTable& t = LoadStations(s.planet);
    ASSERT_EQ(t.RetroStations.size(), s.rows);
    ASSERT_EQ(t.DirectStations.size(), s.rows);
    EXPECT_PRED2(SameDate, t.RetroStations.front(), s.firstRetro);
    EXPECT_PRED2(SameDate, t.DirectStations.front(), s.firstDirect);
    EXPECT_PRED2(SameDate, t.RetroStations.back(), s.lastRetro);
    EXPECT_PRED2(SameDate, t.DirectStations.back(), s.lastDirect);
}

TEST_P(StationTableShape, RowsInTimeOrderWithoutOverlap) {
    const StationTable& t = LoadStations(GetParam().planet);
    for (std::size_t k = 0; k < t.RetroStations.size(); ++k) {
        EXPECT_LT(Moment(t.RetroStations[k]), Moment(t.DirectStations[k])) << "row " << k;
        if (k + 1 < t.RetroStations.size()) {
            EXPECT_LT(Moment(t.DirectStations[k]), Moment(t.RetroStations[k + 1])) << "row " << k;
        }
    }
}

TEST_P(StationTableShape, SpellsLastAsLongAsThePlanetsDo) {
    const TableShape& s = GetParam();
    const StationTable& t = LoadStations(s.planet);
    for (std::size_t k = 0; k < t.RetroStations.size(); ++k) {
        const double days = Moment(t.DirectStations[k]) - Moment(t.RetroStations[k]);
        const double tenths = std::round(days * 10.0) / 10.0;
        EXPECT_GE(tenths, s.shortest) << "row " << k << ": " << days << " days";
        EXPECT_LE(tenths, s.longest) << "row " << k << ": " << days << " days";
    }
}

TEST_P(StationTableShape, RetrogradeStationsFallIn1900To2050) {
    const StationTable& t = LoadStations(GetParam().planet);
    for (const StationMoment& m : t.RetroStations) {
        EXPECT_GE(m.Year, 1900);
        EXPECT_LE(m.Year, 2050);
    }
}

// The texts themselves: five fields, each followed by a comma, no leading zeros, a valid
// calendar date and clock time.
TEST_P(StationTableShape, TextsAreWellFormed) {
    const char* planet = GetParam().planet;
    const PlanetStationTexts* texts = nullptr;
    for (const PlanetStationTexts& p : kStationTexts) {
        if (p.Planet == planet) texts = &p;
    }
    ASSERT_NE(texts, nullptr);
    const StationTable& t = LoadStations(planet);
    ASSERT_EQ(texts->Rows.size(), t.RetroStations.size());
    for (std::size_t k = 0; k < texts->Rows.size(); ++k) {
        const std::string_view row[] = {texts->Rows[k].RetroStation, texts->Rows[k].DirectStation};
        const StationMoment parsed[] = {t.RetroStations[k], t.DirectStations[k]};
        for (int c = 0; c < 2; ++c) {
            const StationMoment& m = parsed[c];
            const std::string expected = std::to_string(m.Month) + "," + std::to_string(m.Day) + "," +
                                         std::to_string(m.Year) + "," + std::to_string(m.Hour) + "," +
                                         std::to_string(m.Minute) + ",";
            EXPECT_EQ(row[c], expected) << "row " << k;
            using namespace std::chrono;
            const year_month_day ymd{year{m.Year}, month{static_cast<unsigned>(m.Month)},
                                     day{static_cast<unsigned>(m.Day)}};
            EXPECT_TRUE(ymd.ok()) << row[c];
            EXPECT_TRUE(m.Hour >= 0 && m.Hour <= 23 && m.Minute >= 0 && m.Minute <= 59) << row[c];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Planets, StationTableShape, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.planet); });

// Rows whose dates are known from published ephemerides; only the dates are compared.
struct TellingRow {
    const char* name;
    const char* planet;
    StationMoment retro, direct;
};
void PrintTo(const TellingRow& c, std::ostream* os) { *os << c.name; }

const TellingRow kTellingRows[] = {
    {"MercuryFeb2000", "Mercury", Date(2000, 2, 21), Date(2000, 3, 14)},
    {"MercuryJun2000", "Mercury", Date(2000, 6, 23), Date(2000, 7, 17)},
    {"MercuryOct2000", "Mercury", Date(2000, 10, 18), Date(2000, 11, 8)},
    {"SaturnAug1999", "Saturn", Date(1999, 8, 30), Date(2000, 1, 12)},
    {"SaturnSep2000", "Saturn", Date(2000, 9, 12), Date(2001, 1, 24)},
    {"JupiterSep2000", "Jupiter", Date(2000, 9, 29), Date(2001, 1, 25)},
};

class StationTellingRow : public ::testing::TestWithParam<TellingRow> {};

TEST_P(StationTellingRow, IsInTheTable) {
    const TellingRow& r = GetParam();
    const StationTable& t = LoadStations(r.planet);
    std::size_t found = t.RetroStations.size();
    for (std::size_t k = 0; k < t.RetroStations.size(); ++k) {
        if (SameDate(t.RetroStations[k], r.retro)) found = k;
    }
    ASSERT_LT(found, t.RetroStations.size()) << "no row turns retrograde on that date";
    EXPECT_PRED2(SameDate, t.DirectStations[found], r.direct);
}

INSTANTIATE_TEST_SUITE_P(Rows, StationTellingRow, ::testing::ValuesIn(kTellingRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadStations, KeepsOneTableAndKnowsOnlyTheFivePlanets) {
    EXPECT_EQ(&LoadStations("Venus"), &LoadStations("Venus"));
    EXPECT_TRUE(LoadStations("Sun").RetroStations.empty());
    EXPECT_TRUE(LoadStations("mercury").RetroStations.empty());
    EXPECT_EQ(LoadStations("Mercury").RetroStations.front(), (StationMoment{3, 15, 1900, 13, 16}));
}

// ---------------------------------------------------------------------------------------
// The retrograde test

struct RetroCase {
    const char* name;
    const char* planet;
    StationMoment birth;
    bool retrograde;
};
void PrintTo(const RetroCase& c, std::ostream* os) { *os << c.name; }

const RetroCase kRetroCases[] = {
    {"MercuryInsideSpell", "Mercury", Date(2000, 3, 1), true},
    {"MercuryOnRetroStationDay", "Mercury", Date(2000, 2, 21, 23, 59), false},
    {"MercuryDayAfterRetroStation", "Mercury", Date(2000, 2, 22, 0, 1), true},
    {"MercuryDayBeforeDirectStation", "Mercury", Date(2000, 3, 13, 23, 59), true},
    {"MercuryOnDirectStationDay", "Mercury", Date(2000, 3, 14, 0, 0), false},
    {"SaturnSpellAcrossNewYear", "Saturn", Date(2000, 1, 1), true},
    {"SaturnOnDirectStationDay", "Saturn", Date(2000, 1, 12), false},
    {"JupiterLastRowEndsIn2051", "Jupiter", Date(2050, 12, 25), true},
    {"JupiterAfterLastRow", "Jupiter", Date(2051, 5, 1), false},
    {"MercuryBeforeFirstRow", "Mercury", Date(1900, 1, 1), false},
    {"SaturnAfterLastRow", "Saturn", Date(2050, 12, 31), false},
    {"VenusDirect", "Venus", Date(2000, 3, 1), false},
    {"UnknownPlanet", "Sun", Date(2000, 3, 1), false},
};

class RetrogradeTest : public ::testing::TestWithParam<RetroCase> {};

TEST_P(RetrogradeTest, ComparesCalendarDatesOnly) {
    const RetroCase& c = GetParam();
    EXPECT_EQ(IsRetrograde(c.birth, c.planet), c.retrograde);
}

INSTANTIATE_TEST_SUITE_P(Dates, RetrogradeTest, ::testing::ValuesIn(kRetroCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every date from before the first row to after the last, against the plain reading of the
// rule: retrograde when some row's retrograde date is earlier and its direct date later.
TEST(IsRetrograde, AgreesWithAScanOfEveryRowOnEveryDate) {
    using namespace std::chrono;
    const sys_days first{year{1899} / 12 / 1}, last{year{2051} / 12 / 31};
    for (const char* planet : kPlanets) {
        const StationTable& t = LoadStations(planet);
        int mismatches = 0;
        for (sys_days d = first; d <= last && mismatches < 5; d += days{1}) {
            const year_month_day ymd{d};
            const StationMoment birth = Date(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
            const long long day = d.time_since_epoch().count();
            bool expected = false;
            for (std::size_t k = 0; k < t.RetroStations.size() && !expected; ++k) {
                expected = DayCount(t.RetroStations[k]) < day && DayCount(t.DirectStations[k]) > day;
            }
            if (IsRetrograde(birth, planet) != expected) {
                ++mismatches;
                ADD_FAILURE() << planet << " on " << testing::PrintToString(birth) << ": expected " << expected;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------
// The stage

struct BirthDateCase {
    const char* name;
    int year, month, day, hour;
    StationMoment moment;
};
void PrintTo(const BirthDateCase& c, std::ostream* os) { *os << c.name; }

const BirthDateCase kBirthDates[] = {
    {"PlainHour", 2000, 2, 21, 23, StationMoment{2, 21, 2000, 23, 30}},
    {"Hour24IsNextMorning", 2000, 2, 21, 24, StationMoment{2, 22, 2000, 0, 30}},
    {"Hour24OnLeapDayEve", 2000, 2, 28, 24, StationMoment{2, 29, 2000, 0, 30}},
    {"Hour24EndsFebruary", 2001, 2, 28, 24, StationMoment{3, 1, 2001, 0, 30}},
    {"Hour24EndsTheYear", 2000, 12, 31, 24, StationMoment{1, 1, 2001, 0, 30}},
};

class BirthMomentTest : public ::testing::TestWithParam<BirthDateCase> {};

TEST_P(BirthMomentTest, ReadsTheLocalDateAndClock) {
    const BirthDateCase& c = GetParam();
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(c.year);
    b.BirthMonth = static_cast<std::int16_t>(c.month);
    b.BirthDay = static_cast<std::int16_t>(c.day);
    b.BirthHour = static_cast<std::int16_t>(c.hour);
    b.BirthMinute = 30;
    EXPECT_EQ(BirthMoment(b), c.moment);
}

INSTANTIATE_TEST_SUITE_P(Records, BirthMomentTest, ::testing::ValuesIn(kBirthDates),
                         [](const auto& info) { return std::string(info.param.name); });

struct MarkCase {
    const char* name;
    int year, month, day, hour, minute;
    int zoneHours;  // never matters
    std::array<bool, kRetroPlanets> flags;  // Mercury, Venus, Mars, Jupiter, Saturn
};
void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.name; }

const MarkCase kMarkCases[] = {
    {"MercuryRetrograde", 2000, 3, 1, 12, 0, 0, {true, false, false, false, false}},
    {"SaturnRetrograde", 2000, 1, 1, 12, 0, 0, {false, false, false, false, true}},
    {"LateOnMercuryStationDay", 2000, 2, 21, 23, 59, 0, {false, false, false, false, false}},
    {"EarlyNextDay", 2000, 2, 22, 0, 1, 0, {true, false, false, false, false}},
    {"Hour24OnStationDay", 2000, 2, 21, 24, 0, 0, {true, false, false, false, false}},
    {"Hour24BeforeStationDay", 2000, 2, 20, 24, 0, 0, {false, false, false, false, false}},
    {"Hour24IntoDirectStationDay", 2000, 3, 13, 24, 0, 0, {false, false, false, false, false}},
    {"ZoneThatWouldChangeTheDate", 2000, 2, 21, 23, 59, 12, {false, false, false, false, false}},
    {"ZoneThatWouldGoBackADay", 2000, 2, 22, 0, 1, -12, {true, false, false, false, false}},
};

class MarkRetrogradesTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarkRetrogradesTest, FlagsAndSanskritMarks) {
    const MarkCase& c = GetParam();
    Program p;
    p.Birth.BirthYear = static_cast<std::int16_t>(c.year);
    p.Birth.BirthMonth = static_cast<std::int16_t>(c.month);
    p.Birth.BirthDay = static_cast<std::int16_t>(c.day);
    p.Birth.BirthHour = static_cast<std::int16_t>(c.hour);
    p.Birth.BirthMinute = static_cast<std::int16_t>(c.minute);
    p.Birth.ZoneHours = static_cast<std::int16_t>(c.zoneHours);
    p.Birth.ZoneHoursAbs = static_cast<std::int16_t>(std::abs(c.zoneHours));
    p.Birth.DaylightSaving = c.zoneHours != 0;
    MarkRetrogrades(p.Birth, p.Chart);
    for (int i = 0; i < kBodyCount; ++i) {
        const bool marked = i >= 2 && i <= 6 && c.flags[static_cast<std::size_t>(i - 2)];
        const auto body = static_cast<Body>(i);
        EXPECT_EQ(p.Chart[body].Retrograde, marked) << "row " << i;
        const std::string plain(SanskritName(body));
        EXPECT_EQ(HouseName(p.Chart, body), marked ? plain + " (R) " : plain) << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Births, MarkRetrogradesTest, ::testing::ValuesIn(kMarkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MarkRetrogrades, NamesTheSanskritRows) {
    Program p;
    p.Birth.BirthYear = 2000;
    p.Birth.BirthMonth = 1;
    p.Birth.BirthDay = 1;
    MarkRetrogrades(p.Birth, p.Chart);
    EXPECT_EQ(HouseName(p.Chart, Body::Saturn), "Shani (R) ");
    EXPECT_EQ(HouseName(p.Chart, Body::Mercury), "Budha");
}

FormValues FormOn(int year, int month, int day) {
    FormValues v;
    v.Name = "Test";
    v.Year = year;
    v.Month = month;
    v.Day = day;
    v.Hour = 10;
    v.ZoneIndex = 34;
    v.LatDeg = "28";
    v.LatMin = "38";
    v.LonDeg = "77";
    v.LonMin = "12";
    v.City = "Delhi";
    v.State = "Delhi";
    v.Country = "India";
    return v;
}

int CountInHouses(const Program& p, std::string_view text) {
    int n = 0;
    for (const std::string& h : p.Texts.HouseTexts) {
        for (std::size_t at = h.find(text); at != std::string::npos; at = h.find(text, at + 1)) ++n;
    }
    return n;
}

TEST(ComputeChart, HousesShowTheMarkOnceAcrossRepeatedRuns) {
    Program p;
    RunCalculation(p, FormOn(2000, 3, 1));
    RunCalculation(p, FormOn(2000, 3, 1));
    EXPECT_EQ(p.Texts.BodyNames[2], "Budha (R) ");
    EXPECT_EQ(CountInHouses(p, "\r\nBudha (R) "), 1);
    EXPECT_EQ(CountInHouses(p, "(R)"), 1);

    RunCalculation(p, FormOn(2000, 3, 14));
    EXPECT_EQ(p.Texts.BodyNames[2], "Budha");
    EXPECT_EQ(CountInHouses(p, "(R)"), 0);
    EXPECT_EQ(CountInHouses(p, "\r\nBudha"), 1);
}

TEST(VelakorChart, PrintsRetroFlagsAfterHouseTexts) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::filesystem::path in = dir / "velakor_retro_in.jsonl";
    const std::filesystem::path out = dir / "velakor_retro_out.jsonl";
    {
        std::ofstream f(in);
        f << R"({"BirthName":"T","BirthCity":"Delhi","BirthState":"Delhi","BirthCountry":"India",)"
             R"("BirthDay":1,"BirthMonth":3,"BirthYear":2000,"BirthHour":10,"BirthMinute":0,"ZoneIndex":34,)"
             R"("LatDeg":28,"LatMin":38,"LonDeg":77,"LonMin":12,"LatSouth":false,"LonEast":true,)"
             R"("DaylightSaving":false})"
          << "\n";
    }
    const std::string command =
        std::string("\"") + VELAKOR_CHART_TOOL + "\" < \"" + in.string() + "\" > \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream f(out);
    const std::string line{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    std::filesystem::remove(in);
    std::filesystem::remove(out);
    EXPECT_NE(line.find(R"(\r\nBudha (R) )"), std::string::npos) << line;
    const std::string tail = R"(],"RetroFlags":[true,false,false,false,false],"Report":)";
    const std::size_t houses = line.find(R"("HouseTexts":[)");
    const std::size_t flags = line.find(tail);
    ASSERT_NE(houses, std::string::npos) << line;
    ASSERT_NE(flags, std::string::npos) << line;
    // No other key between the house texts and the flags: the next key after "HouseTexts"
    // is "RetroFlags" (its closing quote sits 13 characters into the tail).
    EXPECT_EQ(line.find("\":", houses + 13), flags + 13) << line;
}

}  // namespace
}  // namespace velakor
