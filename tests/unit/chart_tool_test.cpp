// velakor-chart end to end: JSON lines in, JSON lines out, exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "JsonWriter.h"
#include "SmallDisk.h"
#include "TempFolder.h"
#include "TestSupport.h"
#include "chart/DivisionalCharts.h"
#include "dasha/DashaTree.h"
#include "io/Report.h"
#include "kp/SubLords.h"
#include "panchanga/Panchanga.h"
#include "strength/Ashtakavarga.h"
#include "astro/CivilTime.h"
#include "io/Report.h"
#include "transit/SaturnPeriods.h"
#include "transit/Transit.h"

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
    EXPECT_EQ(out["AscendantText"], p.Texts.AscendantText);
    EXPECT_EQ(out["AscendantText"], test::Pos(7, 10, 40, "Tau"));
    EXPECT_EQ(out["MoonLongitudeText"], p.Texts.MoonLongitudeText);
    EXPECT_EQ(out["ChartPositions"].size(), 11u);
    EXPECT_EQ(out["ChartPositions"][0], p.Texts.ChartPositions[0]);
    EXPECT_EQ(out["PlanetPositionText"].size(), 6u);
    EXPECT_EQ(out["HouseSigns"][0], 2);
    EXPECT_EQ(out["HouseTexts"][0], "Asc\r\nRahu");
    EXPECT_EQ(out["NakshatraPada"], "1");
    EXPECT_EQ(out["LagnaSignName"], "Vrishabha");
    EXPECT_EQ(out["AyanamsaText"], p.Texts.AyanamsaText);
    EXPECT_EQ(run.lines[1]["RahuText"], test::Pos(10, 16, 6, "Can"));
    // Divisional signs 1..12 in body order, the ascendant last; the navamsa as published.
    const json& divisional = out["DivisionalSigns"];
    std::vector<std::string> keys;
    for (const auto& item : divisional.items()) keys.push_back(item.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"D1", "D10", "D12", "D16", "D2", "D20", "D24", "D27", "D3", "D30",
                                              "D4", "D40", "D45", "D60", "D7", "D9"}));
    const VargaSigns vargas = AllVargas(p.Chart);
    for (std::size_t v = 0; v < kVargas.size(); ++v)
        EXPECT_EQ(divisional[std::string(kVargas[v].Key)], test::SignNumbers(vargas[v])) << kVargas[v].Key;
    EXPECT_EQ(divisional["D9"], (std::vector<int>{12, 5, 8, 10, 9, 2, 10, 11, 5, 12}));
    EXPECT_EQ(divisional["D2"], (std::vector<int>{5, 4, 4, 5, 5, 4, 5, 4, 4, 4}));
    // The ashtakavarga: each planet's points by sign from Aries, then their sum.
    const json& points = out["Ashtakavarga"];
    keys.clear();
    for (const auto& item : points.items()) keys.push_back(item.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"Jupiter", "Mars", "Mercury", "Moon", "Sarva", "Saturn", "Sun", "Venus"}));
    const Ashtakavarga a = ComputeAshtakavarga(p.Chart);
    EXPECT_EQ(points["Jupiter"], a.Bhinna[4]);
    EXPECT_EQ(points["Sarva"], a.Sarva);
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

TEST(ChartTool, SkyKeysChooseTheSky) {
    const json base = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true, false);
    const struct {
        const char* name;
        json keys;
        std::string error;  // empty: a chart of that sky, which the answer names
        SkyChoice choice;
    } rows[] = {
        {"Builtin", {{"Positions", "builtin"}}, "", {}},
        {"Precise", {{"Positions", "precise"}}, "", {SkyPositions::Precise, SkyAyanamsa::Lahiri, SkyNode::Mean}},
        {"PreciseKpTrue", {{"Positions", "precise"}, {"Ayanamsa", "KP"}, {"Node", "True"}}, "",
         {SkyPositions::Precise, SkyAyanamsa::Krishnamurti, SkyNode::True}},
        {"PreciseRaman", {{"Positions", "precise"}, {"Ayanamsa", "Raman"}, {"Node", "Mean"}}, "",
         {SkyPositions::Precise, SkyAyanamsa::Raman, SkyNode::Mean}},
        {"PreciseChitra", {{"Positions", "precise"}, {"Ayanamsa", "TrueChitra"}}, "",
         {SkyPositions::Precise, SkyAyanamsa::TrueChitra, SkyNode::Mean}},
        {"UnknownPositions", {{"Positions", "jpl"}}, "key Positions must be one of \"builtin\", \"precise\"", {}},
        {"UnknownAyanamsa", {{"Positions", "precise"}, {"Ayanamsa", "Lahiri "}},
         "key Ayanamsa must be one of \"Lahiri\", \"Raman\", \"KP\", \"TrueChitra\"", {}},
        {"NodeNotText", {{"Positions", "precise"}, {"Node", true}}, "key Node must be one of \"Mean\", \"True\"", {}},
        {"AyanamsaOfBuiltin", {{"Ayanamsa", "Lahiri"}}, "key Ayanamsa needs \"Positions\": \"precise\"", {}},
        {"NodeOfBuiltin", {{"Positions", "builtin"}, {"Node", "Mean"}}, "key Node needs \"Positions\": \"precise\"", {}},
    };
    std::string input;
    for (const auto& row : rows) {
        json line = base;
        line.update(row.keys);
        input += line.dump() + "\n";
    }
    const ToolRun run = RunTool(input);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        const json& out = run.lines[i];
        if (!row.error.empty()) {
            EXPECT_EQ(out, json({{"error", row.error}})) << row.name;
            continue;
        }
        Program p;
        p.SkyInUse = row.choice;
        RunCalculation(p, test::Form(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true));
        EXPECT_EQ(out["ChartPositions"][1], p.Texts.ChartPositions[1]) << row.name;
        EXPECT_EQ(out["RahuText"], p.Texts.RahuText) << row.name;
        EXPECT_EQ(out["AyanamsaText"], p.Texts.AyanamsaText) << row.name;
        EXPECT_EQ(out["Sky"]["Positions"], row.choice.Positions == SkyPositions::Precise ? "precise" : "builtin") << row.name;
        if (row.choice.Positions == SkyPositions::Precise) {
            EXPECT_EQ(out["Sky"]["Ayanamsa"], row.keys.value("Ayanamsa", "Lahiri")) << row.name;
            EXPECT_EQ(out["Sky"]["Node"], row.keys.value("Node", "Mean")) << row.name;
        }
    }
}

