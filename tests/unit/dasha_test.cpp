// Vimshottari periods: the birth lord and its balance, and periods that tile time at every
// level for each year length.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/CivilTime.h"
#include "dasha/Vimshottari.h"

namespace velakor {
namespace {

constexpr double kSpan = 40.0 / 3.0;                                   // one nakshatra
const double kBirth = JdFromCivil(1972, 6, 1, 10.5, 330);           // 1 June 1972, 10:30 IST

struct DashaCase {
    const char* name;
    double moon;
    double yearDays;
    DashaLord lord;
    double elapsed;         // fraction of the birth lord's period behind at birth
    double remainingYears;  // from the birth to the end of the birth lord's period
};

void PrintTo(const DashaCase& c, std::ostream* os) { *os << c.name; }

class DashaTest : public ::testing::TestWithParam<DashaCase> {};

void ExpectTiles(const DashaPeriods& periods, double start, double end, const std::string& what) {
    EXPECT_DOUBLE_EQ(periods.front().StartJd, start) << what;
    EXPECT_DOUBLE_EQ(periods.back().EndJd, end) << what;
    for (int i = 0; i < kDashaLordCount; ++i) {
        EXPECT_LT(periods[i].StartJd, periods[i].EndJd) << what << " " << i;
        if (i > 0) {
            EXPECT_EQ(periods[i].StartJd, periods[i - 1].EndJd) << what << " gap or overlap at " << i;
        }
    }
}

TEST_P(DashaTest, BirthLordBalanceAndPeriodsThatTileTime) {
    const DashaCase& c = GetParam();
    const Dasha d = ComputeDasha(c.moon, kBirth, c.yearDays);
    EXPECT_EQ(d.BirthLord, c.lord);
    EXPECT_NEAR(d.ElapsedFraction, c.elapsed, 1e-9);
    EXPECT_NEAR((d.Mahadashas[0].EndJd - kBirth) / c.yearDays, c.remainingYears, 1e-6);
    EXPECT_EQ(RunningPeriod(d.Mahadashas, kBirth), 0);

    // The nine mahadashas: 120 years of the chosen length, the first starting before the birth.
    const double start = d.Mahadashas[0].StartJd;
    EXPECT_NEAR((d.Mahadashas[8].EndJd - start) / c.yearDays, 120.0, 1e-6);
    for (int i = 0; i < kDashaLordCount; ++i) {
        const DashaPeriod& m = d.Mahadashas[i];
        EXPECT_EQ(m.Lord, static_cast<DashaLord>((static_cast<int>(c.lord) + i) % 9));
        EXPECT_NEAR((m.EndJd - m.StartJd) / c.yearDays, DashaLordYears(m.Lord), 1e-6);
        if (i > 0) {
            EXPECT_EQ(m.StartJd, d.Mahadashas[i - 1].EndJd);
        }
        // Antardashas from the mahadasha's own lord, each maha x years / 120.
        const DashaPeriods antar = SubPeriods(m);
        ExpectTiles(antar, m.StartJd, m.EndJd, "antardashas of " + std::to_string(i));
        EXPECT_EQ(antar[0].Lord, m.Lord);
        for (const DashaPeriod& a : antar) {
            EXPECT_NEAR((a.EndJd - a.StartJd) / c.yearDays, DashaLordYears(m.Lord) * DashaLordYears(a.Lord) / 120.0,
                        1e-6);
        }
        const DashaPeriods pratyantar = SubPeriods(antar[4]);
        ExpectTiles(pratyantar, antar[4].StartJd, antar[4].EndJd, "pratyantardashas of " + std::to_string(i));
        EXPECT_EQ(pratyantar[0].Lord, antar[4].Lord);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DashaTest,
    ::testing::Values(
        // The teaching texts' example: 6 signs 7 deg 35' lies in Swati (Rahu) with
        // 0.91667 deg of its 13.333 behind; 0.93125 of 18 years remain.
        DashaCase{"swatiRahuBalance", 180.0 + 7.0 + 35.0 / 60.0, 365.25, DashaLord::Rahu, 0.06875, 16.7625},
        DashaCase{"tropicalYear", 180.0 + 7.0 + 35.0 / 60.0, 365.2422, DashaLord::Rahu, 0.06875, 16.7625},
        DashaCase{"savanaYear", 180.0 + 7.0 + 35.0 / 60.0, 360.0, DashaLord::Rahu, 0.06875, 16.7625},
        // On a boundary the new nakshatra has just begun: its lord's whole period is ahead.
        DashaCase{"boundaryOpensBharani", kSpan, 365.25, DashaLord::Venus, 0.0, 20.0},
        DashaCase{"boundaryOpensMagha", 9 * kSpan, 365.25, DashaLord::Ketu, 0.0, 7.0},
        DashaCase{"firstPointOfAries", 0.0, 365.25, DashaLord::Ketu, 0.0, 7.0},
        DashaCase{"endOfRevati", 360.0 - kSpan / 4, 360.0, DashaLord::Mercury, 0.75, 4.25},
        DashaCase{"fullCircleIsAries", 360.0, 365.25, DashaLord::Ketu, 0.0, 7.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct BalanceCase {
    const char* name;
    int by, bm, bd;
    double birthHour;
    int ey, em, ed;
    double endHour;
    int years, months, days;
};

TEST(DashaBalance, CountedOnTheCalendar) {
    const BalanceCase cases[] = {
        {"sunEndsInFebruary", 1972, 6, 1, 10.0, 1977, 2, 28, 15.0, 4, 8, 27},
        {"endClockBeforeBirthClock", 1972, 6, 1, 10.0, 1977, 2, 28, 9.0, 4, 8, 26},
        {"birthOnTheThirtyFirst", 1980, 1, 31, 12.0, 1980, 3, 1, 12.0, 0, 1, 1},
        {"wholeYears", 2000, 2, 29, 0.0, 2004, 2, 29, 0.0, 4, 0, 0},
    };
    for (const BalanceCase& c : cases) {
        Dasha d;
        d.BirthLord = DashaLord::Sun;
        d.BirthJd = JdFromCivil(c.by, c.bm, c.bd, c.birthHour, 330);
        d.Mahadashas[0].EndJd = JdFromCivil(c.ey, c.em, c.ed, c.endHour, 330);
        const DashaBalance b = BalanceAtBirth(d, 330);
        EXPECT_EQ(b.Lord, DashaLord::Sun) << c.name;
        EXPECT_EQ(b.Years, c.years) << c.name;
        EXPECT_EQ(b.Months, c.months) << c.name;
        EXPECT_EQ(b.Days, c.days) << c.name;
    }
}

TEST(CivilTime, MomentsReadOnTheBirthsClock) {
    const std::pair<std::pair<double, int>, const char*> rows[] = {
        {{2451545.0, 0}, "2000-01-01T12:00:00+00:00"},
        {{2451545.0, -300}, "2000-01-01T07:00:00-05:00"},
        {{2451544.5, 330}, "2000-01-01T05:30:00+05:30"},
        {{2415020.5, -60}, "1899-12-31T23:00:00-01:00"},            // before 1970, back over a year's end
        {{2451545.0 + 0.6 / 86400, 0}, "2000-01-01T12:00:01+00:00"},  // to the nearest second
        {{2451603.5, 0}, "2000-02-29T00:00:00+00:00"},
    };
    for (const auto& [moment, iso] : rows) EXPECT_EQ(IsoMoment(moment.first, moment.second), iso) << iso;
    EXPECT_EQ(ClockText(2451545.0 + 59.4 / 86400, 0), "2000-01-01 12:00:59") << "never a minute still running";
    EXPECT_DOUBLE_EQ(JdFromCivil(2000, 1, 1, 17.5, 330), 2451545.0);
}

}  // namespace
}  // namespace velakor
