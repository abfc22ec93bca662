#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <vector>

#include "TestSupport.h"
#include "astro/VedicEphemeris.h"
#include "chart/ChartTexts.h"
#include "chart/NameTables.h"
#include "dasha/Vimshottari.h"
#include "panchanga/Panchanga.h"
#include "sky/BuiltinSky.h"

namespace velakor {
namespace {

using namespace velakor::test;

// Birth record as the calculation command would copy it.
BirthRecord Record(const FormValues& v) {
    Program p;
    CopyFormToRecord(p, v);
    return p.Birth;
}

TEST(JulianDayNumber, KnownDates) {
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumber(4, 12, 1992), 2448725);
    EXPECT_EQ(JulianDayNumber(1, 1, 1901), 2415386);
    EXPECT_EQ(JulianDayNumber(12, 31, 2050), 2470172);
    EXPECT_EQ(JulianDayNumber(8, 15, 1947), 2432413);
    EXPECT_EQ(JulianDayNumber(3, 1, 2000) - JulianDayNumber(2, 28, 2000), 2) << "2000 is a leap year";
}

struct MomentCase {
    const char* name;
    FormValues form;
    double ut;
    double T;  // NAN when not checked
};

TEST(BirthMoment, UniversalTimeAndCenturies) {
    const MomentCase rows[] = {
        {"j2000", Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false), 12.0, 0.0},
        {"india1947", Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true), -5.5, -0.5238255761},
        {"india1947Dst", Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true, true), -6.5, NAN},
        {"newYork1976Dst", Form(4, 7, 1976, 6, 30, kEasternStandard, 40, 0, false, 74, 0, false, true), 10.5, NAN},
        {"hour24", Form(31, 12, 1999, 24, 30, kGmt, 0, 0, false, 0, 0, false), 24.5, NAN},
    };
    for (const MomentCase& c : rows) {
        const BirthRecord b = Record(c.form);
        EXPECT_DOUBLE_EQ(BirthUniversalTime(b), c.ut) << c.name;
        if (!std::isnan(c.T)) {
            EXPECT_NEAR(MoonCenturies(b), c.T, 5e-11) << c.name;
        }
    }
    // Hour 24 of 31 December is the next day's midnight: the same moment as 1 January 00:30.
    EXPECT_DOUBLE_EQ(MoonCenturies(Record(Form(31, 12, 1999, 24, 30, kGmt, 0, 0, false, 0, 0, false))),
                     MoonCenturies(Record(Form(1, 1, 2000, 0, 30, kGmt, 0, 0, false, 0, 0, false))));
}

TEST(BirthMoment, ZoneDirectionComesFromTheZoneNotTheHemisphere) {
    // London in summer: west of Greenwich, clock one hour ahead. Noon BST is 11:00 UT.
    const BirthRecord bst = Record(Form(21, 6, 1990, 12, 0, kBritishSummer, 51, 30, false, 0, 7, false));
    EXPECT_DOUBLE_EQ(BirthUniversalTime(bst), 11.0);
    // Madrid keeps Central European time although it lies west of Greenwich.
    const BirthRecord madrid = Record(Form(1, 2, 1980, 10, 0, kCentralEuropean, 40, 25, false, 3, 42, false));
    EXPECT_DOUBLE_EQ(BirthUniversalTime(madrid), 9.0);
}

TEST(MoonTropicalLongitude, SeriesAtKnownMoments) {
    EXPECT_NEAR(MoonTropicalLongitude(0.0), 223.3161029, 5e-8);
    EXPECT_NEAR(MoonTropicalLongitude(-0.0772210814510609), 133.1580839, 5e-8);
    EXPECT_NEAR(MoonTropicalLongitude(-0.5238255760894365), 117.1096557, 5e-8);
    for (double T : {-0.99, -0.5, 0.3, 0.5}) {
        const double l = MoonTropicalLongitude(T);
        EXPECT_GE(l, 0.0) << T;
        EXPECT_LE(l, 360.0) << T;
    }
}

