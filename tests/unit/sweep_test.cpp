// Many random birth records through the whole computation: whatever the form can hold,
// the chart must come out whole.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string_view>

#include "TestSupport.h"
#include "astro/CivilTime.h"
#include "chart/ChartLayout.h"
#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"
#include "panchanga/Panchanga.h"

namespace velakor {
namespace {

using namespace velakor::test;

// Reads a whole number of 1..maxDigits digits at s[i], advancing i.
bool Number(std::string_view s, std::size_t& i, std::size_t maxDigits, int& value) {
    std::size_t start = i;
    value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < maxDigits) value = value * 10 + (s[i++] - '0');
    return i > start;
}

bool Literal(std::string_view s, std::size_t& i, std::string_view lit) {
    if (s.substr(i, lit.size()) != lit) return false;
    i += lit.size();
    return true;
}

// "d° m' s\" Sgn" with d < 30, m < 60, s < 60.
bool IsPositionText(std::string_view t) {
    std::size_t i = 0;
    int d, m, s;
    return Number(t, i, 2, d) && d < 30 && Literal(t, i, "\xC2\xB0 ") && Number(t, i, 2, m) && m < 60 &&
           Literal(t, i, "' ") && Number(t, i, 2, s) && s < 60 && Literal(t, i, "\" ") &&
           t.size() == i + 3 && SignIndex(t.substr(i)) >= 0;
}

// "dd Sgn mm".
bool IsCompactText(std::string_view t) {
    if (t.size() != 9 || t[2] != ' ' || t[6] != ' ') return false;
    std::size_t i = 0;
    int d, m;
    if (!Number(t, i, 2, d) || i != 2 || d >= 30) return false;
    i = 7;
    return Number(t, i, 2, m) && i == 9 && m < 60 && SignIndex(t.substr(3, 3)) >= 0;
}

int Occurrences(std::string_view haystack, std::string_view needle) {
    int n = 0;
    for (auto pos = haystack.find(needle); pos != std::string_view::npos; pos = haystack.find(needle, pos + 1)) ++n;
    return n;
}

TEST(Sweep, RandomRecordsGiveWholeCharts) {
    std::mt19937_64 rng(1947);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Program p;
    for (int n = 0; n < 10000; ++n) {
        const int year = pick(1901, 2050), month = pick(1, 12);
        const int lastDay = (month == 2 && year % 4 == 0) ? 29 : daysIn[month - 1];
        const int latDeg = pick(0, 90), lonDeg = pick(0, 180);
        FormValues v = Form(pick(1, lastDay), month, year, pick(0, 24), pick(0, 59), pick(0, kZoneCount - 1),
                            latDeg, latDeg == 90 ? 0 : pick(0, 59), pick(0, 1) == 1, lonDeg,
                            lonDeg == 180 ? 0 : pick(0, 59), pick(0, 1) == 1, pick(0, 1) == 1);
        ASSERT_FALSE(ValidateInput(v).has_value()) << n;
        RunCalculation(p, v);
        const ChartTexts& c = p.Texts;
        SCOPED_TRACE(testing::Message() << "record " << n << ": " << v.Day << "/" << v.Month << "/" << v.Year << " "
                                        << v.Hour << ":" << v.Minute << " zone " << v.ZoneIndex);

        ASSERT_TRUE(std::isfinite(p.Chart.Ayanamsa));
        ASSERT_TRUE(std::isfinite(p.Chart[Body::Moon].Longitude));
        ASSERT_TRUE(IsPositionText(c.MoonLongitudeText)) << c.MoonLongitudeText;
        ASSERT_TRUE(IsPositionText(c.AscendantText)) << c.AscendantText;
        ASSERT_TRUE(IsPositionText(c.MidheavenText)) << c.MidheavenText;
        ASSERT_TRUE(IsPositionText(c.RahuText)) << c.RahuText;
        ASSERT_TRUE(IsPositionText(c.KetuText)) << c.KetuText;
        for (const std::string& t : c.PlanetPositionText) ASSERT_TRUE(IsPositionText(t)) << t;
        for (int i = 0; i < kBodyCount; ++i) ASSERT_TRUE(IsCompactText(c.ChartPositions[i])) << c.ChartPositions[i];
        ASSERT_EQ(c.AyanamsaCorrectionText.front(), '-');

        const int rahu = SignIndex(std::string_view(c.ChartPositions[7]).substr(3, 3));
        const int ketu = SignIndex(std::string_view(c.ChartPositions[8]).substr(3, 3));
        ASSERT_EQ((rahu + 6) % 12, ketu);

        // The longitudes kept for the divisional charts are those the texts were made from.
        for (int i = 0; i < kDivisionalPoints; ++i) {
            const double lon = p.Chart.Bodies[static_cast<std::size_t>(i)].Longitude;
            ASSERT_EQ(DivisionalSign(lon, 1), SignIndex(std::string_view(c.ChartPositions[i]).substr(3, 3)))
                << i << " " << lon;
        }
        for (int h = 0; h < 12; ++h) ASSERT_EQ(p.Chart.HouseSigns[h], SignAdd(p.Chart.HouseSigns[0], h));
        ASSERT_EQ(c.HouseTexts[0].rfind("Asc", 0), 0u);
        std::string all;
        for (const std::string& t : c.HouseTexts) all += t + "\r\n";
        for (int planet = 0; planet < 9; ++planet) {
            const std::string line = "\r\n" + p.Texts.BodyNames[planet] + "\r\n";
            ASSERT_EQ(Occurrences(all, line), 1) << p.Texts.BodyNames[planet];
        }
        // The bodies given beside the house texts name their entries one by one, in the natal
        // chart and in every varga.
        auto inStep = [&](const std::array<std::string, kHouseCount>& texts,
                          const std::array<HouseLines, kHouseCount>& bodies) {
            for (int h = 0; h < kHouseCount; ++h) {
                std::vector<std::string> named;
                for (const HouseLine& line : bodies[h])
                    named.push_back(line.Which == Body::Ascendant ? "Asc" : HouseEntries(HouseName(p.Chart, line.Which))[0]);
                if (HouseEntries(texts[h]) != named) return false;
            }
            return true;
        };
        ASSERT_TRUE(inStep(c.HouseTexts, c.HouseBodies));
        for (const auto& signs : AllVargas(p.Chart)) {
            const HouseCaptions houses = DivisionalHouses(p.Chart, signs);
            ASSERT_TRUE(inStep(houses.Texts, houses.Bodies));
        }
        // The date's sunrise lies within the date; the sunset that ends its day comes after it,
        // within a day, under either rule.
        const SunriseRule rule = n % 2 == 0 ? SunriseRule::Centre : SunriseRule::Limb;
        const int offset = BirthUtcOffsetMinutes(p.Birth);
        const CivilMoment born = CivilFromJd(p.Chart.JdUt, offset);
        const SunEvents sun = SunriseSunset(born.Year, born.Month, born.Day, offset, BirthLatitude(p.Birth),
                                            BirthLongitude(p.Birth), rule);
        const std::string birthDate = IsoMoment(p.Chart.JdUt, offset).substr(0, 10);
        if (sun.Rises) {
            ASSERT_EQ(IsoMoment(sun.RiseJd, offset).substr(0, 10), birthDate);
        }
        if (sun.Rises && sun.Sets) {
            ASSERT_GT(sun.SetJd, sun.RiseJd) << IsoMoment(sun.RiseJd, offset) << " " << IsoMoment(sun.SetJd, offset);
            ASSERT_LT(sun.SetJd - sun.RiseJd, 1.0) << IsoMoment(sun.RiseJd, offset) << " " << IsoMoment(sun.SetJd, offset);
        }
        ASSERT_EQ(sun.Rises && sun.Sets, sun.Passage == SunPassage::Normal);
        ASSERT_FALSE(p.Texts.LagnaSignName.empty());
        ASSERT_FALSE(p.Texts.NakshatraLord.empty());
        ASSERT_TRUE(p.Texts.NakshatraPada >= "1" && p.Texts.NakshatraPada <= "4");
    }
}

}  // namespace
}  // namespace velakor
