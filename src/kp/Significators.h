// The significators of the houses, in four levels from the strongest: for each house,
//   A the planets in the star of its occupants,
//   B its occupants,
//   C the planets in the star of its owner (the lord of its cusp's sign),
//   D its owner;
// Rahu and Ketu also stand wherever the lord of the sign they are in stands, and wherever a
// planet in the same sign as they stands (as its agents). And the same table read the other
// way: each planet with the houses it signifies, level by level.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "vedic/Body.h"
#include "vedic/Chart.h"
#include "vedic/Sign.h"

namespace velakor {

inline constexpr int kSignificatorLevels = 4;  // A, B, C, D

// Some of the nine grahas, listed from the Sun to Ketu.
class BodySet {
public:
    void Add(Body b) { bits_ = static_cast<std::uint16_t>(bits_ | 1u << Index(b)); }
    void Add(const BodySet& other) { bits_ = static_cast<std::uint16_t>(bits_ | other.bits_); }
    bool Has(Body b) const { return (bits_ >> Index(b) & 1u) != 0; }
    bool Meets(const BodySet& other) const { return (bits_ & other.bits_) != 0; }
    bool Empty() const { return bits_ == 0; }
    std::vector<Body> List() const;
    friend bool operator==(const BodySet&, const BodySet&) = default;

private:
    std::uint16_t bits_ = 0;
};

// Some of the twelve houses, listed from the first.
class HouseSet {
public:
    void Add(int house) { bits_ = static_cast<std::uint16_t>(bits_ | 1u << (house - 1)); }  // 1..12
    bool Has(int house) const { return (bits_ >> (house - 1) & 1u) != 0; }
    bool Empty() const { return bits_ == 0; }
    std::vector<int> List() const;
    friend bool operator==(const HouseSet&, const HouseSet&) = default;

private:
    std::uint16_t bits_ = 0;
};

struct Significators {
    // House 1..12 at [house - 1], levels A..D.
    std::array<std::array<BodySet, kSignificatorLevels>, kHouseCount> Houses{};
    // Sun .. Ketu at [Index(body)], levels A..D.
    std::array<std::array<HouseSet, kSignificatorLevels>, kGrahaCount> Bodies{};
};

// What the table is read from, for each graha Sun .. Ketu: the house it occupies (1..12, by
// the cusps), its sign and its star lord; and the sign of each cusp.
struct SignificatorInput {
    std::array<int, kGrahaCount> House{};
    std::array<Sign, kGrahaCount> Rashi{};
    std::array<Body, kGrahaCount> StarLord{};
    std::array<Sign, kHouseCount> CuspSign{};
};
Significators ComputeSignificators(const SignificatorInput& in);

}  // namespace velakor
