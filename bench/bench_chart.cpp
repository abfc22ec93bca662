// One whole chart in the core: stages, summary texts and house captions.
#include <benchmark/benchmark.h>

#include "TestSupport.h"
#include "app/Calculation.h"

namespace {

void BM_WholeChart(benchmark::State& state) {
    velakor::Program p;
    const velakor::FormValues v = velakor::test::DelhiForm();
    for (auto _ : state) {
        velakor::RunCalculation(p, v);
        benchmark::DoNotOptimize(p.Texts.HouseTexts.data());
    }
}
BENCHMARK(BM_WholeChart);

}  // namespace
