// What a run of the comparison says: a table on standard output, the accuracy report in
// Markdown, and the differences the plots are drawn from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Births.h"
#include "Figures.h"
#include "Tally.h"

namespace velakor::crosscheck {

struct Run {
    std::uint64_t Seed;
    const std::vector<Birth>& Births;
    const std::vector<Figure>& Figures;
    const std::vector<Tally>& Tallies;
    std::string ReferenceVersion;
};

// One line a figure: its largest, 99th percentile and median difference, its names that
// disagree, and "FAILS" where it passes its tolerance.
std::string SummaryTable(const Run& run);

// The report, written whole (a failed write leaves the old file as it was). Throws
// std::runtime_error saying why it could not be written.
void WriteReport(const Run& run, const std::string& path);

// One file, differences.tsv, in the folder: a line a birth (its Id, year, latitude), a column
// a figure (Figure::Key) with the birth's largest difference, empty where it had none.
void WritePlotData(const Run& run, const std::vector<std::vector<BirthResult>>& results, const std::string& folder);

}  // namespace velakor::crosscheck
