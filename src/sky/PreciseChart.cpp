#include "sky/PreciseChart.h"

#include "astro/VedicEphemeris.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"
#include "chart/VedicPlanetPosition.h"

namespace velakor {

void ComputePreciseStages(Program& p, const PreciseSky& sky) {
    const BirthRecord& b = p.Birth;
    double lon = b.LonDeg + b.LonMin / 60.0;
    double lat = b.LatDeg + b.LatMin / 60.0;
    if (b.LonEastFlag) lon = -lon;
    if (b.LatSouthFlag) lat = -lat;
    const PreciseSky::ChartValues v = sky.Chart(BirthJulianDayUt(b), lat, lon);
    ChartState& cs = p.Chart;

    cs.AyanamsaCorrection = -v.Ayanamsa;
    double copy = cs.AyanamsaCorrection;
    cs.AyanamsaCorrectionText = FormatAngle(copy);
    double asc = v.Points.Ascendant;
    double mc = v.Points.Midheaven;
    cs.SiderealLongitudes[9] = asc;
    cs.AscendantText = FormatPosition(asc);
    cs.MidheavenText = FormatPosition(mc);

    double moon = v.Longitude[1];
    cs.MoonSiderealLongitude = moon;
    cs.SiderealLongitudes[1] = moon;
    cs.MoonLongitudeText = FormatPosition(moon);
    cs.MoonNakshatra.assign(NakshatraOrderName(NakshatraIndex(cs.MoonSiderealLongitude)));
    cs.MoonPada.assign(1, static_cast<char>('0' + NakshatraPadaNumber(cs.MoonSiderealLongitude)));
    const std::string_view text = TrimSpaces(cs.MoonLongitudeText);
    cs.MoonSignName.assign(SignNameForAbbrev(text.size() >= 3 ? text.substr(text.size() - 3) : text));

    LoadPlanetNames(p);
    // Chart index (Sun 0, Moon 1, Mercury 2 ..) of each element row, as the planet stage keeps them.
    constexpr std::array<int, 6> kChartIndex{2, 3, 0, 4, 5, 6};
    for (std::size_t row = 0; row < kChartIndex.size(); ++row) {
        const auto i = static_cast<std::size_t>(kChartIndex[row]);
        double s = v.Longitude[i];
        cs.SiderealLongitudes[i] = s;
        cs.PlanetPositionText[row] = FormatPosition(s);
    }
    double rahu = v.Longitude[7];
    double ketu = v.Longitude[8];
    cs.SiderealLongitudes[7] = rahu;
    cs.SiderealLongitudes[8] = ketu;
    cs.RahuText = FormatPosition(rahu);
    cs.KetuText = FormatPosition(ketu);

    FillChartPositions(cs);

    // Mercury .. Saturn: retrograde while the longitude decreases.
    for (int i = 0; i < kRetroPlanets; ++i) {
        cs.RetroFlags[static_cast<std::size_t>(i)] = v.PerDay[static_cast<std::size_t>(i + 2)] < 0;
        if (cs.RetroFlags[static_cast<std::size_t>(i)]) p.Names.PlanetNamesSanskrit[static_cast<std::size_t>(i + 2)] += " (R) ";
    }
}

}  // namespace velakor
