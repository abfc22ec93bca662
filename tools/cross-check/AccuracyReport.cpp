#include "AccuracyReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>

#include "Reference.h"
#include "chart/DivisionalCharts.h"
#include "sky/BuiltinSky.h"
#include "sky/SkyTables.h"
#include "vedic/Calendar.h"

namespace velakor::crosscheck {
namespace {

// A difference in its unit, to the decimals that unit needs.
std::string Amount(double value, Unit u) {
    if (std::isnan(value)) return "not a number";
    char text[40];
    const int decimals = u == Unit::Arcseconds || u == Unit::Hours ? 4 : (u == Unit::Seconds ? 3 : 2);
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Symbol(Unit u) {
    switch (u) {
        case Unit::Arcseconds: return "\u2033";
        case Unit::Arcminutes: return "\u2032";
        default: break;
    }
    std::string symbol(1, ' ');
    symbol += UnitName(u);
    return symbol;
}

// 12,345.
std::string Count(long long n) {
    std::string digits = std::to_string(n), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string Percent(long long part, long long whole) {
    if (whole == 0) return "";
    char text[24];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

bool IsBuiltin(const Figure& f) { return f.Key.rfind("builtin.", 0) == 0; }
bool IsChoice(const Figure& f) { return f.Key.rfind("choice.", 0) == 0; }

int BirthsInFormYears(const std::vector<Birth>& births) {
    return static_cast<int>(std::count_if(births.begin(), births.end(), [](const Birth& b) {
        return b.Record.BirthYear >= 1901 && b.Record.BirthYear <= 2050;
    }));
}

// The order names are listed in: the sign, the nakshatra and its pada, the vargas, then the rest.
std::vector<std::string> NameOrder() {
    std::vector<std::string> order{"sign", "nakshatra", "pada"};
    for (std::size_t v = 1; v < kVargas.size(); ++v) order.emplace_back(kVargas[v].Key);
    order.emplace_back("retrograde");
    return order;
}

void FigureTable(std::string& out, const Run& run, std::size_t from, std::size_t to, std::set<int>& named) {
    out += "| Figure | Largest | 99th percentile | Median | Tolerance | Names that differ / compared | Largest at |\n";
    out += "|---|--:|--:|--:|--:|--:|--:|\n";
    for (std::size_t f = from; f < to; ++f) {
        const Figure& fig = run.Figures[f];
        const Tally& t = run.Tallies[f];
        const std::string unit = Symbol(fig.Units);
        std::string names = "";
        if (t.NamesCompared() > 0) {
            names = Count(static_cast<long long>(t.Disagreements().size())) + " / " + Count(t.NamesCompared());
            if (t.FarFromBoundary() > 0 && fig.Tolerance > 0)
                names += " (**" + Count(t.FarFromBoundary()) + " away from a boundary**)";
        }
        char bound[24];
        std::snprintf(bound, sizeof bound, "%g", fig.Tolerance);
        std::string tolerance = fig.Tolerance > 0 ? bound + unit : "shown only";
        if (!t.Passes(fig.Tolerance)) tolerance += " **passed**";
        std::string at;
        if (t.Samples() > 0 && t.LargestBirth() > 0) {
            at = "birth " + std::to_string(t.LargestBirth());
            named.insert(t.LargestBirth());
        }
        auto stat = [&](double v) { return t.Samples() > 0 ? Amount(v, fig.Units) + unit : std::string(); };
        out += "| " + fig.Name + " | " + stat(t.Largest()) + " | " + stat(t.Percentile(99)) + " | " +
               stat(t.Percentile(50)) + " | " + tolerance + " | " + names + " | " + at + " |\n";
    }
    out += "\n";
}

// Every name the precise sky gives otherwise than the reference, one line each.
void PreciseDisagreements(std::string& out, const Run& run, std::set<int>& named) {
    out += "| Birth | Figure | Name | Velakor | Reference | Near a boundary |\n|--:|---|---|---|---|---|\n";
    int listed = 0;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        if (IsBuiltin(run.Figures[f]) || IsChoice(run.Figures[f])) continue;
        for (const Disagreement& d : run.Tallies[f].Disagreements()) {
            out += "| " + std::to_string(d.Birth) + " | " + run.Figures[f].Section + ": " + run.Figures[f].Name + " | " +
                   d.Name.What + " | " + d.Name.Ours + " | " + d.Name.Theirs + " | " +
                   (d.Name.NearBoundary ? "yes" : "**no**") + " |\n";
            named.insert(d.Birth);
            ++listed;
        }
    }
    if (listed == 0) out += "| | none | | | | |\n";
    out += "\n";
}

// How often the figures' first side names something otherwise than the second, in percent of
// the births each figure compared: a row a name, a column a figure.
void NameShares(std::string& out, const Run& run, const std::vector<std::size_t>& figures) {
    out += "| Name |";
    std::string rule = "|---|";
    for (const std::size_t f : figures) {
        out += " " + run.Figures[f].Name + " |";
        rule += "--:|";
    }
    out += "\n" + rule + "\n";
    for (const std::string& name : NameOrder()) {
        std::string row = "| " + name + " |";
        bool any = false;
        for (const std::size_t f : figures) {
            const auto& all = run.Tallies[f].Disagreements();
            const long long n = std::count_if(all.begin(), all.end(), [&](const Disagreement& d) { return d.Name.What == name; });
            const std::string& body = run.Figures[f].Name;
            const bool marked = std::any_of(kRetrogradeBodies.begin(), kRetrogradeBodies.end(),
                                            [&](Body b) { return EnglishName(b) == body; });
            const bool shown = (name != "retrograde" || marked) && !(name[0] == 'D' && body == "Midheaven");
            row += ' ';
            if (shown) row += Percent(n, run.Tallies[f].Samples());
            row += " |";
            any = any || shown;
        }
        if (any) out += row + "\n";
    }
    out += "\n";
}

// How often the built-in sky names something otherwise, by name and body; every one that
// differs away from a boundary listed after.
void BuiltinDisagreements(std::string& out, const Run& run, std::set<int>& named) {
    std::vector<std::size_t> positions;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        const Figure& fig = run.Figures[f];
        if (IsBuiltin(fig) && fig.Units == Unit::Arcminutes && fig.Name != "Ayanamsa") positions.push_back(f);
    }
    NameShares(out, run, positions);
    std::string far;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        if (!IsBuiltin(run.Figures[f]) || run.Figures[f].Tolerance <= 0) continue;
        for (const Disagreement& d : run.Tallies[f].Disagreements()) {
            if (d.Name.NearBoundary) continue;
            far += "| " + std::to_string(d.Birth) + " | " + run.Figures[f].Name + " | " + d.Name.What + " | " + d.Name.Ours +
                   " | " + d.Name.Theirs + " |\n";
            named.insert(d.Birth);
        }
    }
    if (far.empty()) {
        out += "Every one of them lies where the reference's value is within the figure's tolerance of the boundary.\n\n";
    } else {
        out += "Names that differ away from a boundary:\n\n| Birth | Figure | Name | Velakor | Reference |\n|--:|---|---|---|---|\n" +
               far + "\n";
    }
}

// What the choices change: the names each position choice moves, and in how many births the
// weekday, the node's direction and the ashtakavarga's rows change.
void ChoiceShares(std::string& out, const Run& run) {
    std::vector<std::size_t> positions;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        if (IsChoice(run.Figures[f]) && run.Figures[f].Units == Unit::Arcminutes && run.Tallies[f].Samples() > 0)
            positions.push_back(f);
    }
    NameShares(out, run, positions);
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        const Figure& fig = run.Figures[f];
        const Tally& t = run.Tallies[f];
        if (!IsChoice(fig) || (fig.Units == Unit::Arcminutes && t.Samples() > 0) || t.NamesCompared() == 0) continue;
        // A birth counts once however many of its names differ, by the kind of name.
        std::map<std::string, std::set<int>> births;
        for (const Disagreement& d : t.Disagreements()) births[d.Name.What.substr(0, d.Name.What.find(' '))].insert(d.Birth);
        const long long compared = fig.Key == "choice.ashtakavarga" ? t.NamesCompared() / 36 : t.NamesCompared();
        std::string line;
        for (const auto& [what, ids] : births)
            line += (line.empty() ? " " : "; ") + what + " in " + Count(static_cast<long long>(ids.size())) +
                    " births (" + Percent(static_cast<long long>(ids.size()), compared) + ")";
        out += "- " + fig.Name + ":" + (line.empty() ? " none" : line) + ".\n";
    }
    out += "\n";
}

