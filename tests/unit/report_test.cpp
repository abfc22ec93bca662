// The text report: 26 lines byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Calculation.h"
#include "chart/NameTables.h"
#include "io/Report.h"

namespace velakor {
namespace {

FormValues SampleForm() {
    FormValues v;
    v.Name = "Sample Person";
    v.Day = 15;
    v.Month = 8;
    v.Year = 1947;
    v.Hour = 0;
    v.Minute = 0;
    v.ZoneIndex = 34;  // Indian Time, IST, +5.3
    v.LatDeg = "28";
    v.LatMin = "38";
    v.Latitude = Direction::First;
    v.LonDeg = "77";
    v.LonMin = "12";
    v.Longitude = Direction::First;
    v.City = "New Delhi";
    v.State = "Delhi";
    v.Country = "India";
    return v;
}

// 15 August 1947, 00:00 IST, 28N38 77E12, computed by the core.
const std::vector<std::string> kSampleReport = {
    "Name: Sample Person",
    "Date of Birth: August 15, 1947",
    "Time of Birth: 0 Hour 0 Minute",
    "Latitude: 28 Degree 38 Minute ",
    "Longitude: 77 Degree 12 Minute ",
    "City: New Delhi",
    "State: Delhi",
    "Country: India",
    "\r",
    "Planetary Position",
    "Sun 27 Can 59",
    "Moon 03 Can 59",
    "Mercury 13 Can 41",
    "Venus 22 Can 34",
    "Mars 07 Gem 28",
    "Jupiter 25 Lib 55",
    "Saturn 20 Can 27",
    "Rahu 04 Tau 09",
    "Ketu 04 Sco 09",
    "\r",
    "Ayanamsa: 23\xC2\xB0 7' 21\"",
    "Lagna / Asc: Vrishabha",
    "Nakshatra: Pushya",
    "Rashi / Moon Sign: Kataka",
    "Pada: 1",
    "Lord: Saturn",
};

TEST(Report, SampleChartLineForLine) {
    Program p;
    RunCalculation(p, SampleForm());
    const auto lines = ReportLines(p.Birth, p.Texts, EnglishMonthName(p.Birth.BirthMonth));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kReportLineCount));
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], kSampleReport[i]) << "line " << i + 1;
}

TEST(Report, FileHoldsCrCrLfAtTheBlankLinesAndCrLfElsewhere) {
    Program p;
    RunCalculation(p, SampleForm());
    const std::string bytes = ReportFileBytes(p.Birth, p.Texts, "August");
    std::string want;
    for (const auto& line : kSampleReport) want += line + "\r\n";
    EXPECT_EQ(bytes, want);
    EXPECT_NE(bytes.find("Country: India\r\n\r\r\nPlanetary Position\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Ketu 04 Sco 09\r\n\r\r\nAyanamsa: "), std::string::npos);
    EXPECT_NE(bytes.find("Minute \r\nLongitude: "), std::string::npos);
    EXPECT_NE(bytes.find("12 Minute \r\nCity: "), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 16), "\r\nLord: Saturn\r\n");
}

// Which field each line reads, shown with a hand-filled chart state whose texts all differ.
TEST(Report, LinesReadTheirOwnFields) {
    Program p;
    p.Birth.BirthName = " Two  Spaces ";
    p.Birth.BirthDay = 7;
    p.Birth.BirthYear = 2001;
    p.Birth.BirthHour = 24;
    p.Birth.BirthMinute = 5;
    p.Birth.LatDeg = 0;
    p.Birth.LatMin = 0;
    p.Birth.LonDeg = 180;
    p.Birth.LonMin = 0;
    p.Birth.BirthCity = "C";
    p.Birth.BirthState = "";
    p.Birth.BirthCountry = "K";
    for (int i = 0; i < kBodyCount; ++i) p.Texts.ChartPositions[i] = std::string("P").append(std::to_string(i));
    p.Texts.BodyNames[2] += " (R) ";  // the retrograde mark never reaches the report
    p.Texts.AyanamsaText = "A";
    p.Texts.LagnaSignName = "L";
    p.Texts.NakshatraText = "N";
    p.Texts.RashiText = "R";
    p.Texts.RashiText = "M";
    p.Texts.NakshatraPada = "4";
    p.Texts.NakshatraLord = "Lord";

    const auto lines = ReportLines(p.Birth, p.Texts, "Juli");
    ASSERT_EQ(lines.size(), 26u);
    struct Row {
        int line;  // from 1
        const char* text;
    };
    const std::vector<Row> rows = {
        {1, "Name:  Two  Spaces "},      {2, "Date of Birth: Juli 7, 2001"},
        {3, "Time of Birth: 24 Hour 5 Minute"}, {4, "Latitude: 0 Degree 0 Minute "},
        {5, "Longitude: 180 Degree 0 Minute "}, {6, "City: C"},
        {7, "State: "},                  {8, "Country: K"},
        {9, "\r"},                       {10, "Planetary Position"},
        {11, "Sun P0"},                  {13, "Mercury P2"},
        {19, "Ketu P8"},                 {20, "\r"},
        {21, "Ayanamsa: A"},             {22, "Lagna / Asc: L"},
        {23, "Nakshatra: N"},            {24, "Rashi / Moon Sign: M"},
        {25, "Pada: 4"},                 {26, "Lord: Lord"},
    };
    for (const Row& r : rows) EXPECT_EQ(lines[r.line - 1], r.text) << "line " << r.line;
}

TEST(Report, EnglishMonthNames) {
    struct Row {
        int month;
        const char* name;
    };
    const std::vector<Row> rows = {{1, "January"}, {2, "February"}, {9, "September"}, {12, "December"},
                                   {0, ""},        {13, ""},        {-1, ""}};
    for (const Row& r : rows) EXPECT_EQ(EnglishMonthName(r.month), r.name) << r.month;
}

#ifndef _WIN32
// velakor-chart gives the report as its last key, "Report".
TEST(Report, ChartToolEndsWithTheReport) {
    const std::string command = std::string(VELAKOR_CHART_TOOL) + " < " VELAKOR_TEST_DATA "/sample_record.jsonl";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    std::string want = ",\"Report\":[";
    for (std::size_t i = 0; i < kSampleReport.size(); ++i) {
        std::string escaped;
        for (char c : kSampleReport[i]) {
            if (c == '\r') escaped += "\\r";
            else if (c == '"') escaped += "\\\"";
            else escaped += c;
        }
        want += (i ? ",\"" : "\"") + escaped + "\"";
    }
    want += "]}\n";
    ASSERT_GE(out.size(), want.size());
    EXPECT_EQ(out.substr(out.size() - want.size()), want);
}
#endif

}  // namespace
}  // namespace velakor
