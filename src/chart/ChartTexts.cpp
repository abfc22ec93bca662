#include "chart/ChartTexts.h"

#include <cmath>

#include "chart/PositionText.h"
#include "chart/VedicPlanetPosition.h"

namespace velakor {
namespace {

void Position(double x, std::string& out) { out = FormatPosition(x); }

void AppendHouseName(const Chart& c, Body b, std::string& out) {
    out += SanskritName(b);
    if (c[b].Retrograde) out += " (R) ";
}

}  // namespace

std::string HouseName(const Chart& c, Body b) {
    std::string name(SanskritName(b));
    if (c[b].Retrograde) name += " (R) ";
    return name;
}

void HouseTextsFor(const Chart& c, Sign first, const std::array<Sign, kGrahaCount>& signs,
                   std::array<std::string, kHouseCount>& texts, std::array<HouseLines, kHouseCount>& bodies) {
    for (std::string& t : texts) t.clear();  // keeps its room
    for (HouseLines& b : bodies) b.clear();
    texts[0] = "Asc";
    bodies[0].push_back({Body::Ascendant});
    for (std::size_t i = 0; i < kGrahas.size(); ++i) {
        const auto house = static_cast<std::size_t>(HouseFrom(first, signs[i]) - 1);
        texts[house] += "\r\n";
        AppendHouseName(c, kGrahas[i], texts[house]);
        bodies[house].push_back({kGrahas[i]});
    }
}

void WriteTexts(const Chart& c, ChartTexts& t) {
    double correction = -c.Ayanamsa;
    t.AyanamsaCorrectionText = FormatAngle(correction);
    double ayanamsa = std::fabs(c.Ayanamsa);
    t.AyanamsaText = FormatAngle(ayanamsa);
    Position(c[Body::Ascendant].Longitude, t.AscendantText);
    Position(c[Body::Midheaven].Longitude, t.MidheavenText);
    Position(c[Body::Moon].Longitude, t.MoonLongitudeText);
    for (std::size_t row = 0; row < kElementOrder.size(); ++row) {
        Position(c[kElementOrder[row]].Longitude, t.PlanetPositionText[row]);
    }
    Position(c[Body::Rahu].Longitude, t.RahuText);
    Position(c[Body::Ketu].Longitude, t.KetuText);
    for (std::size_t b = 0; b < t.ChartPositions.size(); ++b) {
        t.ChartPositions[b] = CompactPosition(c.Bodies[b].Longitude);
        t.BodyNames[b].clear();
        AppendHouseName(c, static_cast<Body>(b), t.BodyNames[b]);
    }
    std::array<Sign, kGrahaCount> signs{};
    for (std::size_t i = 0; i < kGrahas.size(); ++i) signs[i] = c[kGrahas[i]].Rashi;
    HouseTextsFor(c, c.HouseSigns[0], signs, t.HouseTexts, t.HouseBodies);

    const BodyPosition& moon = c[Body::Moon];
    t.LagnaSignAbbrev = SignAbbrev(c[Body::Ascendant].Rashi);
    t.LagnaSignName = SignSanskritName(c[Body::Ascendant].Rashi);
    t.NakshatraText = NakshatraName(moon.Star);
    t.NakshatraLord = EnglishName(NakshatraLord(moon.Star));
    t.NakshatraPada.assign(1, static_cast<char>('0' + moon.Pada));
    t.RashiText = SignSanskritName(moon.Rashi);
}

ChartTexts WriteTexts(const Chart& c) {
    ChartTexts t;
    WriteTexts(c, t);
    return t;
}

}  // namespace velakor
