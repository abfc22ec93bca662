// The ashtakavarga: for each of the seven planets its bhinnashtakavarga, the benefic points
// that the seven planets and the lagna give it in each of the twelve signs, and the
// sarvashtakavarga, their sum by sign. Values only; the rule tables are data/ashtakavarga.txt:
// the program's, and the variants the user may choose instead.
#pragma once

#include <array>
#include <string_view>

#include "vedic/Body.h"
#include "vedic/Chart.h"
#include "vedic/ReadingOptions.h"
#include "vedic/Sign.h"

namespace velakor {

// The planets that have a bhinnashtakavarga, in the order the tables print them; the
// contributors are the same seven and then the lagna.
inline constexpr int kAshtakavargaPlanets = 7;
inline constexpr int kAshtakavargaContributors = 8;
inline constexpr std::array<Body, kAshtakavargaPlanets> kAshtakavargaBodies{
    Body::Sun, Body::Moon, Body::Mars, Body::Mercury, Body::Jupiter, Body::Venus, Body::Saturn};
// Each planet's points in all twelve signs, whatever the chart: 48, 49, 39, 54, 56, 52, 39.
inline constexpr std::array<int, kAshtakavargaPlanets> kBhinnaTotals{48, 49, 39, 54, 56, 52, 39};
inline constexpr int kSarvaTotal = 337;

using SignPoints = std::array<int, kSignCount>;  // by sign, Aries first

struct Ashtakavarga {
    std::array<SignPoints, kAshtakavargaPlanets> Bhinna{};  // in the order of kAshtakavargaBodies
    SignPoints Sarva{};  // the seven rows added up; the lagna's points are counted inside them
};

// The rule tables the user may choose, in the order of AshtakavargaTable: their values of
// velakor-chart's "AshtakavargaTable" key, and the names a view gives them.
inline constexpr int kAshtakavargaTableCount = 2;
inline constexpr std::array<std::string_view, kAshtakavargaTableCount> kAshtakavargaTableKeys{"Parashara", "Raman"};
std::string_view AshtakavargaTableKey(AshtakavargaTable table);   // "Parashara", "Raman"
std::string_view AshtakavargaTableName(AshtakavargaTable table);  // "Parashara's table (R. Santhanam)", ...

// From the signs of the contributors: Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, lagna.
Ashtakavarga ComputeAshtakavarga(const std::array<Sign, kAshtakavargaContributors>& signs,
                                 AshtakavargaTable table = AshtakavargaTable::Parashara);
// From the chart's signs of those seven planets and its ascendant.
Ashtakavarga ComputeAshtakavarga(const Chart& c, AshtakavargaTable table = AshtakavargaTable::Parashara);

int TotalPoints(const SignPoints& row);

}  // namespace velakor
