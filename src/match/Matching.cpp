#include "match/Matching.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "vedic/Angles.h"

namespace velakor {
namespace {

// The tables' text, as data/kuta-tables.txt holds it. It is read below while the program
// is compiled: a table of the wrong shape, or a name the program does not know, stops the
// build at the line that reads it.
constexpr std::string_view kTablesText =
#include "match/KutaTables.inc"
    ;

using Names = std::span<const std::string_view>;

constexpr std::array<std::string_view, 4> kVarnas{"Brahmin", "Kshatriya", "Vaishya", "Shudra"};
constexpr std::array<std::string_view, 5> kVasyas{"Chatushpada", "Manava", "Jalachara", "Vanachara", "Keeta"};
constexpr std::array<std::string_view, 14> kYonis{"Horse", "Elephant", "Sheep",   "Serpent", "Dog",
                                                  "Cat",   "Rat",      "Cow",     "Buffalo", "Tiger",
                                                  "Deer",  "Monkey",   "Mongoose", "Lion"};
constexpr std::array<std::string_view, 3> kGanas{"Deva", "Manushya", "Rakshasa"};
constexpr std::array<std::string_view, 3> kNadis{"Adi", "Madhya", "Antya"};
// The sign lords in the order of the maitri table.
constexpr std::array<Body, 7> kMaitriLords{Body::Sun,     Body::Moon,  Body::Mars,  Body::Mercury,
                                           Body::Jupiter, Body::Venus, Body::Saturn};
constexpr std::array<std::string_view, 7> kMaitriNames{"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
constexpr std::array<std::string_view, 9> kRemainders{"0", "1", "2", "3", "4", "5", "6", "7", "8"};
constexpr std::array<std::string_view, 12> kCounts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
constexpr std::array<std::string_view, 1> kPointsRow{"points"};

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

constexpr int Find(std::string_view token, Names names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameName(token, names[i])) return static_cast<int>(i);
    }
    throw std::logic_error("kuta tables: a name the program does not know");
}

constexpr double Number(std::string_view t) {
    double whole = 0.0;
    std::size_t i = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) whole = whole * 10 + (t[i] - '0');
    if (i == 0) throw std::logic_error("kuta tables: a number was expected");
    if (i == t.size()) return whole;
    if (t[i] != '.' || i + 1 == t.size()) throw std::logic_error("kuta tables: a number was expected");
    double scale = 1.0;
    for (++i; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') throw std::logic_error("kuta tables: a number was expected");
        scale /= 10;
        whole += (t[i] - '0') * scale;
    }
    return whole;
}

// The words of one line, up to a '#'.
class Words {
public:
    constexpr explicit Words(std::string_view line) : rest_(line.substr(0, line.find('#'))) {}
    constexpr std::string_view Next() {
        std::size_t i = 0;
        while (i < rest_.size() && (rest_[i] == ' ' || rest_[i] == '\t' || rest_[i] == '\r')) ++i;
        std::size_t j = i;
        while (j < rest_.size() && rest_[j] != ' ' && rest_[j] != '\t' && rest_[j] != '\r') ++j;
        const std::string_view word = rest_.substr(i, j - i);
        rest_ = rest_.substr(j);
        return word;
    }
    constexpr bool Done() { return Next().empty(); }

private:
    std::string_view rest_;
};

// The lines of one section that hold anything: its header first (the line of its name,
// after the name), then its rows, up to the next section.
class Section {
public:
    constexpr explicit Section(std::string_view name) {
        std::string_view text = kTablesText;
        while (!text.empty()) {
            const std::string_view line = TakeLine(text);
            Words words(line);
            const std::string_view first = words.Next();
            if (first.size() == name.size() + 2 && first.front() == '[' && first.back() == ']' &&
                first.substr(1, name.size()) == name) {
                header_ = line.substr(line.find(']') + 1);
                rest_ = text;
                return;
            }
        }
        throw std::logic_error("kuta tables: a section is missing");
    }
    constexpr std::string_view Header() const { return header_; }
    // The next row, or empty at the section's end.
    constexpr std::string_view Row() {
        while (!rest_.empty()) {
            const std::string_view line = TakeLine(rest_);
            Words words(line);
            const std::string_view first = words.Next();
            if (first.empty()) continue;
            if (first.front() == '[') {
                rest_ = {};
                break;
            }
            return line;
        }
        return {};
    }

private:
    static constexpr std::string_view TakeLine(std::string_view& text) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        return line;
    }
    std::string_view header_;
    std::string_view rest_;
};

