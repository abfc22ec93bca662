// Ingresses, transits, Saturn's periods and the running dasha, against published lists.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestSupport.h"
#include "app/Readings.h"
#include "astro/CivilTime.h"
#include "dasha/RunningDasha.h"
#include "sky/Ingress.h"
#include "sky/PreciseSky.h"
#include "sky/SkyTables.h"
#include "transit/SaturnPeriods.h"
#include "transit/Transit.h"

namespace velakor {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

std::unique_ptr<Sky> Lahiri() {
    SkyChoice c;
    c.Positions = SkyPositions::Precise;
    return MakeSky(c);
}

// Saturn's tropical apparent longitude (true equinox of date) from the same tables: western
// almanacs publish their ingresses in it, to the second.
class TropicalSaturn final : public Sky {
public:
    explicit TropicalSaturn(const SkyTables& t) : t_(t) {}
    double SiderealLongitude(Body, double jdUt) const override {
        const double tt = jdUt + t_.Value(SkySeries::DeltaT, jdUt);
        return std::fmod(t_.Value(SkySeries::Saturn, tt) + t_.Value(SkySeries::Nutation, tt) + 720.0, 360.0);
    }
    Chart CastChart(const BirthRecord&) const override { return {}; }
    SkyChoice Choice() const override { return {}; }
    bool Covers(double jdUt) const override { return t_.Covers(jdUt) && t_.Covers(jdUt + 0.01); }

private:
    const SkyTables& t_;
};

TEST(Ingress, SaturnOverADecadeAgainstPublishedLists) {
    ASSERT_NE(SkyTables::Shared(), nullptr);
    const TropicalSaturn tropical(*SkyTables::Shared());
    const auto lahiri = Lahiri();
    struct Row {
        const char* name;
        const Sky* sky;
        int y, mo, d, h, mi, s, offset;  // the published moment on its clock
        Sign before, after;
    };
    using S = Sign;
    // Tropical: Cafe Astrology's Saturn in Pisces page (to the second, US Eastern time);
    // horozcope.com, "Saturn in Capricorn" (17 Dec 2017) and scienceproved.com (10 Dec 2017), to
    // the minute. Sidereal (Lahiri): Daily Mirror (Sri Lanka), 17 Jan 2020, Sri Lanka time.
    const Row rows[] = {
        {"capricorn2017", &tropical, 2017, 12, 19, 23, 49, 0, -300, S::Sagittarius, S::Capricorn},
        {"aquarius2020", &tropical, 2020, 3, 21, 23, 58, 0, -240, S::Capricorn, S::Aquarius},
        {"retrogradeBackToCapricorn", &tropical, 2020, 7, 1, 19, 37, 0, -240, S::Aquarius, S::Capricorn},
        {"aquariusAgain", &tropical, 2020, 12, 17, 0, 4, 0, -300, S::Capricorn, S::Aquarius},
        {"pisces2023", &tropical, 2023, 3, 7, 8, 34, 34, -300, S::Aquarius, S::Pisces},
        {"aries2025", &tropical, 2025, 5, 24, 23, 35, 31, -240, S::Pisces, S::Aries},
        {"retrogradeBackToPisces", &tropical, 2025, 9, 1, 4, 5, 53, -240, S::Aries, S::Pisces},
        {"ariesAgain", &tropical, 2026, 2, 13, 19, 11, 19, -300, S::Pisces, S::Aries},
        {"siderealMakara2020", lahiri.get(), 2020, 1, 24, 9, 56, 0, 330, S::Sagittarius, S::Capricorn},
    };
    for (const Row& r : rows) {
        const double jd = JdFromCivil(r.y, r.mo, r.d, r.h + r.mi / 60.0 + r.s / 3600.0, r.offset);
        const SignStay before = SignStayAt(*r.sky, Body::Saturn, jd - 3.0);
        const SignStay after = SignStayAt(*r.sky, Body::Saturn, jd + 3.0);
        EXPECT_EQ(before.Rashi, r.before) << r.name;
        EXPECT_EQ(after.Rashi, r.after) << r.name;
        ASSERT_TRUE(before.Leaves && after.Entered) << r.name;
        EXPECT_NEAR(*before.Leaves, jd, kMinute) << r.name << ": " << IsoMoment(*before.Leaves, r.offset);
        EXPECT_NEAR(*after.Entered, jd, kMinute) << r.name << ": " << IsoMoment(*after.Entered, r.offset);
        EXPECT_LT(std::fabs(*after.Entered - *before.Leaves), 2e-6) << r.name << ": one crossing, both ways";
    }
}

// The birth of the published list below: Delhi, 24 June 2016, noon; the Moon in Capricorn.
Program CapricornMoon() { return test::Computed(test::Form(24, 6, 2016, 12, 0, test::kIndian, 28, 38, false, 77, 12, true)); }

TEST(SaturnPeriods, OneBirthAgainstPublishedDates) {
    const Program p = CapricornMoon();
    ASSERT_EQ(p.Chart[Body::Moon].Rashi, Sign::Capricorn);
    const auto sky = Lahiri();
    const auto periods = SaturnPeriods(*sky, Sign::Capricorn, p.Chart.JdUt, p.Chart.JdUt + kSaturnPeriodsSpanDays);
    // Saturn's sidereal ingresses as Indian papers printed them, dates in Indian time:
    // 26 Jan 2017 (The Nation, Sri Lanka, 21 Jan 2017); 21 Jun and 26 Oct 2017 (Starwheel
    // Astrology, "Saturn enters Vedic Scorpio"); 24 Jan 2020 (Daily Mirror, Sri Lanka); 29 Apr
    // and 12 Jul 2022 (Hindustan Times, 2 Jan 2022); 17 Jan 2023 (Jagran); 29 Mar 2025 and
    // 3 Jun 2027 (Astrologymag, "Saturn in Pisces").
    struct Row {
        SaturnPhase phase;
        Sign sign;
        const char* start;
        const char* end;
    };
    using P = SaturnPhase;
    const Row published[] = {
        {P::Rising, Sign::Sagittarius, "2017-01-26", "2017-06-21"}, {P::Rising, Sign::Sagittarius, "2017-10-26", "2020-01-24"},
        {P::Peak, Sign::Capricorn, "2020-01-24", "2022-04-29"},     {P::Setting, Sign::Aquarius, "2022-04-29", "2022-07-12"},
        {P::Peak, Sign::Capricorn, "2022-07-12", "2023-01-17"},     {P::Setting, Sign::Aquarius, "2023-01-17", "2025-03-29"},
        {P::Kantaka, Sign::Aries, "2027-06-03", nullptr},
    };
    ASSERT_GE(periods.size(), std::size(published));
    for (std::size_t i = 0; i < std::size(published); ++i) {
        const Row& r = published[i];
        const SaturnPeriod& s = periods[i];
        EXPECT_EQ(s.Phase, r.phase) << i;
        EXPECT_EQ(s.Rashi, r.sign) << i;
        EXPECT_EQ(IsoMoment(*s.StartJd, 330).substr(0, 10), r.start) << i;
        if (r.end) {
            EXPECT_EQ(IsoMoment(*s.EndJd, 330).substr(0, 10), r.end) << i;
        }
    }
    // The sade sati whole: from the first entry into Sagittarius to the last exit from
    // Aquarius, the step back into Scorpio inside it.
    const std::vector<SadeSati> spans = SadeSatis(periods);
    ASSERT_GE(spans.size(), 2u);
    EXPECT_EQ(IsoMoment(*spans[0].StartJd, 330).substr(0, 10), "2017-01-26");
    EXPECT_EQ(IsoMoment(*spans[0].EndJd, 330).substr(0, 10), "2025-03-29");
    const double during2021 = JdFromCivil(2021, 6, 1, 0.0, 0);
    EXPECT_EQ(RunningSadeSati(spans, during2021), 0);
    EXPECT_EQ(NextSadeSati(spans, during2021), 1);
    EXPECT_EQ(RunningSadeSati(spans, *spans[0].EndJd), -1);
    EXPECT_GT(*spans[1].StartJd - *spans[0].EndJd, 20 * 365.25);
}

TEST(SaturnPeriods, HundredYearsTileWithoutGapOrOverlap) {
    const auto sky = Lahiri();
    struct Row {
        const char* name;
        FormValues form;
    };
    const Row rows[] = {
        {"delhi1947", test::DelhiForm()},
        {"capricornMoon2016", test::Form(24, 6, 2016, 12, 0, test::kIndian, 28, 38, false, 77, 12, true)},
        // Saturn had entered its sign before the tables begin: the first start is unknown.
        {"firstYear", test::Form(2, 1, 1901, 6, 0, test::kGmt, 51, 30, false, 0, 7, false)},
        // A century on runs to the last days of the tables: the last stay's end lies past them.
        {"lastYear", test::Form(31, 12, 2050, 22, 0, test::kEasternStandard, 40, 43, false, 74, 0, false)},
    };
    for (const Row& r : rows) {
        const Program p = test::Computed(r.form);
        const Sign moon = p.Chart[Body::Moon].Rashi;
        const double birth = p.Chart.JdUt, until = birth + kSaturnPeriodsSpanDays;
        const auto periods = SaturnPeriods(*sky, moon, birth, until);
        ASSERT_GT(periods.size(), 20u) << r.name;
        const SignStay atBirth = SignStayAt(*sky, Body::Saturn, birth);
        // The first row is the one under way at birth, if any; its start may lie before 1900.
        const auto& first = periods.front().StartJd;
        EXPECT_EQ(SaturnPhaseOf(moon, atBirth.Rashi).has_value(), !first || *first < birth) << r.name;
        EXPECT_LT(*periods.back().StartJd, until) << r.name;
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const SaturnPeriod& s = periods[i];
            ASSERT_TRUE(s.StartJd || i == 0) << r.name << i;
            if (!s.EndJd) {
                EXPECT_EQ(i + 1, periods.size()) << r.name << ": only the last may end past the tables";
                continue;
            }
            EXPECT_LT(s.StartJd.value_or(0.0), *s.EndJd) << r.name << i;
            const double middle = 0.5 * (s.StartJd.value_or(birth) + *s.EndJd);
            EXPECT_EQ(SignOf(sky->SiderealLongitude(Body::Saturn, middle)), s.Rashi) << r.name << i;
            EXPECT_EQ(SaturnPhaseOf(moon, s.Rashi), s.Phase) << r.name << i;
            if (i + 1 == periods.size()) continue;
            const SaturnPeriod& next = periods[i + 1];
            EXPECT_LE(*s.EndJd, *next.StartJd) << r.name << i << ": no overlap";
            // Where Saturn passes straight into another phase's sign the two meet at one
            // moment; otherwise the gap is spent in signs of no phase.
            const Sign afterEnd = SignStayAt(*sky, Body::Saturn, *s.EndJd, StayEnds::LeavingOnly).Rashi;
            if (SaturnPhaseOf(moon, afterEnd)) {
                EXPECT_EQ(*next.StartJd, *s.EndJd) << r.name << i << ": consecutive phases meet";
            } else {
                const double gap = 0.5 * (*s.EndJd + *next.StartJd);
                EXPECT_FALSE(SaturnPhaseOf(moon, SignOf(sky->SiderealLongitude(Body::Saturn, gap)))) << r.name << i;
            }
        }
    }
}

