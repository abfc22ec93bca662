#include "TransitJson.h"

#include <cctype>

#include "app/Readings.h"
#include "astro/CivilTime.h"
#include "dasha/DashaTree.h"
#include "transit/SaturnPeriods.h"
#include "transit/Transit.h"

namespace velakor {
namespace {

using nlohmann::json;

// The digits of text[at, at + n) as a number; -1 unless they are all digits.
int Digits(std::string_view text, std::size_t at, std::size_t n) {
    if (at + n > text.size()) return -1;
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

void Moment(JsonWriter& out, const std::optional<double>& jd, int offset) {
    if (jd) {
        out.String(IsoMoment(*jd, offset));
    } else {
        out.Null();
    }
}

}  // namespace

bool IsTransitKey(std::string_view key) { return key == "TransitAt" || key == "SaturnPeriods"; }

std::optional<double> ParseIsoMoment(std::string_view t) {
    // YYYY-MM-DDTHH:MM[:SS](Z|+HH:MM|-HH:MM)
    if (t.size() < 17 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':') return std::nullopt;
    const int year = Digits(t, 0, 4), month = Digits(t, 5, 2), day = Digits(t, 8, 2);
    const int hour = Digits(t, 11, 2), minute = Digits(t, 14, 2);
    std::size_t at = 16;
    int second = 0;
    if (at < t.size() && t[at] == ':') {
        second = Digits(t, at + 1, 2);
        at += 3;
    }
    int offset = 0;
    if (at + 1 == t.size() && t[at] == 'Z') {
        offset = 0;
    } else if (at + 6 == t.size() && (t[at] == '+' || t[at] == '-') && t[at + 3] == ':') {
        const int oh = Digits(t, at + 1, 2), om = Digits(t, at + 4, 2);
        if (oh < 0 || oh > 14 || om < 0 || om > 59) return std::nullopt;
        offset = (t[at] == '-' ? -1 : 1) * (oh * 60 + om);
    } else {
        return std::nullopt;
    }
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return JdFromCivil(year, month, day, hour + minute / 60.0 + second / 3600.0, offset);
}

std::string ReadTransitKeys(const json& in, TransitRequest& request) {
    if (const auto it = in.find("TransitAt"); it != in.end()) {
        const auto jd = it->is_string() ? ParseIsoMoment(it->get_ref<const std::string&>()) : std::nullopt;
        if (!jd) return "key TransitAt must be an ISO 8601 moment with its offset, such as \"2026-12-07T12:00:00+05:30\"";
        request.AtJd = jd;
    }
    if (const auto it = in.find("SaturnPeriods"); it != in.end()) {
        if (!it->is_boolean()) return "key SaturnPeriods must be a boolean";
        request.SaturnPeriods = it->get<bool>();
    }
    return {};
}

std::string AddTransits(JsonWriter& out, const Program& p, const ReadingOptions& options,
                        const TransitRequest& request, Language lang) {
    if (!request.AtJd && !request.SaturnPeriods) return {};
    const int offset = BirthUtcOffsetMinutes(p.Birth);
    const SkyChoice choice = TransitSkyChoice(p.SkyInUse);
    if (!SkyAvailable(choice)) return "the precise sky's tables cannot be read: transits need them";
    const std::unique_ptr<Sky> sky = MakeSky(choice);
    if (request.AtJd) {
        const std::optional<Transit> t = TransitAt(*sky, p.Chart, *request.AtJd);
        if (!t) return "key TransitAt: " + OutsideSkyMessage(*request.AtJd, offset);
        out.Key("Transit").BeginObject();
        out.Key("At").String(IsoMoment(*request.AtJd, offset));
        out.Key("Bodies").BeginArray();
        for (const TransitBody& b : t->Bodies) {
            out.BeginObject();
            out.Key("Body").String(Name(b.Which, lang));
            out.Key("Longitude").Number(b.Longitude);
            out.Key("Sign").Integer(SignNumber(b.Rashi));
            out.Key("Nakshatra").Integer(NakshatraIndex(b.Star) + 1);
            out.Key("Pada").Integer(b.Pada);
            out.Key("House").Integer(b.House);
            out.Key("FromMoon").Integer(b.FromMoon);
            out.Key("Retrograde").Boolean(b.Retrograde);
            Moment(out.Key("Leaves"), b.LeavesJd, offset);
            out.EndObject();
        }
        out.EndArray();
        const Readings r = ComputeReadings(p.Birth, p.Chart, p.SkyInUse, options);
        out.Key("Dasha");
        if (const auto running = RunningPeriodsAt(r.Tree, *request.AtJd)) {
            out.BeginArray();
            out.String(PeriodLordName(running->Maha.Lord, lang));
            out.String(PeriodLordName(running->Antar.Lord, lang));
            out.String(PeriodLordName(running->Pratyantar.Lord, lang));
            out.EndArray();
        } else {
            out.Null();
        }
        out.EndObject();
    }
    if (request.SaturnPeriods) {
        out.Key("SaturnPeriods").BeginArray();
        for (const SaturnPeriod& s :
             SaturnPeriods(*sky, p.Chart[Body::Moon].Rashi, p.Chart.JdUt, p.Chart.JdUt + kSaturnPeriodsSpanDays)) {
            out.BeginObject();
            out.Key("Phase").String(Name(s.Phase, lang));
            out.Key("Sign").Integer(SignNumber(s.Rashi));
            Moment(out.Key("Start"), s.StartJd, offset);
            Moment(out.Key("End"), s.EndJd, offset);
            out.EndObject();
        }
        out.EndArray();
    }
    return {};
}

}  // namespace velakor
