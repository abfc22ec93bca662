#include "transit/SaturnPeriods.h"

#include "sky/Ingress.h"

namespace velakor {

std::string_view Name(SaturnPhase p, Language lang) {
    if (lang == Language::English) return SaturnPhaseName(p);
    return TranslatedName(Vocabulary::SaturnPhase, static_cast<int>(p) + 1, lang);
}

std::string_view SaturnPhaseName(SaturnPhase p) {
    switch (p) {
        case SaturnPhase::Rising: return "Rising";
        case SaturnPhase::Peak: return "Peak";
        case SaturnPhase::Setting: return "Setting";
        case SaturnPhase::Kantaka: return "Kantaka";
        case SaturnPhase::Ashtama: return "Ashtama";
    }
    return "";
}

std::optional<SaturnPhase> SaturnPhaseOf(Sign moonSign, Sign saturnSign) {
    switch (HouseFrom(moonSign, saturnSign)) {
        case 12: return SaturnPhase::Rising;
        case 1: return SaturnPhase::Peak;
        case 2: return SaturnPhase::Setting;
        case 4: return SaturnPhase::Kantaka;
        case 8: return SaturnPhase::Ashtama;
        default: return std::nullopt;
    }
}

std::vector<SaturnPeriod> SaturnPeriods(const Sky& sky, Sign moonSign, double fromJd, double toJd) {
    std::vector<SaturnPeriod> periods;
    if (!sky.Covers(fromJd)) return periods;
    // The stay at fromJd is asked both ends; every later one starts where the one before
    // ended, so consecutive stays share their moment exactly.
    SignStay stay = SignStayAt(sky, Body::Saturn, fromJd, StayEnds::Both);
    std::optional<double> start = stay.Entered;
    for (int guard = 0; guard < 1000; ++guard) {
        if (const auto phase = SaturnPhaseOf(moonSign, stay.Rashi))
            periods.push_back({*phase, stay.Rashi, start, stay.Leaves});
        if (!stay.Leaves || *stay.Leaves >= toJd) break;
        start = stay.Leaves;
        stay = SignStayAt(sky, Body::Saturn, *start, StayEnds::LeavingOnly);
    }
    return periods;
}

int RunningSaturnPeriod(const std::vector<SaturnPeriod>& periods, double jd) {
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const SaturnPeriod& p = periods[i];
        if ((!p.StartJd || jd >= *p.StartJd) && (!p.EndJd || jd < *p.EndJd)) return static_cast<int>(i);
    }
    return -1;
}

std::vector<SadeSati> SadeSatis(const std::vector<SaturnPeriod>& periods) {
    std::vector<SadeSati> spans;
    bool open = false;  // the last period was one of a sade sati
    for (const SaturnPeriod& p : periods) {
        const bool sadeSati = p.Phase == SaturnPhase::Rising || p.Phase == SaturnPhase::Peak || p.Phase == SaturnPhase::Setting;
        if (sadeSati && open) {
            spans.back().EndJd = p.EndJd;
        } else if (sadeSati) {
            spans.push_back({p.StartJd, p.EndJd});
        }
        open = sadeSati;
    }
    return spans;
}

int RunningSadeSati(const std::vector<SadeSati>& spans, double jd) {
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const SadeSati& s = spans[i];
        if ((!s.StartJd || jd >= *s.StartJd) && (!s.EndJd || jd < *s.EndJd)) return static_cast<int>(i);
    }
    return -1;
}

int NextSadeSati(const std::vector<SadeSati>& spans, double jd) {
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].StartJd && *spans[i].StartJd > jd) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace velakor
