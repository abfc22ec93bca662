// Divisional signs: every part of a sign against the classical tables, the parts' edges to
// the arc second, and a published chart's navamsa.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"

namespace velakor {
namespace {

using namespace velakor::test;

constexpr double kArcSecond = 1.0 / 3600.0;

std::vector<int> Signs(const std::string& abbrevs) {
    std::istringstream in(abbrevs);
    std::vector<int> out;
    for (std::string a; in >> a;) out.push_back(SignIndex(a));
    return out;
}

struct PartsRow {
    const char* name;
    int parts;
    const char* sign;   // the sign that is cut
    const char* signs;  // the sign of each part, first to last
};

// From the tables of the classical texts: odd signs Aries, Gemini ..; movable Aries,
// Cancer, Libra, Capricorn; fixed Taurus, Leo, Scorpio, Aquarius; the rest dual.
const PartsRow kParts[] = {
    {"hora, odd sign", 2, "Ari", "Leo Can"},
    {"hora, even sign", 2, "Tau", "Can Leo"},
    {"drekkana, sign, 5th, 9th", 3, "Tau", "Tau Vir Cap"},
    {"drekkana from Sagittarius", 3, "Sag", "Sag Ari Leo"},
    {"saptamsa, odd sign", 7, "Gem", "Gem Can Leo Vir Lib Sco Sag"},
    {"saptamsa, even sign from the 7th", 7, "Tau", "Sco Sag Cap Aqu Pis Ari Tau"},
    {"navamsa, movable", 9, "Can", "Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {"navamsa, fixed from the 9th", 9, "Tau", "Cap Aqu Pis Ari Tau Gem Can Leo Vir"},
    {"navamsa, dual from the 5th", 9, "Pis", "Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {"dasamsa, odd sign", 10, "Lib", "Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can"},
    {"dasamsa, even sign from the 9th", 10, "Pis", "Sco Sag Cap Aqu Pis Ari Tau Gem Can Leo"},
    {"dwadasamsa", 12, "Pis", "Pis Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu"},
};

TEST(DivisionalSign, EveryPartAndItsEdges) {
    for (const PartsRow& row : kParts) {
        SCOPED_TRACE(row.name);
        const std::vector<int> expected = Signs(row.signs);
        ASSERT_EQ(static_cast<int>(expected.size()), row.parts);
        const double start = 30.0 * SignIndex(row.sign);
        const double part = 30.0 / row.parts;
        EXPECT_EQ(DivisionalSign(start, row.parts), expected.front()) << "the sign's first degree";
        EXPECT_EQ(DivisionalSign(start + 30.0 - kArcSecond, row.parts), expected.back()) << "29 59' 59\"";
        for (int j = 1; j < row.parts; ++j) {
            const double edge = start + j * part;
            EXPECT_EQ(DivisionalSign(edge - kArcSecond, row.parts), expected[j - 1]) << "under edge " << j;
            EXPECT_EQ(DivisionalSign(edge + kArcSecond, row.parts), expected[j]) << "over edge " << j;
            // An edge that a double holds exactly belongs to the part it opens.
            if ((j * 30) % row.parts == 0) {
                EXPECT_EQ(DivisionalSign(edge, row.parts), expected[j]) << "on edge " << j;
            }
        }
    }
}

TEST(DivisionalSign, FoldsTheCircle) {
    for (const auto& d : kDivisions) {
        SCOPED_TRACE(d.Title);
        EXPECT_EQ(DivisionalSign(360.0, d.Parts), DivisionalSign(0.0, d.Parts));
        EXPECT_EQ(DivisionalSign(360.0 - kArcSecond, d.Parts), DivisionalSign(359.9999, d.Parts));
        EXPECT_EQ(DivisionalSign(-kArcSecond, d.Parts), DivisionalSign(360.0 - kArcSecond, d.Parts));
    }
    // The navamsas run on through the zodiac without a break: part j from Aries is sign j mod 12.
    for (int j = 0; j < 108; ++j) EXPECT_EQ(DivisionalSign((j + 0.5) * 30.0 / 9.0, 9), j % 12) << j;
}

TEST(DivisionalSign, PublishedNavamsas) {
    // Worked example of a navamsa algorithm note (sign, degrees, minutes -> navamsa sign),
    // and the nakshatra-quarter examples of a navamsa primer (a quarter is a navamsa).
    struct Row {
        const char* name;
        double longitude;
        const char* navamsa;
    };
    const Row rows[] = {
        {"ascendant 19 34 Capricorn", 270 + 19 + 34 / 60.0, "Gem"},
        {"Sun 20 50 Virgo", 150 + 20 + 50 / 60.0, "Can"},
        {"Moon 26 56 Virgo", 150 + 26 + 56 / 60.0, "Vir"},
        {"Mars 0 35 Libra", 180 + 35 / 60.0, "Lib"},
        {"Mercury 24 20 Virgo", 150 + 24 + 20 / 60.0, "Leo"},
        {"Jupiter 11 33 Leo", 120 + 11 + 33 / 60.0, "Can"},
        {"Aswini, 3rd quarter", 2 * 10.0 / 3 + 1, "Gem"},
        {"Aslesha, 2nd quarter", 106 + 40 / 60.0 + 10.0 / 3 + 1, "Cap"},
        {"Rohini, 4th quarter", 40 + 3 * 10.0 / 3 + 1, "Can"},
        {"Jyeshtha, 2nd quarter", 226 + 40 / 60.0 + 10.0 / 3 + 1, "Cap"},
        {"Hasta, 2nd quarter", 160 + 10.0 / 3 + 1, "Tau"},
    };
    for (const Row& r : rows) EXPECT_EQ(DivisionalSign(r.longitude, 9), SignIndex(r.navamsa)) << r.name;
}

TEST(DivisionalSigns, IndependenceChart) {
    // New Delhi, 15 August 1947, 0:00: the navamsa as the many published readings of this
    // chart give it (Pisces rising; Sun in Pisces, Moon in Leo, Venus and Saturn in
    // Capricorn, Mars in Sagittarius, Mercury in Scorpio, Jupiter in Taurus, Rahu in
    // Aquarius, Ketu in Leo), and the houses of that navamsa.
    Program p = Computed(DelhiForm());
    const std::array<int, kDivisionalPoints> navamsa{12, 5, 8, 10, 9, 2, 10, 11, 5, 12};
    EXPECT_EQ(SignNumbers(p.Chart.DivisionalSigns[3]), navamsa);
    const HouseCaptions d9 = DivisionalHouses(p.Chart, 3);
    EXPECT_EQ(d9.Signs[0], 12);
    EXPECT_EQ(d9.Texts[0], "Asc\r\nSurya");
    EXPECT_EQ(d9.Texts[3], "");
    EXPECT_EQ(d9.Texts[5], "\r\nChandra\r\nKetu");
    EXPECT_EQ(d9.Texts[10], "\r\nShukra\r\nShani");

    // Retrograde marks come along with the names.
    p.Chart[Body::Saturn].Retrograde = true;
    EXPECT_EQ(DivisionalHouses(p.Chart, 3).Texts[10], "\r\nShukra\r\nShani (R) ");
}

}  // namespace
}  // namespace velakor
