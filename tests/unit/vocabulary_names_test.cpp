#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chart/DivisionalCharts.h"
#include "dasha/DashaTree.h"
#include "match/Matching.h"
#include "panchanga/Panchanga.h"
#include "transit/SaturnPeriods.h"
#include "vedic/Language.h"

namespace velakor {
namespace {

// The names of item `number` (as the names table counts it) through the program's own
// functions, one entry per vocabulary of the table.
using Namer = std::function<std::string(int number, Language lang)>;
const std::map<std::string, Namer, std::less<>>& Namers() {
    static const std::map<std::string, Namer, std::less<>> namers{
        {"graha", [](int n, Language l) {
             return std::string(Name(n <= 7 ? WeekdayLord(n - 1) : (n == 8 ? Body::Rahu : Body::Ketu), l));
         }},
        {"point", [](int n, Language l) { return std::string(Name(n == 1 ? Body::Ascendant : Body::Midheaven, l)); }},
        {"rashi", [](int n, Language l) { return std::string(Name(SignFromIndex(n - 1), l)); }},
        {"nakshatra", [](int n, Language l) { return std::string(Name(static_cast<Nakshatra>(n - 1), l)); }},
        {"tithi", [](int n, Language l) {
             return std::string(l == Language::English ? TithiName(n - 1) : TithiPakshaName(n - 1, l));
         }},
        {"paksha", [](int n, Language l) { return std::string(PakshaName(n == 1 ? 0 : 15, l)); }},
        {"yoga", [](int n, Language l) { return std::string(YogaName(n - 1, l)); }},
        // Half-tithis 1..7 are the movable karanas; 57, 58, 59 and 0 the fixed ones.
        {"karana", [](int n, Language l) { return std::string(KaranaName(n <= 7 ? n : (n == 11 ? 0 : n + 49), l)); }},
        {"vara", [](int n, Language l) { return std::string(VaraName(n - 1, l)); }},
        {"kuta", [](int n, Language l) { return std::string(Name(static_cast<Kuta>(n - 1), l)); }},
        {"varga", [](int n, Language l) {
             const std::string title = VargaTitle(n - 1, l);
             return title.substr(0, title.rfind(" ("));
         }},
        {"saturn-phase", [](int n, Language l) { return std::string(Name(static_cast<SaturnPhase>(n - 1), l)); }},
        {"ashtakavarga", [](int n, Language l) {
             return l == Language::English ? "Sarva" : std::string(TranslatedName(Vocabulary::Ashtakavarga, n, l));
         }},
    };
    return namers;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
    return fields;
}

// Every row of the names table is what the program shows in Hindi and Tamil, and every
// vocabulary item has a name in each language.
TEST(VocabularyNames, EveryRowOfTheTableInHindiAndTamil) {
    const auto table = std::filesystem::path(VELAKOR_SKY_TABLES_FILE).parent_path() / "vocabulary-names.csv";
    std::ifstream in(table);
    ASSERT_TRUE(in) << table;
    std::string line;
    std::getline(in, line);
    std::map<std::string, int> rows;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = Fields(line);
        ASSERT_GE(f.size(), 5u) << line;
        const auto namer = Namers().find(f[0]);
        ASSERT_NE(namer, Namers().end()) << line;
        ++rows[f[0]];
        EXPECT_EQ(namer->second(std::stoi(f[1]), Language::Hindi), f[3]) << line;
        EXPECT_EQ(namer->second(std::stoi(f[1]), Language::Tamil), f[4]) << line;
        EXPECT_NE(namer->second(std::stoi(f[1]), Language::English), "") << line;
    }
    const std::map<std::string, int> counts{
        {"graha", kGrahaCount}, {"point", 2},   {"rashi", kSignCount}, {"nakshatra", kNakshatraCount},
        {"tithi", 30},          {"paksha", 2},  {"yoga", 27},          {"karana", 11},
        {"vara", 7},            {"kuta", kKutaCount}, {"varga", kVargaCount}, {"saturn-phase", 5},
        {"ashtakavarga", 1}};
    EXPECT_EQ(rows, counts);
    for (int k = 0; k < 60; ++k)
        for (const Language l : kLanguages) EXPECT_NE(KaranaName(k, l), "") << k;
}

// The names that are not a row of their own: a tithi without its paksha, the lords of the
// dasha, the languages' codes.
TEST(VocabularyNames, NamesMadeFromTheTable) {
    EXPECT_EQ(TithiName(0, Language::Hindi), "प्रतिपदा");
    EXPECT_EQ(TithiName(29, Language::Tamil), "அமாவாசை");
    EXPECT_EQ(TithiName(14, Language::English), "Purnima");
    EXPECT_EQ(PeriodLordName(PeriodLord::Of(Body::Mars), Language::Tamil), "செவ்வாய்");
    EXPECT_EQ(PeriodLordName(PeriodLord::Of(Sign::Libra), Language::Hindi), "तुला");
    EXPECT_EQ(VargaTitle(5, Language::Hindi), "नवमांश (D9)");
    EXPECT_EQ(VargaTitle(5, Language::English), "Navamsa (D9)");
    for (const Language l : kLanguages) EXPECT_EQ(LanguageOfCode(LanguageCode(l)), l);
    EXPECT_EQ(LanguageOfCode("de"), std::nullopt);
    EXPECT_EQ(TranslatedName(Vocabulary::Rashi, 13, Language::Hindi), "");
}

}  // namespace
}  // namespace velakor
