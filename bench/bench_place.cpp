// The atlas: reading the system's gazetteer into the index (done once, off the start-up
// path), and the suggestions for one key press in the City box.
#include <benchmark/benchmark.h>

#include <memory>

#include "chart/NameTables.h"
#include "place/Atlas.h"
#include "place/ZoneChoice.h"

namespace {

const velakor::Atlas& SharedAtlas() {
    static const std::unique_ptr<velakor::Atlas> atlas = velakor::LoadSystemAtlas();
    return *atlas;
}

void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velakor::LoadSystemAtlas());
}

// Two letters are where suggestions start and where most places match; "Pun" is the
// typical third key press.
void BM_AtlasSuggest(benchmark::State& state, const char* typed) {
    const velakor::Atlas& atlas = SharedAtlas();
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Suggest(typed));
}

void BM_ChooseZone(benchmark::State& state, const char* zone, int year) {
    for (auto _ : state) benchmark::DoNotOptimize(velakor::ChooseZone(zone, year, 7, 1, 12, 0, 321));
}

BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AtlasSuggest, two_letters_Sa, "Sa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSuggest, Pun, "Pun")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSuggest, with_state_and_country, "Pune, Maharashtra, India")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSuggest, former_name_Bombay, "Bombay")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChooseZone, London_summer, "Europe/London", 1990)->Unit(benchmark::kMicrosecond);
// A city's mean time in seconds: the nearest row, local mean time included.
BENCHMARK_CAPTURE(BM_ChooseZone, Kolkata_1901, "Asia/Kolkata", 1901)->Unit(benchmark::kMicrosecond);

}  // namespace
