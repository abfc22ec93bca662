#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "chart/PositionText.h"

namespace velakor {
namespace {

using test::Pos;

struct PositionCase {
    const char* name;
    double x;
    std::string text;
    std::string compact;
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class FormatPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(FormatPositionTest, TextAndCompactForm) {
    const PositionCase& c = GetParam();
    double x = c.x;
    const std::string text = FormatPosition(x);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(CompactPosition(c.x), c.compact);
    EXPECT_EQ(x, std::fabs(c.x)) << "the absolute value is written back";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatPositionTest,
    ::testing::Values(
        PositionCase{"zero", 0.0, Pos(0, 0, 0, "Ari"), "00 Ari 00"},
        PositionCase{"lastDegreesOfPisces", 359.75, Pos(29, 45, 0, "Pis"), "29 Pis 45"},
        PositionCase{"cuspBelongsToNextSign", 30.0, Pos(0, 0, 0, "Tau"), "00 Tau 00"},
        PositionCase{"negativeTakesAbsolute", -45.5, Pos(15, 30, 0, "Tau"), "15 Tau 30"},
        PositionCase{"libra", 200.125, Pos(20, 7, 30, "Lib"), "20 Lib 07"},
        PositionCase{"singleDigits", 5.1195, Pos(5, 7, 10, "Ari"), "05 Ari 07"},
        // 360 can come out of a fold; it must read as the start of Aries, not a 13th sign.
        PositionCase{"exactly360", 360.0, Pos(0, 0, 0, "Ari"), "00 Ari 00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatPosition, SecondsAreTruncatedNotRounded) {
    double x = 10.0 + 20.0 / 60.0 + 44.9999 / 3600.0;
    EXPECT_EQ(FormatPosition(x), Pos(10, 20, 44, "Ari"));
    x = 10.0 + 59.0 / 60.0 + 59.99 / 3600.0;
    EXPECT_EQ(FormatPosition(x), Pos(10, 59, 59, "Ari"));
}

TEST(FormatAngle, NegativeAngleAndWriteBack) {
    double x = -23.857;
    EXPECT_EQ(FormatAngle(x), "-23\xC2\xB0 51' 25\"");
    EXPECT_DOUBLE_EQ(x, 23.857);
    const std::string text = FormatAngle(x = -23.857);
    EXPECT_EQ(text.substr(1), "23\xC2\xB0 51' 25\"") << "dropping the sign leaves the shown text";
    x = 12.5;
    EXPECT_EQ(FormatAngle(x), "12\xC2\xB0 30' 0\"");
}

TEST(Normalize360, FoldsOnceAndWritesBack) {
    struct Row {
        double in, out;
    } rows[] = {{-10, 350}, {370, 10}, {360, 360}, {0, 0}, {-400, -40}, {730, 370}};
    for (const Row& r : rows) {
        double x = r.in;
        EXPECT_DOUBLE_EQ(Normalize360(x), r.out) << r.in;
        EXPECT_DOUBLE_EQ(x, r.out) << r.in;
    }
}

}  // namespace
}  // namespace velakor
