#include "dasha/RunningDasha.h"

namespace velakor {

std::optional<RunningDasha> RunningDashaAt(const Dasha& dasha, double jd) {
    const int m = RunningPeriod(dasha.Mahadashas, jd);
    if (m < 0) return std::nullopt;
    RunningDasha r;
    r.Maha = dasha.Mahadashas[static_cast<std::size_t>(m)];
    const DashaPeriods antars = SubPeriods(r.Maha);
    const int a = RunningPeriod(antars, jd);
    if (a < 0) return std::nullopt;
    r.Antar = antars[static_cast<std::size_t>(a)];
    const DashaPeriods pratyantars = SubPeriods(r.Antar);
    const int p = RunningPeriod(pratyantars, jd);
    if (p < 0) return std::nullopt;
    r.Pratyantar = pratyantars[static_cast<std::size_t>(p)];
    return r;
}

}  // namespace velakor
