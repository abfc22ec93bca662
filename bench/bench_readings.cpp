// The readings beyond the chart: the dasha to three levels and the birth panchanga of one chart.
#include <benchmark/benchmark.h>

#include <string>

#include "TestSupport.h"
#include "astro/VedicEphemeris.h"
#include "dasha/DashaTree.h"
#include "dasha/Vimshottari.h"
#include "panchanga/Panchanga.h"

namespace {

void BM_DashaThreeLevels(benchmark::State& state) {
    const velakor::Program p = velakor::test::Computed(velakor::test::DelhiForm());
    const double birth = velakor::BirthJulianDayUt(p.Birth);
    for (auto _ : state) {
        const velakor::Dasha d = velakor::ComputeDasha(p.Chart.Bodies[1].Longitude, birth, 365.25);
        double sum = 0.0;
        for (const velakor::DashaPeriod& m : d.Mahadashas) {
            for (const velakor::DashaPeriod& a : velakor::SubPeriods(m)) {
                const velakor::DashaPeriods pr = velakor::SubPeriods(a);
                sum += pr[8].EndJd;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DashaThreeLevels);

// Any system's whole tree for one birth, to the pratyantardashas: the tree itself (Narayana
// weighs the signs' strength), every antardasha and every pratyantardasha.
void BM_DashaTreeThreeLevels(benchmark::State& state) {
    const velakor::Program p = velakor::test::Computed(velakor::test::DelhiForm());
    const auto system = static_cast<velakor::DashaSystem>(state.range(0));
    state.SetLabel(std::string(velakor::DashaSystemName(system)));
    std::int64_t periods = 0;
    for (auto _ : state) {
        const velakor::DashaTree tree = velakor::ComputeDashaTree(system, p.Chart, 365.25);
        double sum = 0.0;
        periods = 0;
        for (const velakor::TreePeriod& m : tree.Periods) {
            for (const velakor::TreePeriod& a : velakor::SubPeriods(tree, m)) {
                const velakor::PeriodList pr = velakor::SubPeriods(tree, a);
                sum += pr.back().EndJd;
                periods += pr.Count;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["pratyantardashas"] = static_cast<double>(periods);
}
BENCHMARK(BM_DashaTreeThreeLevels)->DenseRange(0, velakor::kDashaSystemCount - 1);

void BM_Panchanga(benchmark::State& state) {
    const velakor::Program p = velakor::test::Computed(velakor::test::DelhiForm());
    for (auto _ : state) {
        const std::unique_ptr<velakor::Sky> sky = velakor::MakeSky(p.SkyInUse);
        const velakor::Panchanga pp = velakor::ComputePanchanga(p.Birth, p.Chart, *sky, p.Reading.Sunrise);
        benchmark::DoNotOptimize(pp.Yoga.EndsJd);
    }
}
BENCHMARK(BM_Panchanga);

}  // namespace
