#include "AccuracyReport.h"

#include <cmath>
#include <cstdio>

namespace velakor::crosscheck {

std::string SummaryTable(const Run& run) {
    std::string out;
    char line[400];
    std::string section;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        const Figure& fig = run.Figures[f];
        const Tally& t = run.Tallies[f];
        if (fig.Section != section) out += "\n" + (section = fig.Section) + "\n";
        std::snprintf(line, sizeof line, "  %-60s %10.4f %10.4f %10.4f %-6s  names %d/%d (%d far)  birth %d %s\n",
                      fig.Name.c_str(), t.Largest(), t.Percentile(99), t.Percentile(50),
                      std::string(UnitName(fig.Units)).c_str(), static_cast<int>(t.Disagreements().size()),
                      t.NamesCompared(), t.FarFromBoundary(), t.LargestBirth(),
                      t.Passes(fig.Tolerance) ? "" : "FAILS");
        out += line;
        if (t.LargestBirth() > 0) out += "      " + DescribeBirth(run.Births[static_cast<std::size_t>(t.LargestBirth() - 1)]) + "\n";
        for (const Disagreement& d : t.Disagreements()) {
            if (d.Name.NearBoundary) continue;
            out += "      " + d.Name.What + ": " + d.Name.Ours + " / " + d.Name.Theirs + ", birth " + std::to_string(d.Birth) + " " + DescribeBirth(run.Births[static_cast<std::size_t>(d.Birth - 1)]) + "\n";
        }
    }
    return out;
}

void WriteReport(const Run&, const std::string&) {}
void WritePlotData(const Run&, const std::vector<std::vector<BirthResult>>&, const std::string&) {}

}  // namespace velakor::crosscheck
