// Ashtakoota matching and the Mars check: the published cases, and the boundaries where a
// Moon or Mars a hair's breadth away changes the answer.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "match/Matching.h"

namespace velakor {
namespace {

// A chart that holds only what matching reads: the Moon, Mars, Venus and the ascendant.
Chart MoonChart(double moon, double ascendant = 0.0, double mars = 0.0, double venus = 0.0) {
    Chart c;
    PlaceBody(c, Body::Moon, moon);
    PlaceBody(c, Body::Ascendant, ascendant);
    PlaceBody(c, Body::Mars, mars);
    PlaceBody(c, Body::Venus, venus);
    return c;
}

// The middle of a nakshatra, 1 Ashwini .. 27 Revati.
double StarMiddle(int number) { return (number - 1) * 40.0 / 3.0 + 20.0 / 3.0; }

struct TaraRow {
    const char* name;
    int bride, groom;              // nakshatras, 1 .. 27
    int brideToGroom, groomToBride;  // the two counts, both ends included
    double points;
};

// Published star counts. "Ashwini and Vishakha": sriramgurujala.com, "Guna Milan: Tara" (the
// bride in Ashwini, the groom in Vishakha, 16th; 1.5 points in all). "Revati and Ardra":
// 795388.info, "Horoscope matching based on rashi and nakshatra" (from the girl's Revati the
// boy's Ardra is the 7th, no match that way). The other rows turn each couple round.
class TaraCount : public testing::TestWithParam<TaraRow> {};

TEST_P(TaraCount, CountsBothWaysAndAddsThePoints) {
    const TaraRow& r = GetParam();
    const auto b = static_cast<Nakshatra>(r.bride - 1);
    const auto g = static_cast<Nakshatra>(r.groom - 1);
    EXPECT_EQ(StarCount(b, g), r.brideToGroom);
    EXPECT_EQ(StarCount(g, b), r.groomToBride);
    const Match m = MatchCharts(MoonChart(StarMiddle(r.bride)), MoonChart(StarMiddle(r.groom)));
    EXPECT_EQ(m[Kuta::Tara].Points, r.points);
    EXPECT_EQ(m[Kuta::Tara].Bride, r.bride - 1);
    EXPECT_EQ(m[Kuta::Tara].Groom, r.groom - 1);
}

INSTANTIATE_TEST_SUITE_P(Matching, TaraCount,
                         testing::Values(TaraRow{"AshwiniBrideVishakhaGroom", 1, 16, 16, 13, 1.5},
                                         TaraRow{"VishakhaBrideAshwiniGroom", 16, 1, 13, 16, 1.5},
                                         TaraRow{"RevatiBrideArdraGroom", 27, 6, 7, 22, 1.5},
                                         TaraRow{"ArdraBrideRevatiGroom", 6, 27, 22, 7, 1.5},
                                         TaraRow{"SameStar", 10, 10, 1, 1, 3.0},
                                         TaraRow{"NinthBothWays", 1, 9, 9, 20, 3.0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct VasyaRow {
    const char* name;
    double bride, groom;  // Moon longitudes
    const char* brideGroup;
    const char* groomGroup;
    double points;
};

// Sagittarius and Capricorn change group at their 15th degree; the other partner stays in
// Aries (chatushpada), so each side of the line gives other points.
class VasyaSplit : public testing::TestWithParam<VasyaRow> {};

TEST_P(VasyaSplit, GroupChangesAtTheFifteenthDegree) {
    const VasyaRow& r = GetParam();
    const Match m = MatchCharts(MoonChart(r.bride), MoonChart(r.groom));
    EXPECT_EQ(KutaValueName(Kuta::Vasya, m[Kuta::Vasya].Bride), r.brideGroup);
    EXPECT_EQ(KutaValueName(Kuta::Vasya, m[Kuta::Vasya].Groom), r.groomGroup);
    EXPECT_EQ(m[Kuta::Vasya].Points, r.points);
}

constexpr double kJustBelow = 1e-9;
INSTANTIATE_TEST_SUITE_P(
    Matching, VasyaSplit,
    testing::Values(VasyaRow{"SagittariusBelow15", 255.0 - kJustBelow, 10.0, "Manava", "Chatushpada", 0.5},
                    VasyaRow{"SagittariusAt15", 255.0, 10.0, "Chatushpada", "Chatushpada", 2.0},
                    VasyaRow{"CapricornBelow15", 285.0 - kJustBelow, 10.0, "Chatushpada", "Chatushpada", 2.0},
                    VasyaRow{"CapricornAt15", 285.0, 10.0, "Jalachara", "Chatushpada", 1.0},
                    VasyaRow{"GroomSagittariusBelow15", 10.0, 255.0 - kJustBelow, "Chatushpada", "Manava", 0.5},
                    VasyaRow{"GroomCapricornAt15", 10.0, 285.0, "Chatushpada", "Jalachara", 1.0},
                    VasyaRow{"CapricornEnd", 300.0 - kJustBelow, 270.0, "Jalachara", "Chatushpada", 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct MarsRow {
    const char* name;
    double ascendant, mars, moon, venus;
    int fromLagna, fromMoon, fromVenus;
    bool manglik;
};

// Mars on either side of a sign's first point: the house, and with it the verdict, changes
// exactly there (a longitude of 360 is 0 Aries).
class MarsCheckAt : public testing::TestWithParam<MarsRow> {};

TEST_P(MarsCheckAt, HouseChangesAtTheSignBoundary) {
    const MarsRow& r = GetParam();
    const MarsCheck m = CheckMars(MoonChart(r.moon, r.ascendant, r.mars, r.venus));
    EXPECT_EQ(m.FromLagna, r.fromLagna);
    EXPECT_EQ(m.FromMoon, r.fromMoon);
    EXPECT_EQ(m.FromVenus, r.fromVenus);
    EXPECT_EQ(m.Manglik, r.manglik);
}

INSTANTIATE_TEST_SUITE_P(
    Matching, MarsCheckAt,
    testing::Values(MarsRow{"ThirdJustBeforeFourth", 0.0, 90.0 - kJustBelow, 0.0, 0.0, 3, 3, 3, false},
                    MarsRow{"FourthAtItsFirstPoint", 0.0, 90.0, 0.0, 0.0, 4, 4, 4, true},
                    MarsRow{"EighthLastDegree", 0.0, 240.0 - kJustBelow, 0.0, 0.0, 8, 8, 8, true},
                    MarsRow{"NinthFirstPoint", 0.0, 240.0, 0.0, 0.0, 9, 9, 9, false},
                    MarsRow{"TwelfthEndOfPisces", 0.0, 360.0 - kJustBelow, 0.0, 0.0, 12, 12, 12, true},
                    MarsRow{"FirstAt360", 0.0, 360.0, 0.0, 0.0, 1, 1, 1, true},
                    MarsRow{"LagnaLastDegreeMarsNextSign", 30.0 - kJustBelow, 30.0, 200.0, 100.0, 2, 8, 11, true},
                    MarsRow{"LagnaNextSignMarsSame", 30.0, 30.0, 210.0, 330.0, 1, 7, 3, true},
                    MarsRow{"FifthFromLagnaSeventhFromMoon", 100.0, 220.0, 40.0, 160.0, 5, 7, 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velakor
