// The strength tables of one chart: all sixteen vargas of the nine bodies and the ascendant
// (with their vargottama marks and dignities) and the ashtakavarga.
#include <benchmark/benchmark.h>

#include "TestSupport.h"
#include "strength/Ashtakavarga.h"
#include "strength/VargaTable.h"

namespace {

void BM_VargasAndAshtakavarga(benchmark::State& state) {
    const velakor::Program p = velakor::test::Computed(velakor::test::DelhiForm());
    for (auto _ : state) {
        const velakor::VargaTable t = velakor::ComputeVargaTable(p.Chart);
        const velakor::Ashtakavarga a = velakor::ComputeAshtakavarga(p.Chart);
        benchmark::DoNotOptimize(t.Dignified);
        benchmark::DoNotOptimize(a.Sarva);
    }
}
BENCHMARK(BM_VargasAndAshtakavarga);

}  // namespace
