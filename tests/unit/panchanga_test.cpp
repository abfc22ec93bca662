// The birth panchanga: sunrise against a published table, the weekday from sunrise, the
// moments the limbs end, and the crossings of dates far north or far from the clock's meridian.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "TestSupport.h"
#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "panchanga/Panchanga.h"
#include "sky/BuiltinSky.h"
#include "sky/SkyTables.h"

namespace velakor {
namespace {

using namespace velakor::test;

constexpr int kIst = 330;
constexpr double kDelhiLat = 28.0 + 37.0 / 60.0;
constexpr double kDelhiLon = 77.0 + 12.0 / 60.0;

double ClockHours(double jd, int offset) {
    const CivilMoment c = CivilFromJd(jd, offset);
    return c.Hour + c.Minute / 60.0 + c.Second / 3600.0;
}

// Nehru Planetarium, New Delhi, for the solstices of 2006 (Press Trust of India, 20 June
// 2006): rising and setting of the Sun's upper limb with refraction, the almanac
// convention, to the minute in Indian time. The centre of the disc on the true horizon
// comes a few minutes later in the morning and earlier in the evening.
struct SunCase {
    const char* name;
    int year, month, day;
    int riseH, riseM, setH, setM;
};

TEST(Sunrise, AgreesWithThePublishedTableAndTheCentreRuleIsInside) {
    const SunCase cases[] = {
        {"summerSolstice2006", 2006, 6, 21, 5, 24, 19, 22},
        {"winterSolstice2006", 2006, 12, 22, 7, 10, 17, 29},
    };
    for (const SunCase& c : cases) {
        const SunEvents limb = SunriseSunset(c.year, c.month, c.day, kIst, kDelhiLat, kDelhiLon, SunriseRule::Limb);
        ASSERT_TRUE(limb.Rises && limb.Sets) << c.name;
        EXPECT_NEAR(ClockHours(limb.RiseJd, kIst), c.riseH + c.riseM / 60.0, 1.0 / 60.0) << c.name;
        EXPECT_NEAR(ClockHours(limb.SetJd, kIst), c.setH + c.setM / 60.0, 1.0 / 60.0) << c.name;
        const SunEvents centre = SunriseSunset(c.year, c.month, c.day, kIst, kDelhiLat, kDelhiLon, SunriseRule::Centre);
        const double laterMinutes = (centre.RiseJd - limb.RiseJd) * 1440.0;
        const double earlierMinutes = (limb.SetJd - centre.SetJd) * 1440.0;
        EXPECT_GT(laterMinutes, 3.0) << c.name;
        EXPECT_LT(laterMinutes, 5.0) << c.name;
        EXPECT_NEAR(earlierMinutes, laterMinutes, 0.2) << c.name;
    }
}

// The sunrise is the date's first rising on the birth's clock, wherever in the date it falls;
// the sunset is the first setting after it, within a day, on the next date when it comes
// after midnight. Where one is missing the note says which, and only then; no time is given
// that is not a crossing. The times are those of the JPL ephemeris for the same rule (the
// topocentric Sun's centre or upper limb at the rule's altitude), to the minute.
TEST(Sunrise, TheDatesSunriseAndTheSunsetThatEndsItsDay) {
    struct Row {
        const char* name;
        int year, month, day, offset;
        double latitude, longitude;
        SunriseRule rule;
        const char* rise;  // "YYYY-MM-DDThh:mm" on the clock, or nullptr when there is none
        const char* set;
        const char* note;
    };
    ASSERT_NE(SkyTables::Shared(), nullptr) << "the Sun of the precise sky's tables";
    constexpr double kTromsoLat = 69.65, kTromsoLon = 18.95;
    constexpr const char* kNoSetting = "The Sun does not set on this day.";
    constexpr const char* kNoRising = "The Sun does not rise on this day.";
    const Row rows[] = {
        // Chukotka, 65 deg 23' N 172 deg 09' E on UTC+10, 88 minutes behind its mean time:
        // the date's rising comes late in the evening (23:51:51), its day ends the next evening.
        {"Chukotka, rising in the evening", 2000, 6, 14, 600, 65.0 + 23.0 / 60, 172.0 + 9.0 / 60,
         SunriseRule::Centre, "2000-06-14T23:51", "2000-06-15T21:12", ""},
        // Tromso: the last nights before the midnight Sun are cut by midnight on the clock.
        {"Tromso, sets after the next midnight", 2000, 5, 20, 120, kTromsoLat, kTromsoLon, SunriseRule::Centre,
         "2000-05-20T01:25", "2000-05-21T00:10", ""},
        {"Tromso, rises and does not set", 2000, 5, 21, 120, kTromsoLat, kTromsoLon, SunriseRule::Centre,
         "2000-05-21T01:10", nullptr, kNoSetting},
        {"Tromso, midnight Sun", 2000, 6, 21, 60, kTromsoLat, kTromsoLon, SunriseRule::Centre, nullptr, nullptr,
         kNoSetting},
        {"Tromso, polar night", 2000, 12, 21, 60, kTromsoLat, kTromsoLon, SunriseRule::Limb, nullptr, nullptr,
         kNoRising},
        // The upper limb dips below the horizon for ten minutes about midnight.
        {"a short dip", 2001, 6, 20, 300, 65.0 + 44.0 / 60, 73.0, SunriseRule::Limb, "2001-06-20T00:14", nullptr,
         kNoSetting},
        {"Oslo, far south of the circle", 2000, 6, 21, 60, 59.9, 10.75, SunriseRule::Centre, "2000-06-21T03:05",
         "2000-06-21T21:32", ""},
        {"Reykjavik in June, setting after midnight", 2020, 6, 20, 0, 64.0 + 8.0 / 60, -(21.0 + 54.0 / 60),
         SunriseRule::Limb, "2020-06-20T02:55", "2020-06-21T00:03", ""},
        // The edge of the polar day at 65 deg 30' N 81 deg 09' W on UTC-6: the limb rises at
        // 23:59:58 on the 21st and 00:00:55 on the 23rd, so the 22nd has a setting only.
        {"the polar edge", 2005, 6, 22, -360, 65.5, -(81.0 + 9.0 / 60), SunriseRule::Limb, nullptr,
         "2005-06-22T22:52", kNoRising},
        {"London on a clock twelve hours ahead", 2000, 6, 21, 720, 51.5, 0.0, SunriseRule::Centre,
         "2000-06-21T15:49", "2000-06-22T08:13", ""},
    };
    for (const Row& r : rows) {
        const SunEvents e = SunriseSunset(r.year, r.month, r.day, r.offset, r.latitude, r.longitude, r.rule);
        for (const auto& [what, happens, jd, expected] :
             {std::tuple{"rise", e.Rises, e.RiseJd, r.rise}, std::tuple{"set", e.Sets, e.SetJd, r.set}}) {
            ASSERT_EQ(happens, expected != nullptr) << r.name << ": " << what;
            if (!happens) continue;
            const std::string at = IsoMoment(jd, r.offset);
            EXPECT_EQ(at.substr(0, std::string(expected).size()), expected) << r.name << ": " << what << " " << at;
        }
        if (e.Rises && e.Sets) {
            EXPECT_GT(e.SetJd, e.RiseJd) << r.name;
        }
        EXPECT_EQ(SunPassageNote(e.Passage), r.note) << r.name;
    }

    // The vara is the weekday of the date of the last sunrise before the birth. A birth before
    // the date's evening rising belongs to the day before: 14 June 2000 was a Wednesday, and
    // the birth at 4:53 a Tuesday's.
    Program chukotka = Computed(Form(14, 6, 2000, 4, 53, 30, 65, 23, false, 172, 9, true));
    ASSERT_EQ(BirthUtcOffsetMinutes(chukotka.Birth), 600);
    EXPECT_EQ(VaraName(ComputePanchanga(chukotka.Birth, chukotka.Chart, BuiltinSky{}, SunriseRule::Centre).Vara),
              "Tuesday");
    // At the polar edge the Sun last rose at 23:59:58 on Tuesday 21 June 2005.
    constexpr int kUtcMinus6 = 21;
    Program edge = Computed(Form(22, 6, 2005, 12, 0, kUtcMinus6, 65, 30, false, 81, 9, false));
    ASSERT_EQ(BirthUtcOffsetMinutes(edge.Birth), -360);
    EXPECT_EQ(VaraName(ComputePanchanga(edge.Birth, edge.Chart, BuiltinSky{}, SunriseRule::Limb).Vara), "Tuesday");
    // A chart born in the polar day keeps the civil date's weekday (21 June 2000: Wednesday).
    Program p = Computed(Form(21, 6, 2000, 2, 0, kCentralEuropean, 69, 39, false, 18, 57, true));
    const Panchanga pp = ComputePanchanga(p.Birth, p.Chart, BuiltinSky{}, p.Reading.Sunrise);
    EXPECT_EQ(pp.Sun.Passage, SunPassage::AlwaysUp);
    EXPECT_EQ(VaraName(pp.Vara), "Wednesday");
}

TEST(Panchanga, WeekdayRunsFromSunrise) {
    // 15 August 1947 was a Friday; at midnight in Delhi Thursday's day is still running.
    struct Row {
        const char* name;
        int hour, minute;
        const char* vara;
    };
    // The centre of the Sun's disc rises at 5:53:39 that day.
    const Row rows[] = {{"midnight", 0, 0, "Thursday"}, {"justBeforeSunrise", 5, 53, "Thursday"},
                        {"justAfterSunrise", 5, 54, "Friday"}, {"evening", 23, 59, "Friday"}};
    for (const Row& r : rows) {
        Program p = Computed(Form(15, 8, 1947, r.hour, r.minute, kIndian, 28, 37, false, 77, 12, true));
        const Panchanga pp = ComputePanchanga(p.Birth, p.Chart, BuiltinSky{}, p.Reading.Sunrise);
        EXPECT_EQ(VaraName(pp.Vara), r.vara) << r.name;
    }
}

TEST(Panchanga, LimbsEndWhereTheSkyCrossesTheirBoundary) {
    // 21 January 2000, 0:00 UT: the Moon waxes to the full Moon of 21 January, 04:40 UT
    // (the night of the total lunar eclipse), which ends the fifteenth tithi and the thirtieth karana.
    const BuiltinSky sky;
    const double birth = JdFromCivil(2000, 1, 21, 0.0, 0);
    const double sun = sky.SiderealLongitude(Body::Sun, birth);
    const double moon = sky.SiderealLongitude(Body::Moon, birth);
    const Panchanga p = ComputePanchanga(sun, moon, birth, 0, 51.5, 0.0, sky, SunriseRule::Centre);
    EXPECT_EQ(p.Tithi.Index, 14);
    EXPECT_EQ(TithiName(p.Tithi.Index), "Purnima");
    EXPECT_EQ(PakshaName(p.Tithi.Index), "Shukla");
    EXPECT_EQ(p.Karana.Index, 29);
    const double fullMoon = JdFromCivil(2000, 1, 21, 4.0 + 40.0 / 60.0, 0);
    EXPECT_NEAR((p.Tithi.EndsJd - fullMoon) * 1440.0, 0.0, 10.0);
    EXPECT_NEAR(p.Karana.EndsJd, p.Tithi.EndsJd, 1e-5);

    // Each limb: its own index a minute before its end, the next a minute after.
    struct Limb {
        const char* name;
        const PanchangaLimb& limb;
        int count;
        double (*value)(double sun, double moon);
    };
    const Limb limbs[] = {
        {"tithi", p.Tithi, 30, [](double s, double m) { return std::fmod(m - s + 720.0, 360.0) / 12.0; }},
        {"karana", p.Karana, 60, [](double s, double m) { return std::fmod(m - s + 720.0, 360.0) / 6.0; }},
        {"nakshatra", p.Nakshatra, 27, [](double, double m) { return m / (40.0 / 3.0); }},
        {"yoga", p.Yoga, 27, [](double s, double m) { return std::fmod(m + s, 360.0) / (40.0 / 3.0); }},
    };
    for (const Limb& l : limbs) {
        EXPECT_GT(l.limb.EndsJd, birth) << l.name;
        EXPECT_LT(l.limb.EndsJd - birth, 1.3) << l.name;
        for (const int side : {-1, 1}) {
            const double t = l.limb.EndsJd + side / 1440.0;
            const int index = static_cast<int>(std::floor(
                l.value(sky.SiderealLongitude(Body::Sun, t), sky.SiderealLongitude(Body::Moon, t))));
            EXPECT_EQ(index, (l.limb.Index + (side > 0 ? 1 : 0)) % l.count) << l.name << " side " << side;
        }
    }
}

TEST(Panchanga, KaranaNamesTurnThroughTheMonth) {
    const std::pair<int, const char*> rows[] = {{0, "Kimstughna"}, {1, "Bava"},   {7, "Vishti"}, {8, "Bava"},
                                                {56, "Vishti"},    {57, "Shakuni"}, {58, "Chatushpada"},
                                                {59, "Naga"}};
    for (const auto& [index, name] : rows) EXPECT_EQ(KaranaName(index), name) << index;
    EXPECT_EQ(TithiName(29), "Amavasya");
    EXPECT_EQ(PakshaName(15), "Krishna");
}

}  // namespace
}  // namespace velakor