// The answers are written as text as they are made: every text and number comes out as the
// JSON library writes it, escapes and replaced bytes included.
TEST(ChartTool, AnswerTextIsTheLibrarysText) {
    std::string controls;
    for (char c = 0; c < 0x20; ++c) controls += c;
    const std::string texts[] = {
        "", "plain", "quote \" and backslash \\", controls, "DEL \x7f", "20\xC2\xB0 7' 30\" Lib",
        "Asc\r\nSun (R) \r\n", "dash \xE2\x80\x94 and \xF0\x9F\x98\x80",
        "overlong \xC0\x80", "surrogate \xED\xA0\x80", "lone \x80 byte", "cut \xE2\x82", "beyond \xF5\x80\x80\x80",
        "last byte cut \xC3",
    };
    for (const std::string& text : texts) {
        std::string written;
        velakor::JsonWriter(written).String(text);
        EXPECT_EQ(written, nlohmann::ordered_json(text).dump(-1, ' ', false, json::error_handler_t::replace))
            << testing::PrintToString(text);
    }
    std::string written;
    velakor::JsonWriter out(written);
    out.BeginObject();
    out.Key("YearDays").Number(360.0);
    out.Key("Small").Number(1e-5);
    out.Key("Counts").Integers(std::vector<std::int64_t>{0, 9, 10, 99, 100, -1, INT64_MIN, INT64_MAX});
    out.Key("Empty").BeginArray();
    out.EndArray();
    out.Key("Nested").BeginObject();
    out.Key("Flag").Boolean(false);
    out.Key("Nothing").Null();
    out.EndObject();
    out.EndObject();
    const nlohmann::ordered_json same = {
        {"YearDays", 360.0}, {"Small", 1e-5}, {"Counts", {0, 9, 10, 99, 100, -1, INT64_MIN, INT64_MAX}},
        {"Empty", json::array()}, {"Nested", {{"Flag", false}, {"Nothing", nullptr}}}};
    EXPECT_EQ(written, same.dump());
}

TEST(ChartTool, BadLinesReportAndTheRestGoesOn) {
    json missing = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    missing.erase("LonMin");
    json wrongType = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    wrongType["BirthDay"] = "1";
    json invalid = Record(31, 4, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    json farNorth = Record(1, 1, 2000, 12, 0, test::kGmt, 95, 0, false, 0, 0, false, false);
    json badZone = Record(1, 1, 2000, 12, 0, kZoneCount, 0, 0, false, 0, 0, false, false);
    json huge = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    huge["LonDeg"] = 18446744073709551615ULL;
    json noName = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    noName["BirthName"] = "";
    const json good = Record(1, 1, 2000, 12, 0, test::kGmt, 0, 0, false, 0, 0, false, false);
    // Integers just beyond 64 bits, either way, and a bracket more than a record can nest.
    auto withText = [&](const std::string& from, const std::string& to) {
        std::string line = good.dump();
        return line.replace(line.find(from), from.size(), to);
    };
    const std::string dayBeyond = withText("\"BirthDay\":1", "\"BirthDay\":18446744073709551616");
    const std::string minutesBeyond = withText("\"LatMin\":0", "\"LatMin\":-9223372036854775809");
    const std::string dayFraction = withText("\"BirthDay\":1", "\"BirthDay\":1.0");
    const std::string deep = std::string(9, '[') + std::string(9, ']');
    const std::string idText = withText("{", "{\"Id\":\"7\",");
    const std::string idBeyond = withText("{", "{\"Id\":18446744073709551616,");

    const std::string input = "not json\n[1,2]\n" + missing.dump() + "\n" + wrongType.dump() + "\n" +
                              invalid.dump() + "\n" + farNorth.dump() + "\n" + badZone.dump() + "\n" +
                              huge.dump() + "\n" + noName.dump() + "\n{\"BirthName\": \"\xff\"}\n" + dayBeyond +
                              "\n" + minutesBeyond + "\n" + dayFraction + "\n" + deep + "\n" + idText + "\n" + idBeyond + "\n" + good.dump() + "\n";
    const ToolRun run = RunTool(input);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 17u);
    const std::vector<std::string> errors = {
        "the line is not valid JSON",
        "the line is not a JSON object",
        "missing key: LonMin",
        "key BirthDay must be an integer",
        "Please Enter Correct Date Or Month !",
        "Please Enter Latitude Between 0 And 90 Degrees",
        "key ZoneIndex must lie between 0 and 110",
        "Please Enter Longitude Between 0 And 180 Degrees",
        "Please Enter Your Name",
        "the line is not valid JSON",
        "key BirthDay must lie between 1 and 31",
        "Please Enter Minutes of Latitude Between 0 And 59",
        "key BirthDay must be an integer",
        "the line nests deeper than a birth record",
        "key Id must be an integer",
        "key Id must lie between -9223372036854775808 and 18446744073709551615",
    };
    for (std::size_t i = 0; i < errors.size(); ++i) {
        ASSERT_TRUE(run.lines[i].contains("error")) << i;
        EXPECT_EQ(run.lines[i]["error"], errors[i]) << i;
        EXPECT_EQ(run.lines[i].size(), 1u) << i;
    }
    EXPECT_FALSE(run.lines.back().contains("error"));
}