TEST(RunningDasha, EqualsThePeriodsThatHoldTheMomentAcrossBoundaries) {
    const Program p = test::Computed(test::DelhiForm());
    const Readings r = ComputeReadings(p.Birth, p.Chart, p.SkyInUse, ReadingOptions{});
    const Dasha& d = r.Periods;
    struct Row {
        const char* name;
        int maha, antar, pratyantar;  // the period whose start is the boundary
    };
    const Row rows[] = {
        {"mahadasha", 2, 0, 0},
        {"antardasha", 3, 4, 0},
        {"pratyantardasha", 4, 1, 5},
    };
    constexpr double kSecond = 1.0 / 86400.0;
    for (const Row& row : rows) {
        const DashaPeriod maha = d.Mahadashas[static_cast<std::size_t>(row.maha)];
        const DashaPeriod antar = SubPeriods(maha)[static_cast<std::size_t>(row.antar)];
        const DashaPeriod first = SubPeriods(antar)[static_cast<std::size_t>(row.pratyantar)];
        for (const double side : {-1.0, 1.0}) {
            const double jd = first.StartJd + side * kSecond;
            // The periods that hold jd, found level by level from the whole cycle.
            std::vector<DashaPeriod> holding;
            const DashaPeriods* level = &d.Mahadashas;
            DashaPeriods subs;
            for (int depth = 0; depth < 3; ++depth) {
                for (const DashaPeriod& q : *level) {
                    if (jd >= q.StartJd && jd < q.EndJd) holding.push_back(q);
                }
                ASSERT_EQ(holding.size(), static_cast<std::size_t>(depth + 1)) << row.name << side;
                subs = SubPeriods(holding.back());
                level = &subs;
            }
            const auto running = RunningDashaAt(d, jd);
            ASSERT_TRUE(running) << row.name;
            const DashaPeriod got[] = {running->Maha, running->Antar, running->Pratyantar};
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(got[k].Lord, holding[static_cast<std::size_t>(k)].Lord) << row.name << side << k;
                EXPECT_EQ(got[k].StartJd, holding[static_cast<std::size_t>(k)].StartJd) << row.name << side << k;
                EXPECT_EQ(got[k].EndJd, holding[static_cast<std::size_t>(k)].EndJd) << row.name << side << k;
            }
            // Just after the boundary the new pratyantardasha runs, just before it the one ending there.
            EXPECT_EQ(side > 0 ? running->Pratyantar.StartJd : running->Pratyantar.EndJd, first.StartJd) << row.name;
        }
    }
    EXPECT_FALSE(RunningDashaAt(d, d.Mahadashas[0].StartJd - 1.0)) << "before the cycle";
    EXPECT_FALSE(RunningDashaAt(d, d.Mahadashas[8].EndJd)) << "after it";
}

