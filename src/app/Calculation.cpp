#include "app/Calculation.h"

#include <array>
#include <cstdlib>

#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"
#include "vedic/Calendar.h"

namespace velakor {
namespace {

std::int16_t ToInt16(long long n) {
    if (n > 32767) return 32767;
    if (n < -32768) return -32768;
    return static_cast<std::int16_t>(n);
}

}  // namespace

void CopyFormToRecord(Program& p, const FormValues& v) {
    BirthRecord& b = p.Birth;
    const int zone = v.ZoneIndex < 0 ? 0 : (v.ZoneIndex >= kZoneCount ? kZoneCount - 1 : v.ZoneIndex);
    b.BirthName = v.Name;
    b.BirthMonth = ToInt16(v.Month);
    b.BirthDay = ToInt16(v.Day);
    b.BirthYear = ToInt16(v.Year);
    b.BirthHour = ToInt16(v.Hour);
    b.BirthMinute = ToInt16(v.Minute);
    std::int16_t zoneHours = Zone(zone).Hours;
    std::int16_t zoneMinutes = Zone(zone).Minutes;
    if (zone == kLocalMeanTimeRow) {
        // The record keeps what to add to the clock for universal time, like any row, so
        // every stage, the reading file and the report read local mean time unchanged.
        const int ahead = LocalMeanTimeMinutes(static_cast<int>(LeadingNumber(v.LonDeg)),
                                               static_cast<int>(LeadingNumber(v.LonMin)),
                                               v.Longitude == Direction::First);
        zoneHours = ToInt16(-ahead / 60);
        zoneMinutes = ToInt16(-ahead % 60);
    }
    b.ZoneHoursAbs = ToInt16(std::abs(zoneHours));
    b.ZoneMinutesAbs = ToInt16(std::abs(zoneMinutes));
    b.ZoneHours = zoneHours;
    b.ZoneMinutes = zoneMinutes;
    b.LonDeg = ToInt16(LeadingNumber(v.LonDeg));
    b.LonMin = ToInt16(LeadingNumber(v.LonMin));
    b.LatDeg = ToInt16(LeadingNumber(v.LatDeg));
    b.LatMin = ToInt16(LeadingNumber(v.LatMin));
    b.LonEastFlag = v.Longitude == Direction::First;
    b.LatSouthFlag = v.Latitude == Direction::Second;
    b.DaylightSaving = v.DaylightSaving;
    b.BirthCity = TrimSpaces(v.City);
    b.BirthState = TrimSpaces(v.State);
    b.BirthCountry = TrimSpaces(v.Country);
    b.ZoneIndex = ToInt16(zone);
}

void ComputeChart(Program& p) {
    // Without its tables the precise sky cannot be had: MakeSky then gives the built-in one.
    const std::unique_ptr<Sky> sky = MakeSky(p.SkyInUse);
    p.Chart = sky->CastChart(p.Birth);
    CompleteChart(p.Chart);
    p.Texts = WriteTexts(p.Chart);
}

void RunCalculation(Program& p, const FormValues& v) {
    CopyFormToRecord(p, v);
    ComputeChart(p);
}

}  // namespace velakor