// A record with its partner gets its own answer unchanged and then Matching, the partner's
// chart computed in the record's sky; the roles decide who is the bride. The couple is the one
// worked by hand in matching_test.cpp.
TEST(ChartTool, PartnerAndRoleGiveTheMatching) {
    const json groom = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 38, false, 77, 12, true, false);
    const json bride = Record(2, 10, 1969, 7, 30, test::kIndian, 19, 4, false, 72, 52, true, false);
    auto with = [](json record, const json& partner, const char* role) {
        record["Partner"] = partner;
        record["Role"] = role;
        return record;
    };
    json farNorth = bride;
    farNorth["LatDeg"] = 99;
    json partnerSky = bride;
    partnerSky["Positions"] = "precise";
    json roleOnly = groom;
    roleOnly["Role"] = "Groom";
    std::string input = groom.dump() + "\n" + with(groom, bride, "Groom").dump() + "\n" +
                        with(bride, groom, "Bride").dump() + "\n" + with(groom, bride, "Bride").dump() + "\n" +
                        with(groom, farNorth, "Groom").dump() + "\n" + with(groom, partnerSky, "Groom").dump() + "\n" +
                        roleOnly.dump() + "\n" + with(groom, bride, "Husband").dump() + "\n";
    // What the answer adds beyond a chart is the record's own, never the partner's.
    const std::pair<const char*, json> ownKeys[] = {
        {"TransitAt", "2026-12-07T12:00:00+05:30"}, {"SaturnPeriods", true}, {"Id", 7}};
    for (const auto& [key, value] : ownKeys) {
        json partner = bride;
        partner[key] = value;
        input += with(groom, partner, "Groom").dump() + "\n";
    }
    const ToolRun run = RunTool(input);
    ASSERT_EQ(run.lines.size(), 8u + std::size(ownKeys));
    const json expected = json::parse(R"({"Varna": 1, "Vasya": 0, "Tara": 1.5, "Yoni": 2, "Maitri": 1, "Gana": 6,
        "Bhakoot": 0, "Nadi": 0, "Total": 11.5,
        "Manglik": {"Bride": {"FromLagna": 4, "FromMoon": 7, "FromVenus": 5, "Manglik": true},
                    "Groom": {"FromLagna": 2, "FromMoon": 12, "FromVenus": 12, "Manglik": true}}})");
    // The keys in the issue's order, Matching last, and the chart's own answer as it was.
    EXPECT_EQ(run.lines[1]["Matching"].dump(), expected.dump());
    json own = run.lines[1];
    own.erase("Matching");
    EXPECT_EQ(own, run.lines[0]);
    EXPECT_EQ(run.lines[2]["Matching"], expected);  // the same couple asked from the bride's record
    EXPECT_EQ(run.lines[3]["Matching"]["Varna"], 0);  // the roles turned round: her varna is the higher
    EXPECT_EQ(run.lines[3]["Matching"]["Manglik"]["Bride"], expected["Manglik"]["Groom"]);
    EXPECT_EQ(run.lines[4], json({{"error", "Partner: Please Enter Latitude Between 0 And 90 Degrees"}}));
    EXPECT_EQ(run.lines[5], json({{"error", "Partner: key Positions is the record's own, not the partner's"}}));
    EXPECT_EQ(run.lines[6], json({{"error", "key Role needs Partner"}}));
    EXPECT_EQ(run.lines[7], json({{"error", "key Role must be \"Bride\" or \"Groom\""}}));
    for (std::size_t i = 0; i < std::size(ownKeys); ++i) {
        EXPECT_EQ(run.lines[8 + i],
                  json({{"error", std::string("Partner: key ") + ownKeys[i].first + " is the record's own, not the partner's"}}));
    }
    EXPECT_EQ(run.exitCode, 1);
}

// Runs the tool with its standard input fed through a pipe: first, then `fill` bytes of one
// line written a piece at a time, then last. Gives its output lines and its peak memory.
struct PipedRun {
    std::vector<json> lines;
    long peakKiB = -1;
};

PipedRun RunToolThroughPipe(const std::string& first, std::size_t fill, const std::string& last) {
    PipedRun run;
    int in[2], out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0) return run;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        for (int fd : {in[0], in[1], out[0], out[1]}) ::close(fd);
        ::execl(VELAKOR_CHART_TOOL, VELAKOR_CHART_TOOL, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    auto writeAll = [&](const std::string& bytes) {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(in[1], bytes.data() + done, bytes.size() - done);
            if (n <= 0) return;
            done += static_cast<std::size_t>(n);
        }
    };
    // The tool's whole output is a few kilobytes: the pipe holds it until it is read below.
    writeAll(first);
    const std::string piece(std::size_t{1} << 20, 'x');
    for (std::size_t done = 0; done < fill; done += piece.size()) writeAll(piece.substr(0, fill - done));
    writeAll(last);
    ::close(in[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
    ::close(out[0]);
    rusage usage{};
    int status = 0;
    if (::wait4(pid, &status, 0, &usage) != pid) return run;
    run.peakKiB = usage.ru_maxrss;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) run.lines.push_back(json::parse(line));
    return run;
}

TEST(ChartTool, OverlongLineIsSkippedWithoutBeingHeld) {
    std::signal(SIGPIPE, SIG_IGN);  // a tool that dies early fails the test, not the test binary
    const std::string good = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true, false).dump();
    const PipedRun plain = RunToolThroughPipe(good + "\n", 0, good + "\n");
    const PipedRun overlong = RunToolThroughPipe(good + "\n{\"BirthName\": \"", std::size_t{64} << 20, "\"}\n" + good);
    ASSERT_EQ(plain.lines.size(), 2u);
    ASSERT_EQ(overlong.lines.size(), 3u);
    EXPECT_EQ(overlong.lines[0], plain.lines[0]);
    EXPECT_EQ(overlong.lines[1], json({{"error", "the line is longer than 1048576 bytes"}}));
    EXPECT_EQ(overlong.lines[2], plain.lines[1]);
    // The 64 MiB line costs at most a few MiB over a run without it.
    ASSERT_GT(plain.peakKiB, 0);
    EXPECT_LT(overlong.peakKiB, plain.peakKiB + 8 * 1024) << "peak " << overlong.peakKiB << " KiB";
}

