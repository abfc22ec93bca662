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
using nlohmann::ordered_json;

constexpr std::array<double, 3> kYears{kDashaYearJulian, kDashaYearTropical, kDashaYearSavana};

// The systems as the key names them, in the order of DashaSystem.
constexpr std::array<std::string_view, kDashaSystemCount> kSystemKeys{"vimshottari", "yogini", "ashtottari",
                                                                      "kalachakra", "narayana"};

template <class List>
ordered_json Periods(const DashaTree& tree, const List& periods, int levelsLeft, int offset) {
    ordered_json list = ordered_json::array();
    for (const TreePeriod& d : periods) {
        ordered_json j;
        j[d.Lord.IsSign ? "Sign" : "Lord"] = PeriodLordName(d.Lord);
        if (tree.System == DashaSystem::Yogini) j["Yogini"] = YoginiName(d.Lord.AsBody());
        j["Start"] = IsoMoment(d.StartJd, offset);
        j["End"] = IsoMoment(d.EndJd, offset);
        if (levelsLeft > 1) j["Periods"] = Periods(tree, SubPeriods(tree, d), levelsLeft - 1, offset);
        list.push_back(std::move(j));
    }
    return list;
}

ordered_json Limb(int number, std::string_view name, double ends, int offset) {
    ordered_json j;
    j["Number"] = number;
    j["Name"] = name;
    j["Ends"] = IsoMoment(ends, offset);
    return j;
}

}  // namespace

bool IsReadingKey(std::string_view key) {
    return key == "DashaSystem" || key == "DashaLevels" || key == "DashaYear" || key == "SunriseRule" ||
           key == "AshtakavargaTable";
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
    return {};
}

void AddReadings(ordered_json& out, const Program& p, const ReadingRequest& request) {
    const Readings r = ComputeReadings(p.Birth, p.Chart, p.SkyInUse, request.Options);
    const int offset = r.Offset;
    const DashaTree& tree = r.Tree;
    const PeriodBalance& b = r.TreeBalance;
    ordered_json dasha;
    if (request.SystemGiven) {
        dasha["System"] = DashaSystemName(tree.System);
        dasha["Variant"] = DashaVariantText(tree.System);
        if (tree.ConditionMet) dasha["ConditionMet"] = *tree.ConditionMet;
    }
    dasha["YearDays"] = request.Options.DashaYearDays;
    dasha["Balance"] = {{b.Lord.IsSign ? "Sign" : "Lord", PeriodLordName(b.Lord)},
                        {"Years", b.Years},
                        {"Months", b.Months},
                        {"Days", b.Days}};
    dasha["Periods"] = Periods(tree, tree.Periods, request.DashaLevels, offset);
    out["Dasha"] = std::move(dasha);

    const Panchanga& pp = r.Day;
    ordered_json j;
    j["Sunrise"] = pp.Sun.Rises ? ordered_json(IsoMoment(pp.Sun.RiseJd, offset)) : ordered_json(nullptr);
    j["Sunset"] = pp.Sun.Sets ? ordered_json(IsoMoment(pp.Sun.SetJd, offset)) : ordered_json(nullptr);
    if (!pp.Sun.Rises || !pp.Sun.Sets) j["Note"] = SunPassageNote(pp.Sun.Passage);
    j["Vara"] = {{"Number", pp.Vara + 1}, {"Name", VaraName(pp.Vara)}};
    j["Tithi"] = {{"Number", pp.Tithi.Index + 1},
                  {"Name", TithiName(pp.Tithi.Index)},
                  {"Paksha", PakshaName(pp.Tithi.Index)},
                  {"Ends", IsoMoment(pp.Tithi.EndsJd, offset)}};
    j["Nakshatra"] = Limb(pp.Nakshatra.Index + 1, NakshatraName(static_cast<Nakshatra>(pp.Nakshatra.Index)), pp.Nakshatra.EndsJd, offset);
    j["Yoga"] = Limb(pp.Yoga.Index + 1, YogaName(pp.Yoga.Index), pp.Yoga.EndsJd, offset);
    j["Karana"] = Limb(pp.Karana.Index + 1, KaranaName(pp.Karana.Index), pp.Karana.EndsJd, offset);
    out["Panchanga"] = std::move(j);
}

}  // namespace velakor
