#include "ReadingJson.h"

#include <array>
#include <cmath>

#include "app/Readings.h"
#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "dasha/Vimshottari.h"
#include "panchanga/Panchanga.h"

namespace velakor {
namespace {

using nlohmann::json;

constexpr std::array<double, 3> kYears{kDashaYearJulian, kDashaYearTropical, kDashaYearSavana};

void Periods(JsonWriter& out, const DashaPeriods& periods, int levelsLeft, int offset) {
    out.BeginArray();
    for (const DashaPeriod& d : periods) {
        out.BeginObject();
        out.Key("Lord").String(DashaLordName(d.Lord));
        out.Key("Start").String(IsoMoment(d.StartJd, offset));
        out.Key("End").String(IsoMoment(d.EndJd, offset));
        if (levelsLeft > 1) Periods(out.Key("Periods"), SubPeriods(d), levelsLeft - 1, offset);
        out.EndObject();
    }
    out.EndArray();
}

void Limb(JsonWriter& out, int number, std::string_view name, double ends, int offset) {
    out.BeginObject();
    out.Key("Number").Integer(number);
    out.Key("Name").String(name);
    out.Key("Ends").String(IsoMoment(ends, offset));
    out.EndObject();
}

}  // namespace

bool IsReadingKey(std::string_view key) {
    return key == "DashaLevels" || key == "DashaYear" || key == "SunriseRule";
}

std::string ReadReadingKeys(const json& in, ReadingRequest& request) {
    if (const auto it = in.find("DashaLevels"); it != in.end()) {
        if (!it->is_number_integer()) return "key DashaLevels must be an integer";
        const bool huge = it->is_number_unsigned() && it->get<std::uint64_t>() > 3;
        const std::int64_t n = huge ? 4 : it->get<std::int64_t>();
        if (n < 1 || n > 3) {
            return "key DashaLevels must lie between 1 and 3";
        }
        request.DashaLevels = static_cast<int>(n);
    }
    if (const auto it = in.find("DashaYear"); it != in.end()) {
        bool ok = false;
        if (it->is_number()) {
            const double days = it->get<double>();
            for (const double y : kYears) {
                if (days == y) {
                    request.Options.DashaYearDays = y;
                    ok = true;
                }
            }
        }
        if (!ok) return "key DashaYear must be 365.25, 365.2422 or 360";
    }
    if (const auto it = in.find("SunriseRule"); it != in.end()) {
        if (*it == "centre") {
            request.Options.Sunrise = SunriseRule::Centre;
        } else if (*it == "limb") {
            request.Options.Sunrise = SunriseRule::Limb;
        } else {
            return "key SunriseRule must be \"centre\" or \"limb\"";
        }
    }
    return {};
}

void AddReadings(JsonWriter& out, const Program& p, const ReadingRequest& request) {
    const Readings r = ComputeReadings(p.Birth, p.Chart, p.SkyInUse, request.Options);
    const int offset = r.Offset;
    const Dasha& d = r.Periods;
    const DashaBalance& b = r.Balance;
    out.Key("Dasha").BeginObject();
    out.Key("YearDays").Number(request.Options.DashaYearDays);
    out.Key("Balance").BeginObject();
    out.Key("Lord").String(DashaLordName(b.Lord));
    out.Key("Years").Integer(b.Years);
    out.Key("Months").Integer(b.Months);
    out.Key("Days").Integer(b.Days);
    out.EndObject();
    Periods(out.Key("Periods"), d.Mahadashas, request.DashaLevels, offset);
    out.EndObject();

    const Panchanga& pp = r.Day;
    out.Key("Panchanga").BeginObject();
    auto moment = [&](std::string_view key, bool happens, double jd) {
        out.Key(key);
        if (happens) {
            out.String(IsoMoment(jd, offset));
        } else {
            out.Null();
        }
    };
    moment("Sunrise", pp.Sun.Rises, pp.Sun.RiseJd);
    moment("Sunset", pp.Sun.Sets, pp.Sun.SetJd);
    if (!pp.Sun.Rises || !pp.Sun.Sets) out.Key("Note").String(SunPassageNote(pp.Sun.Passage));
    out.Key("Vara").BeginObject();
    out.Key("Number").Integer(pp.Vara + 1);
    out.Key("Name").String(VaraName(pp.Vara));
    out.EndObject();
    out.Key("Tithi").BeginObject();
    out.Key("Number").Integer(pp.Tithi.Index + 1);
    out.Key("Name").String(TithiName(pp.Tithi.Index));
    out.Key("Paksha").String(PakshaName(pp.Tithi.Index));
    out.Key("Ends").String(IsoMoment(pp.Tithi.EndsJd, offset));
    out.EndObject();
    Limb(out.Key("Nakshatra"), pp.Nakshatra.Index + 1, NakshatraName(static_cast<Nakshatra>(pp.Nakshatra.Index)),
         pp.Nakshatra.EndsJd, offset);
    Limb(out.Key("Yoga"), pp.Yoga.Index + 1, YogaName(pp.Yoga.Index), pp.Yoga.EndsJd, offset);
    Limb(out.Key("Karana"), pp.Karana.Index + 1, KaranaName(pp.Karana.Index), pp.Karana.EndsJd, offset);
    out.EndObject();
}

}  // namespace velakor