TEST(ChartTool, PlaceGivesCoordinatesZoneAndBox) {
    json pune{{"BirthName", "Ravi Kumar"}, {"BirthDay", 15}, {"BirthMonth", 8}, {"BirthYear", 1947},
              {"BirthHour", 0}, {"BirthMinute", 0}, {"Place", "Pun"}};
    json london = pune;
    london["Place"] = "london, united kingdom";
    london["BirthMonth"] = 7;
    london["BirthYear"] = 1990;
    london["BirthCity"] = "Home";
    json kathmandu = pune;
    kathmandu["Place"] = "Kathmandu";
    kathmandu["BirthYear"] = 1990;
    json nowhere = pune;
    nowhere["Place"] = "Xqzvw";
    json both = pune;
    both["ZoneIndex"] = test::kIndian;
    // The list's first row (UTC-9) in Delhi: answered, with the question the program asks.
    const json farZone = Record(10, 5, 1990, 9, 0, 0, 28, 38, false, 77, 12, true, false);
    const ToolRun run = RunTool(pune.dump() + "\n" + london.dump() + "\n" + kathmandu.dump() + "\n" +
                                nowhere.dump() + "\n" + both.dump() + "\n" + farZone.dump() + "\n");
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 6u);

    // The chart is the one of the same record typed by hand: 18 N 31, 73 E 51, Indian time.
    FormValues byHand = test::Form(15, 8, 1947, 0, 0, test::kIndian, 18, 31, false, 73, 51, true);
    byHand.Name = "Ravi Kumar";
    byHand.City = "Pune";
    byHand.State = "Maharashtra";
    byHand.Country = "India";
    const Program p = test::Computed(byHand);
    const json& out = run.lines[0];
    EXPECT_EQ(out["AscendantText"], p.Texts.AscendantText);
    EXPECT_EQ(out["Report"], json(ReportLines(p.Birth, p.Texts, "August")));
    EXPECT_EQ(out["PlaceFound"],
              json::parse(R"({"City": "Pune", "State": "Maharashtra", "Country": "India",
                  "TimeZone": "Asia/Kolkata", "UtcOffsetMinutes": 330, "ZoneIndex": 34, "DaylightSaving": false,
                  "Note": "Asia/Kolkata on 15 August 1947 at 0:00: UTC+05:30, standard time; before 1970 the city may have kept its own clock: check the clock time of the birth certificate"})"));
    EXPECT_FALSE(out.contains("ZoneWarning"));

    // Summer in London: Greenwich time and the box; a city given stays as given.
    EXPECT_EQ(run.lines[1]["PlaceFound"]["ZoneIndex"], test::kGmt);
    EXPECT_EQ(run.lines[1]["PlaceFound"]["DaylightSaving"], true);
    EXPECT_EQ(run.lines[1]["PlaceFound"]["UtcOffsetMinutes"], 60);
    EXPECT_EQ(run.lines[1]["Report"][5], "City: Home");
    EXPECT_EQ(run.lines[1]["Report"][7], "Country: United Kingdom");

    // Nepal's +5:45 has a row of its own.
    EXPECT_EQ(run.lines[2]["PlaceFound"]["ZoneIndex"], 99);
    EXPECT_EQ(run.lines[2]["PlaceFound"]["UtcOffsetMinutes"], 345);
    EXPECT_EQ(run.lines[3]["error"], "place not found: Xqzvw");
    EXPECT_EQ(run.lines[4]["error"], "key ZoneIndex cannot be given with Place");
    EXPECT_TRUE(run.lines[5].contains("AscendantText"));
    EXPECT_EQ(run.lines[5]["ZoneWarning"],
              "The time zone UTC-09:00 is 14 hours from the local time of longitude 77°12' E (about UTC+05:09). "
              "Cast the chart with this zone?");
}

TEST(ChartTool, DashaAndPanchangaInEveryChart) {
    struct Row {
        const char* name;
        json keys;
        int levels;         // 0: the line is refused
        double yearDays;
        const char* error;  // when refused
    };
    const Row rows[] = {
        {"defaults", json::object(), 2, 365.25, ""},
        {"threeLevelsSavanaLimb", {{"DashaLevels", 3}, {"DashaYear", 360}, {"SunriseRule", "limb"}}, 3, 360.0, ""},
        {"oneLevelTropical", {{"DashaLevels", 1}, {"DashaYear", 365.2422}}, 1, 365.2422, ""},
        {"levelsOutOfRange", {{"DashaLevels", 4}}, 0, 0, "key DashaLevels must lie between 1 and 3"},
        {"yearNotOffered", {{"DashaYear", 365}}, 0, 0, "key DashaYear must be 365.25, 365.2422 or 360"},
        {"ruleUnknown", {{"SunriseRule", "upper"}}, 0, 0, "key SunriseRule must be \"centre\" or \"limb\""},
        {"ramanTable", {{"AshtakavargaTable", "Raman"}}, 2, 365.25, ""},
        {"tableUnknown", {{"AshtakavargaTable", "BPHS"}}, 0, 0, "key AshtakavargaTable must be \"Parashara\" or \"Raman\""},
        {"english", {{"Language", "en"}}, 2, 365.25, ""},
        {"hindi", {{"Language", "hi"}}, 2, 365.25, ""},
        {"tamil", {{"Language", "ta"}}, 2, 365.25, ""},
        {"languageUnknown", {{"Language", "de"}}, 0, 0, "key Language must be \"en\", \"hi\" or \"ta\""},
        {"languageNotText", {{"Language", 1}}, 0, 0, "key Language must be \"en\", \"hi\" or \"ta\""},
    };
    std::string input;
    for (const Row& r : rows) {
        json line = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 37, false, 77, 12, true, false);
        line.update(r.keys);
        input += line.dump() + "\n";
    }
    // Inside the Arctic circle on the first of June: a polar day.
    input += Record(1, 6, 1985, 0, 0, test::kCentralEuropean, 69, 39, false, 18, 57, true, false).dump() + "\n";
    const ToolRun run = RunTool(input);
    ASSERT_EQ(run.lines.size(), std::size(rows) + 1);

    const Program delhi = test::Computed(test::Form(15, 8, 1947, 0, 0, test::kIndian, 28, 37, false, 77, 12, true));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const json& out = run.lines[i];
        if (r.levels == 0) {
            EXPECT_EQ(out.value("error", ""), r.error) << r.name;
            continue;
        }
        // The table asked for, named; the Moon's row is Raman's here (the Moon and Mars stand
        // in different signs), and a line without the key gets the answer it always got.
        const bool raman = r.keys.contains("AshtakavargaTable");
        const Ashtakavarga points = ComputeAshtakavarga(delhi.Chart, raman ? AshtakavargaTable::Raman : AshtakavargaTable::Parashara);
        EXPECT_EQ(out["Ashtakavarga"]["Moon"], json(points.Bhinna[1])) << r.name;
        EXPECT_EQ(out["Ashtakavarga"].value("Table", ""), raman ? "Raman" : "") << r.name;
        if (raman) {
            EXPECT_NE(points.Bhinna[1], ComputeAshtakavarga(delhi.Chart).Bhinna[1]);
        }
        const json& dasha = out["Dasha"];
        EXPECT_EQ(dasha["YearDays"], r.yearDays) << r.name;
        const json& maha = dasha["Periods"];
        ASSERT_EQ(maha.size(), 9u) << r.name;
        EXPECT_EQ(dasha["Balance"]["Lord"], maha[0]["Lord"]) << r.name;
        EXPECT_LT(maha[0]["Start"].get<std::string>(), "1947-08-15T00:00:00+05:30") << "starts before the birth";
        EXPECT_GT(maha[0]["End"].get<std::string>(), "1947-08-15T00:00:00+05:30") << r.name;
        for (std::size_t m = 1; m < 9; ++m) EXPECT_EQ(maha[m]["Start"], maha[m - 1]["End"]) << r.name << m;
        EXPECT_EQ(maha[0]["Start"].get<std::string>().size(), 25u) << "ISO 8601 with the birth's offset";
        EXPECT_EQ(maha[3]["End"].get<std::string>().substr(19), "+05:30");
        // The levels asked for, each opening with its parent's lord.
        EXPECT_EQ(maha[2].contains("Periods"), r.levels >= 2) << r.name;
        if (r.levels >= 2) {
            EXPECT_EQ(maha[2]["Periods"][0]["Lord"], maha[2]["Lord"]);
            EXPECT_EQ(maha[2]["Periods"][0]["Start"], maha[2]["Start"]);
            EXPECT_EQ(maha[2]["Periods"][8]["End"], maha[2]["End"]);
            EXPECT_EQ(maha[2]["Periods"][4].contains("Periods"), r.levels == 3) << r.name;
        }

        // In Hindi and Tamil the names are the vocabulary's; every other field is as in English.
        const Language lang = *LanguageOfCode(r.keys.value("Language", "en"));
        if (r.keys.contains("Language")) {
            json names = out, english = run.lines[0];
            for (json* a : {&names, &english}) {
                for (const char* key : {"LagnaSignName", "NakshatraText", "RashiText", "NakshatraLord", "Dasha", "Panchanga"})
                    a->erase(key);
            }
            EXPECT_EQ(names, english) << r.name;
            if (lang == Language::English) {
                EXPECT_EQ(out, run.lines[0]) << r.name;
            } else {
                EXPECT_EQ(out["RashiText"], Name(delhi.Chart[Body::Moon].Rashi, lang)) << r.name;
            }
        }
        for (std::size_t m = 0; m < 9; ++m) {
            const PeriodLord lord = ComputeDashaTree(DashaSystem::Vimshottari, delhi.Chart, r.yearDays).Periods[m].Lord;
            EXPECT_EQ(maha[m]["Lord"], PeriodLordName(lord, lang)) << r.name << m;
        }

        // Midnight belongs to the weekday before (15 August 1947 was a Friday).
        const json& pan = out["Panchanga"];
        EXPECT_EQ(pan["Vara"], (json{{"Number", 5}, {"Name", VaraName(4, lang)}})) << r.name;
        // The centre of the disc rises at 5:53:39, the upper limb with refraction at 5:49.
        EXPECT_EQ(pan["Sunrise"].get<std::string>().substr(0, 16),
                  r.keys.contains("SunriseRule") ? "1947-08-15T05:49" : "1947-08-15T05:53") << r.name;
        EXPECT_FALSE(pan.contains("Note"));
        for (const char* limb : {"Tithi", "Nakshatra", "Yoga", "Karana"}) {
            EXPECT_GT(pan[limb]["Ends"].get<std::string>(), "1947-08-15T00:00:00+05:30") << limb;
            EXPECT_TRUE(pan[limb]["Name"].is_string()) << limb;
        }
        EXPECT_EQ(pan["Tithi"]["Paksha"], PakshaName(pan["Tithi"]["Number"].get<int>() - 1, lang)) << r.name;
        EXPECT_EQ(pan["Karana"]["Name"], KaranaName(pan["Karana"]["Number"].get<int>() - 1, lang)) << r.name;
    }
    const json& polar = run.lines.back()["Panchanga"];
    EXPECT_TRUE(polar["Sunrise"].is_null());
    EXPECT_TRUE(polar["Sunset"].is_null());
    EXPECT_EQ(polar["Note"], "The Sun does not set on this day.");
}

