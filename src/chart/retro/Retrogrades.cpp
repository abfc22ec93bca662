#include "chart/retro/Retrogrades.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "vedic/Calendar.h"
#include "chart/retro/StationData.h"

namespace velakor {
namespace {

constexpr std::array<std::string_view, kRetroPlanets> kRetroPlanetNames{
    "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// "month,day,year,hour,minute," into its five fields. The tables are generated and well
// formed; a field that does not read stays 0.
StationMoment ParseStation(std::string_view text) {
    std::array<int, 5> field{};
    std::size_t pos = 0;
    for (int& f : field) {
        const std::size_t comma = text.find(',', pos);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        std::from_chars(text.data() + pos, text.data() + end, f);
        pos = comma == std::string_view::npos ? text.size() : comma + 1;
    }
    return StationMoment{field[0], field[1], field[2], field[3], field[4]};
}

StationTable ParseTable(const PlanetStationTexts& texts) {
    StationTable t;
    const std::size_t n = texts.Rows.size();
    t.RetroStations.reserve(n);
    t.DirectStations.reserve(n);
    t.RetroDays.reserve(n);
    t.DirectDays.reserve(n);
    for (const StationTextRow& row : texts.Rows) {
        const StationMoment retro = ParseStation(row.RetroStation);
        const StationMoment direct = ParseStation(row.DirectStation);
        t.RetroStations.push_back(retro);
        t.DirectStations.push_back(direct);
        t.RetroDays.push_back(static_cast<std::int32_t>(DaysFromCivil(retro.Year, retro.Month, retro.Day)));
        t.DirectDays.push_back(static_cast<std::int32_t>(DaysFromCivil(direct.Year, direct.Month, direct.Day)));
    }
    return t;
}

int PlanetIndex(std::string_view planetName) {
    for (int i = 0; i < kRetroPlanets; ++i) {
        if (kRetroPlanetNames[i] == planetName) return i;
    }
    return -1;
}

}  // namespace

const StationTable& LoadStations(std::string_view planetName) {
    // Constant once built; the first caller builds it, under the language's guarantee that
    // a local static is initialised exactly once.
    static const std::array<StationTable, kRetroPlanets> kTables = [] {
        std::array<StationTable, kRetroPlanets> tables;
        for (int i = 0; i < kRetroPlanets; ++i) {
            for (const PlanetStationTexts& texts : kStationTexts) {
                if (texts.Planet == kRetroPlanetNames[i]) tables[i] = ParseTable(texts);
            }
        }
        return tables;
    }();
    static const StationTable kNoStations;
    const int i = PlanetIndex(planetName);
    return i < 0 ? kNoStations : kTables[i];
}

bool IsRetrograde(const StationMoment& birth, std::string_view planetName) {
    const StationTable& t = LoadStations(planetName);
    const auto day = static_cast<std::int32_t>(DaysFromCivil(birth.Year, birth.Month, birth.Day));
    // The periods are in time order and do not overlap, so the only one that can hold the
    // day is the last that starts on an earlier date.
    const auto after = std::lower_bound(t.RetroDays.begin(), t.RetroDays.end(), day);
    if (after == t.RetroDays.begin()) return false;
    const auto k = static_cast<std::size_t>(after - t.RetroDays.begin() - 1);
    return day < t.DirectDays[k];
}

StationMoment BirthMoment(const BirthRecord& b) {
    StationMoment m{b.BirthMonth, b.BirthDay, b.BirthYear, b.BirthHour, b.BirthMinute};
    if (m.Hour == 24) {
        const CivilMoment next = CivilFromDays(DaysFromCivil(m.Year, m.Month, m.Day) + 1);
        m.Year = next.Year;
        m.Month = next.Month;
        m.Day = next.Day;
        m.Hour = 0;
    }
    return m;
}

void MarkRetrogrades(const BirthRecord& b, Chart& c) {
    const StationMoment birth = BirthMoment(b);
    for (int i = 0; i < kRetroPlanets; ++i) {
        c[kRetrogradeBodies[static_cast<std::size_t>(i)]].Retrograde = IsRetrograde(birth, kRetroPlanetNames[i]);
    }
}

}  // namespace velakor
