// The precise sky's cost per chart, beside the built-in sky's (bench_chart.cpp) and beside a
// general-purpose ephemeris library (libnova: VSOP87 and ELP 2000-82B) computing the same
// chart's apparent longitudes, node and sidereal time.
#include <benchmark/benchmark.h>

#include "TestSupport.h"
#include "app/Calculation.h"
#include "astro/VedicEphemeris.h"

#ifdef VELAKOR_HAVE_LIBNOVA
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/saturn.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>
#include <libnova/venus.h>
#endif

namespace {

void BM_WholeChartPrecise(benchmark::State& state) {
    velakor::Program p;
    p.SkyInUse.Positions = velakor::SkyPositions::Precise;
    const velakor::FormValues v = velakor::test::DelhiForm();
    velakor::RunCalculation(p, v);  // the tables are read once, before the timing
    for (auto _ : state) {
        velakor::RunCalculation(p, v);
        benchmark::DoNotOptimize(p.Texts.HouseTexts.data());
    }
}
BENCHMARK(BM_WholeChartPrecise);

#ifdef VELAKOR_HAVE_LIBNOVA
// Only the positions (none of the chart's texts): the library's share of a chart.
void BM_LibnovaChartPositions(benchmark::State& state) {
    velakor::Program p;
    velakor::RunCalculation(p, velakor::test::DelhiForm());
    const double jd = velakor::BirthJulianDayUt(p.Birth);
    using EquFunction = void (*)(double, ln_equ_posn*);
    constexpr EquFunction kPlanets[] = {ln_get_mercury_equ_coords, ln_get_venus_equ_coords, ln_get_mars_equ_coords,
                                        ln_get_jupiter_equ_coords, ln_get_saturn_equ_coords};
    for (auto _ : state) {
        double sum = 0;
        ln_lnlat_posn ecl{};
        ln_get_solar_ecl_coords(jd, &ecl);
        sum += ecl.lng;
        ln_get_lunar_ecl_coords(jd, &ecl, 0);
        sum += ecl.lng;
        for (EquFunction f : kPlanets) {
            ln_equ_posn equ{};
            f(jd, &equ);
            ln_get_ecl_from_equ(&equ, jd, &ecl);
            sum += ecl.lng;
        }
        sum += ln_get_lunar_long_asc_node(jd);
        sum += ln_get_apparent_sidereal_time(jd);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_LibnovaChartPositions);
#endif

}  // namespace