TEST(ChartTool, DashaSystemNamesItselfAndItsVariant) {
    struct Row {
        const char* name;
        json system;
        const char* error;  // empty: answered
    };
    const char* kError =
        "key DashaSystem must be \"vimshottari\", \"yogini\", \"ashtottari\", \"kalachakra\" or \"narayana\"";
    const Row rows[] = {
        {"vimshottari", "vimshottari", ""}, {"yogini", "yogini", ""},     {"ashtottari", "ashtottari", ""},
        {"kalachakra", "kalachakra", ""},   {"narayana", "narayana", ""}, {"capitalised", "Yogini", kError},
        {"number", 2, kError},
    };
    const json birth = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 38, false, 77, 12, true, false);
    std::string input = birth.dump() + "\n";
    for (const Row& r : rows) {
        json line = birth;
        line["DashaSystem"] = r.system;
        line["TransitAt"] = "2026-12-07T12:00:00+05:30";
        input += line.dump() + "\n";
    }
    const ToolRun run = RunTool(input);
    ASSERT_EQ(run.lines.size(), std::size(rows) + 1);
    EXPECT_FALSE(run.lines[0]["Dasha"].contains("System")) << "a line without the key is answered as it always was";

    const Program p = test::Computed(test::DelhiForm());
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const json& out = run.lines[i + 1];
        if (*r.error) {
            EXPECT_EQ(out, json({{"error", r.error}})) << r.name;
            continue;
        }
        const DashaSystem system = static_cast<DashaSystem>(i);
        const DashaTree tree = ComputeDashaTree(system, p.Chart, kDashaYearJulian);
        const json& dasha = out["Dasha"];
        EXPECT_EQ(dasha["System"], std::string(DashaSystemName(system))) << r.name;
        EXPECT_EQ(dasha["Variant"], std::string(DashaVariantText(system))) << r.name;
        EXPECT_EQ(dasha.contains("ConditionMet"), system == DashaSystem::Ashtottari) << r.name;
        const char* lordKey = IsSignDasha(system) ? "Sign" : "Lord";
        EXPECT_EQ(dasha["Balance"][lordKey], std::string(PeriodLordName(tree.Periods[0].Lord))) << r.name;
        const json& periods = dasha["Periods"];
        ASSERT_EQ(periods.size(), tree.Periods.size()) << r.name;
        for (std::size_t m = 0; m < periods.size(); ++m) {
            EXPECT_EQ(periods[m][lordKey], std::string(PeriodLordName(tree.Periods[m].Lord))) << r.name << m;
            EXPECT_EQ(periods[m]["End"], IsoMoment(tree.Periods[m].EndJd, 330)) << r.name << m;
            EXPECT_EQ(periods[m]["Periods"].size(), static_cast<std::size_t>(SubPeriods(tree, tree.Periods[m]).Count));
        }
        if (system == DashaSystem::Vimshottari) {
            EXPECT_EQ(periods, run.lines[0]["Dasha"]["Periods"]) << "the same periods, named or not";
        }
        EXPECT_EQ(periods[0].contains("Yogini"), system == DashaSystem::Yogini) << r.name;
        // The transit's running periods are the chosen system's.
        const auto running = RunningPeriodsAt(tree, JdFromCivil(2026, 12, 7, 12.0, 330));
        ASSERT_TRUE(running) << r.name;
        EXPECT_EQ(out["Transit"]["Dasha"],
                  json({PeriodLordName(running->Maha.Lord), PeriodLordName(running->Antar.Lord),
                        PeriodLordName(running->Pratyantar.Lord)}))
            << r.name;
    }
}

