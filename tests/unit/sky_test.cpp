// The built-in sky, asked at the birth moment, must stand exactly where the chart stages put
// every body: the panchanga and the other readers of the sky see the chart's own sky.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "astro/VedicEphemeris.h"
#include "sky/BuiltinSky.h"
#include "sky/PreciseSky.h"

namespace velakor {
namespace {

using namespace velakor::test;

double ArcDistance(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(BuiltinSky, AgreesWithTheChartStagesAtTheBirth) {
    const FormValues forms[] = {
        DelhiForm(),
        Form(1, 1, 1901, 0, 0, kGmt, 51, 30, false, 0, 7, false),
        Form(31, 12, 2050, 24, 0, kEasternStandard, 40, 43, false, 74, 0, false),
        Form(29, 2, 1984, 13, 37, kCentralEuropean, 33, 52, true, 151, 12, true, true),
    };
    constexpr Body kOrder[] = {Body::Sun,  Body::Moon,    Body::Mercury,
                                  Body::Venus, Body::Mars,   Body::Jupiter,
                                  Body::Saturn, Body::Rahu,  Body::Ketu};
    const BuiltinSky sky;
    for (const FormValues& v : forms) {
        const Program p = Computed(v);
        const double jd = BirthJulianDayUt(p.Birth);
        for (int i = 0; i < 9; ++i) {
            EXPECT_LT(ArcDistance(sky.SiderealLongitude(kOrder[i], jd), p.Chart.Bodies[i].Longitude), 1e-7)
                << "body " << i << " of " << v.Day << "/" << v.Month << "/" << v.Year;
        }
    }
}

// The precise sky's chart: every stage takes its longitude from the sky, the retrograde marks
// its motion, whatever ayanamsa and node are chosen; the summary follows the texts.
TEST(PreciseSky, ChartStagesTakeTheChosenSky) {
    const SkyTables* tables = SkyTables::Shared();
    ASSERT_NE(tables, nullptr) << SkyTables::DefaultPath();
    const struct {
        const char* name;
        FormValues form;
        SkyChoice choice;
    } rows[] = {
        {"DelhiLahiriMean", DelhiForm(), {SkyPositions::Precise, SkyAyanamsa::Lahiri, SkyNode::Mean}},
        {"LondonRamanTrue", Form(1, 1, 1901, 0, 0, kGmt, 51, 30, false, 0, 7, false),
         {SkyPositions::Precise, SkyAyanamsa::Raman, SkyNode::True}},
        {"NewYorkKpMean", Form(31, 12, 2050, 24, 0, kEasternStandard, 40, 43, false, 74, 0, false),
         {SkyPositions::Precise, SkyAyanamsa::Krishnamurti, SkyNode::Mean}},
        {"SydneyChitraTrue", Form(29, 2, 1984, 13, 37, kCentralEuropean, 33, 52, true, 151, 12, true, true),
         {SkyPositions::Precise, SkyAyanamsa::TrueChitra, SkyNode::True}},
    };
    for (const auto& row : rows) {
        Program p;
        p.SkyInUse = row.choice;
        RunCalculation(p, row.form);
        const Program builtin = Computed(row.form);
        const PreciseSky sky(*tables, row.choice);
        const double jd = BirthJulianDayUt(p.Birth);
        const BirthRecord& b = p.Birth;
        const double lat = (b.LatDeg + b.LatMin / 60.0) * (b.LatSouthFlag ? -1 : 1);
        const double lonWest = (b.LonDeg + b.LonMin / 60.0) * (b.LonEastFlag ? -1 : 1);
        for (int i = 0; i < kGrahaCount; ++i) {
            double perDay = 0;
            EXPECT_EQ(p.Chart.Bodies[i].Longitude, sky.SiderealLongitude(static_cast<Body>(i), jd, perDay))
                << row.name << " body " << i;
            if (i >= 2 && i <= 6) {
                EXPECT_EQ(p.Chart[kRetrogradeBodies[i - 2]].Retrograde, perDay < 0) << row.name << " body " << i;
            }
            // Measured from the equinox, the two skies' Sun, Moon and planets stand within
            // minutes of arc of each other.
            if (i <= 6) {
                EXPECT_LT(ArcDistance(p.Chart.Bodies[i].Longitude - (-p.Chart.Ayanamsa),
                                      builtin.Chart.Bodies[i].Longitude - (-builtin.Chart.Ayanamsa)),
                          0.5)
                    << row.name << " body " << i;
            }
        }
        EXPECT_EQ(p.Chart.Bodies[9].Longitude, sky.SiderealAngles(jd, lat, lonWest).Ascendant) << row.name;
        EXPECT_EQ((-p.Chart.Ayanamsa), -sky.Ayanamsa(jd)) << row.name;
        EXPECT_EQ(p.Texts.LagnaSignAbbrev, p.Texts.ChartPositions[9].substr(3, 3)) << row.name;
        EXPECT_EQ(p.Texts.NakshatraText, NakshatraName(NakshatraOf(p.Chart.Bodies[1].Longitude))) << row.name;
    }
}

}  // namespace
}  // namespace velakor
