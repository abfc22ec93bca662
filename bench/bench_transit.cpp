// The sky of a moment against a chart: one transit moment (nine bodies, their houses and the
// moments they leave their signs) and Saturn's periods over the century after a birth, in the
// precise sky (argument 0) and in the built-in one (1): the transit views read the chart's own.
#include <benchmark/benchmark.h>

#include "TestSupport.h"
#include "transit/SaturnPeriods.h"
#include "vedic/Calendar.h"
#include "transit/Transit.h"

namespace {

std::unique_ptr<velakor::Sky> TransitSky(const benchmark::State& state) {
    return velakor::MakeSky(state.range(0) == 0 ? velakor::TransitSkyChoice(velakor::SkyChoice{}) : velakor::SkyChoice{});
}

void BM_TransitMoment(benchmark::State& state) {
    const velakor::Program p = velakor::test::Computed(velakor::test::DelhiForm());
    const auto sky = TransitSky(state);
    if (!velakor::SkyAvailable(sky->Choice())) state.SkipWithError("no sky tables");
    // A different moment each time, 37.1 days apart over a century: every body meets its
    // stations and its sign edges at all distances.
    double jd = velakor::JdFromCivil(1950, 1, 1, 12.0, 330);
    int step = 0;
    for (auto _ : state) {
        const auto t = velakor::TransitAt(*sky, p.Chart, jd + 37.1 * (step++ % 1000));
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_TransitMoment)->ArgName("builtin")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SaturnPeriodsHundredYears(benchmark::State& state) {
    const velakor::Program p = velakor::test::Computed(velakor::test::DelhiForm());
    const auto sky = TransitSky(state);
    for (auto _ : state) {
        const auto periods = velakor::SaturnPeriods(*sky, p.Chart[velakor::Body::Moon].Rashi, p.Chart.JdUt,
                                                    p.Chart.JdUt + velakor::kSaturnPeriodsSpanDays);
        benchmark::DoNotOptimize(periods.data());
    }
}
BENCHMARK(BM_SaturnPeriodsHundredYears)->ArgName("builtin")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
