// velakor-chart end to end: JSON lines in, JSON lines out, exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "TestSupport.h"

namespace velakor {
namespace {

using nlohmann::json;

struct ToolRun {
    std::vector<json> lines;
    int exitCode = -1;
};

ToolRun RunTool(const std::string& input) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto inPath = dir / ("velakor_chart_in_" + std::to_string(::getpid()) + ".jsonl");
    {
        std::ofstream(inPath, std::ios::binary) << input;
    }
    const std::string command = std::string("\"") + VELAKOR_CHART_TOOL + "\" < \"" + inPath.string() + "\"";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::string out;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::filesystem::remove(inPath);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) run.lines.push_back(json::parse(line));
    return run;
}

json Record(int day, int month, int year, int hour, int minute, int zone, int latDeg, int latMin, bool south,
            int lonDeg, int lonMin, bool east, bool dst) {
    return json{{"BirthName", "Test Person"}, {"BirthCity", "City"},   {"BirthState", "State"},
                {"BirthCountry", "Country"},  {"BirthDay", day},       {"BirthMonth", month},
                {"BirthYear", year},          {"BirthHour", hour},     {"BirthMinute", minute},
                {"ZoneIndex", zone},          {"LatDeg", latDeg},      {"LatMin", latMin},
                {"LonDeg", lonDeg},           {"LonMin", lonMin},      {"LatSouth", south},
                {"LonEast", east},            {"DaylightSaving", dst}};
}

TEST(ChartTool, GoodLinesMatchTheCore) {
    const json india = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true, false);
    const json j2000 = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    const ToolRun run = RunTool(india.dump() + "\n\n" + j2000.dump() + "\r\n");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2u) << "the blank line is skipped";

    const Program p = test::Computed(test::Form(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true));
    const json& out = run.lines[0];
    EXPECT_EQ(out["AscendantText"], p.Chart.AscendantText);
    EXPECT_EQ(out["AscendantText"], test::Pos(7, 10, 40, "Tau"));
    EXPECT_EQ(out["MoonLongitudeText"], p.Chart.MoonLongitudeText);
    EXPECT_EQ(out["ChartPositions"].size(), 11u);
    EXPECT_EQ(out["ChartPositions"][0], p.Chart.ChartPositions[0]);
    EXPECT_EQ(out["PlanetPositionText"].size(), 6u);
    EXPECT_EQ(out["HouseSigns"][0], 2);
    EXPECT_EQ(out["HouseTexts"][0], "Asc\r\nRahu");
    EXPECT_EQ(out["NakshatraPada"], "1");
    EXPECT_EQ(out["LagnaSignName"], "Vrishabha");
    EXPECT_EQ(out["AyanamsaText"], p.Summary.AyanamsaText);
    EXPECT_EQ(run.lines[1]["RahuText"], test::Pos(10, 16, 6, "Can"));
    // Divisional signs 1..12 in body order, the ascendant last; the navamsa as published.
    const json& divisional = out["DivisionalSigns"];
    std::vector<std::string> keys;
    for (const auto& item : divisional.items()) keys.push_back(item.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"D10", "D12", "D2", "D3", "D7", "D9"}));
    for (const auto& item : divisional.items()) EXPECT_EQ(item.value().size(), 10u) << item.key();
    EXPECT_EQ(divisional["D9"], (std::vector<int>{12, 5, 8, 10, 9, 2, 10, 11, 5, 12}));
    EXPECT_EQ(divisional["D2"], (std::vector<int>{5, 4, 4, 5, 5, 4, 5, 4, 4, 4}));
    for (const char* key : {"ChartPositions", "PlanetPositionText", "MoonLongitudeText", "AscendantText",
                            "MidheavenText", "RahuText", "KetuText", "AyanamsaCorrectionText", "AyanamsaText",
                            "LagnaSignAbbrev", "LagnaSignName", "NakshatraText", "RashiText", "NakshatraLord",
                            "NakshatraPada", "HouseSigns", "HouseTexts"}) {
        EXPECT_TRUE(out.contains(key)) << key;
    }
}

TEST(ChartTool, ShowsTheMendedSky) {
    // Planets carried to the equinox of date; the rising (not setting) ascendant at Tromso.
    const json y1901 = Record(1, 1, 1901, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    const json tromso = Record(1, 6, 1985, 0, 0, test::kCentralEuropean, 69, 39, false, 18, 57, true, false);
    const ToolRun run = RunTool(y1901.dump() + "\n" + tromso.dump() + "\n");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0]["PlanetPositionText"][2], test::Pos(17, 56, 7, "Sag"));
    EXPECT_EQ(run.lines[1]["AscendantText"], test::Pos(2, 19, 39, "Tau"));
    EXPECT_EQ(run.lines[1]["LagnaSignAbbrev"], "Tau");
}

TEST(ChartTool, BadLinesReportAndTheRestGoesOn) {
    json missing = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    missing.erase("LonMin");
    json wrongType = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    wrongType["BirthDay"] = "1";
    json invalid = Record(31, 4, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    json farNorth = Record(1, 1, 2000, 12, 0, test::kGmt, 95, 0, false, 0, 0, false, false);
    json badZone = Record(1, 1, 2000, 12, 0, 71, 0, 0, false, 0, 0, false, false);
    json huge = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    huge["LonDeg"] = 18446744073709551615ULL;
    json noName = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    noName["BirthName"] = "";
    const json good = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);

    const std::string input = "not json\n[1,2]\n" + missing.dump() + "\n" + wrongType.dump() + "\n" +
                              invalid.dump() + "\n" + farNorth.dump() + "\n" + badZone.dump() + "\n" +
                              huge.dump() + "\n" + noName.dump() + "\n{\"BirthName\": \"\xff\"}\n" +
                              good.dump() + "\n";
    const ToolRun run = RunTool(input);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 11u);
    const std::vector<std::string> errors = {
        "the line is not valid JSON",
        "the line is not a JSON object",
        "missing key: LonMin",
        "key BirthDay must be an integer",
        "Please Enter Correct Date Or Month !",
        "Please Enter Latitude Between 0 And 90 Degrees",
        "key ZoneIndex must lie between 0 and 70",
        "Please Enter Longitude Between 0 And 180 Degrees",
        "Please Enter Your Name",
        "the line is not valid JSON",
    };
    for (std::size_t i = 0; i < errors.size(); ++i) {
        ASSERT_TRUE(run.lines[i].contains("error")) << i;
        EXPECT_EQ(run.lines[i]["error"], errors[i]) << i;
        EXPECT_EQ(run.lines[i].size(), 1u) << i;
    }
    EXPECT_FALSE(run.lines[10].contains("error"));
}

}  // namespace
}  // namespace velakor
