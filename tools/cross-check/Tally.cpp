#include "Tally.h"

#include <algorithm>
#include <cmath>

namespace velakor::crosscheck {

BirthResult Summarise(Measured m) {
    BirthResult r;
    for (const double d : m.Differences) {
        // A NaN is kept: it fails the figure, as no difference may hide one.
        if (!r.Sampled || std::isnan(d) || (!std::isnan(r.Worst) && std::fabs(d) > std::fabs(r.Worst))) r.Worst = d;
        r.Sampled = true;
    }
    r.NamesCompared = m.NamesCompared;
    r.Disagreements = std::move(m.Disagreements);
    return r;
}

Tally::Tally(const std::vector<BirthResult>& births) {
    double largest = -1.0;
    for (std::size_t i = 0; i < births.size(); ++i) {
        const BirthResult& b = births[i];
        const int id = static_cast<int>(i) + 1;
        namesCompared_ += b.NamesCompared;
        for (const NameCheck& n : b.Disagreements) disagreements_.push_back({id, n});
        if (!b.Sampled) continue;
        if (std::isnan(b.Worst)) {
            notANumber_ = true;
            largestBirth_ = id;
            continue;
        }
        const double size = std::fabs(b.Worst);
        sorted_.push_back(size);
        if (size > largest && !notANumber_) largest = size, largestBirth_ = id;
    }
    std::sort(sorted_.begin(), sorted_.end());
}

double Tally::Largest() const {
    if (notANumber_) return NAN;
    return sorted_.empty() ? 0.0 : sorted_.back();
}

double Tally::Percentile(double p) const {
    if (sorted_.empty()) return 0.0;
    // The nearest rank: the smallest size that p percent of the births do not exceed.
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(sorted_.size())));
    return sorted_[std::clamp<std::size_t>(rank, 1, sorted_.size()) - 1];
}

int Tally::FarFromBoundary() const {
    return static_cast<int>(std::count_if(disagreements_.begin(), disagreements_.end(),
                                          [](const Disagreement& d) { return !d.Name.NearBoundary; }));
}

bool Tally::Passes(double tolerance) const {
    if (notANumber_) return false;
    return tolerance <= 0.0 || (Largest() <= tolerance && FarFromBoundary() == 0);
}

}  // namespace velakor::crosscheck
