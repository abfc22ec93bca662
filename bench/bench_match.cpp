// Matching two charts: the eight kutas and both Mars checks, the charts already computed.
#include <benchmark/benchmark.h>

#include "TestSupport.h"
#include "match/Matching.h"

namespace {

void BM_MatchTwoCharts(benchmark::State& state) {
    const velakor::Program bride = velakor::test::Computed(velakor::test::DelhiForm("Asha"));
    const velakor::Program groom = velakor::test::Computed(
        velakor::test::Form(2, 10, 1969, 7, 30, velakor::test::kIndian, 19, 4, false, 72, 52, true));
    for (auto _ : state) {
        const velakor::Match m = velakor::MatchCharts(bride.Chart, groom.Chart);
        benchmark::DoNotOptimize(m.Total);
    }
}
BENCHMARK(BM_MatchTwoCharts);

}  // namespace
