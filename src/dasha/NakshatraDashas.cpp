#include "dasha/NakshatraDashas.h"

#include <algorithm>
#include <cmath>

#include "vedic/Angles.h"
#include "vedic/Nakshatra.h"

namespace velakor {
namespace {

constexpr double kNakshatraSpan = 360.0 / 27.0;

constexpr DashaCycle MakeCycle(std::array<Body, 9> lords, std::array<double, 9> years, int count,
                               SplitArithmetic arithmetic) {
    DashaCycle cycle{lords, years, count, 0.0, arithmetic, {}};
    for (int i = 0; i < count; ++i) cycle.TotalYears += years[static_cast<std::size_t>(i)];
    for (int place = 0; place < count; ++place) {
        SplitPlan& plan = cycle.Plans[static_cast<std::size_t>(place)];
        plan.Count = count;
        plan.TotalYears = cycle.TotalYears;
        double soFar = 0.0;
        for (int i = 0; i < count; ++i) {
            const auto at = static_cast<std::size_t>((place + i) % count);
            soFar += years[at];
            plan.Lords[static_cast<std::size_t>(i)] = PeriodLord::Of(lords[at]);
            plan.Places[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(at);
            plan.YearsToEnd[static_cast<std::size_t>(i)] = soFar;
        }
    }
    return cycle;
}

constexpr DashaCycle kVimshottari = MakeCycle({Body::Ketu, Body::Venus, Body::Sun, Body::Moon, Body::Mars, Body::Rahu,
                                               Body::Jupiter, Body::Saturn, Body::Mercury},
                                              {7, 20, 6, 10, 7, 18, 16, 19, 17}, 9, SplitArithmetic::DivideEach);
constexpr DashaCycle kYogini = MakeCycle({Body::Moon, Body::Sun, Body::Jupiter, Body::Mars, Body::Mercury, Body::Saturn,
                                          Body::Venus, Body::Rahu},
                                         {1, 2, 3, 4, 5, 6, 7, 8}, 8, SplitArithmetic::ScaleOnce);
constexpr DashaCycle kAshtottari = MakeCycle({Body::Sun, Body::Moon, Body::Mars, Body::Mercury, Body::Saturn,
                                              Body::Jupiter, Body::Rahu, Body::Venus},
                                             {6, 15, 8, 17, 10, 19, 12, 21}, 8, SplitArithmetic::ScaleOnce);

// The yoginis in the cycle's order.
constexpr std::array<std::string_view, 8> kYoginiNames{"Mangala", "Pingala", "Dhanya", "Bhramari",
                                                       "Bhadrika", "Ulka",    "Siddha", "Sankata"};

// Ashtottari's groups, in the cycle's order from Ardra: Sun from Ardra to Ashlesha, Moon from
// Magha to Uttara Phalguni, and so on round to Venus from Krittika to Mrigashira.
constexpr std::array<int, 8> kAshtottariGroupStars{4, 3, 4, 3, 3, 3, 4, 3};
constexpr int kArdra = 5;

}  // namespace

const DashaCycle& VimshottariCycle() { return kVimshottari; }
const DashaCycle& YoginiCycle() { return kYogini; }
const DashaCycle& AshtottariCycle() { return kAshtottari; }

MoonStar MoonStarOf(double moonLongitude) {
    const double lon = Fold360(moonLongitude);
    MoonStar m;
    m.Index = NakshatraIndex(NakshatraOf(lon));
    const double crossed = lon / kNakshatraSpan - m.Index;
    m.Passed = crossed >= 0.0 ? std::min(crossed, std::nextafter(1.0, 0.0)) : 0.0;  // and 0 for NaN
    return m;
}

CycleStart VimshottariStart(double moonLongitude) {
    const MoonStar m = MoonStarOf(moonLongitude);
    return {m.Index % 9, m.Passed};
}

CycleStart YoginiStart(double moonLongitude) {
    const MoonStar m = MoonStarOf(moonLongitude);
    const int remainder = (m.Index + 1 + 3) % 8;  // the nakshatra counted from 1 Ashwini
    return {(remainder + 7) % 8, m.Passed};
}

CycleStart AshtottariStart(double moonLongitude) {
    const MoonStar m = MoonStarOf(moonLongitude);
    int fromArdra = (m.Index - kArdra + kNakshatraCount) % kNakshatraCount;
    int group = 0;
    while (fromArdra >= kAshtottariGroupStars[static_cast<std::size_t>(group)]) {
        fromArdra -= kAshtottariGroupStars[static_cast<std::size_t>(group)];
        ++group;
    }
    const double stars = kAshtottariGroupStars[static_cast<std::size_t>(group)];
    return {group, std::min((fromArdra + m.Passed) / stars, std::nextafter(1.0, 0.0))};
}

void AppendCyclePeriods(const DashaCycle& cycle, CycleStart at, double birthJd, double yearDays, int minCount,
                        double untilJd, std::vector<TreePeriod>& out) {
    const double firstLength = cycle.Years[static_cast<std::size_t>(at.Place)] * yearDays;
    double start = birthJd - at.Passed * firstLength;
    for (int i = 0; i < minCount || start < untilJd; ++i) {
        const int place = (at.Place + i) % cycle.Count;
        TreePeriod p{};
        p.Lord = PeriodLord::Of(cycle.Lords[static_cast<std::size_t>(place)]);
        p.Place = static_cast<std::int16_t>(place);
        p.StartJd = start;
        p.EndJd = i == 0 ? birthJd + (1.0 - at.Passed) * firstLength
                         : start + cycle.Years[static_cast<std::size_t>(place)] * yearDays;
        start = p.EndJd;
        out.push_back(p);
    }
}

PeriodList CycleSubPeriods(const DashaCycle& cycle, const TreePeriod& period) {
    const SplitPlan& plan = cycle.Plans[static_cast<std::size_t>(period.Place)];
    return cycle.Arithmetic == SplitArithmetic::DivideEach ? SplitByPlan<SplitArithmetic::DivideEach>(period, plan)
                                                           : SplitByPlan<SplitArithmetic::ScaleOnce>(period, plan);
}

std::string_view YoginiName(Body b) {
    for (int i = 0; i < kYogini.Count; ++i) {
        if (kYogini.Lords[static_cast<std::size_t>(i)] == b) return kYoginiNames[static_cast<std::size_t>(i)];
    }
    return {};
}

bool AshtottariConditionMet(const Chart& c) {
    const Sign lagna = c[Body::Ascendant].Rashi;
    const Sign rahu = c[Body::Rahu].Rashi;
    const int house = HouseFrom(c[SignLord(lagna)].Rashi, rahu);
    const bool kendraOrTrikona = house == 1 || house == 4 || house == 5 || house == 7 || house == 9 || house == 10;
    return kendraOrTrikona && rahu != lagna;
}

}  // namespace velakor