// A points table: the header names the groom's groups, each row a bride's group and its points.
template <std::size_t R, std::size_t C>
constexpr std::array<std::array<double, C>, R> Points(std::string_view name,
                                                      const std::array<std::string_view, R>& rows,
                                                      const std::array<std::string_view, C>& columns) {
    Section s(name);
    Words header(s.Header());
    for (std::size_t c = 0; c < C; ++c) {
        if (Find(header.Next(), columns) != static_cast<int>(c))
            throw std::logic_error("kuta tables: columns out of order");
    }
    if (!header.Done()) throw std::logic_error("kuta tables: too many columns");
    std::array<std::array<double, C>, R> table{};
    for (std::size_t r = 0; r < R; ++r) {
        Words row(s.Row());
        if (Find(row.Next(), rows) != static_cast<int>(r)) throw std::logic_error("kuta tables: rows out of order");
        for (std::size_t c = 0; c < C; ++c) table[r][c] = Number(row.Next());
        if (!row.Done()) throw std::logic_error("kuta tables: too many points in a row");
    }
    if (!s.Row().empty()) throw std::logic_error("kuta tables: too many rows");
    return table;
}

// A table of N rows (signs or nakshatras) giving each row's group in K vocabularies.
template <std::size_t N, std::size_t K>
constexpr std::array<std::array<int, K>, N> Groups(std::string_view name, const std::array<Names, K>& vocabularies) {
    Section s(name);
    std::array<std::array<int, K>, N> table{};
    for (std::size_t r = 0; r < N; ++r) {
        Words row(s.Row());
        if (row.Next().empty()) throw std::logic_error("kuta tables: too few rows");
        for (std::size_t k = 0; k < K; ++k) table[r][k] = Find(row.Next(), vocabularies[k]);
        if (!row.Done()) throw std::logic_error("kuta tables: too many groups in a row");
    }
    if (!s.Row().empty()) throw std::logic_error("kuta tables: too many rows");
    return table;
}

// Columns of the sign table: varna, vasya below 15 degrees, vasya from 15 degrees.
constexpr auto kSignGroups = Groups<kSignCount, 3>("sign", {Names(kVarnas), Names(kVasyas), Names(kVasyas)});
// Columns of the nakshatra table: yoni, gana, nadi.
constexpr auto kStarGroups = Groups<kNakshatraCount, 3>("nakshatra", {Names(kYonis), Names(kGanas), Names(kNadis)});
constexpr auto kVarnaPoints = Points("varna", kVarnas, kVarnas);
constexpr auto kVasyaPoints = Points("vasya", kVasyas, kVasyas);
constexpr auto kTaraPoints = Points("tara", kPointsRow, kRemainders)[0];
constexpr auto kYoniPoints = Points("yoni", kYonis, kYonis);
constexpr auto kMaitriPoints = Points("maitri", kMaitriNames, kMaitriNames);
constexpr auto kGanaPoints = Points("gana", kGanas, kGanas);
constexpr auto kBhakootPoints = Points("bhakoot", kPointsRow, kCounts)[0];
constexpr auto kNadiPoints = Points("nadi", kNadis, kNadis);

constexpr std::array<std::string_view, kKutaCount> kKutaNames{"Varna", "Vasya", "Tara", "Yoni",
                                                              "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
constexpr std::array<std::string_view, kKutaCount> kKutaKeys{"Varna", "Vasya", "Tara", "Yoni",
                                                             "Maitri", "Gana", "Bhakoot", "Nadi"};

constexpr std::size_t At(int i) { return static_cast<std::size_t>(i); }

int MaitriIndex(Body lord) {
    for (std::size_t i = 0; i < kMaitriLords.size(); ++i) {
        if (kMaitriLords[i] == lord) return static_cast<int>(i);
    }
    return 0;  // the sign lords are all in the table
}

int VasyaGroup(const BodyPosition& moon) {
    // The degree within the sign the chart gives: a Moon at 360 reads as Aries 0.
    const double degree = Fold360(moon.Longitude) - 30.0 * SignIndex(moon.Rashi);
    return kSignGroups[At(SignIndex(moon.Rashi))][degree < 15.0 ? 1 : 2];
}

}  // namespace

bool IsMarsHouse(int house) {
    return house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
}

MarsCheck CheckMars(const Chart& chart) {
    const Sign mars = chart[Body::Mars].Rashi;
    MarsCheck m;
    m.FromLagna = HouseFrom(chart[Body::Ascendant].Rashi, mars);
    m.FromMoon = HouseFrom(chart[Body::Moon].Rashi, mars);
    m.FromVenus = HouseFrom(chart[Body::Venus].Rashi, mars);
    m.Manglik = IsMarsHouse(m.FromLagna);
    return m;
}

int StarCount(Nakshatra from, Nakshatra to) {
    return (NakshatraIndex(to) - NakshatraIndex(from) + kNakshatraCount) % kNakshatraCount + 1;
}