TEST(ChartTool, TransitAtAndSaturnPeriods) {
    struct Row {
        const char* name;
        json keys;
        const char* error;  // empty: answered
    };
    const Row rows[] = {
        {"transitAndPeriods", {{"TransitAt", "2026-12-07T06:30:00Z"}, {"SaturnPeriods", true}}, ""},
        {"offsetOtherThanTheBirths", {{"TransitAt", "2026-12-07T01:30:00-05:00"}}, ""},
        {"noSeconds", {{"TransitAt", "2026-12-07T12:00+05:30"}}, ""},
        {"noOffset", {{"TransitAt", "2026-12-07T12:00:00"}},
         "key TransitAt must be an ISO 8601 moment with its offset, such as \"2026-12-07T12:00:00+05:30\""},
        {"space", {{"TransitAt", "2026-12-07 12:00:00+05:30"}},
         "key TransitAt must be an ISO 8601 moment with its offset, such as \"2026-12-07T12:00:00+05:30\""},
        {"thirtyFirstOfNovember", {{"TransitAt", "2026-11-31T12:00:00+05:30"}},
         "key TransitAt must be an ISO 8601 moment with its offset, such as \"2026-12-07T12:00:00+05:30\""},
        {"number", {{"TransitAt", 2461382.0}},
         "key TransitAt must be an ISO 8601 moment with its offset, such as \"2026-12-07T12:00:00+05:30\""},
        {"pastTheTables", {{"TransitAt", "2151-03-01T12:00:00+05:30"}},
         "key TransitAt: The precise sky's tables run from 1900 to 2150: nothing can be computed for 2151-03-01."},
        {"theSpansEnd", {{"TransitAt", "2151-01-01T00:00Z"}},
         "key TransitAt: The precise sky's tables run from 1900 to 2150: nothing can be computed for 2151-01-01."},
        {"periodsNotBoolean", {{"SaturnPeriods", "yes"}}, "key SaturnPeriods must be a boolean"},
    };
    std::string input;
    for (const Row& r : rows) {
        json line = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 38, false, 77, 12, true, false);
        line.update(r.keys);
        input += line.dump() + "\n";
    }
    const ToolRun run = RunTool(input);
    ASSERT_EQ(run.lines.size(), std::size(rows));

    // The core's transit of the same chart at the same moment, in the precise sky.
    const Program p = test::Computed(test::DelhiForm());
    SkyChoice precise;
    precise.Positions = SkyPositions::Precise;
    const auto sky = MakeSky(precise);
    const double at = JdFromCivil(2026, 12, 7, 12.0, 330);
    const auto core = TransitAt(*sky, p.Chart, at);
    ASSERT_TRUE(core);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const json& out = run.lines[i];
        if (*r.error) {
            EXPECT_EQ(out, json({{"error", r.error}})) << r.name;
            continue;
        }
        const json& t = out["Transit"];
        EXPECT_EQ(t["At"], "2026-12-07T12:00:00+05:30") << r.name << ": the moment on the birth's clock";
        ASSERT_EQ(t["Bodies"].size(), 9u) << r.name;
        for (std::size_t b = 0; b < 9; ++b) {
            const TransitBody& want = core->Bodies[b];
            const json& got = t["Bodies"][b];
            EXPECT_EQ(got["Body"], std::string(EnglishName(want.Which))) << r.name;
            EXPECT_NEAR(got["Longitude"].get<double>(), want.Longitude, 1e-9) << r.name << b;
            EXPECT_EQ(got["Sign"], SignNumber(want.Rashi)) << r.name << b;
            EXPECT_EQ(got["Nakshatra"], NakshatraIndex(want.Star) + 1) << r.name << b;
            EXPECT_EQ(got["Pada"], want.Pada) << r.name << b;
            EXPECT_EQ(got["House"], want.House) << r.name << b;
            EXPECT_EQ(got["FromMoon"], want.FromMoon) << r.name << b;
            EXPECT_EQ(got["Retrograde"], want.Retrograde) << r.name << b;
            EXPECT_EQ(got["Leaves"], IsoMoment(*want.LeavesJd, 330)) << r.name << b;
        }
        EXPECT_EQ(t["Dasha"], json({"Mars", "Rahu", "Venus"})) << r.name;
        EXPECT_EQ(out.contains("SaturnPeriods"), r.keys.contains("SaturnPeriods")) << r.name;
    }
    const json& periods = run.lines[0]["SaturnPeriods"];
    const auto want = SaturnPeriods(*sky, p.Chart[Body::Moon].Rashi, p.Chart.JdUt, p.Chart.JdUt + kSaturnPeriodsSpanDays);
    ASSERT_EQ(periods.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(periods[i]["Phase"], std::string(SaturnPhaseName(want[i].Phase))) << i;
        EXPECT_EQ(periods[i]["Sign"], SignNumber(want[i].Rashi)) << i;
        EXPECT_EQ(periods[i]["Start"], IsoMoment(*want[i].StartJd, 330)) << i;
        EXPECT_EQ(periods[i]["End"], IsoMoment(*want[i].EndJd, 330)) << i;
    }
    EXPECT_LT(periods[0]["Start"].get<std::string>(), "1947-08-15") << "the phase under way at birth comes first";

    // The span's first moment, in universal time, is answered as its end is not.
    json first = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 38, false, 77, 12, true, false);
    first["TransitAt"] = "1900-01-01T00:00Z";
    const ToolRun firstRun = RunTool(first.dump() + "\n");
    ASSERT_EQ(firstRun.lines.size(), 1u);
    EXPECT_EQ(firstRun.lines[0]["Transit"]["At"], "1900-01-01T05:30:00+05:30") << firstRun.lines[0].dump().substr(0, 200);
}

