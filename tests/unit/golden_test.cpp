// The golden check: every text of velakor-chart's answers (positions, houses, summary,
// report, divisional signs, dasha and panchanga) for ten thousand random records in both
// skies, held as one hash per answer. Any change to what the program writes shows here,
// with the record that changed. After a change made on purpose, rewrite the hashes with
// VELAKOR_WRITE_GOLDEN=1 and say why in the commit (VELAKOR_GOLDEN_DUMP=prefix writes the
// records and the answers, to compare with the program before the change).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "TempFolder.h"
#include "TestSupport.h"

namespace velakor {
namespace {

using nlohmann::json;

std::uint64_t Fnv1a(const std::string& s) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string Hex(std::uint64_t h) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

// The sweep's records (same seed, same draws), each asked of the built-in sky and of the
// precise sky with a choice of ayanamsa, node, dasha depth and sunrise rule that walks
// through every value.
std::vector<std::string> GoldenRecords() {
    std::vector<std::string> lines;
    std::ifstream sample(std::string(VELAKOR_TEST_DATA) + "/sample_record.jsonl");
    for (std::string line; std::getline(sample, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    std::mt19937_64 rng(1947);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const char* ayanamsas[] = {"Lahiri", "Raman", "KP", "TrueChitra"};
    for (int n = 0; n < 10000; ++n) {
        const int year = pick(1901, 2050), month = pick(1, 12);
        const int lastDay = (month == 2 && year % 4 == 0) ? 29 : daysIn[month - 1];
        const int day = pick(1, lastDay), hour = pick(0, 24), minute = pick(0, 59), zone = pick(0, kZoneCount - 1);
        const int latDeg = pick(0, 90);
        const int latMin = latDeg == 90 ? 0 : pick(0, 59);
        const bool south = pick(0, 1) == 1;
        const int lonDeg = pick(0, 180);
        const int lonMin = lonDeg == 180 ? 0 : pick(0, 59);
        const bool east = pick(0, 1) == 1, dst = pick(0, 1) == 1;
        json r{{"BirthName", "Golden " + std::to_string(n)},
               {"BirthCity", "City"},
               {"BirthState", "State"},
               {"BirthCountry", "Country"},
               {"BirthDay", day},
               {"BirthMonth", month},
               {"BirthYear", year},
               {"BirthHour", hour},
               {"BirthMinute", minute},
               {"ZoneIndex", zone},
               {"LatDeg", latDeg},
               {"LatMin", latMin},
               {"LonDeg", lonDeg},
               {"LonMin", lonMin},
               {"LatSouth", south},
               {"LonEast", east},
               {"DaylightSaving", dst}};
        if (n % 10 == 3) r["DashaLevels"] = 3;
        lines.push_back(r.dump());
        r["Positions"] = "precise";
        r["Ayanamsa"] = ayanamsas[n % 4];
        r["Node"] = (n / 4) % 2 == 0 ? "Mean" : "True";
        if (n % 7 == 2) r["SunriseRule"] = "limb";
        if (n % 11 == 5) r["DashaYear"] = 360;
        lines.push_back(r.dump());
    }
    return lines;
}

std::vector<std::string> RunTool(const std::vector<std::string>& records, const std::filesystem::path& dir) {
    const auto inPath = dir / "golden_in.jsonl";
    {
        std::ofstream in(inPath, std::ios::binary);
        for (const std::string& r : records) in << r << '\n';
    }
    const std::string command = std::string("\"") + VELAKOR_CHART_TOOL + "\" < \"" + inPath.string() + "\"";
    std::vector<std::string> answers;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return answers;
    std::string out;
    char buf[65536];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    ::pclose(pipe);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) answers.push_back(line);
    return answers;
}

// An unoptimised or sanitised build computes each answer many times slower: it checks every
// fifth record, which still walks every sky, ayanamsa, node and option.
#if defined(__OPTIMIZE__) && !defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kStride = 1;
#else
constexpr std::size_t kStride = 5;
#endif

TEST(Golden, EveryAnswerIsTheSameAsBefore) {
    const std::vector<std::string> all = GoldenRecords();
    std::vector<std::string> records;
    std::vector<std::size_t> numbers;
    for (std::size_t i = 0; i < all.size(); i += kStride) {
        records.push_back(all[i]);
        numbers.push_back(i);
    }
    test::TempFolder dir;
    const std::vector<std::string> answers = RunTool(records, dir.str());
    // To see what changed after a change made on purpose: the records and answers, to compare
    // with those of the program before it.
    if (const char* dump = std::getenv("VELAKOR_GOLDEN_DUMP"); dump != nullptr && *dump != '\0') {
        std::ofstream in(std::string(dump) + ".records.jsonl", std::ios::binary);
        for (const std::string& r : records) in << r << '\n';
        std::ofstream out(std::string(dump) + ".answers.jsonl", std::ios::binary);
        for (const std::string& a : answers) out << a << '\n';
    }
    ASSERT_EQ(answers.size(), records.size());
    const std::string goldenPath = std::string(VELAKOR_TEST_DATA) + "/golden_answers.txt";

    if (const char* write = std::getenv("VELAKOR_WRITE_GOLDEN");
        write != nullptr && std::string(write) == "1" && kStride == 1) {
        std::ofstream out(goldenPath, std::ios::binary);
        for (const std::string& a : answers) out << Hex(Fnv1a(a)) << '\n';
        GTEST_SKIP() << "wrote " << goldenPath;
    }

    std::ifstream golden(goldenPath);
    ASSERT_TRUE(golden) << goldenPath;
    std::vector<std::string> expected;
    for (std::string line; std::getline(golden, line);) expected.push_back(line);
    ASSERT_EQ(expected.size(), all.size());
    int changed = 0;
    for (std::size_t k = 0; k < answers.size(); ++k) {
        const std::size_t i = numbers[k];
        if (Hex(Fnv1a(answers[k])) == expected[i]) continue;
        if (++changed <= 3) ADD_FAILURE() << "answer " << i << " changed\nrecord: " << records[k] << "\nanswer: " << answers[k];
    }
    EXPECT_EQ(changed, 0) << "answers changed";
}

}  // namespace
}  // namespace velakor
