#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/ZoneWarning.h"
#include "chart/NameTables.h"

namespace velakor {
namespace {

using namespace velakor::test;

// A Greenwich noon whose ascendant lands in the wanted sign: scan the hours of a day.
Program ChartWithAscendantIn(const char* sign) {
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; minute += 10) {
            Program p = Computed(Form(1, 1, 2000, hour, minute, kGmt, 10, 0, false, 0, 0, false));
            if (p.Texts.LagnaSignAbbrev == sign) return p;
        }
    }
    ADD_FAILURE() << "no ascendant in " << sign;
    return Program{};
}

TEST(ComputeChart, HouseNumbersFollowTheAscendant) {
    const Program aries = ChartWithAscendantIn("Ari");
    for (int h = 0; h < 12; ++h) EXPECT_EQ(SignNumber(aries.Chart.HouseSigns[h]), h + 1) << h;
    const Program pisces = ChartWithAscendantIn("Pis");
    EXPECT_EQ(SignNumber(pisces.Chart.HouseSigns[0]), 12);
    for (int h = 1; h < 12; ++h) EXPECT_EQ(SignNumber(pisces.Chart.HouseSigns[h]), h) << h;
    const Program capricorn = ChartWithAscendantIn("Cap");
    EXPECT_EQ(SignNumber(capricorn.Chart.HouseSigns[0]), 10);
    EXPECT_EQ(SignNumber(capricorn.Chart.HouseSigns[1]), 11);
}

TEST(ComputeChart, HouseTextsOfAKnownChart) {
    const Program p = Computed(Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true));
    const std::array<int, 12> signs{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1};
    EXPECT_EQ(SignNumbers(p.Chart.HouseSigns), signs);
    EXPECT_EQ(p.Texts.HouseTexts[0], "Asc\r\nRahu");
    EXPECT_EQ(p.Texts.HouseTexts[1], "\r\nMangala");
    // Several planets in one sign: chart order, Sun first.
    EXPECT_EQ(p.Texts.HouseTexts[2], "\r\nSurya\r\nChandra\r\nBudha\r\nShukra\r\nShani");
    EXPECT_EQ(p.Texts.HouseTexts[3], "");
    EXPECT_EQ(p.Texts.HouseTexts[5], "\r\nGuru");
    EXPECT_EQ(p.Texts.HouseTexts[6], "\r\nKetu");
}

TEST(ComputeChart, SummaryTexts) {
    const Program p = Computed(Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true));
    EXPECT_EQ(p.Texts.AyanamsaText, "23\xC2\xB0 7' 21\"");
    EXPECT_EQ(p.Texts.LagnaSignAbbrev, "Tau");
    EXPECT_EQ(p.Texts.LagnaSignName, "Vrishabha");
    EXPECT_EQ(p.Texts.NakshatraText, "Pushya");
    EXPECT_EQ(p.Texts.RashiText, "Kataka");
    EXPECT_EQ(p.Texts.NakshatraLord, "Saturn");
    // The Moon is 39 arc minutes into Pushya: its first quarter, not the table's pada count.
    EXPECT_EQ(p.Texts.NakshatraPada, "1");

    const Program j2000 = Computed(Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false));
    EXPECT_EQ(j2000.Texts.NakshatraText, "Swati");
    EXPECT_EQ(j2000.Texts.NakshatraLord, "Rahu");
    EXPECT_EQ(j2000.Texts.NakshatraPada, "4");
    EXPECT_EQ(j2000.Texts.LagnaSignName, "Meena");
}

TEST(ComputeChart, RunningTwiceGivesTheSameCaptions) {
    const FormValues v = Form(4, 7, 1976, 6, 30, kEasternStandard, 40, 43, false, 74, 0, false, true);
    Program p = Computed(v);
    const Program first = p;
    RunCalculation(p, v);
    EXPECT_EQ(p.Texts.HouseTexts, first.Texts.HouseTexts);
    EXPECT_EQ(p.Chart.HouseSigns, first.Chart.HouseSigns);
    EXPECT_EQ(p.Texts.ChartPositions, first.Texts.ChartPositions);
    EXPECT_EQ(p.Texts.NakshatraLord, first.Texts.NakshatraLord);
}

TEST(ComputeChart, ANewRecordReplacesTheOldChart) {
    Program p = Computed(Form(15, 8, 1947, 0, 0, kIndian, 28, 0, false, 77, 0, true));
    RunCalculation(p, Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false));
    const Program fresh = Computed(Form(1, 1, 2000, 12, 0, kGmt, 0, 0, false, 0, 0, false));
    EXPECT_EQ(p.Texts.HouseTexts, fresh.Texts.HouseTexts);
    EXPECT_EQ(p.Texts.RashiText, fresh.Texts.RashiText);
    EXPECT_EQ(p.Birth.BirthYear, 2000);
}

TEST(ZoneWarningTest, AskedOnlyForAClockFarFromTheLongitude) {
    const struct {
        const char* what;
        FormValues form;
        const char* question;  // "" when nothing is asked
    } rows[] = {
        {"the list's first row, UTC-9, in Delhi", Form(10, 5, 1990, 9, 0, 0, 28, 38, false, 77, 12, true),
         "The time zone UTC-09:00 is 14 hours from the local time of longitude 77°12' E (about UTC+05:09). "
         "Cast the chart with this zone?"},
        {"India at UTC+05:30", DelhiForm(), ""},
        {"Madrid in summer, CET and the box: 2:15 apart",
         Form(1, 7, 1990, 12, 0, kCentralEuropean, 40, 25, false, 3, 42, false, true), ""},
        {"New York on Indian time", Form(1, 1, 1990, 12, 0, kIndian, 40, 43, false, 74, 0, false),
         "The time zone UTC+05:30 is 10 hours from the local time of longitude 74°00' W (about UTC-04:56). "
         "Cast the chart with this zone?"},
        {"just over four hours", Form(1, 1, 1990, 12, 0, kGmt, 0, 0, false, 60, 30, true),
         "The time zone UTC+00:00 is 4 hours from the local time of longitude 60°30' E (about UTC+04:02). "
         "Cast the chart with this zone?"},
        {"four hours exactly", Form(1, 1, 1990, 12, 0, kGmt, 0, 0, false, 60, 0, true), ""},
        {"local mean time is never far", Form(1, 1, 1901, 12, 0, kLocalMeanTimeRow, 0, 0, false, 179, 59, false),
         ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Program p;
        CopyFormToRecord(p, r.form);
        EXPECT_EQ(ZoneWarning(p.Birth).value_or(""), r.question);
    }
}

}  // namespace
}  // namespace velakor
