#include "strength/SignStrength.h"

#include <cmath>

#include "strength/VargaTable.h"
#include "vedic/Angles.h"

namespace velakor {
namespace {

int PlanetsIn(const Chart& c, Sign s) {
    int n = 0;
    for (const Body g : kGrahas) n += c[g].Rashi == s ? 1 : 0;
    return n;
}

bool Reaches(const Chart& c, Body b, Sign s) {
    const Sign at = c[b].Rashi;
    return at == s || SignAspects(at, s);
}

// Whether a lord of `of` (either lord of Scorpio and Aquarius) joins or aspects s.
bool LordReaches(const Chart& c, Sign of, Sign s) {
    for (const Body g : kGrahas) {
        if (IsOwnSign(g, of) && Reaches(c, g, s)) return true;
    }
    return false;
}

// How many of Jupiter, Mercury and the lord of `lordOf` join or aspect s; a planet that is
// two of them counts twice.
int Helpers(const Chart& c, Sign s, Sign lordOf) {
    return (Reaches(c, Body::Jupiter, s) ? 1 : 0) + (Reaches(c, Body::Mercury, s) ? 1 : 0) +
           (LordReaches(c, lordOf, s) ? 1 : 0);
}

bool HoldsExalted(const Chart& c, Sign s) {
    for (const Body g : kGrahas) {
        if (c[g].Rashi == s && IsExalted(g, s)) return true;
    }
    return false;
}

// +1 when the first is greater, -1 when the second is, 0 when they are equal.
template <class T>
int Compare(T first, T second) {
    return first > second ? 1 : (first < second ? -1 : 0);
}

}  // namespace

bool SignAspects(Sign from, Sign to) {
    const int f = SignIndex(from), t = SignIndex(to);
    if (f == t) return false;
    switch (f % 3) {
        case 0: return t % 3 == 1 && t != (f + 1) % 12;   // movable: fixed signs but the next
        case 1: return t % 3 == 0 && t != (f + 11) % 12;  // fixed: movable signs but the one before
        default: return t % 3 == 2;                       // dual: the other dual signs
    }
}

int SignQuality(Sign s) { return SignIndex(s) % 3 + 1; }

double Advancement(const Chart& c, Body b) {
    const double inSign = std::fmod(Fold360(c[b].Longitude), 30.0);
    return b == Body::Rahu || b == Body::Ketu ? 30.0 - inSign : inSign;
}

std::optional<Body> StrongerCoLord(const Chart& c, Sign s) {
    if (s != Sign::Scorpio && s != Sign::Aquarius) return SignLord(s);
    const Body a = SignLord(s);
    const Body b = s == Sign::Scorpio ? Body::Ketu : Body::Rahu;
    const bool aIn = c[a].Rashi == s, bIn = c[b].Rashi == s;
    if (aIn != bIn) return aIn ? b : a;
    if (aIn) return a;  // both in the sign: either counts the same
    const Sign sa = c[a].Rashi, sb = c[b].Rashi;
    const auto winner = [&](int r) { return r > 0 ? a : b; };
    if (const int r = Compare(PlanetsIn(c, sa), PlanetsIn(c, sb)); r != 0) return winner(r);
    if (const int r = Compare(Helpers(c, sa, sa), Helpers(c, sb, sb)); r != 0) return winner(r);
    if (const int r = Compare(IsExalted(a, sa), IsExalted(b, sb)); r != 0) return winner(r);
    if (const int r = Compare(SignQuality(sa), SignQuality(sb)); r != 0) return winner(r);
    return std::nullopt;
}

int CompareSigns(const Chart& c, Sign a, Body lordA, Sign b, Body lordB) {
    const auto otherOddity = [&](Sign s, Body lord) { return SignIndex(s) % 2 != SignIndex(c[lord].Rashi) % 2; };
    if (const int r = Compare(PlanetsIn(c, a), PlanetsIn(c, b)); r != 0) return r;
    if (const int r = Compare(Helpers(c, a, a), Helpers(c, b, b)); r != 0) return r;
    if (const int r = Compare(HoldsExalted(c, a), HoldsExalted(c, b)); r != 0) return r;
    if (const int r = Compare(otherOddity(a, lordA), otherOddity(b, lordB)); r != 0) return r;
    if (const int r = Compare(SignQuality(a), SignQuality(b)); r != 0) return r;
    return Compare(Advancement(c, lordA), Advancement(c, lordB));
}

Sign StrongerSign(const Chart& c, Sign a, Body lordA, Sign b, Body lordB) {
    return CompareSigns(c, a, lordA, b, lordB) >= 0 ? a : b;
}

}  // namespace velakor
