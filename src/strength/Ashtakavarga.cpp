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

// Every table: the program's rows, then the variants, each the program's table with the
// cells its lines read otherwise.
using RuleTables = std::array<RuleTable, kAshtakavargaTableCount>;

constexpr std::array<std::string_view, kAshtakavargaContributors> kContributorNames{
    "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Lagna"};

template <std::size_t N>
constexpr std::size_t Find(const std::array<std::string_view, N>& names, std::string_view name, const char* what) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) return i;
    }
    throw std::logic_error(what);
}

constexpr Counters House(int number) {
    if (number < 1 || number > kSignCount) throw std::logic_error("no such house");
    return Counters{1} << (kCounterBits * (number - 1));
}

// One row of the program's table: "Sun: 1 2 4 | 3 6 | ...", eight contributors.
constexpr void ParseRow(std::string_view cells, std::array<Counters, kAshtakavargaContributors>& row) {
    int column = 0;
    int number = 0;
    bool inNumber = false;
    auto endNumber = [&] {
        if (!inNumber) return;
        if (column >= kAshtakavargaContributors) throw std::logic_error("more than eight contributors");
        row[static_cast<std::size_t>(column)] |= House(number);
        number = 0;
        inNumber = false;
    };
    for (char ch : cells) {
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
}

// The cells a variant reads otherwise in one row: "Moon -9 | Mars +9 | Jupiter -2 +12". A
// house taken away must have been given, and one given must not have been.
constexpr void ParseChanges(std::string_view cells, std::array<Counters, kAshtakavargaContributors>& row) {
    while (!cells.empty()) {
        std::size_t bar = cells.find('|');
        std::string_view group = cells.substr(0, bar);
        cells = bar == std::string_view::npos ? std::string_view{} : cells.substr(bar + 1);
        while (!group.empty() && IsSpace(group.front())) group.remove_prefix(1);
        std::size_t nameEnd = 0;
        while (nameEnd < group.size() && !IsSpace(group[nameEnd])) ++nameEnd;
        Counters& cell = row[Find(kContributorNames, group.substr(0, nameEnd), "no such contributor")];
        group.remove_prefix(nameEnd);
        while (!group.empty()) {
            if (IsSpace(group.front())) {
                group.remove_prefix(1);
                continue;
            }
            const char sign = group.front();
            if (sign != '+' && sign != '-') throw std::logic_error("a change is +house or -house");
            group.remove_prefix(1);
            int number = 0;
            while (!group.empty() && group.front() >= '0' && group.front() <= '9') {
                number = number * 10 + (group.front() - '0');
                group.remove_prefix(1);
            }
            const Counters house = House(number);
            if (((cell & house) != 0) != (sign == '-')) throw std::logic_error("a change that changes nothing");
            cell ^= house;
        }
    }
}

constexpr RuleTables ParseTables(std::string_view text) {
    RuleTables tables{};
    int row = 0;
    bool variants = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) throw std::logic_error("a row needs its name and a colon");
        const std::string_view name = line.substr(0, colon);
        const std::size_t space = name.find(' ');
        if (space == std::string_view::npos) {
            // The program's own table: the seven rows in order, before any variant.
            if (variants || row >= kAshtakavargaPlanets) throw std::logic_error("more rows than planets");
            if (name != kRowNames[static_cast<std::size_t>(row)]) throw std::logic_error("rows out of order");
            ParseRow(line.substr(colon + 1), tables[0][static_cast<std::size_t>(row)]);
            ++row;
            continue;
        }
        if (row != kAshtakavargaPlanets) throw std::logic_error("fewer rows than planets");
        if (!variants) {
            for (std::size_t t = 1; t < tables.size(); ++t) tables[t] = tables[0];
            variants = true;
        }
        const std::size_t table = Find(kAshtakavargaTableKeys, name.substr(0, space), "no such table");
        if (table == 0) throw std::logic_error("the program's own table is not a variant");
        ParseChanges(line.substr(colon + 1), tables[table][Find(kRowNames, name.substr(space + 1), "no such row")]);
    }
    if (row != kAshtakavargaPlanets) throw std::logic_error("fewer rows than planets");
    return tables;
}

constexpr RuleTables kRules = ParseTables(kTableText);

constexpr int CountPoints(Counters c) {
    int n = 0;
    for (; c != 0; c >>= kCounterBits) n += static_cast<int>(c & 0xF);
    return n;
}

constexpr bool RowsKeepTheirTotals() {
    for (const RuleTable& rules : kRules) {
        for (std::size_t p = 0; p < rules.size(); ++p) {
            int total = 0;
            for (Counters c : rules[p]) total += CountPoints(c);
            if (total != kBhinnaTotals[p]) return false;
        }
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

Ashtakavarga ComputeAshtakavarga(const std::array<Sign, kAshtakavargaContributors>& signs, AshtakavargaTable table) {
    const RuleTable& rules = kRules[static_cast<std::size_t>(table)];
    Ashtakavarga a;
    for (std::size_t p = 0; p < rules.size(); ++p) {
        Counters points = 0;
        for (std::size_t c = 0; c < signs.size(); ++c) points += FromSign(rules[p][c], SignIndex(signs[c]));
        SignPoints& row = a.Bhinna[p];
        for (std::size_t s = 0; s < row.size(); ++s) {
            row[s] = static_cast<int>((points >> (kCounterBits * s)) & 0xF);
            a.Sarva[s] += row[s];
        }
    }
    return a;
}

Ashtakavarga ComputeAshtakavarga(const Chart& c, AshtakavargaTable table) {
    std::array<Sign, kAshtakavargaContributors> signs{};
    for (std::size_t i = 0; i < kAshtakavargaBodies.size(); ++i) signs[i] = c[kAshtakavargaBodies[i]].Rashi;
    signs.back() = c[Body::Ascendant].Rashi;
    return ComputeAshtakavarga(signs, table);
}

std::string_view AshtakavargaTableKey(AshtakavargaTable table) {
    return kAshtakavargaTableKeys[static_cast<std::size_t>(table)];
}

std::string_view AshtakavargaTableName(AshtakavargaTable table) {
    return table == AshtakavargaTable::Raman ? "B. V. Raman's table" : "Parashara's table (R. Santhanam)";
}

int TotalPoints(const SignPoints& row) { return std::accumulate(row.begin(), row.end(), 0); }

}  // namespace velakor
