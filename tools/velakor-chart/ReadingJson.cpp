#include "ReadingJson.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "app/Readings.h"
#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "dasha/DashaTree.h"
#include "dasha/NakshatraDashas.h"
#include "panchanga/Panchanga.h"
#include "strength/Ashtakavarga.h"

namespace velakor {
namespace {

using nlohmann::json;

constexpr std::array<double, 3> kYears{kDashaYearJulian, kDashaYearTropical, kDashaYearSavana};

// The systems as the key names them, in the order of DashaSystem.
constexpr std::array<std::string_view, kDashaSystemCount> kSystemKeys{"vimshottari", "yogini", "ashtottari",
                                                                      "kalachakra", "narayana"};

template <class List>
void Periods(JsonWriter& out, const DashaTree& tree, const List& periods, int levelsLeft, int offset, Language lang) {
    out.BeginArray();
    for (const TreePeriod& d : periods) {
        out.BeginObject();
        out.Key(d.Lord.IsSign ? "Sign" : "Lord").String(PeriodLordName(d.Lord, lang));
        if (tree.System == DashaSystem::Yogini) out.Key("Yogini").String(YoginiName(d.Lord.AsBody()));
        out.Key("Start").String(IsoMoment(d.StartJd, offset));
        out.Key("End").String(IsoMoment(d.EndJd, offset));
        if (levelsLeft > 1) Periods(out.Key("Periods"), tree, SubPeriods(tree, d), levelsLeft - 1, offset, lang);
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
    return key == "DashaSystem" || key == "DashaLevels" || key == "DashaYear" || key == "SunriseRule" ||
           key == "AshtakavargaTable" || key == "Language";
}

std::string ReadReadingKeys(const json& in, ReadingRequest& request) {
    if (const auto it = in.find("DashaSystem"); it != in.end()) {
        const auto known = it->is_string() ? std::find(kSystemKeys.begin(), kSystemKeys.end(), it->get<std::string>())
                                           : kSystemKeys.end();
        if (known == kSystemKeys.end()) {
            return "key DashaSystem must be \"vimshottari\", \"yogini\", \"ashtottari\", \"kalachakra\" or "
                   "\"narayana\"";
        }
        request.Options.Dasha = static_cast<DashaSystem>(known - kSystemKeys.begin());
        request.SystemGiven = true;
    }
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
    if (const auto it = in.find("AshtakavargaTable"); it != in.end()) {
        request.TableGiven = true;
        bool ok = false;
        for (std::size_t t = 0; t < kAshtakavargaTableKeys.size(); ++t) {
            if (*it == kAshtakavargaTableKeys[t]) {
                request.Options.Ashtakavarga = static_cast<AshtakavargaTable>(t);
                ok = true;
            }
        }
        if (!ok) return "key AshtakavargaTable must be \"Parashara\" or \"Raman\"";
    }
    if (const auto it = in.find("Language"); it != in.end()) {
        const auto lang = it->is_string() ? LanguageOfCode(it->get_ref<const std::string&>()) : std::nullopt;
        if (!lang) return "key Language must be \"en\", \"hi\" or \"ta\"";
        request.Lang = *lang;
    }
    return {};
}

void AddReadings(JsonWriter& out, const Program& p, const ReadingRequest& request) {
    const Readings r = ComputeReadings(p.Birth, p.Chart, p.SkyInUse, request.Options);
    const int offset = r.Offset;
    const DashaTree& tree = r.Tree;
    const Language lang = request.Lang;
    const PeriodBalance& b = r.TreeBalance;
    out.Key("Dasha").BeginObject();
    if (request.SystemGiven) {
        out.Key("System").String(DashaSystemName(tree.System));
        out.Key("Variant").String(DashaVariantText(tree.System));
        if (tree.ConditionMet) out.Key("ConditionMet").Boolean(*tree.ConditionMet);
    }
    out.Key("YearDays").Number(request.Options.DashaYearDays);
    out.Key("Balance").BeginObject();
    out.Key(b.Lord.IsSign ? "Sign" : "Lord").String(PeriodLordName(b.Lord, lang));
    out.Key("Years").Integer(b.Years);
    out.Key("Months").Integer(b.Months);
    out.Key("Days").Integer(b.Days);
    out.EndObject();
    Periods(out.Key("Periods"), tree, tree.Periods, request.DashaLevels, offset, lang);
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
    out.Key("Name").String(VaraName(pp.Vara, lang));
    out.EndObject();
    out.Key("Tithi").BeginObject();
    out.Key("Number").Integer(pp.Tithi.Index + 1);
    out.Key("Name").String(TithiName(pp.Tithi.Index, lang));
    out.Key("Paksha").String(PakshaName(pp.Tithi.Index, lang));
    out.Key("Ends").String(IsoMoment(pp.Tithi.EndsJd, offset));
    out.EndObject();
    Limb(out.Key("Nakshatra"), pp.Nakshatra.Index + 1, Name(static_cast<Nakshatra>(pp.Nakshatra.Index), lang),
         pp.Nakshatra.EndsJd, offset);
    Limb(out.Key("Yoga"), pp.Yoga.Index + 1, YogaName(pp.Yoga.Index, lang), pp.Yoga.EndsJd, offset);
    Limb(out.Key("Karana"), pp.Karana.Index + 1, KaranaName(pp.Karana.Index, lang), pp.Karana.EndsJd, offset);
    out.EndObject();
}

}  // namespace velakor
