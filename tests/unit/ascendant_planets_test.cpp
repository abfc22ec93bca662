#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "TestSupport.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"
#include "chart/VedicPlanetPosition.h"

namespace velakor {
namespace {

using namespace velakor::test;

constexpr double kDegToRad = 0.0174532925199433;

TEST(ArcTan2, Quadrants) {
    const double pi = 3.14159265358979;
    EXPECT_DOUBLE_EQ(ArcTan2(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(ArcTan2(1, 0), pi / 2);
    EXPECT_DOUBLE_EQ(ArcTan2(-1, 0), -pi / 2);
    EXPECT_NEAR(ArcTan2(1, 1), pi / 4, 1e-15);
    EXPECT_NEAR(ArcTan2(1, -1), 3 * pi / 4, 1e-15);
    EXPECT_NEAR(ArcTan2(-1, -1), -3 * pi / 4, 1e-15);
    EXPECT_DOUBLE_EQ(ArcTan2(0, -1), 0.0) << "sgn(0) is 0 on the negative x axis";
}

TEST(ComputeAyanamsa, OneCenturyAfter1900) { EXPECT_NEAR(ComputeAyanamsa(1.0), -23.8540, 5e-5); }

struct AscendantCase {
    const char* name;
    FormValues form;
    double correction;
    std::string ascendant;
    std::string midheaven;  // empty: not checked
};

TEST(ComputeAscendant, WorkedExamples) {
    const AscendantCase rows[] = {
        {"j2000Greenwich", Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false), -23.8540,
         Pos(17, 31, 26, "Pis"), ""},
        {"india1947", Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true), -23.1226,
         Pos(7, 10, 40, "Tau"), Pos(21, 14, 48, "Cap")},
        // Polar birth: the formula alone gives the setting point (Scorpio).
        {"tromso1985", Form(1, 6, 1985, 0, 0, kCentralEuropean, 69, 39, false, 18, 57, true), NAN,
         Pos(2, 19, 39, "Tau"), ""},
    };
    for (const AscendantCase& c : rows) {
        Program p = Computed(c.form);
        if (!std::isnan(c.correction)) {
            EXPECT_NEAR((-p.Chart.Ayanamsa), c.correction, 5e-5) << c.name;
        }
        EXPECT_EQ(p.Texts.AscendantText, c.ascendant) << c.name;
        if (!c.midheaven.empty()) {
            EXPECT_EQ(p.Texts.MidheavenText, c.midheaven) << c.name;
        }
        EXPECT_EQ(p.Texts.AyanamsaCorrectionText.substr(0, 1), "-") << c.name;
    }
}

TEST(ComputeAscendant, DaylightSavingIsOneHourEarlier) {
    FormValues v = Form(15, 8, 1947, 1, 0, kIndian, 28, 0, false, 77, 0, true, true);
    const Program dst = Computed(v);
    v.DaylightSaving = false;
    v.Hour = 0;
    const Program plain = Computed(v);
    EXPECT_EQ(dst.Texts.AscendantText, plain.Texts.AscendantText);
    EXPECT_EQ(dst.Texts.AyanamsaCorrectionText, plain.Texts.AyanamsaCorrectionText);
    EXPECT_EQ(dst.Texts.ChartPositions, plain.Texts.ChartPositions);
}

TEST(ComputeAscendant, LondonSummerTimeIsComputedAsAnHourEarlierInGreenwichTime) {
    // West of Greenwich with a clock ahead of it: noon BST is 11:00 GMT for every stage.
    const Program bst = Computed(Form(21, 6, 1990, 12, 0, kBritishSummer, 51, 30, false, 0, 7, false));
    const Program gmt = Computed(Form(21, 6, 1990, 11, 0, kGmt, 51, 30, false, 0, 7, false));
    EXPECT_EQ(bst.Texts.AscendantText, gmt.Texts.AscendantText);
    EXPECT_EQ(bst.Texts.MidheavenText, gmt.Texts.MidheavenText);
    EXPECT_EQ(bst.Texts.MoonLongitudeText, gmt.Texts.MoonLongitudeText);
    EXPECT_EQ(bst.Texts.ChartPositions, gmt.Texts.ChartPositions);
}

TEST(TropicalAscendant, PolarMendNeverTriggersBelowThePolarCircles) {
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> ramc(0.0, 6.28318530717958);
    std::uniform_real_distribution<double> lat(-66.0, 66.0);
    std::uniform_real_distribution<double> eps(23.43, 23.46);
    for (int i = 0; i < 20000; ++i) {
        const double r = ramc(rng), l = lat(rng), e = eps(rng) * kDegToRad;
        ASSERT_EQ(TropicalAscendant(r, e, l, true), TropicalAscendant(r, e, l, false))
            << "ramc " << r << " lat " << l;
    }
}

TEST(TropicalAscendant, AlwaysTheRisingPointBeyondThePolarCircles) {
    // The rising ascendant lies east of the meridian: sin(RAMC - its right ascension) <= 0.
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> ramc(0.0, 6.28318530717958);
    std::uniform_real_distribution<double> lat(66.6, 89.9);
    const double e = 23.44 * kDegToRad;
    for (int i = 0; i < 5000; ++i) {
        const double r = ramc(rng);
        const double l = (i % 2 ? 1 : -1) * lat(rng);
        const double asc = TropicalAscendant(r, e, l, true) * kDegToRad;
        const double alpha = std::atan2(std::sin(asc) * std::cos(e), std::cos(asc));
        EXPECT_LE(std::sin(r - alpha), 1e-9) << "ramc " << r << " lat " << l;
    }
}

TEST(DayNumber, CountsFromJ2000) {
    EXPECT_DOUBLE_EQ(DayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_DOUBLE_EQ(DayNumber(2000, 1, 2, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(DayNumber(1999, 12, 31, 12, 0), -1.0);
    EXPECT_DOUBLE_EQ(DayNumber(2000, 3, 1, 12, 0), 60.0);
}

TEST(NormalizeRadians, IntoOneTurn) {
    const double twoPi = 6.28318530717958;
    EXPECT_NEAR(NormalizeRadians(-1.0), twoPi - 1.0, 1e-12);
    EXPECT_NEAR(NormalizeRadians(3 * twoPi + 0.5), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(NormalizeRadians(0.0), 0.0);
}

TEST(TrueAnomaly, CircularAndEccentricOrbits) {
    EXPECT_NEAR(TrueAnomaly(1.0, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(TrueAnomaly(0.0, 0.2), 0.0, 1e-12);
    // Ahead of the mean anomaly after perihelion, within one turn.
    const double nu = TrueAnomaly(1.0, 0.2);
    EXPECT_GT(nu, 1.0);
    EXPECT_LT(nu, 6.28318530717958);
    EXPECT_GT(TrueAnomaly(5.0, 0.2), 0.0);
}

TEST(GeocentricLongitude, AtJ2000) {
    struct Row {
        int index;
        double longitude;
    } rows[] = {{kMercury, 271.91}, {kVenus, 241.58}, {kSun, 280.38},
                {kMars, 327.98},   {kJupiter, 25.36}, {kSaturn, 40.21}};
    for (const Row& r : rows) EXPECT_NEAR(GeocentricLongitude(r.index, 0.0), r.longitude, 0.005) << r.index;
}

TEST(UniversalMoment, CarriesOverTheCalendar) {
    struct Row {
        const char* name;
        FormValues form;
        UtcMoment expected;
    } rows[] = {
        {"leapYear", Form(1, 3, 2000, 2, 0, kIndian, 0, 0, false, 0, 0, true), {2000, 2, 29, 20, 30}},
        {"commonYear", Form(1, 3, 1999, 2, 0, kIndian, 0, 0, false, 0, 0, true), {1999, 2, 28, 20, 30}},
        {"hour24", Form(31, 12, 1999, 24, 15, kGmt, 0, 0, false, 0, 0, false), {2000, 1, 1, 0, 15}},
        {"daylightSaving", Form(1, 1, 2000, 0, 30, kGmt, 0, 0, false, 0, 0, false, true), {1999, 12, 31, 23, 30}},
        {"westZone", Form(31, 12, 2050, 22, 0, kEasternStandard, 0, 0, false, 0, 0, false), {2051, 1, 1, 3, 0}},
    };
    for (const auto& r : rows) {
        Program p;
        CopyFormToRecord(p, r.form);
        const UtcMoment u = UniversalMoment(p.Birth);
        EXPECT_EQ(u.year, r.expected.year) << r.name;
        EXPECT_EQ(u.month, r.expected.month) << r.name;
        EXPECT_EQ(u.day, r.expected.day) << r.name;
        EXPECT_EQ(u.hour, r.expected.hour) << r.name;
        EXPECT_EQ(u.minute, r.expected.minute) << r.name;
    }
}

TEST(ComputePlanets, J2000Example) {
    const Program p = Computed(Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false));
    EXPECT_EQ(p.Texts.PlanetPositionText[kSun], Pos(16, 31, 32, "Sag"));
    EXPECT_EQ(p.Texts.RahuText, Pos(10, 16, 6, "Can"));
    EXPECT_EQ(p.Texts.KetuText, Pos(10, 16, 6, "Cap"));
    EXPECT_EQ(p.Texts.ChartPositions[0], "16 Sag 31");
    EXPECT_EQ(p.Texts.ChartPositions[1], CompactPosition(p.Chart[Body::Moon].Longitude));
    EXPECT_EQ(p.Texts.ChartPositions[9], CompactPosition(p.Chart[Body::Ascendant].Longitude));
    EXPECT_EQ(p.Texts.ChartPositions[10], CompactPosition(p.Chart[Body::Midheaven].Longitude));
}

TEST(ComputePlanets, CarriedToTheEquinoxOfDate) {
    // In 1901 the fixed equinox of 2000 is a degree and a half away from that of date.
    const Program p = Computed(Form(1, 1, 1901, 12, 0, kGmt, 0, 0, false, 0, 0, false));
    EXPECT_EQ(p.Texts.PlanetPositionText[kSun], Pos(17, 56, 7, "Sag"));
    EXPECT_NEAR(PrecessionSince2000(0.0), 0.0, 0.0);
    EXPECT_NEAR(PrecessionSince2000(-36525.0), -(5028.796195 - 1.1054348) / 3600.0, 1e-12);
}

TEST(ComputePlanets, KetuOppositeRahu) {
    const struct {
        const char* rahu;
        const char* ketu;
    } pairs[] = {{"Ari", "Lib"}, {"Tau", "Sco"}, {"Gem", "Sag"}, {"Can", "Cap"}, {"Leo", "Aqu"},
                 {"Vir", "Pis"}, {"Lib", "Ari"}, {"Sco", "Tau"}, {"Sag", "Gem"}, {"Cap", "Can"},
                 {"Aqu", "Leo"}, {"Pis", "Vir"}};
    // The node goes once round the zodiac in about 18.6 years; every 19 months is a new sign.
    int seen = 0;
    for (int year = 1901; year <= 1920; ++year) {
        const Program p = Computed(Form(1, 1 + year % 12, year, 0, 0, kGmt, 0, 0, false, 0, 0, false));
        const std::string rahu = p.Texts.ChartPositions[7].substr(3, 3);
        const std::string ketu = p.Texts.ChartPositions[8].substr(3, 3);
        for (const auto& pr : pairs) {
            if (rahu == pr.rahu) {
                EXPECT_EQ(ketu, pr.ketu) << year;
                ++seen;
            }
        }
    }
    EXPECT_EQ(seen, 20);
}

}  // namespace
}  // namespace velakor