// Stepping from ingress to ingress, both ways, in both skies: each step lands on a crossing,
// and a step back from it and forward again lands on the same one.
TEST(Transit, IngressStepsWalkFromCrossingToCrossing) {
    const auto precise = Lahiri();
    const auto builtin = MakeSky(SkyChoice{});
    const double newYear2020 = JdFromCivil(2020, 1, 1, 0.0, 330);
    const struct {
        const char* name;
        const Sky* sky;
        Body body;
    } rows[] = {
        {"preciseSaturn", precise.get(), Body::Saturn}, {"preciseMoon", precise.get(), Body::Moon},
        {"preciseKetu", precise.get(), Body::Ketu},     {"builtinSun", builtin.get(), Body::Sun},
        {"builtinMars", builtin.get(), Body::Mars},
    };
    for (const auto& r : rows) {
        const auto next = IngressStep(*r.sky, r.body, newYear2020, true);
        ASSERT_TRUE(next) << r.name;
        EXPECT_GT(*next, newYear2020) << r.name;
        const auto signAt = [&](double jd) { return SignOf(r.sky->SiderealLongitude(r.body, jd)); };
        EXPECT_NE(signAt(*next - 1e-4), signAt(*next + 1e-4)) << r.name << ": a crossing";
        const auto back = IngressStep(*r.sky, r.body, *next, false);
        ASSERT_TRUE(back) << r.name;
        EXPECT_LT(*back, newYear2020) << r.name << ": the one before, not the one stood on";
        EXPECT_NEAR(IngressStep(*r.sky, r.body, *back, true).value_or(0.0), *next, 1e-5) << r.name;
    }
    // Saturn into Capricorn, as the Daily Mirror printed it (see above).
    EXPECT_NEAR(*IngressStep(*precise, Body::Saturn, newYear2020, true), JdFromCivil(2020, 1, 24, 9 + 56 / 60.0, 330),
                kMinute);
    EXPECT_FALSE(IngressStep(*precise, Body::Saturn, kTransitsUntilJd + 1.0, false));
    EXPECT_FALSE(IngressStep(*builtin, Body::Saturn, JdFromCivil(2150, 12, 1, 0.0, 0), true)) << "past the span";
}