TEST(MoonAyanamsa, AtJ2000) { EXPECT_NEAR(MoonAyanamsa(0.0), -23.8537257, 5e-8); }

struct MoonCase {
    const char* name;
    FormValues form;
    double siderealLongitude;
    std::string text;
    const char* nakshatra;
    const char* sign;
    const char* pada;
};

TEST(CalculateMoon, WorkedExamples) {
    const MoonCase rows[] = {
        {"j2000", Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false), 199.4623772,
         Pos(19, 27, 44, "Lib"), "Swati", "Thula", "4"},
        {"india1947", Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true), 93.9878232,
         Pos(3, 59, 16, "Can"), "Pushya", "Kataka", "1"},
        {"india1947Dst", Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true, true), 93.3592594,
         Pos(3, 21, 33, "Can"), "Pushya", "Kataka", "1"},
        {"newYork1976Dst", Form(4, 7, 1976, 6, 30, kEasternStandard, 40, 0, false, 74, 0, false, true),
         165.2030634, Pos(15, 12, 11, "Vir"), "Hasta", "Kanya", "2"},
    };
    for (const MoonCase& c : rows) {
        Program p;
        CopyFormToRecord(p, c.form);
        CalculateMoon(p.Birth, p.Chart);
        p.Texts = WriteTexts(p.Chart);
        EXPECT_NEAR(p.Chart[Body::Moon].Longitude, c.siderealLongitude, 5e-8) << c.name;
        EXPECT_EQ(p.Texts.MoonLongitudeText, c.text) << c.name;
        EXPECT_EQ(p.Texts.NakshatraText, c.nakshatra) << c.name;
        EXPECT_EQ(p.Texts.RashiText, c.sign) << c.name;
        EXPECT_EQ(p.Texts.NakshatraPada, c.pada) << c.name;
    }
}

// The one nakshatra rule: the chart's texts, the dasha's first lord and the panchanga's
// nakshatra agree just below, at and just above each of the 26 boundaries, at 360 and at -0.
TEST(Nakshatra, OneRuleForChartDashaAndPanchanga) {
    const BuiltinSky sky;
    std::vector<double> longitudes{360.0, -0.0, 0.0, 359.99999, 93.333333333333329};
    for (int k = 1; k < kNakshatraCount; ++k) {
        const double at = k * 800 / 60.0;
        longitudes.insert(longitudes.end(), {at - 1e-9, at, std::nextafter(at, 0.0), std::nextafter(at, 400.0), at + 1e-9});
    }
    const double jd = 2451545.0;
    for (const double lon : longitudes) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << lon);
        const Nakshatra n = NakshatraOf(lon);
        const double arcMinutes = std::fmod(std::max(lon, 0.0), 360.0) * 60.0;
        EXPECT_EQ(NakshatraIndex(n), static_cast<int>(std::floor(arcMinutes / 800.0)) % 27);
        Chart c;
        PlaceBody(c, Body::Moon, lon);
        const ChartTexts texts = WriteTexts(c);
        EXPECT_EQ(texts.NakshatraText, NakshatraName(n));
        EXPECT_EQ(texts.NakshatraPada, std::to_string(PadaOf(lon)));
        EXPECT_EQ(DashaLordBody(ComputeDasha(lon, jd, 365.25).BirthLord), NakshatraLord(n));
        EXPECT_EQ(ComputePanchanga(0.0, lon, jd, 0, 0.0, 0.0, sky, SunriseRule::Centre).Nakshatra.Index,
                  NakshatraIndex(n));
    }
    EXPECT_EQ(NakshatraOf(360.0), Nakshatra::Ashwini);
    EXPECT_EQ(NakshatraOf(-0.0), Nakshatra::Ashwini);
    EXPECT_EQ(NakshatraOf(93.333333333333329), Nakshatra::Pushya);
    EXPECT_EQ(PadaOf(10.0), 4);
    EXPECT_EQ(PadaOf(3.3333333333333335), 2);
}

}  // namespace
}  // namespace velakor
