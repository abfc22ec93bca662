// The figures compared, as one table: each row names a figure, its unit and tolerance, and
// how to measure it on a birth computed both ways. A new figure (another dasha's dates,
// another set of cusps) is one more row, with its two sides added to Comparison.h.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Comparison.h"

namespace velakor::crosscheck {

enum class Unit { Arcseconds, Arcminutes, Seconds, Minutes, Hours, Days };
std::string_view UnitName(Unit u);  // "arcsec", "arcmin", "s", "min", "h", "d"

// A name the figure decides (a sign, a nakshatra, a pada, a lord, a limb) that the two sides
// give differently.
struct NameCheck {
    std::string What;  // "sign", "nakshatra", "D9", "tithi", "vara", "retrograde", ...
    std::string Ours, Theirs;
    // The reference's value lies within the figure's tolerance of the boundary between the
    // two names: a difference within the tolerance may give either.
    bool NearBoundary = false;
};

struct Measured {
    // The program's value less the reference's, in the figure's unit; none when a side has
    // no value (and a name check then says which).
    std::vector<double> Differences;
    int NamesCompared = 0;
    std::vector<NameCheck> Disagreements;
};

struct Figure {
    std::string Key;      // "precise.lahiri.moon": a column of the plot data
    std::string Section;  // "Precise sky, Lahiri"
    std::string Name;     // "Moon"
    Unit Units;
    double Tolerance;  // the largest difference allowed, in Units; 0: shown, not held to any
    std::function<Measured(const Case&)> Measure;
};

// Every figure, in the order of the report.
std::vector<Figure> Figures();

}  // namespace velakor::crosscheck