TEST(ChartTool, KpAndHoraryCharts) {
    // The published chart of the KP tests (Pathanamthitta, 21 May 1960, 16:22 Indian time),
    // Tromso where Placidus has no cusps at noon on 1 January 2000, and refused keys.
    const std::string bad = "key Horary must be a whole number from 1 to 249";
    struct Row {
        const char* name;
        json keys;
        std::string error;  // empty: answered
    };
    const Row rows[] = {
        {"birth", {{"KP", true}, {"KPAt", "1960-05-21T16:22:00+05:30"}}, ""},
        {"horary", {{"Horary", 175}, {"HoraryAt", "2024-03-01T10:00:00+05:30"}, {"Positions", "precise"}}, ""},
        {"polar", {{"KP", true}, {"LatDeg", 69}, {"LatMin", 39}, {"BirthYear", 2000}, {"BirthMonth", 1}, {"BirthDay", 1}}, ""},
        {"zero", {{"Horary", 0}}, bad},
        {"past", {{"Horary", 250}}, bad},
        {"fraction", {{"Horary", 1.5}}, bad},
        {"text", {{"Horary", "x"}}, bad},
        {"kpText", {{"KP", "yes"}}, "key KP must be a boolean"},
        {"kpFalse", {{"KP", false}, {"Horary", 1}}, "key Horary casts a KP chart: it cannot come with \"KP\": false"},
        {"atAlone", {{"KPAt", "2024-03-01T10:00:00+05:30"}}, "key KPAt needs \"KP\": true or Horary"},
        {"atLate", {{"KP", true}, {"KPAt", "2151-03-01T12:00:00+05:30"}},
         "key KPAt: The precise sky's tables run from 1900 to 2150: nothing can be computed for 2151-03-01."},
    };
    std::string input;
    for (const Row& r : rows) {
        json line = Record(21, 5, 1960, 16, 22, test::kIndian, 9, 16, false, 76, 47, true, false);
        line.update(r.keys);
        input += line.dump() + "\n";
    }
    const ToolRun run = RunTool(input);
    ASSERT_EQ(run.lines.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (!rows[i].error.empty()) {
            EXPECT_EQ(run.lines[i], json({{"error", rows[i].error}})) << rows[i].name;
        }
    }
    const json& birth = run.lines[0]["KP"];
    EXPECT_EQ(birth["Sky"], json({{"Positions", "precise"}, {"Ayanamsa", "KP"}, {"Node", "Mean"}}));
    std::vector<std::string> subLords;
    for (const json& c : birth["Cusps"]) subLords.push_back(c["SubLord"]);
    EXPECT_EQ(subLords, (std::vector<std::string>{"Moon", "Mercury", "Moon", "Saturn", "Venus", "Mercury", "Rahu",
                                                  "Mercury", "Venus", "Saturn", "Moon", "Mercury"}));
    EXPECT_EQ(birth["Bodies"][0], json::parse(R"({"Body": "Sun", "Longitude": )" +
                                              birth["Bodies"][0]["Longitude"].dump() +
                                              R"(, "SignLord": "Venus", "StarLord": "Sun", "SubLord": "Ketu",
                                                 "SubSubLord": "Venus", "House": 8})"));
    EXPECT_EQ(birth["Significators"]["Houses"][7],
              json::parse(R"([["Sun", "Moon", "Venus", "Rahu"], ["Sun", "Mercury", "Rahu"], ["Saturn", "Ketu"], ["Venus"]])"));
    EXPECT_EQ(birth["Significators"]["Bodies"][0], json::parse("[[8], [8], [11], [11]]"));
    EXPECT_EQ(birth["RulingPlanets"], json::parse(R"({"At": "1960-05-21T16:22:00+05:30", "DayLord": "Saturn",
        "Moon": {"SignLord": "Jupiter", "StarLord": "Mercury", "SubLord": "Venus"},
        "Ascendant": {"SignLord": "Venus", "StarLord": "Mars", "SubLord": "Moon"}})"));

    // Number 175 rises at Sagittarius 11 deg 26' 40"; the sky is the record's own (Lahiri).
    const json& horary = run.lines[1]["KP"];
    EXPECT_EQ(horary["Sky"]["Ayanamsa"], "Lahiri");
    EXPECT_EQ(horary["Horary"], json::parse(R"({"Number": 175, "At": "2024-03-01T10:00:00+05:30"})"));
    EXPECT_EQ(horary["Cusps"][0]["Longitude"], SubStartDegrees(175));
    EXPECT_EQ(horary["Cusps"][0]["SubLord"], "Mercury");
    EXPECT_EQ(horary["RulingPlanets"]["At"], "2024-03-01T10:00:00+05:30");

    const json& polar = run.lines[2]["KP"];
    EXPECT_EQ(polar["Cusps"]["error"], "Placidus houses cannot be drawn at 69\xC2\xB0 39' N at this moment: points of the "
                                       "ecliptic the cusps rest on never rise or never set there");
    EXPECT_EQ(polar["Significators"], polar["Cusps"]);
    EXPECT_EQ(polar["Bodies"][1]["House"], nullptr);
    EXPECT_EQ(polar["RulingPlanets"]["DayLord"].is_string(), true);
}

// Where the tool's standard input and output lead in one run.
enum class Input { File, Directory, Closed };
enum class Output { File, FullDisk, Closed, BrokenPipe };

struct Outcome {
    int exitCode = -1;  // -1 when a signal ended the tool
    int signal = 0;
    std::string out, err;
};

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

