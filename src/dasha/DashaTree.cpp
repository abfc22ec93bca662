#include "dasha/DashaTree.h"

#include "dasha/Kalachakra.h"
#include "dasha/NakshatraDashas.h"
#include "dasha/Narayana.h"
#include "dasha/Vimshottari.h"

namespace velakor {
namespace {

struct SystemTexts {
    std::string_view name, variant;
};
constexpr std::array<SystemTexts, kDashaSystemCount> kSystems{{
    {"Vimshottari",
     "120 years from the Moon's nakshatra; sub-periods from the period's own lord, in proportion to the years"},
    {"Yogini",
     "36 years from the Moon's nakshatra (its number + 3, modulo 8), repeated to cover 120 years; sub-periods "
     "from the period's own yogini, in proportion to the years"},
    {"Ashtottari",
     "108 years over 27 nakshatras in groups from Ardra, without Abhijit; the balance from the group's arc; "
     "sub-periods from the period's own lord, in proportion to the years"},
    {"Kalachakra",
     "Parashara's wheel as P. V. R. Narasimha Rao reads it: the periods run on into the next padas, every jump "
     "(gati) taken where it falls and no period changed by it; sub-periods over the nine signs from the period's "
     "own"},
    {"Narayana",
     "P. V. R. Narasimha Rao's rules: from the stronger of the lagna and the 7th, two cycles from the birth; "
     "twelve equal sub-periods from the sign holding the lord of the stronger of the sign and its 7th"},
}};

const SystemTexts& TextsOf(DashaSystem s) { return kSystems[static_cast<std::size_t>(s)]; }

const DashaCycle& CycleOf(DashaSystem s) {
    switch (s) {
        case DashaSystem::Yogini: return YoginiCycle();
        case DashaSystem::Ashtottari: return AshtottariCycle();
        default: return VimshottariCycle();
    }
}

// The index of the period holding jd, or -1.
template <class Periods>
int Holding(const Periods& periods, double jd) {
    int i = 0;
    for (const TreePeriod& p : periods) {
        if (jd >= p.StartJd && jd < p.EndJd) return i;
        ++i;
    }
    return -1;
}

}  // namespace

std::string_view PeriodLordName(PeriodLord lord) {
    return lord.IsSign ? SignEnglishName(lord.AsSign()) : EnglishName(lord.AsBody());
}

std::string_view PeriodLordName(PeriodLord lord, Language lang) {
    if (lang == Language::English) return PeriodLordName(lord);
    return lord.IsSign ? Name(lord.AsSign(), lang) : Name(lord.AsBody(), lang);
}

DashaTree ComputeDashaTree(DashaSystem system, const Chart& c, double yearDays) {
    DashaTree t;
    t.System = system;
    t.YearDays = yearDays;
    t.BirthJd = c.JdUt;
    t.Periods.reserve(32);
    const double moon = c[Body::Moon].Longitude;
    const double lifeEnd = c.JdUt + kDashaLifeYears * yearDays;
    switch (system) {
        case DashaSystem::Vimshottari:
            AppendCyclePeriods(VimshottariCycle(), VimshottariStart(moon), c.JdUt, yearDays, 9, 0.0, t.Periods);
            break;
        case DashaSystem::Yogini:
            AppendCyclePeriods(YoginiCycle(), YoginiStart(moon), c.JdUt, yearDays, 8, lifeEnd, t.Periods);
            break;
        case DashaSystem::Ashtottari:
            AppendCyclePeriods(AshtottariCycle(), AshtottariStart(moon), c.JdUt, yearDays, 8, 0.0, t.Periods);
            t.ConditionMet = AshtottariConditionMet(c);
            break;
        case DashaSystem::Kalachakra: AppendKalachakraPeriods(moon, c.JdUt, yearDays, lifeEnd, t.Periods); break;
        case DashaSystem::Narayana: ComputeNarayana(c, yearDays, t); break;
    }
    return t;
}

PeriodList SubPeriods(const DashaTree& tree, const TreePeriod& period) {
    switch (tree.System) {
        case DashaSystem::Kalachakra: return KalachakraSubPeriods(period);
        case DashaSystem::Narayana: return NarayanaSubPeriods(tree, period);
        default: return CycleSubPeriods(CycleOf(tree.System), period);
    }
}

std::optional<RunningPeriods> RunningPeriodsAt(const DashaTree& tree, double jd) {
    const int m = Holding(tree.Periods, jd);
    if (m < 0) return std::nullopt;
    RunningPeriods r;
    r.Maha = tree.Periods[static_cast<std::size_t>(m)];
    const PeriodList antars = SubPeriods(tree, r.Maha);
    const int a = Holding(antars, jd);
    if (a < 0) return std::nullopt;
    r.Antar = antars[a];
    const PeriodList pratyantars = SubPeriods(tree, r.Antar);
    const int p = Holding(pratyantars, jd);
    if (p < 0) return std::nullopt;
    r.Pratyantar = pratyantars[p];
    return r;
}

PeriodBalance BalanceAtBirth(const DashaTree& tree, int offsetMinutes) {
    PeriodBalance b;
    if (tree.Periods.empty()) return b;
    const CalendarSpan span = SpanBetween(tree.BirthJd, tree.Periods.front().EndJd, offsetMinutes);
    b.Lord = tree.Periods.front().Lord;
    b.Years = span.Years;
    b.Months = span.Months;
    b.Days = span.Days;
    return b;
}

bool IsSignDasha(DashaSystem system) {
    return system == DashaSystem::Kalachakra || system == DashaSystem::Narayana;
}
std::string_view DashaSystemName(DashaSystem system) { return TextsOf(system).name; }
std::string_view DashaVariantText(DashaSystem system) { return TextsOf(system).variant; }

std::string_view AshtottariConditionText(bool met) {
    return met ? "Rahu is in a kendra or trikona from the lagna lord and not in the lagna: Ashtottari's "
                 "condition holds"
               : "Ashtottari's condition (Rahu in a kendra or trikona from the lagna lord, not in the lagna) "
                 "does not hold; the periods are cast all the same";
}

}  // namespace velakor
