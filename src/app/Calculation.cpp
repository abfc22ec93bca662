#include "app/Calculation.h"
#include "app/TextRules.h"

#include <array>
#include <cstdlib>

#include "astro/VedicEphemeris.h"
#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"
#include "chart/VedicPlanetPosition.h"
#include "chart/retro/Retrogrades.h"
#include "sky/PreciseChart.h"

namespace velakor {
namespace {

ValidationFailure Critical(const char* message, FormField focus) {
    return ValidationFailure{message, MessageIcon::Critical, focus, FollowUp::None};
}

bool IsLeapYear(int year) { return year % 4 == 0; }

std::int16_t ToInt16(long long n) {
    if (n > 32767) return 32767;
    if (n < -32768) return -32768;
    return static_cast<std::int16_t>(n);
}

}  // namespace

long long LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (n < 1000000000000LL) n = n * 10 + (text[i] - '0');
    }
    return negative ? -n : n;
}

std::optional<ValidationFailure> ValidateInput(const FormValues& v) {
    // A field of nothing but spaces is empty: the record and the reading file keep values
    // without their outer spaces, and an empty name or place would not open again. Spaces
    // of every kind count, and characters that print as nothing (a soft hyphen alone is no
    // name).
    auto blank = [](const std::string& text) { return IsBlankText(text); };
    if (blank(v.Name)) return Critical("Please Enter Your Name", FormField::Name);
    if (blank(v.LatDeg)) return Critical("Please Enter Degree of Latitude", FormField::LatDeg);
    if (blank(v.LatMin)) return Critical("Please Enter Minutes of Latitude", FormField::LatMin);
    if (blank(v.LonDeg)) return Critical("Please Enter Degree of Longitude", FormField::LonDeg);
    if (blank(v.LonMin)) return Critical("Please Enter Minute of Longitude", FormField::LonMin);
    if (blank(v.City)) return Critical("Please Enter Your City name", FormField::City);
    if (blank(v.State)) return Critical("Please Enter Your State name", FormField::State);
    if (blank(v.Country)) return Critical("Please Enter Your Country name", FormField::Country);
    if (v.Latitude == Direction::None) {
        return ValidationFailure{"Please Select Direction For The Latitude", MessageIcon::Critical,
                                 FormField::None, FollowUp::SelectNorth};
    }
    if (v.Longitude == Direction::None) {
        return ValidationFailure{"Please Select Direction For The Longitude", MessageIcon::Critical,
                                 FormField::None, FollowUp::SelectEast};
    }
    if (v.Month == 2) {
        const int lastDay = IsLeapYear(v.Year) ? 29 : 28;
        if (v.Day > lastDay) {
            return ValidationFailure{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                     FormField::None, FollowUp::None};
        }
    }
    if (v.Day == 31 && (v.Month == 4 || v.Month == 6 || v.Month == 9 || v.Month == 11)) {
        return ValidationFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 FormField::None, FollowUp::None};
    }
    // Coordinates outside the globe would give a meaningless chart.
    const long long latDeg = LeadingNumber(v.LatDeg), latMin = LeadingNumber(v.LatMin);
    const long long lonDeg = LeadingNumber(v.LonDeg), lonMin = LeadingNumber(v.LonMin);
    if (latMin > 59 || latMin < 0) {
        return Critical("Please Enter Minutes of Latitude Between 0 And 59", FormField::LatMin);
    }
    if (latDeg < 0 || latDeg + latMin / 60.0 > 90) {
        return Critical("Please Enter Latitude Between 0 And 90 Degrees", FormField::LatDeg);
    }
    if (lonMin > 59 || lonMin < 0) {
        return Critical("Please Enter Minutes of Longitude Between 0 And 59", FormField::LonMin);
    }
    if (lonDeg < 0 || lonDeg + lonMin / 60.0 > 180) {
        return Critical("Please Enter Longitude Between 0 And 180 Degrees", FormField::LonDeg);
    }
    return std::nullopt;
}

void CopyFormToRecord(Program& p, const FormValues& v) {
    BirthRecord& b = p.Birth;
    const int zone = v.ZoneIndex < 0 ? 0 : (v.ZoneIndex >= kZoneCount ? kZoneCount - 1 : v.ZoneIndex);
    b.BirthName = v.Name;
    b.BirthMonth = ToInt16(v.Month);
    b.BirthDay = ToInt16(v.Day);
    b.BirthYear = ToInt16(v.Year);
    b.BirthHour = ToInt16(v.Hour);
    b.BirthMinute = ToInt16(v.Minute);
    std::int16_t zoneHours = p.Names.ZoneHourTable[zone];
    std::int16_t zoneMinutes = p.Names.ZoneMinuteTable[zone];
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
    const SkyTables* tables = p.SkyInUse.Positions == SkyPositions::Precise ? SkyTables::Shared() : nullptr;
    if (tables) {
        ComputePreciseStages(p, PreciseSky(*tables, p.SkyInUse));
    } else {
        ComputeAscendant(p);
        CalculateMoon(p);
        ComputePlanets(p);
        MarkRetrogrades(p);
    }

    ChartSummary& s = p.Summary;
    const ChartState& cs = p.Chart;
    s.AyanamsaText = cs.AyanamsaCorrectionText.empty() ? std::string{} : cs.AyanamsaCorrectionText.substr(1);
    const std::string& asc = cs.AscendantText;
    s.LagnaSignAbbrev = asc.size() >= 3 ? asc.substr(asc.size() - 3) : asc;
    const std::string_view lagnaName = SignNameForAbbrev(s.LagnaSignAbbrev);
    if (!lagnaName.empty()) s.LagnaSignName.assign(lagnaName);
    s.NakshatraText = cs.MoonNakshatra;
    s.RashiText = cs.MoonSignName;
    LookupNakshatraLord(p);
    // The pada shown is the Moon's own quarter of its nakshatra.
    s.NakshatraPada = cs.MoonPada;

    // Houses: house 1 holds the ascendant's sign, the others follow in zodiac order; each
    // body goes to the house of the sign its text names.
    ChartState& out = p.Chart;
    std::array<int, kPlacedBodies> signs{};
    for (std::size_t planet = 0; planet < signs.size(); ++planet) {
        const std::string& text = cs.ChartPositions[planet];
        signs[planet] = text.size() < 6 ? -1 : SignIndex(std::string_view(text).substr(3, 3));
    }
    PlaceInHouses(SignIndex(s.LagnaSignAbbrev), signs, p.Names.PlanetNamesSanskrit, out.HouseSigns, out.HouseTexts);
    ComputeDivisionalSigns(out);
}

void RunCalculation(Program& p, const FormValues& v) {
    LoadNameTables(p);
    CopyFormToRecord(p, v);
    ComputeChart(p);
}

}  // namespace velakor
