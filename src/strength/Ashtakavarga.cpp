#include "strength/Ashtakavarga.h"

#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <string_view>

namespace velakor {
namespace {

// The rule table as written in data/ashtakavarga.txt, read at compile time: a table that
// does not parse, or whose rows miss their totals, stops the build.
constexpr std::string_view kTableText =
#include "strength/AshtakavargaTable.inc"
    ;

// A pattern of houses as twelve counters of four bits: counter i is 1 when house i + 1 from
// the contributor is benefic. Eight contributors add at most 8 to a counter, so they never
// carry into the next one.
using Counters = std::uint64_t;
constexpr int kCounterBits = 4;
constexpr Counters kAllCounters = (Counters{1} << (kCounterBits * kSignCount)) - 1;

using RuleTable = std::array<std::array<Counters, kAshtakavargaContributors>, kAshtakavargaPlanets>;

constexpr std::array<std::string_view, kAshtakavargaPlanets> kRowNames{"Sun",     "Moon",  "Mars",  "Mercury",
                                                                       "Jupiter", "Venus", "Saturn"};

constexpr bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

constexpr RuleTable ParseTable(std::string_view text) {
    RuleTable table{};
    int row = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;
        if (row >= kAshtakavargaPlanets) throw std::logic_error("more rows than planets");
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || line.substr(0, colon) != kRowNames[static_cast<std::size_t>(row)])
            throw std::logic_error("rows out of order");
        int column = 0;
        int number = 0;
        bool inNumber = false;
        auto endNumber = [&] {
            if (!inNumber) return;
            if (number < 1 || number > kSignCount || column >= kAshtakavargaContributors)
                throw std::logic_error("no such house");
            table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] |=
                Counters{1} << (kCounterBits * (number - 1));
            number = 0;
            inNumber = false;
        };
        for (char ch : line.substr(colon + 1)) {
            if (ch >= '0' && ch <= '9') {
                number = number * 10 + (ch - '0');
                inNumber = true;
            } else if (ch == '|') {
                endNumber();
                ++column;
            } else if (IsSpace(ch) || ch == ',') {
                endNumber();
            } else {
                throw std::logic_error("unexpected character");
            }
        }
        endNumber();
        if (column != kAshtakavargaContributors - 1) throw std::logic_error("a row needs eight contributors");
        ++row;
    }
    if (row != kAshtakavargaPlanets) throw std::logic_error("fewer rows than planets");
    return table;
}

constexpr RuleTable kRules = ParseTable(kTableText);

constexpr int CountPoints(Counters c) {
    int n = 0;
    for (; c != 0; c >>= kCounterBits) n += static_cast<int>(c & 0xF);
    return n;
}

constexpr bool RowsKeepTheirTotals() {
    for (std::size_t p = 0; p < kRules.size(); ++p) {
        int total = 0;
        for (Counters c : kRules[p]) total += CountPoints(c);
        if (total != kBhinnaTotals[p]) return false;
    }
    return true;
}
static_assert(RowsKeepTheirTotals(), "a planet's benefic places do not add up to its fixed total");

// The pattern turned so that counter s is sign s: house 1 falls on the contributor's sign.
constexpr Counters FromSign(Counters pattern, int sign) {
    if (sign == 0) return pattern;
    const int shift = kCounterBits * sign;
    return ((pattern << shift) | (pattern >> (kCounterBits * kSignCount - shift))) & kAllCounters;
}

}  // namespace

Ashtakavarga ComputeAshtakavarga(const std::array<Sign, kAshtakavargaContributors>& signs) {
    Ashtakavarga a;
    for (std::size_t p = 0; p < kRules.size(); ++p) {
        Counters points = 0;
        for (std::size_t c = 0; c < signs.size(); ++c) points += FromSign(kRules[p][c], SignIndex(signs[c]));
        SignPoints& row = a.Bhinna[p];
        for (std::size_t s = 0; s < row.size(); ++s) {
            row[s] = static_cast<int>((points >> (kCounterBits * s)) & 0xF);
            a.Sarva[s] += row[s];
        }
    }
    return a;
}

Ashtakavarga ComputeAshtakavarga(const Chart& c) {
    std::array<Sign, kAshtakavargaContributors> signs{};
    for (std::size_t i = 0; i < kAshtakavargaBodies.size(); ++i) signs[i] = c[kAshtakavargaBodies[i]].Rashi;
    signs.back() = c[Body::Ascendant].Rashi;
    return ComputeAshtakavarga(signs);
}

int TotalPoints(const SignPoints& row) { return std::accumulate(row.begin(), row.end(), 0); }

}  // namespace velakor