void WriteWhole(const std::string& path, const std::string& text) {
    const std::filesystem::path target(path);
    std::filesystem::path temporary = target;
    temporary += ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) throw std::runtime_error("cannot write " + temporary.string());
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) throw std::runtime_error("cannot replace " + path + ": " + ec.message());
}

// 23°51'25.53": degrees, minutes and seconds to the hundredth, each part truncated.
std::string Dms(double degrees) {
    const long long hundredths = static_cast<long long>(std::floor(std::fabs(degrees) * 360000.0));
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld\u00B0%02lld\u2032%02lld.%02lld\u2033", degrees < 0 ? "-" : "",
                  hundredths / 360000, hundredths / 6000 % 60, hundredths / 100 % 60, hundredths % 100);
    return text;
}

// The ayanamsas the program offers at 2000 January 1, 12h: the precise sky's four from its
// tables (terrestrial time, mean equinox) and the built-in formulas' own.
void AyanamsasAt2000(std::string& out) {
    constexpr double kJ2000 = 2451545.0;
    out += "| Ayanamsa | Value |\n|---|--:|\n";
    if (const SkyTables* tables = SkyTables::Shared()) {
        const SkySeries series[] = {SkySeries::Lahiri, SkySeries::Raman, SkySeries::Krishnamurti, SkySeries::TrueChitra};
        for (std::size_t a = 0; a < kAyanamsas.size(); ++a)
            out += "| " + std::string(AyanamsaName(kAyanamsas[a])) + " | " + Dms(tables->Value(series[a], kJ2000)) + " |\n";
    }
    BirthRecord noon;
    noon.BirthYear = 2000, noon.BirthMonth = 1, noon.BirthDay = 1, noon.BirthHour = 12;
    out += "| Built-in formulas (with nutation) | " + Dms(BuiltinSky().CastChart(noon).Ayanamsa) + " |\n\n";
}