Match MatchCharts(const Chart& bride, const Chart& groom) {
    const BodyPosition& b = bride[Body::Moon];
    const BodyPosition& g = groom[Body::Moon];
    const auto bs = At(SignIndex(b.Rashi));
    const auto gs = At(SignIndex(g.Rashi));
    const auto bn = At(NakshatraIndex(b.Star));
    const auto gn = At(NakshatraIndex(g.Star));

    Match m;
    auto score = [&m](Kuta k, double points, int brideValue, int groomValue) {
        m.Kutas[static_cast<std::size_t>(k)] = {k, points, brideValue, groomValue};
        m.Total += points;
    };
    const int bv = kSignGroups[bs][0], gv = kSignGroups[gs][0];
    score(Kuta::Varna, kVarnaPoints[At(bv)][At(gv)], bv, gv);
    const int ba = VasyaGroup(b), ga = VasyaGroup(g);
    score(Kuta::Vasya, kVasyaPoints[At(ba)][At(ga)], ba, ga);
    score(Kuta::Tara,
          kTaraPoints[At(StarCount(b.Star, g.Star) % 9)] + kTaraPoints[At(StarCount(g.Star, b.Star) % 9)],
          static_cast<int>(bn), static_cast<int>(gn));
    const int by = kStarGroups[bn][0], gy = kStarGroups[gn][0];
    score(Kuta::Yoni, kYoniPoints[At(by)][At(gy)], by, gy);
    const Body bl = SignLord(b.Rashi), gl = SignLord(g.Rashi);
    const double maitri = kMaitriPoints[At(MaitriIndex(bl))][At(MaitriIndex(gl))];
    score(Kuta::Maitri, maitri, static_cast<int>(Index(bl)), static_cast<int>(Index(gl)));
    const int bg = kStarGroups[bn][1], gg = kStarGroups[gn][1];
    score(Kuta::Gana, kGanaPoints[At(bg)][At(gg)], bg, gg);
    const double bhakoot = kBhakootPoints[At(HouseFrom(b.Rashi, g.Rashi) - 1)];
    score(Kuta::Bhakoot, bhakoot, static_cast<int>(bs), static_cast<int>(gs));
    const int bd = kStarGroups[bn][2], gd = kStarGroups[gn][2];
    const double nadi = kNadiPoints[At(bd)][At(gd)];
    score(Kuta::Nadi, nadi, bd, gd);

    // Mutual friends get the full maitri points; one lord for both is the same case.
    const double fullMaitri = KutaMaximum(Kuta::Maitri);
    if (nadi == 0.0) {
        if (b.Star == g.Star && b.Pada != g.Pada) m.Exceptions |= kNadiSameStarOtherPada;
        if (bl == gl) m.Exceptions |= kNadiSameLord;
    }
    if (bhakoot == 0.0) {
        if (bl == gl) {
            m.Exceptions |= kBhakootSameLord;
        } else if (maitri == fullMaitri) {
            m.Exceptions |= kBhakootFriendlyLords;
        }
    }
    if (m[Kuta::Gana].Points <= 1.0) {
        if (bl == gl) {
            m.Exceptions |= kGanaSameLord;
        } else if (maitri == fullMaitri) {
            m.Exceptions |= kGanaFriendlyLords;
        }
    }
    m.Bride = CheckMars(bride);
    m.Groom = CheckMars(groom);
    return m;
}

std::string_view KutaName(Kuta k) { return kKutaNames[static_cast<std::size_t>(k)]; }
std::string_view Name(Kuta k, Language lang) {
    return lang == Language::English ? KutaName(k) : TranslatedName(Vocabulary::Kuta, static_cast<int>(k) + 1, lang);
}
std::string_view KutaKey(Kuta k) { return kKutaKeys[static_cast<std::size_t>(k)]; }
double KutaMaximum(Kuta k) { return static_cast<double>(k) + 1.0; }

std::string_view KutaValueName(Kuta k, int value) {
    auto pick = [value](Names names) {
        return value >= 0 && At(value) < names.size() ? names[At(value)] : std::string_view{};
    };
    switch (k) {
        case Kuta::Varna: return pick(kVarnas);
        case Kuta::Vasya: return pick(kVasyas);
        case Kuta::Yoni: return pick(kYonis);
        case Kuta::Gana: return pick(kGanas);
        case Kuta::Nadi: return pick(kNadis);
        case Kuta::Maitri: return value >= 0 && value < kBodyCount ? EnglishName(static_cast<Body>(value)) : "";
        case Kuta::Tara:
        case Kuta::Bhakoot: return {};
    }
    return {};
}

