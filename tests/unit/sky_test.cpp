// The built-in sky, asked at the birth moment, must stand exactly where the chart stages put
// every body: the panchanga and the other readers of the sky see the chart's own sky.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "astro/VedicEphemeris.h"
#include "sky/BuiltinSky.h"

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
    constexpr SkyBody kOrder[] = {SkyBody::Sun,  SkyBody::Moon,    SkyBody::Mercury,
                                  SkyBody::Venus, SkyBody::Mars,   SkyBody::Jupiter,
                                  SkyBody::Saturn, SkyBody::Rahu,  SkyBody::Ketu};
    const BuiltinSky sky;
    for (const FormValues& v : forms) {
        const Program p = Computed(v);
        const double jd = BirthJulianDayUt(p.Birth);
        for (int i = 0; i < 9; ++i) {
            EXPECT_LT(ArcDistance(sky.SiderealLongitude(kOrder[i], jd), p.Chart.SiderealLongitudes[i]), 1e-7)
                << "body " << i << " of " << v.Day << "/" << v.Month << "/" << v.Year;
        }
    }
}

}  // namespace
}  // namespace velakor
