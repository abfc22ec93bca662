// Every text the program shows, saves or prints about a chart, written from the chart value
// by one function. The forms are fixed (see PositionText.h): degrees, minutes and seconds
// truncated; the Sanskrit names of retrograde planets carry " (R) ".
#pragma once

#include <array>
#include <string>
#include <vector>

#include "vedic/Chart.h"

namespace velakor {

// What one line of a house text shows, so that a drawing can colour the line by its body
// without reading the text back: a body of the chart ("Asc" is the ascendant), at birth or
// transiting.
struct HouseLine {
    Body Which = Body::Ascendant;
    bool Transit = false;
    bool operator==(const HouseLine&) const = default;
};
// The lines of one house text in their order, its empty lines left out.
using HouseLines = std::vector<HouseLine>;

struct ChartTexts {
    std::string AyanamsaCorrectionText;  // minus the ayanamsa: "-23° 51' 25""
    std::string AyanamsaText;            // the ayanamsa: "23° 51' 25""
    std::string AscendantText;           // position texts: "20° 7' 30" Lib"
    std::string MidheavenText;
    std::string MoonLongitudeText;
    // The planets in the order of the orbital elements: Mercury, Venus, Sun, Mars, Jupiter,
    // Saturn (the report and the command-line tool keep this order).
    std::array<std::string, 6> PlanetPositionText;
    std::string RahuText;
    std::string KetuText;
    std::array<std::string, kBodyCount> ChartPositions;  // compact texts "20 Lib 07", by Body
    // The names written into the houses: Sanskrit, retrograde planets with " (R) ".
    std::array<std::string, kBodyCount> BodyNames;
    std::array<std::string, kHouseCount> HouseTexts;  // "Asc", then each body on a new line
    std::array<HouseLines, kHouseCount> HouseBodies;   // what each line of HouseTexts shows
    std::string LagnaSignAbbrev;  // "Lib"
    std::string LagnaSignName;    // "Thula"
    std::string NakshatraText;    // the Moon's nakshatra
    std::string NakshatraLord;
    std::string NakshatraPada;  // "1".."4"
    std::string RashiText;      // the Moon's sign
};

ChartTexts WriteTexts(const Chart& c);
// The same into texts of an earlier chart, whose strings keep their room for the next one.
void WriteTexts(const Chart& c, ChartTexts& t);

// A body's name as the houses show it: Sanskrit, with " (R) " when retrograde.
std::string HouseName(const Chart& c, Body b);

// The texts of twelve houses counted from the sign `first`: "Asc" in house 1, then each of
// the nine grahas on a new line (CR LF) in body order, under HouseName, in the house of
// signs[body]; and beside each text the body of each of its lines. Both keep their room.
void HouseTextsFor(const Chart& c, Sign first, const std::array<Sign, kGrahaCount>& signs,
                   std::array<std::string, kHouseCount>& texts, std::array<HouseLines, kHouseCount>& bodies);

}  // namespace velakor
