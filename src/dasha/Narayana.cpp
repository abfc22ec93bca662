#include "dasha/Narayana.h"

#include <algorithm>

#include "strength/SignStrength.h"
#include "strength/VargaTable.h"

namespace velakor {
namespace {

// A dual seed's order: its trines, then those of its 10th, its 7th and its 4th.
constexpr std::array<int, kSignCount> kTrineByTrine{0, 4, 8, 9, 13, 17, 6, 10, 14, 3, 7, 11};

}  // namespace

std::array<Sign, kSignCount> NarayanaOrder(Sign seed, bool saturnInSeed, bool ketuInSeed) {
    bool forward = IsOddFooted(SignAdd(seed, 8));
    if (ketuInSeed) forward = !forward;
    int quality = SignQuality(seed);
    if (saturnInSeed) {
        forward = true;
        quality = 1;
    }
    const int direction = forward ? 1 : -1;
    std::array<Sign, kSignCount> order{};
    for (int k = 0; k < kSignCount; ++k) {
        const int steps = quality == 1 ? k : (quality == 2 ? 5 * k : kTrineByTrine[static_cast<std::size_t>(k)]);
        order[static_cast<std::size_t>(k)] = SignAdd(seed, direction * steps);
    }
    return order;
}

int NarayanaYears(Sign sign, Body lord, Sign lordSign) {
    const int count = IsOddFooted(sign) ? HouseFrom(sign, lordSign) : HouseFrom(lordSign, sign);
    // A lord at home gives the whole twelve, whatever its dignity there (Mercury in Virgo).
    if (count == 1) return 12;
    const int years = count - 1 + (IsExalted(lord, lordSign) ? 1 : 0) - (IsDebilitated(lord, lordSign) ? 1 : 0);
    return std::max(years, 0);
}

Body NarayanaLord(const Chart& c, Sign s) {
    if (const std::optional<Body> lord = StrongerCoLord(c, s)) return *lord;
    const Body a = SignLord(s);
    const Body b = s == Sign::Scorpio ? Body::Ketu : Body::Rahu;
    const int ya = NarayanaYears(s, a, c[a].Rashi), yb = NarayanaYears(s, b, c[b].Rashi);
    if (ya != yb) return ya > yb ? a : b;
    return Advancement(c, a) >= Advancement(c, b) ? a : b;
}

void ComputeNarayana(const Chart& c, double yearDays, DashaTree& tree) {
    std::array<Body, kSignCount> lords{};
    for (int i = 0; i < kSignCount; ++i) lords[static_cast<std::size_t>(i)] = NarayanaLord(c, SignFromIndex(i));
    auto lordOf = [&](Sign s) { return lords[static_cast<std::size_t>(SignIndex(s))]; };
    // The stronger of each sign and its 7th, the sign itself winning a tie.
    std::array<Sign, kSignCount> stronger{};
    for (int i = 0; i < kSignCount / 2; ++i) {
        const Sign s = SignFromIndex(i), seventh = SignAdd(s, 6);
        const int r = CompareSigns(c, s, lordOf(s), seventh, lordOf(seventh));
        stronger[static_cast<std::size_t>(i)] = r >= 0 ? s : seventh;
        stronger[static_cast<std::size_t>(i + 6)] = r <= 0 ? seventh : s;
    }

    const Sign seed = stronger[static_cast<std::size_t>(SignIndex(c[Body::Ascendant].Rashi))];
    const std::array<Sign, kSignCount> order =
        NarayanaOrder(seed, c[Body::Saturn].Rashi == seed, c[Body::Ketu].Rashi == seed);
    double start = c.JdUt;
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const Sign s : order) {
            const int first = NarayanaYears(s, lordOf(s), c[lordOf(s)].Rashi);
            const int years = cycle == 0 ? first : 12 - first;
            if (years <= 0) continue;
            const double end = start + years * yearDays;
            tree.Periods.push_back(TreePeriod{PeriodLord::Of(s), static_cast<std::int16_t>(cycle), start, end});
            start = end;
        }
    }

    for (std::size_t i = 0; i < kSignCount; ++i) {
        const Sign seedOfSign = stronger[i];
        SignRun& run = tree.SignRuns[i];
        run.First = c[lordOf(seedOfSign)].Rashi;
        run.Step = SignIndex(run.First) % 2 == 0 ? 1 : -1;  // odd signs forward
        if (c[Body::Saturn].Rashi == seedOfSign) {
            run.Step = 1;
        } else if (c[Body::Ketu].Rashi == seedOfSign) {
            run.Step = static_cast<std::int8_t>(-run.Step);
        }
        int sign = SignIndex(run.First);
        for (PeriodLord& lord : run.Signs) {
            lord = PeriodLord::Of(static_cast<Sign>(sign));
            sign = (sign + run.Step + kSignCount) % kSignCount;
        }
    }
}

PeriodList NarayanaSubPeriods(const DashaTree& tree, const TreePeriod& period) {
    static constexpr std::array<double, kSignCount> kTwelfths{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const SignRun& run = tree.SignRuns[period.Lord.Index];
    const double part = (period.EndJd - period.StartJd) / kSignCount;
    PeriodList out;
    out.Count = kSignCount;
    double start = period.StartJd;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        TreePeriod& s = out.Items[i];
        s.Lord = run.Signs[i];
        s.Place = 0;
        s.StartJd = start;
        start = period.StartJd + part * kTwelfths[i];
        s.EndJd = start;
    }
    out.Items[kSignCount - 1].EndJd = period.EndJd;
    return out;
}

}  // namespace velakor
