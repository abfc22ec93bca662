// Two charts together: the eight kutas of Ashtakoota matching (36 points) from the two Moons,
// and the Mars (Manglik) check of each chart. Values only; the tables are those of
// data/kuta-tables.txt, read when the program is compiled.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "vedic/Chart.h"
#include "vedic/Language.h"

namespace velakor {

enum class Kuta { Varna, Vasya, Tara, Yoni, Maitri, Gana, Bhakoot, Nadi };
inline constexpr int kKutaCount = 8;
inline constexpr double kKutaTotal = 36.0;

// What one kuta gave, and what it looked at in each chart. Bride and Groom are each
// partner's group in the kuta's table (see KutaValueName): varna, vasya group, yoni animal,
// gana or nadi; for maitri the lord of the Moon's sign (a Body index); for tara the nakshatra
// (0..26) and for bhakoot the sign (0..11) of the Moon.
struct KutaScore {
    Kuta Which = Kuta::Varna;
    double Points = 0.0;
    int Bride = 0;
    int Groom = 0;
};

// The commonly taught exceptions a view names beside nadi, bhakoot and gana when they gave
// nothing (gana: one point or none). They never change the points.
enum KutaException : unsigned {
    kNadiSameStarOtherPada = 1u << 0,  // one nakshatra, the Moons in different padas
    kNadiSameLord = 1u << 1,           // the two Moon signs have one lord
    kBhakootSameLord = 1u << 2,
    kBhakootFriendlyLords = 1u << 3,   // the lords are friends both ways (full maitri points)
    kGanaSameLord = 1u << 4,
    kGanaFriendlyLords = 1u << 5,
};

// Mars's house counted from the lagna, from the Moon and from Venus (the sign of each is
// house 1). Manglik when the house from the lagna is 1, 2, 4, 7, 8 or 12.
struct MarsCheck {
    int FromLagna = 1;
    int FromMoon = 1;
    int FromVenus = 1;
    bool Manglik = false;
};

struct Match {
    std::array<KutaScore, kKutaCount> Kutas{};
    double Total = 0.0;       // out of 36, in steps of a half
    unsigned Exceptions = 0;  // KutaException flags
    MarsCheck Bride;
    MarsCheck Groom;

    const KutaScore& operator[](Kuta k) const { return Kutas[static_cast<std::size_t>(k)]; }
};

// The houses from which Mars makes a chart Manglik.
bool IsMarsHouse(int house);
MarsCheck CheckMars(const Chart& chart);

// The eight kutas from the bride's and the groom's Moons, and both Mars checks.
Match MatchCharts(const Chart& bride, const Chart& groom);

// The count from one nakshatra to another, both included: 1 (the same) .. 27.
int StarCount(Nakshatra from, Nakshatra to);

// "Varna", "Vasya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi".
std::string_view KutaName(Kuta k);
std::string_view Name(Kuta k, Language lang);  // English: KutaName
// "Varna", .. "Maitri", .. "Nadi": the keys of the tool's answer.
std::string_view KutaKey(Kuta k);
// The most a kuta can give: its place in the order, 1 .. 8.
double KutaMaximum(Kuta k);
// The name of a group of a kuta's table: "Brahmin", "Manava", "Horse", "Deva", "Adi"; for
// maitri the lord's English name. Empty for tara and bhakoot, which count instead.
std::string_view KutaValueName(Kuta k, int value);

// Why a kuta gave its points, as it stands beside the kuta in the table: what the two groups,
// counts or lords are to each other, and the exceptions that hold.
std::string KutaNote(const Match& m, Kuta k);

// What the two Mars checks come to together: neither Manglik, one of them, or both, in which
// case the two doshas cancel each other by the rule most traditions teach.
std::string MarsConclusion(const Match& m);

// Points as an astrologer writes them: "26", "1.5", "0.5".
std::string PointsText(double points);
// The total in words: "26 of 36 points: a good match".
std::string TotalInWords(double total);

}  // namespace velakor