double YearOf(const Birth& b) {
    const BirthRecord& r = b.Record;
    const double day = static_cast<double>(DaysFromCivil(r.BirthYear, r.BirthMonth, r.BirthDay) -
                                           DaysFromCivil(r.BirthYear, 1, 1));
    return r.BirthYear + (day + (r.BirthHour + r.BirthMinute / 60.0) / 24.0) / (IsLeapYear(r.BirthYear) ? 366.0 : 365.0);
}

}  // namespace

std::string SummaryTable(const Run& run) {
    std::string out;
    char line[400];
    std::string section;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        const Figure& fig = run.Figures[f];
        const Tally& t = run.Tallies[f];
        if (fig.Section != section) out += "\n" + (section = fig.Section) + "\n";
        const bool passes = t.Passes(fig.Tolerance);
        auto stat = [&](double v) { return t.Samples() > 0 ? Amount(v, fig.Units) : std::string(); };
        std::snprintf(line, sizeof line, "  %-58s %11s %11s %11s %-6s names %zu/%d%s\n", fig.Name.c_str(),
                      stat(t.Largest()).c_str(), stat(t.Percentile(99)).c_str(), stat(t.Percentile(50)).c_str(),
                      t.Samples() > 0 ? std::string(UnitName(fig.Units)).c_str() : "",
                      t.Disagreements().size(), t.NamesCompared(),
                      passes ? "" : ("   PASSES ITS TOLERANCE " + Amount(fig.Tolerance, fig.Units)).c_str());
        out += line;
        if (passes) continue;
        // What a failure needs to be looked into: the births, and every name off.
        if (t.LargestBirth() > 0)
            out += "      largest at birth " + std::to_string(t.LargestBirth()) + ": " +
                   DescribeBirth(run.Births[static_cast<std::size_t>(t.LargestBirth() - 1)]) + "\n";
        for (const Disagreement& d : t.Disagreements()) {
            if (d.Name.NearBoundary) continue;
            out += "      " + d.Name.What + " " + d.Name.Ours + ", reference " + d.Name.Theirs + ": birth " +
                   std::to_string(d.Birth) + ", " + DescribeBirth(run.Births[static_cast<std::size_t>(d.Birth - 1)]) + "\n";
        }
    }
    return out;
}

