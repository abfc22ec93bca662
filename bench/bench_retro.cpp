// The retrograde test for one birth date and all five planets, as the retrograde stage runs
// it (the tables are parsed once, on the first call, before the timing starts).
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "chart/retro/Retrogrades.h"

namespace {

void BM_RetrogradeTestFivePlanets(benchmark::State& state) {
    constexpr std::array<std::string_view, 5> kPlanets{"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
    velakor::StationMoment birth{3, 1, 2000, 10, 30};
    for (const auto name : kPlanets) velakor::LoadStations(name);
    for (auto _ : state) {
        benchmark::DoNotOptimize(birth);
        int count = 0;
        for (const auto name : kPlanets) count += velakor::IsRetrograde(birth, name) ? 1 : 0;
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_RetrogradeTestFivePlanets);

}  // namespace
