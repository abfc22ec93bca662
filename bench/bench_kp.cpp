// The KP reading of one chart: Placidus cusps, the lords of the cusps and the bodies, the
// significators both ways and the ruling planets, in the precise sky with the KP ayanamsa.
#include <benchmark/benchmark.h>

#include "kp/KpChart.h"
#include "sky/SkyTables.h"
#include "vedic/Calendar.h"

namespace {

void BM_KpReading(benchmark::State& state) {
    const velakor::SkyTables* tables = velakor::SkyTables::Shared();
    if (tables == nullptr) {
        state.SkipWithError("no sky tables");
        return;
    }
    const velakor::PreciseSky sky(*tables, velakor::KpSkyChoice(velakor::SkyChoice{}));
    const velakor::KpPlace delhi{28 + 38 / 60.0, 77 + 12 / 60.0};
    // A different birth each time, 3.7 days and some hours apart over 10 years: every cusp
    // and body meets its subs at all distances, and the ruling planets are read at the birth.
    const double first = velakor::JdFromCivil(1950, 1, 1, 0.0, 330);
    int step = 0;
    for (auto _ : state) {
        const double jd = first + 3.7123 * (step++ % 1000);
        const auto chart = velakor::CastKpAt(jd, delhi, sky, {jd, std::nullopt, velakor::SunriseRule::Centre});
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_KpReading)->Unit(benchmark::kMicrosecond);

}  // namespace