void WriteReport(const Run& run, const std::string& path) {
    int failing = 0, held = 0;
    for (std::size_t f = 0; f < run.Figures.size(); ++f) {
        if (!run.Tallies[f].Passes(run.Figures[f].Tolerance)) ++failing;
        if (run.Figures[f].Tolerance > 0) ++held;
    }
    std::string out;
    out += "# How far Velakor's figures lie from the reference\n\n";
    out += "Written by `make accuracy` (`tools/cross-check`) from the code beside it; not edited by hand.\n\n";
    out += "Velakor's core against the Swiss Ephemeris " + run.ReferenceVersion +
           " reading the JPL ephemeris DE431 (the compressed files of Debian's `swe-basic-data`), with the IERS 2010 "
           "sidereal time, on " + Count(static_cast<long long>(run.Births.size())) + " random births (seed " +
           std::to_string(run.Seed) + "): any moment of 1900-2150, any latitude to 66\u00B0 and one birth in twenty "
           "from 66\u00B0 to 75\u00B0, any longitude, on the clock the time-zone database gives the nearest place of "
           "the atlas for that date. The built-in formulas are held to the " +
           Count(BirthsInFormYears(run.Births)) + " births of 1901-2050, the years the form takes.\n\n";
    out += "Each figure is the program's value less the reference's, each birth counted by its largest difference "
           "in that figure: the largest over the births, the 99th percentile and the median. The names that follow "
           "from a figure (the sign, nakshatra and pada, the sign in each of the sixteen vargas, the retrograde mark, "
           "the dasha lord, the limb and the weekday at birth, whether the Sun rises) are compared too. A name may "
           "differ only where the reference's value lies within the figure's tolerance of the boundary between the "
           "two names. A figure passes when its largest difference is within its tolerance and no name differs "
           "away from a boundary.\n\n";
    out += failing == 0 ? "**Every one of the " + std::to_string(held) + " figures held to a tolerance keeps it.**\n\n"
                        : "**" + std::to_string(failing) + " figures pass their tolerance** (marked below).\n\n";

    std::set<int> named;
    std::string section;
    for (std::size_t f = 0; f < run.Figures.size();) {
        std::size_t end = f;
        while (end < run.Figures.size() && run.Figures[end].Section == run.Figures[f].Section) ++end;
        out += "## " + run.Figures[f].Section + "\n\n";
        FigureTable(out, run, f, end, named);
        f = end;
    }

    out += "## How the two sides are taken\n\n";
    out += "- Positions are apparent (light time, aberration, nutation), sidereal from the mean equinox of date "
           "on both sides. The Sun's bending of the planets' light is left out of both, as the precise sky leaves it "
           "out; the row above says how much it would add.\n";
    out += "- The lagna and midheaven come from the reference's houses with the IERS 2010 sidereal time (the "
           "library's default parts from it after 2050, by over a second of arc at 2150).\n";
    out += "- Sunrise and sunset are the moments the centre of the Sun's disc reaches the rule's horizon: the true "
           "horizon for the centre rule, 50\u2032 below it for the limb rule (the almanacs' 16\u2032 of disc and "
           "34\u2032 of refraction). Where the Sun comes within a minute of arc of that horizon at its highest or "
           "lowest, whether it rises is a hair's breadth and either answer is counted near a boundary.\n";
    out += "- The dasha dates, the limbs' ends and Saturn's sign changes are worked out afresh from the reference's "
           "positions (the dasha from its Moon, the ends by a search on its Sun and Moon). Saturn's sign changes are "
           "measured where the reference's Saturn stands at the program's moment, since near a station a "
           "fraction of a second of arc moves the moment by hours; the row in time shows that.\n\n";

    out += "## Plots\n\n";
    out += "![The precise sky (Lahiri) less the reference, by date](accuracy/bodies-precise.png)\n\n";
    out += "![The built-in formulas less the reference, by date](accuracy/bodies-builtin.png)\n\n";
    out += "![When the limbs end: the precise sky less the reference](accuracy/limb-ends.png)\n\n";
    out += "![Sunrise and sunset less the reference, by latitude](accuracy/sunrise.png)\n\n";

    out += "## Names the precise sky gives otherwise\n\n";
    PreciseDisagreements(out, run, named);
    out += "## Names the built-in formulas give otherwise\n\n";
    out += "The share of the " + Count(BirthsInFormYears(run.Births)) +
           " births of 1901-2050 in which the built-in formulas give another name than the reference with Lahiri's "
           "ayanamsa and the mean node.\n\n";
    BuiltinDisagreements(out, run, named);

    out += "## The ayanamsas at 2000\n\n";
    out += "Each ayanamsa on 1 January 2000 at 12h terrestrial time, from the mean equinox of date.\n\n";
    AyanamsasAt2000(out);

    out += "## What each choice changes\n\n";
    out += "The share of the births in which a choice gives another name than the program's default (Lahiri, the "
           "mean node, the precise sky, the centre of the Sun's disc, Parashara's ashtakavarga table).\n\n";
    ChoiceShares(out, run);

    out += "## The births named above\n\n";
    out += "Date and clock time as the birth's clock reads it, with that clock's offset from universal time; the "
           "place in degrees and minutes; the time zone the clock follows.\n\n";
    out += "| Birth | Date, clock, place |\n|--:|---|\n";
    for (const int id : named)
        out += "| " + std::to_string(id) + " | " + DescribeBirth(run.Births[static_cast<std::size_t>(id - 1)]) + " |\n";
    WriteWhole(path, out);
}

void WritePlotData(const Run& run, const std::vector<std::vector<BirthResult>>& results, const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::string out = "birth\tyear\tlatitude";
    for (const Figure& f : run.Figures) out += "\t" + f.Key;
    out += "\n";
    char field[40];
    for (std::size_t b = 0; b < run.Births.size(); ++b) {
        const Birth& birth = run.Births[b];
        std::snprintf(field, sizeof field, "%d\t%.5f\t%.4f", birth.Id, YearOf(birth), BirthLatitude(birth.Record));
        out += field;
        for (std::size_t f = 0; f < run.Figures.size(); ++f) {
            const BirthResult& r = results[f][b];
            if (r.Sampled) {
                std::snprintf(field, sizeof field, "\t%.6g", r.Worst);
                out += field;
            } else {
                out += "\tNaN";
            }
        }
        out += "\n";
    }
    WriteWhole((std::filesystem::path(folder) / "differences.tsv").string(), out);
}

}  // namespace velakor::crosscheck
