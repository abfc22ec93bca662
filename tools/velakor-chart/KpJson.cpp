#include "KpJson.h"

#include <algorithm>
#include <cstdint>

#include "SkyKeys.h"
#include "TransitJson.h"
#include "astro/CivilTime.h"
#include "kp/KpChart.h"
#include "sky/SkyTables.h"
#include "transit/Transit.h"

namespace velakor {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// A moment key: none when absent, the error text in `error` when not an ISO moment.
std::optional<double> ReadMoment(const json& in, const char* key, std::string& error) {
    const auto it = in.find(key);
    if (it == in.end()) return std::nullopt;
    const auto jd = it->is_string() ? ParseIsoMoment(it->get_ref<const std::string&>()) : std::nullopt;
    if (!jd) {
        error = std::string("key ") + key +
                " must be an ISO 8601 moment with its offset, such as \"2026-12-07T12:00:00+05:30\"";
    }
    return jd;
}

void PutLords(ordered_json& j, const KpLords& l, bool subSub, Language lang) {
    j["SignLord"] = Name(l.SignLord, lang);
    j["StarLord"] = Name(l.StarLord, lang);
    j["SubLord"] = Name(l.SubLord, lang);
    if (subSub) j["SubSubLord"] = Name(l.SubSubLord, lang);
}

ordered_json RulingAnswer(const RulingPlanets& r, int offset, Language lang) {
    ordered_json j;
    j["At"] = IsoMoment(r.JdUt, offset);
    j["DayLord"] = Name(r.DayLord, lang);
    PutLords(j["Moon"], r.Moon, false, lang);
    PutLords(j["Ascendant"], r.Ascendant, false, lang);
    return j;
}

ordered_json KpAnswer(const KpChart& c, int offset, Language lang) {
    ordered_json kp;
    if (c.HoraryNumber != 0) kp["Horary"] = {{"Number", c.HoraryNumber}, {"At", IsoMoment(c.JdUt, offset)}};
    const ordered_json noCusps = {{"error", NoCuspsMessage(c)}};
    if (c.Houses) {
        ordered_json cusps = ordered_json::array();
        for (const KpPoint& p : c.Houses->Cusps) {
            ordered_json j;
            j["Longitude"] = p.Longitude;
            j["Sign"] = SignNumber(p.Lords.Rashi);
            PutLords(j, p.Lords, true, lang);
            cusps.push_back(std::move(j));
        }
        kp["Cusps"] = std::move(cusps);
    } else {
        kp["Cusps"] = noCusps;
    }
    ordered_json bodies = ordered_json::array();
    for (const Body b : kGrahas) {
        const KpPoint& p = c.Bodies[Index(b)];
        ordered_json j;
        j["Body"] = Name(b, lang);
        j["Longitude"] = p.Longitude;
        PutLords(j, p.Lords, true, lang);
        j["House"] = c.Houses ? ordered_json(c.Houses->Occupied[Index(b)]) : ordered_json(nullptr);
        bodies.push_back(std::move(j));
    }
    kp["Bodies"] = std::move(bodies);
    if (c.Houses) {
        const Significators& s = c.Houses->Significations;
        ordered_json houses = ordered_json::array(), planets = ordered_json::array();
        for (const auto& levels : s.Houses) {
            ordered_json row = ordered_json::array();
            for (const BodySet& level : levels) {
                ordered_json names = ordered_json::array();
                for (const Body b : level.List()) names.push_back(Name(b, lang));
                row.push_back(std::move(names));
            }
            houses.push_back(std::move(row));
        }
        for (const auto& levels : s.Bodies) {
            ordered_json row = ordered_json::array();
            for (const HouseSet& level : levels) row.push_back(level.List());
            planets.push_back(std::move(row));
        }
        kp["Significators"] = {{"Houses", std::move(houses)}, {"Bodies", std::move(planets)}};
    } else {
        kp["Significators"] = noCusps;
    }
    kp["RulingPlanets"] = RulingAnswer(c.Ruling, offset, lang);
    return kp;
}

}  // namespace

bool IsKpKey(std::string_view key) {
    return key == "KP" || key == "KPAt" || key == "Horary" || key == "HoraryAt";
}

std::string ReadKpKeys(const json& in, KpRequest& request) {
    std::optional<bool> kp;
    if (const auto it = in.find("KP"); it != in.end()) {
        if (!it->is_boolean()) return "key KP must be a boolean";
        kp = it->get<bool>();
    }
    if (const auto it = in.find("Horary"); it != in.end()) {
        // Only a whole number in range: 1.5, "175" and 250 are refused, never rounded or read.
        const bool whole = it->is_number_integer();
        long long n = 0;
        if (it->is_number_unsigned()) {
            n = static_cast<long long>(std::min<std::uint64_t>(it->get<std::uint64_t>(), kSubCount + 1));
        } else if (whole) {
            n = it->get<long long>();
        }
        if (!whole || n < 1 || n > kSubCount) return "key Horary must be a whole number from 1 to 249";
        if (kp == false) return "key Horary casts a KP chart: it cannot come with \"KP\": false";
        request.Horary = static_cast<int>(n);
    }
    request.Wanted = kp.value_or(false) || request.Horary != 0;
    std::string error;
    request.RulingAt = ReadMoment(in, "KPAt", error);
    if (!error.empty()) return error;
    request.HoraryAt = ReadMoment(in, "HoraryAt", error);
    if (!error.empty()) return error;
    if (request.RulingAt && !request.Wanted) return "key KPAt needs \"KP\": true or Horary";
    if (request.HoraryAt && request.Horary == 0) return "key HoraryAt needs Horary";
    return {};
}

std::string AddKp(JsonWriter& out, const Program& p, const ReadingOptions& options, const KpRequest& request,
                  Language lang) {
    if (!request.Wanted) return {};
    const int offset = BirthUtcOffsetMinutes(p.Birth);
    const SkyTables* tables = SkyTables::Shared();
    if (tables == nullptr) return "the precise sky's tables cannot be read: KP needs them";
    const PreciseSky sky(*tables, KpSkyChoice(p.SkyInUse));
    const double now = TodayJulianDay(options);
    const double questionJd = request.HoraryAt.value_or(now);
    KpRulingRequest ruling;
    ruling.JdUt = request.RulingAt.value_or(request.Horary != 0 ? questionJd : now);
    ruling.Rule = options.Sunrise;
    if (!sky.Covers(ruling.JdUt)) return "key KPAt: " + OutsideSkyMessage(ruling.JdUt, offset);
    if (request.Horary != 0 && !sky.Covers(questionJd)) return "key HoraryAt: " + OutsideSkyMessage(questionJd, offset);
    const KpPlace place{BirthLatitude(p.Birth), BirthLongitude(p.Birth)};
    const std::optional<KpChart> chart = request.Horary != 0
                                             ? CastHorary(request.Horary, questionJd, place, sky, ruling)
                                             : CastKp(p.Birth, sky, ruling);
    if (!chart) return "the KP chart could not be cast";
    out.Key("KP").BeginObject();
    WriteSkyAnswer(out.Key("Sky"), chart->Sky);
    const ordered_json answer = KpAnswer(*chart, offset, lang);
    for (const auto& item : answer.items()) out.Key(item.key()).Value(item.value());
    out.EndObject();
    return {};
}

}  // namespace velakor
