// The program-wide state: one instance, owned by main (or by a test) and handed by
// reference to every stage. Nothing here is global.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/ReadingOptions.h"
#include "sky/Sky.h"

namespace velakor {

// The zone list: the 71 historical rows, the further offsets a birth can have, and last the
// local mean time of the birth longitude. Row numbers never change (readings keep them).
inline constexpr int kZoneCount = 111;
inline constexpr int kLocalMeanTimeRow = 110;
inline constexpr int kSignCount = 12;
inline constexpr int kNakshatraRows = 36;
inline constexpr int kChartBodies = 11;  // Sun .. Ketu, Ascendant, Midheaven
inline constexpr int kHouseCount = 12;
inline constexpr int kRetroPlanets = 5;  // Mercury, Venus, Mars, Jupiter, Saturn
inline constexpr int kPlacedBodies = 9;     // Sun .. Ketu: the bodies written into the houses
inline constexpr int kDivisionalPoints = 10;  // Sun .. Ketu and the ascendant
inline constexpr int kDivisionCount = 6;      // D2, D3, D7, D9, D10, D12

// What the calculation command copied from the main form. Integers are 16-bit as in the
// original; flags are plain bools.
struct BirthRecord {
    std::string BirthName;  // exactly as typed, spaces kept
    std::int16_t BirthMonth = 0;
    std::int16_t BirthDay = 0;
    std::int16_t BirthYear = 0;
    std::int16_t BirthHour = 0;  // 0..24; 24 is midnight at the end of the day
    std::int16_t BirthMinute = 0;
    std::int16_t ZoneHoursAbs = 0;
    std::int16_t ZoneMinutesAbs = 0;
    std::int16_t ZoneHours = 0;    // hours to ADD to the clock to get universal time
    std::int16_t ZoneMinutes = 0;  // same sign as ZoneHours
    std::int16_t LonDeg = 0;
    std::int16_t LonMin = 0;
    std::int16_t LatDeg = 0;
    std::int16_t LatMin = 0;
    bool LonEastFlag = false;
    bool LatSouthFlag = false;
    bool DaylightSaving = false;
    std::string BirthCity;  // trimmed
    std::string BirthState;
    std::string BirthCountry;
    std::int16_t ZoneIndex = 0;  // row of the zone table picked on the form (the reading file keeps it)
};

// Texts derived by the driver after the stages have run.
struct ChartSummary {
    std::string AyanamsaText;
    std::string LagnaSignAbbrev;
    std::string LagnaSignName;
    std::string NakshatraText;
    std::string RashiText;
    std::string NakshatraLord;
    std::string NakshatraPada;
};

// What the stages leave behind.
struct ChartState {
    // Moon stage
    std::string MoonLongitudeText;
    std::string MoonNakshatra;
    std::string MoonSignName;
    std::string MoonPada;  // "1".."4": the Moon's quarter of its nakshatra
    double MoonSiderealLongitude = 0.0;

    // Ascendant stage
    double AyanamsaCorrection = 0.0;  // minus the ayanamsa, degrees
    std::string AyanamsaCorrectionText;
    std::string AscendantText;
    std::string MidheavenText;

    // Planet stage; PlanetPositionText is indexed by ElementIndex
    std::array<std::string, 6> PlanetPositionText;
    std::string RahuText;
    std::string KetuText;
    std::array<std::string, 12> ChartPositions;  // 11 used, chart order

    // Retrograde stage, Mercury first
    std::array<bool, kRetroPlanets> RetroFlags{};

    // House captions the chart display shows: sign number and planets of houses 1..12
    std::array<int, kHouseCount> HouseSigns{};
    std::array<std::string, kHouseCount> HouseTexts;

    // Sidereal longitudes in degrees of Sun .. Ketu and the ascendant, exactly as they went
    // into their position texts, and their signs (1..12) in the six divisional charts.
    std::array<double, kDivisionalPoints> SiderealLongitudes{};
    std::array<std::array<int, kDivisionalPoints>, kDivisionCount> DivisionalSigns{};
};

// The fixed vocabulary. The constant tables are views on static text (refilling them is
// free); the planet names are real strings because the retrograde stage appends to them.
struct NameTables {
    std::array<std::string_view, kZoneCount> ZoneNames{};
    std::array<std::int16_t, kZoneCount> ZoneHourTable{};
    std::array<std::int16_t, kZoneCount> ZoneMinuteTable{};
    std::array<std::string_view, kSignCount> SignAbbrev{};
    std::string_view SignAbbrevString;
    std::array<std::string_view, kNakshatraRows> NakshatraNames{};
    std::array<std::string_view, kNakshatraRows> NakshatraLords{};
    std::array<std::string_view, kNakshatraRows> NakshatraPadas{};
    std::array<std::string, kChartBodies> PlanetNamesEnglish;
    std::array<std::string, kChartBodies> PlanetNamesSanskrit;
};

struct Program {
    BirthRecord Birth;
    ChartSummary Summary;
    ChartState Chart;
    NameTables Names;
    std::string LastSaveFileName;  // shared by Save As and Export
    SkyChoice SkyInUse;            // which sky the chart is computed from
    ReadingOptions Reading;        // dasha year, sunrise rule, "today"
};

}  // namespace velakor