std::string KutaNote(const Match& m, Kuta k) {
    const KutaScore& s = m[k];
    const double most = KutaMaximum(k);
    std::string note;
    auto add = [&note](std::string_view text) {
        if (!note.empty()) note += "; ";
        note += text;
    };
    // From all points to none, for the kutas whose table grades a pair.
    auto graded = [&s, most](std::string_view same, std::string_view all, std::string_view part,
                             std::string_view none) {
        if (s.Bride == s.Groom && s.Points == most) return same;
        return s.Points == most ? all : s.Points > 0.0 ? part : none;
    };
    switch (k) {
        case Kuta::Varna:
            // The table's order runs from the highest varna down.
            add(s.Groom == s.Bride ? "the same varna"
                : s.Groom < s.Bride ? "his varna is higher than hers"
                                    : "his varna is lower than hers");
            break;
        case Kuta::Vasya:
            add(graded("the same group", "the groups draw each other", "one group draws the other in part",
                       "neither group draws the other"));
            break;
        case Kuta::Tara: {
            const auto b = static_cast<Nakshatra>(s.Bride);
            const auto g = static_cast<Nakshatra>(s.Groom);
            add("his star is the " + Ordinal(StarCount(b, g)) + " from hers, hers the " + Ordinal(StarCount(g, b)) +
                " from his");
            add(s.Points == most ? "a good tara both ways" : s.Points > 0.0 ? "a good tara one way only" : "no good tara either way");
            break;
        }
        case Kuta::Yoni: {
            static constexpr std::array<std::string_view, 5> kYoniWords{"sworn enemies", "unfriendly animals",
                                                                       "neutral animals", "friendly animals",
                                                                       "the same animal"};
            add(kYoniWords[At(static_cast<int>(s.Points))]);
            break;
        }
        case Kuta::Maitri: {
            if (s.Bride == s.Groom) {
                add("one lord rules both Moon signs");
                break;
            }
            // The points of the table by what each lord is to the other.
            static constexpr std::array<std::pair<double, std::string_view>, 6> kMaitriWords{{
                {5.0, "the lords are friends both ways"},
                {4.0, "one lord a friend, the other neutral"},
                {3.0, "the lords are neutral both ways"},
                {1.0, "one lord a friend, the other an enemy"},
                {0.5, "one lord neutral, the other an enemy"},
                {0.0, "the lords are enemies both ways"},
            }};
            for (const auto& [points, words] : kMaitriWords) {
                if (s.Points == points) add(words);
            }
            break;
        }
        case Kuta::Gana:
            add(graded("the same gana", "the ganas agree", s.Points > 1.0 ? "the ganas agree in part" : "the ganas clash in part",
                       "the ganas clash"));
            if (m.Exceptions & kGanaSameLord) add("exception: one lord rules both Moon signs");
            if (m.Exceptions & kGanaFriendlyLords) add("exception: the sign lords are friends");
            break;
        case Kuta::Bhakoot: {
            const Sign b = SignFromIndex(s.Bride);
            const Sign g = SignFromIndex(s.Groom);
            const int count = HouseFrom(b, g);
            add("his Moon sign is the " + Ordinal(count) + " from hers");
            if (s.Points == 0.0) {
                const int a = std::min(count, 14 - count), z = std::max(count, 14 - count);
                std::string pair = "signs ";
                pair += std::to_string(a);
                pair += '/';
                pair += std::to_string(z);
                pair += " from each other give nothing";
                add(pair);
            }
            if (m.Exceptions & kBhakootSameLord) add("exception: one lord rules both signs");
            if (m.Exceptions & kBhakootFriendlyLords) add("exception: the sign lords are friends");
            break;
        }
        case Kuta::Nadi:
            add(s.Points == 0.0 ? "the same nadi" : "other nadis");
            if (m.Exceptions & kNadiSameStarOtherPada) add("exception: one nakshatra, other padas");
            if (m.Exceptions & kNadiSameLord) add("exception: one lord rules both Moon signs");
            break;
    }
    return note;
}

std::string MarsConclusion(const Match& m) {
    if (m.Bride.Manglik && m.Groom.Manglik)
        return "Both are Manglik: the two doshas cancel each other (kuja dosha samya, as most traditions hold).";
    if (m.Bride.Manglik) return "Only the bride is Manglik: the groom's chart does not cancel the dosha.";
    if (m.Groom.Manglik) return "Only the groom is Manglik: the bride's chart does not cancel the dosha.";
    return "Neither is Manglik: there is no Mars dosha to weigh.";
}

std::string PointsText(double points) {
    char text[16];
    const double whole = std::floor(points);
    if (points == whole) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(whole));
    } else {
        std::snprintf(text, sizeof text, "%.1f", points);
    }
    return text;
}

std::string TotalInWords(double total) {
    std::string words = PointsText(total) + " of 36 points: ";
    if (total < 18.0) return words + "below the 18 points a match usually needs; not recommended";
    if (total < 25.0) return words + "an average match, acceptable";
    if (total < 33.0) return words + "a good match";
    return words + "an excellent match";
}

}  // namespace velakor
