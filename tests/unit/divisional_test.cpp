// Divisional signs: every part of a sign in all sixteen vargas against the classical tables,
// the parts' edges to the arc second (the trimsamsa's unequal spans too), and a published
// chart's navamsa.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"
#include "vedic/Chart.h"

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

// `count` signs counted on through the zodiac from `first`, as the tables of the vargas that
// are "counted from" a sign give them: "Ari Tau Gem ..".
std::string From(const char* first, int count) {
    const int start = SignIndex(first);
    std::string out;
    for (int k = 0; k < count; ++k) out += std::string(SignAbbrev(SignFromIndex(start + k))) + " ";
    return out;
}

struct PartsRow {
    const char* name;
    int parts;
    const char* sign;   // the sign that is cut
    std::string signs;  // the sign of each part, first to last
};

// The sign of a longitude in a varga, asked of the rule and of a whole chart, where every
// body and the ascendant stand at that longitude.
void ExpectSign(double longitude, int parts, int expected, const std::string& where) {
    EXPECT_EQ(DivisionalSign(longitude, parts), expected) << where;
    Chart c;
    for (std::size_t i = 0; i < kDivisionalPoints; ++i) PlaceBody(c, static_cast<Body>(i), longitude);
    const VargaSigns all = AllVargas(c);
    const auto& row = all[static_cast<std::size_t>(VargaIndex(parts))];
    EXPECT_EQ(SignIndex(row[Index(Body::Ascendant)]), expected) << where << ", the ascendant";
    EXPECT_EQ(SignIndex(row[Index(Body::Ketu)]), expected) << where << ", Ketu";
}

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
    {"rashi", 1, "Sco", "Sco"},
    {"chaturthamsa, sign, 4th, 7th, 10th", 4, "Sco", "Sco Aqu Tau Leo"},
    {"shodasamsa, movable from Aries", 16, "Can", From("Ari", 16)},
    {"shodasamsa, fixed from Leo", 16, "Aqu", From("Leo", 16)},
    {"shodasamsa, dual from Sagittarius", 16, "Gem", From("Sag", 16)},
    {"vimsamsa, movable from Aries", 20, "Lib", From("Ari", 20)},
    {"vimsamsa, fixed from Sagittarius", 20, "Tau", From("Sag", 20)},
    {"vimsamsa, dual from Leo", 20, "Vir", From("Leo", 20)},
    {"chaturvimsamsa, odd from Leo", 24, "Sag", From("Leo", 24)},
    {"chaturvimsamsa, even from Cancer, forward", 24, "Cap", From("Can", 24)},
    {"bhamsa, fire from Aries", 27, "Leo", From("Ari", 27)},
    {"bhamsa, earth from Cancer", 27, "Tau", From("Can", 27)},
    {"bhamsa, air from Libra", 27, "Aqu", From("Lib", 27)},
    {"bhamsa, water from Capricorn", 27, "Sco", From("Cap", 27)},
    {"khavedamsa, odd from Aries", 40, "Gem", From("Ari", 40)},
    {"khavedamsa, even from Libra", 40, "Pis", From("Lib", 40)},
    {"akshavedamsa, movable from Aries", 45, "Cap", From("Ari", 45)},
    {"akshavedamsa, fixed from Leo", 45, "Sco", From("Leo", 45)},
    {"akshavedamsa, dual from Sagittarius", 45, "Vir", From("Sag", 45)},
    {"shashtyamsa, from the sign", 60, "Leo", From("Leo", 60)},
    {"shashtyamsa of Pisces", 60, "Pis", From("Pis", 60)},
};

TEST(DivisionalSign, EveryPartAndItsEdges) {
    for (const PartsRow& row : kParts) {
        SCOPED_TRACE(row.name);
        const std::vector<int> expected = Signs(row.signs);
        ASSERT_EQ(static_cast<int>(expected.size()), row.parts);
        const double start = 30.0 * SignIndex(row.sign);
        const double part = 30.0 / row.parts;
        ExpectSign(start, row.parts, expected.front(), "the sign's first degree");
        ExpectSign(start + 30.0 - kArcSecond, row.parts, expected.back(), "29 59' 59\"");
        for (int j = 1; j < row.parts; ++j) {
            const double edge = start + j * part;
            const std::string at = "edge " + std::to_string(j);
            ExpectSign(edge - kArcSecond, row.parts, expected[j - 1], "under " + at);
            ExpectSign(edge + kArcSecond, row.parts, expected[j], "over " + at);
            // An edge that a double holds exactly belongs to the part it opens.
            if ((j * 30) % row.parts == 0 || row.parts % 2 == 0) ExpectSign(edge, row.parts, expected[j], "on " + at);
        }
    }
}

TEST(DivisionalSign, TrimsamsaSpans) {
    // The trimsamsa's five unequal spans, of the lords Mars, Saturn, Jupiter, Mercury and
    // Venus: in odd signs 5, 5, 8, 7 and 5 degrees in their odd signs; in even signs the
    // same spans from the other end, in the lords' even signs.
    struct Row {
        const char* name;
        const char* sign;
        std::array<double, 4> edges;  // degrees within the sign
        const char* signs;
    };
    const Row rows[] = {
        {"odd: Aries", "Ari", {5, 10, 18, 25}, "Ari Aqu Sag Gem Lib"},
        {"odd: Aquarius", "Aqu", {5, 10, 18, 25}, "Ari Aqu Sag Gem Lib"},
        {"even: Taurus", "Tau", {5, 12, 20, 25}, "Tau Vir Pis Cap Sco"},
        {"even: Pisces", "Pis", {5, 12, 20, 25}, "Tau Vir Pis Cap Sco"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<int> expected = Signs(row.signs);
        const double start = 30.0 * SignIndex(row.sign);
        ExpectSign(start, 30, expected.front(), "the sign's first degree");
        ExpectSign(start + 30.0 - kArcSecond, 30, expected.back(), "29 59' 59\"");
        for (std::size_t j = 0; j < row.edges.size(); ++j) {
            const double edge = start + row.edges[j];
            const std::string at = "edge at " + std::to_string(static_cast<int>(row.edges[j]));
            ExpectSign(edge - kArcSecond, 30, expected[j], "under " + at);
            ExpectSign(edge, 30, expected[j + 1], "on " + at);
            ExpectSign(edge + kArcSecond, 30, expected[j + 1], "over " + at);
        }
    }
}

TEST(DivisionalSign, FoldsTheCircle) {
    for (const auto& d : kVargas) {
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
    // The chart's six divisions are the same as those of all sixteen vargas.
    const VargaSigns vargas = AllVargas(p.Chart);
    for (std::size_t d = 0; d < kDivisions.size(); ++d)
        EXPECT_EQ(vargas[static_cast<std::size_t>(VargaIndex(kDivisions[d].Parts))], p.Chart.DivisionalSigns[d]);
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
