#include "kp/SubLords.h"

#include <algorithm>
#include <cmath>

#include "dasha/Vimshottari.h"
#include "vedic/Angles.h"

namespace velakor {
namespace {

constexpr std::int32_t kThirdsPerSign = 30 * kThirdsPerDegree;
constexpr std::int32_t kThirdsPerStar = kThirdsPerTurn / kNakshatraCount;
constexpr std::int32_t kCycleYears = 120;
static_assert(kThirdsPerStar * kNakshatraCount == kThirdsPerTurn && kThirdsPerStar % kCycleYears == 0);

// The lord `steps` places after `lord` in the dasha's order.
DashaLord After(DashaLord lord, int steps) {
    return static_cast<DashaLord>((static_cast<int>(lord) + steps) % kDashaLordCount);
}

// The rule's numbers, gathered once: the years of each lord in the dasha's order, and the
// rows with the place of each row's sub lord in that order.
struct Rule {
    std::array<std::int32_t, kDashaLordCount> Years{};
    std::array<SubRow, kSubCount> Rows{};
    std::array<int, kSubCount> SubLord{};  // the row's sub lord as a DashaLord
};

// A sub takes years/120 of its star, a sub-sub years/120 of its sub: 1,200 thirds a year,
// and 10 a year of each of its two lords.
constexpr std::int32_t kThirdsPerSubYear = kThirdsPerStar / kCycleYears;

Rule BuildRule() {
    Rule rule;
    for (int k = 0; k < kDashaLordCount; ++k)
        rule.Years[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(DashaLordYears(static_cast<DashaLord>(k)));
    std::size_t n = 0;
    for (int star = 0; star < kNakshatraCount; ++star) {
        const DashaLord starLord = NakshatraDashaLord(star);
        std::int32_t start = star * kThirdsPerStar;
        for (int k = 0; k < kDashaLordCount; ++k) {
            const DashaLord subLord = After(starLord, k);
            const std::int32_t end = start + kThirdsPerSubYear * rule.Years[static_cast<std::size_t>(subLord)];
            // A sign boundary strictly inside the sub cuts it in two rows.
            for (std::int32_t from = start; from < end; ++n) {
                const std::int32_t to = std::min(end, (from / kThirdsPerSign + 1) * kThirdsPerSign);
                SubRow& r = rule.Rows.at(n);
                r.Number = static_cast<int>(n) + 1;
                r.Start = from;
                r.End = to;
                r.WholeStart = start;
                r.Rashi = SignFromIndex(from / kThirdsPerSign);
                r.Star = static_cast<Nakshatra>(star);
                r.StarLord = DashaLordBody(starLord);
                r.SubLord = DashaLordBody(subLord);
                rule.SubLord.at(n) = static_cast<int>(subLord);
                from = to;
            }
            start = end;
        }
    }
    return rule;
}

const Rule& TheRule() {
    static const Rule rule = BuildRule();
    return rule;
}

}  // namespace

const std::array<SubRow, kSubCount>& SubTable() { return TheRule().Rows; }

std::int32_t ThirdsOf(double longitude) {
    const double x = Fold360(longitude);
    if (!(x >= 0)) return 0;  // not a number: nothing to index with
    // x * 10800 exactly, as the rounded product and its rounding error: a longitude just
    // short of a boundary stays short of it.
    const double p = x * kThirdsPerDegree;
    const double e = std::fma(x, kThirdsPerDegree, -p);
    double whole = std::floor(p);
    if (whole == p && e < 0) whole -= 1.0;
    return static_cast<std::int32_t>(std::clamp(whole, 0.0, static_cast<double>(kThirdsPerTurn - 1)));
}

KpLords LordsOf(double longitude) {
    const std::int32_t t = ThirdsOf(longitude);
    const Rule& rule = TheRule();
    const auto row = std::upper_bound(rule.Rows.begin(), rule.Rows.end(), t,
                                      [](std::int32_t v, const SubRow& r) { return v < r.Start; }) - 1;
    KpLords l;
    l.Rashi = row->Rashi;
    l.SignLord = SignLord(row->Rashi);
    l.StarLord = row->StarLord;
    l.SubLord = row->SubLord;
    l.Sub = row->Number;
    // The sub-subs follow the whole sub from its own lord on, whatever sign boundary cuts it.
    const int sub = rule.SubLord[static_cast<std::size_t>(row - rule.Rows.begin())];
    const std::int32_t perYear = kThirdsPerSubYear * rule.Years[static_cast<std::size_t>(sub)] / kCycleYears;
    std::int32_t end = row->WholeStart;
    int subSub = sub;
    for (int k = 0; k < kDashaLordCount - 1; ++k, subSub = (subSub + 1) % kDashaLordCount) {
        end += perYear * rule.Years[static_cast<std::size_t>(subSub)];
        if (t < end) break;
    }
    l.SubSubLord = DashaLordBody(static_cast<DashaLord>(subSub));
    return l;
}

double SubStartDegrees(int number) {
    const std::int32_t start = SubTable().at(static_cast<std::size_t>(std::clamp(number, 1, kSubCount) - 1)).Start;
    double d = static_cast<double>(start) / kThirdsPerDegree;
    if (ThirdsOf(d) < start) d = std::nextafter(d, 360.0);
    return d;
}

}  // namespace velakor
