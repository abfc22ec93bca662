#include "chart/ChartTexts.h"

#include <cmath>

#include "chart/PositionText.h"
#include "chart/VedicPlanetPosition.h"

namespace velakor {
namespace {

std::string Position(double x) { return FormatPosition(x); }

}  // namespace

std::string HouseName(const Chart& c, Body b) {
    std::string name(SanskritName(b));
    if (c[b].Retrograde) name += " (R) ";
    return name;
}

std::array<std::string, kHouseCount> HouseTextsFor(const Chart& c, Sign first,
                                                   const std::array<Sign, kGrahaCount>& signs) {
    std::array<std::string, kHouseCount> texts;
    texts[0] = "Asc";
    for (std::size_t i = 0; i < kGrahas.size(); ++i) {
        std::string& text = texts[static_cast<std::size_t>(HouseFrom(first, signs[i]) - 1)];
        text += "\r\n";
        text += HouseName(c, kGrahas[i]);
    }
    return texts;
}

ChartTexts WriteTexts(const Chart& c) {
    ChartTexts t;
    double correction = -c.Ayanamsa;
    t.AyanamsaCorrectionText = FormatAngle(correction);
    double ayanamsa = std::fabs(c.Ayanamsa);
    t.AyanamsaText = FormatAngle(ayanamsa);
    t.AscendantText = Position(c[Body::Ascendant].Longitude);
    t.MidheavenText = Position(c[Body::Midheaven].Longitude);
    t.MoonLongitudeText = Position(c[Body::Moon].Longitude);
    for (std::size_t row = 0; row < kElementOrder.size(); ++row) {
        t.PlanetPositionText[row] = Position(c[kElementOrder[row]].Longitude);
    }
    t.RahuText = Position(c[Body::Rahu].Longitude);
    t.KetuText = Position(c[Body::Ketu].Longitude);
    for (std::size_t b = 0; b < t.ChartPositions.size(); ++b) {
        t.ChartPositions[b] = CompactPosition(c.Bodies[b].Longitude);
        t.BodyNames[b] = HouseName(c, static_cast<Body>(b));
    }
    std::array<Sign, kGrahaCount> signs{};
    for (std::size_t i = 0; i < kGrahas.size(); ++i) signs[i] = c[kGrahas[i]].Rashi;
    t.HouseTexts = HouseTextsFor(c, c.HouseSigns[0], signs);

    const BodyPosition& moon = c[Body::Moon];
    t.LagnaSignAbbrev = SignAbbrev(c[Body::Ascendant].Rashi);
    t.LagnaSignName = SignSanskritName(c[Body::Ascendant].Rashi);
    t.NakshatraText = NakshatraName(moon.Star);
    t.NakshatraLord = EnglishName(NakshatraLord(moon.Star));
    t.NakshatraPada.assign(1, static_cast<char>('0' + moon.Pada));
    t.RashiText = SignSanskritName(moon.Rashi);
    return t;
}

}  // namespace velakor
