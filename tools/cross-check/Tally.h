// What the births gave for one figure: the spread of its differences, the names that
// disagree, and whether it kept its tolerance.
#pragma once

#include <vector>

#include "Figures.h"

namespace velakor::crosscheck {

// One birth's part in a figure: its largest difference (signed) and the names that
// disagree.
struct BirthResult {
    bool Sampled = false;     // a difference was taken
    double Worst = 0.0;       // NaN when a side gave a value that is no number
    int NamesCompared = 0;
    std::vector<NameCheck> Disagreements;
};
BirthResult Summarise(Measured m);

struct Disagreement {
    int Birth = 0;  // its Id
    NameCheck Name;
};

class Tally {
public:
    // Results in the order of the births (Ids 1..n).
    explicit Tally(const std::vector<BirthResult>& births);

    int Samples() const { return static_cast<int>(sorted_.size()); }
    // Over the births that gave a difference, each by its largest: the largest, the 99th
    // percentile and the median of their sizes, in the figure's unit.
    double Largest() const;
    double Percentile(double p) const;
    int LargestBirth() const { return largestBirth_; }
    int NamesCompared() const { return namesCompared_; }
    const std::vector<Disagreement>& Disagreements() const { return disagreements_; }
    // Disagreements that no difference within the tolerance explains.
    int FarFromBoundary() const;
    // No value that is no number; and within the tolerance, every name that differs near a
    // boundary (a figure held to no tolerance is only shown).
    bool Passes(double tolerance) const;

private:
    std::vector<double> sorted_;  // sizes, ascending
    int largestBirth_ = 0;
    int namesCompared_ = 0;
    bool notANumber_ = false;  // a side gave a value that is no number
    std::vector<Disagreement> disagreements_;
};

}  // namespace velakor::crosscheck
