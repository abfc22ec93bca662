#include "strength/VargaTable.h"

namespace velakor {
namespace {

constexpr int kNavamsa = VargaIndex(9);
constexpr int kRashi = VargaIndex(1);
constexpr int kAscendantPoint = kDivisionalPoints - 1;

Body PointBody(std::size_t i) { return static_cast<Body>(i); }

}  // namespace

bool IsExalted(Body b, Sign s) {
    switch (b) {
        case Body::Sun: return s == Sign::Aries;
        case Body::Moon: return s == Sign::Taurus;
        case Body::Mercury: return s == Sign::Virgo;
        case Body::Venus: return s == Sign::Pisces;
        case Body::Mars: return s == Sign::Capricorn;
        case Body::Jupiter: return s == Sign::Cancer;
        case Body::Saturn: return s == Sign::Libra;
        case Body::Rahu: return s == Sign::Taurus;
        case Body::Ketu: return s == Sign::Scorpio;
        default: return false;
    }
}

bool IsDebilitated(Body b, Sign s) { return IsExalted(b, SignAdd(s, 6)); }

bool IsOwnSign(Body b, Sign s) {
    switch (b) {
        case Body::Rahu: return s == Sign::Aquarius;
        case Body::Ketu: return s == Sign::Scorpio;
        case Body::Ascendant:
        case Body::Midheaven: return false;
        default: return SignLord(s) == b;
    }
}

VargaTable ComputeVargaTable(const Chart& c) {
    VargaTable t;
    t.Signs = AllVargas(c);
    for (std::size_t i = 0; i < kDivisionalPoints; ++i) {
        t.Vargottama[i] = t.Signs[kRashi][i] == t.Signs[kNavamsa][i];
        if (i == kAscendantPoint) continue;
        const Body b = PointBody(i);
        for (const auto& varga : t.Signs) t.Dignified[i] += IsExalted(b, varga[i]) || IsOwnSign(b, varga[i]) ? 1 : 0;
    }
    return t;
}

}  // namespace velakor