Outcome RunToolWith(const std::string& input, Input in, Output out) {
    const test::TempFolder folder;
    const std::string inPath = folder / "in.jsonl", errPath = folder / "err.txt";
    std::ofstream(inPath, std::ios::binary) << input;
    // Where no file system can be mounted, the device that is always full stands in.
    const test::SmallDisk disk(folder / "disk", "size=64k");
    const std::string full = disk.mounted() ? disk / "out.jsonl" : "/dev/full";
    const std::string outPath = out == Output::FullDisk ? full : folder / "out.jsonl";
    int pipeEnds[2] = {-1, -1};
    if (out == Output::BrokenPipe && ::pipe(pipeEnds) != 0) return {};
    if (pipeEnds[0] >= 0) ::close(pipeEnds[0]);  // the reader has gone before the first answer
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(err, 2);
        const int from = in == Input::Directory ? ::open(folder.str().c_str(), O_RDONLY) : ::open(inPath.c_str(), O_RDONLY);
        ::dup2(from, 0);
        if (out == Output::BrokenPipe) ::dup2(pipeEnds[1], 1);
        if (out == Output::File || out == Output::FullDisk) ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        for (int fd = 3; fd < 64; ++fd) ::close(fd);
        if (in == Input::Closed) ::close(0);
        if (out == Output::Closed) ::close(1);
        ::execl(VELAKOR_CHART_TOOL, VELAKOR_CHART_TOOL, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (pipeEnds[1] >= 0) ::close(pipeEnds[1]);
    Outcome o;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return o;
    if (WIFEXITED(status)) o.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) o.signal = WTERMSIG(status);
    if (out != Output::FullDisk || outPath != "/dev/full") o.out = FileText(outPath);
    o.err = FileText(errPath);
    return o;
}

TEST(ChartTool, FailedInputOrOutputIsNeverSuccess) {
    std::signal(SIGPIPE, SIG_IGN);  // passed on to the tool, which must end on a broken pipe all the same
    const std::string good = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true, false).dump() + "\n";
    std::string many;
    for (int i = 0; i < 200; ++i) many += good;  // far more than 64 KiB of answers
    std::string twice = good;
    twice.replace(twice.find("\"BirthYear\":1947"), 16, "\"BirthYear\":3000,\"BirthYear\":1947");
    const json withControl = [&] {
        json r = json::parse(good);
        r["BirthName"] = std::string("Ravi\nKumar");
        return r;
    }();
    const json withSnowman = [&] {
        json r = json::parse(good);
        r["BirthCity"] = "Pune \xE2\x98\x83";
        return r;
    }();
    const json withC1Control = [&] {
        json r = json::parse(good);
        r["BirthState"] = "Maha\xC2\x85rashtra";
        return r;
    }();
    const json noBreakSpaces = [&] {
        json r = json::parse(good);
        r["BirthName"] = "\xC2\xA0\xC2\xAD\xC2\xA0";
        return r;
    }();
    const std::string spaces = good.substr(0, good.find("\"BirthName\":")) + "\"BirthName\":\"   \"" +
                               good.substr(good.find(",", good.find("\"BirthName\":")));

    struct Row {
        const char* name;
        std::string input;
        Input in;
        Output out;
        int exitCode;       // -1: ended by the signal below
        int signal;
        const char* err;    // the whole of standard error
        const char* answer; // the error of the only answer line, or nullptr for no line checked
    };
    const std::vector<Row> rows = {
        {"full file system", many, Input::File, Output::FullDisk, 2, 0,
         "velakor-chart: cannot write the answers: No space left on device\n", nullptr},
        {"closed stdout", good, Input::File, Output::Closed, 2, 0,
         "velakor-chart: cannot write the answers: Bad file descriptor\n", nullptr},
        {"broken pipe", many, Input::File, Output::BrokenPipe, -1, SIGPIPE, "", nullptr},
        {"directory as stdin", "", Input::Directory, Output::File, 2, 0,
         "velakor-chart: cannot read the records: Is a directory\n", nullptr},
        {"closed stdin", "", Input::Closed, Output::File, 2, 0,
         "velakor-chart: cannot read the records: Bad file descriptor\n", nullptr},
        {"key given twice", twice, Input::File, Output::File, 1, 0, "", "key BirthYear is given twice"},
        {"control character in a name", withControl.dump() + "\n", Input::File, Output::File, 1, 0, "",
         "key BirthName holds a control character"},
        {"character a reading cannot keep", withSnowman.dump() + "\n", Input::File, Output::File, 1, 0, "",
         "key BirthCity holds a character a reading file cannot keep"},
        {"name of spaces", spaces, Input::File, Output::File, 1, 0, "", "Please Enter Your Name"},
        {"C1 control in a place", withC1Control.dump() + "\n", Input::File, Output::File, 1, 0, "",
         "key BirthState holds a control character"},
        {"name of no-break spaces and a soft hyphen", noBreakSpaces.dump() + "\n", Input::File, Output::File, 1, 0, "",
         "Please Enter Your Name"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome o = RunToolWith(row.input, row.in, row.out);
        EXPECT_EQ(o.exitCode, row.exitCode);
        EXPECT_EQ(o.signal, row.signal);
        EXPECT_EQ(o.err, row.err);
        if (row.answer) {
            EXPECT_EQ(o.out, json({{"error", row.answer}}).dump() + "\n");
        }
    }
}

// A program that sends one record and waits for its answer gets it while stdin stays open,
// also when it has already sent the first bytes of the next record.
TEST(ChartTool, AnswersEachRecordBeforeWaitingForTheNext) {
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    ASSERT_EQ(::pipe(in), 0);
    ASSERT_EQ(::pipe(out), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        for (int fd : {in[0], in[1], out[0], out[1]}) ::close(fd);
        ::execl(VELAKOR_CHART_TOOL, VELAKOR_CHART_TOOL, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    // The next line of the answer, or empty after 10 s without one.
    std::string pending;
    auto nextLine = [&]() -> std::string {
        for (;;) {
            if (const auto end = pending.find('\n'); end != std::string::npos) {
                std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                return line;
            }
            pollfd p{out[0], POLLIN, 0};
            if (::poll(&p, 1, 10000) != 1) return {};
            char buf[4096];
            const ssize_t n = ::read(out[0], buf, sizeof buf);
            if (n <= 0) return {};
            pending.append(buf, static_cast<std::size_t>(n));
        }
    };
    const std::string india = Record(15, 8, 1947, 0, 0, test::kIndian, 28, 0, false, 77, 0, true, false).dump();
    const std::string pieces[] = {india + "\n", india + "\n" + india.substr(0, 10), india.substr(10) + "\n"};
    for (int round = 0; round < 3; ++round) {
        const std::string& record = pieces[round];
        ASSERT_EQ(::write(in[1], record.data(), record.size()), static_cast<ssize_t>(record.size()));
        const std::string answer = nextLine();
        ASSERT_FALSE(answer.empty()) << "no answer within 10 s, round " << round;
        EXPECT_EQ(json::parse(answer)["AscendantText"], test::Pos(7, 10, 40, "Tau"));
    }
    ::close(in[1]);
    EXPECT_EQ(nextLine(), "");
    ::close(out[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace velakor
