// One whole chart in the core: stages, summary texts and house captions.
#include <benchmark/benchmark.h>

#include "app/Calculation.h"

namespace {

velakor::FormValues SampleForm() {
    velakor::FormValues v;
    v.Name = "Sample";
    v.Day = 15;
    v.Month = 8;
    v.Year = 1947;
    v.ZoneIndex = 34;  // Indian Time
    v.LatDeg = "28";
    v.LatMin = "38";
    v.LonDeg = "77";
    v.LonMin = "12";
    v.City = "Delhi";
    v.State = "Delhi";
    v.Country = "India";
    return v;
}

void BM_WholeChart(benchmark::State& state) {
    velakor::Program p;
    const velakor::FormValues v = SampleForm();
    for (auto _ : state) {
        velakor::RunCalculation(p, v);
        benchmark::DoNotOptimize(p.Chart.HouseTexts.data());
    }
}
BENCHMARK(BM_WholeChart);

}  // namespace
