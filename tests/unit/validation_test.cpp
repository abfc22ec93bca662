#include <gtest/gtest.h>

#include "TestSupport.h"

namespace velakor {
namespace {

using namespace velakor::test;

FormValues Valid() { return Form(15, 8, 1947, 10, 30, kIndian, 28, 38, false, 77, 12, true); }

struct RuleCase {
    const char* name;
    void (*change)(FormValues&);
    const char* message;  // nullptr: passes
    MessageIcon icon;
    FormField focus;
    FollowUp then;
};

constexpr auto C = MessageIcon::Critical;
constexpr auto I = MessageIcon::Information;

class ValidateInputTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ValidateInputTest, FirstFailingRule) {
    const RuleCase& c = GetParam();
    FormValues v = Valid();
    c.change(v);
    const auto failure = ValidateInput(v);
    if (c.message == nullptr) {
        EXPECT_FALSE(failure.has_value()) << failure->Message;
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message, c.message);
    EXPECT_EQ(failure->Icon, c.icon);
    EXPECT_EQ(failure->Focus, c.focus);
    EXPECT_EQ(failure->Then, c.then);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValidateInputTest,
    ::testing::Values(
        RuleCase{"valid", [](FormValues&) {}, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"noName", [](FormValues& v) { v.Name.clear(); }, "Please Enter Your Name", C, FormField::Name, FollowUp::None},
        RuleCase{"nameAndLatitudeEmpty", [](FormValues& v) { v.Name.clear(); v.LatDeg.clear(); },
                 "Please Enter Your Name", C, FormField::Name, FollowUp::None},
        RuleCase{"everythingEmpty",
                 [](FormValues& v) { v.Name = v.LatDeg = v.LatMin = v.LonDeg = v.LonMin = v.City = v.State = v.Country = ""; },
                 "Please Enter Your Name", C, FormField::Name, FollowUp::None},
        RuleCase{"nameOfSpaces", [](FormValues& v) { v.Name = "   "; }, "Please Enter Your Name", C, FormField::Name, FollowUp::None},
        RuleCase{"noLatDeg", [](FormValues& v) { v.LatDeg.clear(); }, "Please Enter Degree of Latitude", C, FormField::LatDeg, FollowUp::None},
        RuleCase{"noLatMin", [](FormValues& v) { v.LatMin.clear(); }, "Please Enter Minutes of Latitude", C, FormField::LatMin, FollowUp::None},
        RuleCase{"noLonDeg", [](FormValues& v) { v.LonDeg.clear(); }, "Please Enter Degree of Longitude", C, FormField::LonDeg, FollowUp::None},
        RuleCase{"noLonMin", [](FormValues& v) { v.LonMin.clear(); }, "Please Enter Minute of Longitude", C, FormField::LonMin, FollowUp::None},
        RuleCase{"noCity", [](FormValues& v) { v.City.clear(); }, "Please Enter Your City name", C, FormField::City, FollowUp::None},
        RuleCase{"cityOfSpaces", [](FormValues& v) { v.City = "  "; }, "Please Enter Your City name", C, FormField::City, FollowUp::None},
        // Spaces of every kind and characters that print as nothing leave a field empty.
        RuleCase{"nameOfNoBreakSpaces", [](FormValues& v) { v.Name = "\xC2\xA0\xC2\xA0"; }, "Please Enter Your Name", C, FormField::Name, FollowUp::None},
        RuleCase{"nameOfASoftHyphen", [](FormValues& v) { v.Name = "\xC2\xAD"; }, "Please Enter Your Name", C, FormField::Name, FollowUp::None},
        RuleCase{"stateOfIdeographicAndZeroWidthSpaces", [](FormValues& v) { v.State = " \xE3\x80\x80\xE2\x80\x8B\xEF\xBB\xBF"; },
                 "Please Enter Your State name", C, FormField::State, FollowUp::None},
        RuleCase{"countryOfATabAndANextLine", [](FormValues& v) { v.Country = "\t\xC2\x85"; }, "Please Enter Your Country name", C, FormField::Country, FollowUp::None},
        RuleCase{"nameWithANoBreakSpaceInside", [](FormValues& v) { v.Name = "Ravi\xC2\xA0Kumar"; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"noState", [](FormValues& v) { v.State.clear(); }, "Please Enter Your State name", C, FormField::State, FollowUp::None},
        RuleCase{"noCountry", [](FormValues& v) { v.Country.clear(); }, "Please Enter Your Country name", C, FormField::Country, FollowUp::None},
        RuleCase{"noLatitudeDirection", [](FormValues& v) { v.Latitude = Direction::None; },
                 "Please Select Direction For The Latitude", C, FormField::None, FollowUp::SelectNorth},
        RuleCase{"noLongitudeDirection", [](FormValues& v) { v.Longitude = Direction::None; },
                 "Please Select Direction For The Longitude", C, FormField::None, FollowUp::SelectEast},
        RuleCase{"feb29LeapYear", [](FormValues& v) { v.Day = 29; v.Month = 2; v.Year = 2000; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"feb29CommonYear", [](FormValues& v) { v.Day = 29; v.Month = 2; v.Year = 1999; },
                 "Please Enter Correct Date Or Month!", I, FormField::None, FollowUp::None},
        RuleCase{"feb30", [](FormValues& v) { v.Day = 30; v.Month = 2; v.Year = 2000; },
                 "Please Enter Correct Date Or Month!", I, FormField::None, FollowUp::None},
        RuleCase{"feb31", [](FormValues& v) { v.Day = 31; v.Month = 2; v.Year = 1904; },
                 "Please Enter Correct Date Or Month!", I, FormField::None, FollowUp::None},
        RuleCase{"april31", [](FormValues& v) { v.Day = 31; v.Month = 4; },
                 "Please Enter Correct Date Or Month !", I, FormField::None, FollowUp::None},
        RuleCase{"november31", [](FormValues& v) { v.Day = 31; v.Month = 11; },
                 "Please Enter Correct Date Or Month !", I, FormField::None, FollowUp::None},
        RuleCase{"april30", [](FormValues& v) { v.Day = 30; v.Month = 4; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"january31", [](FormValues& v) { v.Day = 31; v.Month = 1; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"december31", [](FormValues& v) { v.Day = 31; v.Month = 12; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"dateBeforeRange", [](FormValues& v) { v.Day = 31; v.Month = 6; v.LatDeg = "999"; },
                 "Please Enter Correct Date Or Month !", I, FormField::None, FollowUp::None},
        RuleCase{"latMinutes60", [](FormValues& v) { v.LatMin = "60"; },
                 "Please Enter Minutes of Latitude Between 0 And 59", C, FormField::LatMin, FollowUp::None},
        RuleCase{"latitude999", [](FormValues& v) { v.LatDeg = "999"; },
                 "Please Enter Latitude Between 0 And 90 Degrees", C, FormField::LatDeg, FollowUp::None},
        RuleCase{"latitude90AndAMinute", [](FormValues& v) { v.LatDeg = "90"; v.LatMin = "1"; },
                 "Please Enter Latitude Between 0 And 90 Degrees", C, FormField::LatDeg, FollowUp::None},
        RuleCase{"latitude90", [](FormValues& v) { v.LatDeg = "90"; v.LatMin = "0"; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"lonMinutes99", [](FormValues& v) { v.LonMin = "99"; },
                 "Please Enter Minutes of Longitude Between 0 And 59", C, FormField::LonMin, FollowUp::None},
        RuleCase{"longitude181", [](FormValues& v) { v.LonDeg = "181"; },
                 "Please Enter Longitude Between 0 And 180 Degrees", C, FormField::LonDeg, FollowUp::None},
        RuleCase{"longitude180AndAMinute", [](FormValues& v) { v.LonDeg = "180"; v.LonMin = "1"; },
                 "Please Enter Longitude Between 0 And 180 Degrees", C, FormField::LonDeg, FollowUp::None},
        RuleCase{"longitude180", [](FormValues& v) { v.LonDeg = "180"; v.LonMin = "0"; }, nullptr, C, FormField::None, FollowUp::None},
        RuleCase{"latitudeMinutesBeforeDegrees", [](FormValues& v) { v.LatDeg = "95"; v.LatMin = "75"; },
                 "Please Enter Minutes of Latitude Between 0 And 59", C, FormField::LatMin, FollowUp::None},
        RuleCase{"negativeFromAFile", [](FormValues& v) { v.LonDeg = "-5"; },
                 "Please Enter Longitude Between 0 And 180 Degrees", C, FormField::LonDeg, FollowUp::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeadingNumber, ReadsLikeTheNumberBoxes) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("  "), 0);
    EXPECT_EQ(LeadingNumber("077"), 77);
    EXPECT_EQ(LeadingNumber("12ab"), 12);
    EXPECT_EQ(LeadingNumber("-3"), -3);
    EXPECT_GE(LeadingNumber("99999999999999999999999"), 1000000000000LL) << "saturates, never overflows";
}

TEST(CopyFormToRecord, FieldsAsTheCommandCopiesThem) {
    FormValues v = Valid();
    v.Name = "  Ravi Kumar ";
    v.City = "  New Delhi  ";
    v.State = " Delhi";
    v.Country = "India ";
    v.Longitude = Direction::Second;  // West
    v.Latitude = Direction::First;    // North
    Program p = Computed(v);
    const BirthRecord& b = p.Birth;
    EXPECT_EQ(b.BirthName, "  Ravi Kumar ") << "the name is kept as typed";
    EXPECT_EQ(b.BirthCity, "New Delhi");
    EXPECT_EQ(b.BirthState, "Delhi");
    EXPECT_EQ(b.BirthCountry, "India");
    EXPECT_FALSE(b.LonEastFlag);
    EXPECT_FALSE(b.LatSouthFlag);
    EXPECT_EQ(b.ZoneHours, -5);
    EXPECT_EQ(b.ZoneMinutes, -30);
    EXPECT_EQ(b.ZoneHoursAbs, 5);
    EXPECT_EQ(b.ZoneMinutesAbs, 30);
    EXPECT_EQ(b.LatDeg, 28);
    EXPECT_EQ(b.LatMin, 38);
    EXPECT_EQ(b.LonDeg, 77);
    EXPECT_EQ(b.LonMin, 12);
    EXPECT_EQ(b.ZoneIndex, kIndian);
}

}  // namespace
}  // namespace velakor