TEST(Transit, OutsideTheTablesGivesTheMessageAndNothing) {
    const Program p = test::Computed(test::DelhiForm());
    const auto sky = Lahiri();
    ASSERT_EQ(sky->Choice().Positions, SkyPositions::Precise);
    const struct {
        const char* name;
        int y, m, d;
        const char* message;
    } rows[] = {
        {"afterTheEnd", 2151, 3, 1, "The precise sky's tables run from 1900 to 2150: nothing can be computed for 2151-03-01."},
        {"beforeTheStart", 1899, 12, 31,
         "The precise sky's tables run from 1900 to 2150: nothing can be computed for 1899-12-31."},
    };
    for (const auto& r : rows) {
        const double jd = JdFromCivil(r.y, r.m, r.d, 12.0, 330);
        EXPECT_FALSE(sky->Covers(jd)) << r.name;
        EXPECT_FALSE(TransitAt(*sky, p.Chart, jd)) << r.name;
        EXPECT_EQ(OutsideSkyMessage(jd, 330), r.message) << r.name;
        EXPECT_TRUE(std::isnan(SkyTables::Shared()->Value(SkySeries::Moon, jd))) << r.name << ": never extrapolated";
        EXPECT_TRUE(SaturnPeriods(*sky, Sign::Aries, jd, jd + 1000).empty()) << r.name;
    }
    // The last moments the tables hold still give a transit, with no leaving moment past them.
    const double last = JdFromCivil(2150, 12, 31, 12.0, 330);
    const auto t = TransitAt(*sky, p.Chart, last);
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->Bodies[static_cast<std::size_t>(Index(Body::Saturn))].LeavesJd) << "Saturn leaves after 2150";
    EXPECT_TRUE(t->Bodies[static_cast<std::size_t>(Index(Body::Moon))].LeavesJd) << "the Moon within days";
    // One span, in universal time, whatever the tables hold past it: its first moment (two
    // seconds before the tables in terrestrial time) gives a transit, its end none.
    EXPECT_TRUE(TransitAt(*sky, p.Chart, kTransitsFromJd));
    EXPECT_FALSE(TransitAt(*sky, p.Chart, kTransitsUntilJd));
    EXPECT_TRUE(TransitAt(*sky, p.Chart, kTransitsUntilJd - 1.0 / 86400));
}

}  // namespace
}  // namespace velakor
