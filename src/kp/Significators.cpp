#include "kp/Significators.h"

namespace velakor {

std::vector<Body> BodySet::List() const {
    std::vector<Body> out;
    for (const Body b : kGrahas) {
        if (Has(b)) out.push_back(b);
    }
    return out;
}

std::vector<int> HouseSet::List() const {
    std::vector<int> out;
    for (int h = 1; h <= kHouseCount; ++h) {
        if (Has(h)) out.push_back(h);
    }
    return out;
}

Significators ComputeSignificators(const SignificatorInput& in) {
    // Who occupies each house, and whose star each graha stands in.
    std::array<BodySet, kHouseCount> occupants{};
    std::array<BodySet, kGrahaCount> inStarOf{};
    for (const Body b : kGrahas) {
        occupants[static_cast<std::size_t>(in.House[Index(b)] - 1)].Add(b);
        inStarOf[Index(in.StarLord[Index(b)])].Add(b);
    }
    // The planets a node stands for: its sign's lord and the grahas in its sign.
    std::array<BodySet, 2> agentOf{};
    for (std::size_t n = 0; n < 2; ++n) {
        const Body node = n == 0 ? Body::Rahu : Body::Ketu;
        const Sign sign = in.Rashi[Index(node)];
        agentOf[n].Add(SignLord(sign));
        for (const Body b : kGrahas) {
            if (b != Body::Rahu && b != Body::Ketu && in.Rashi[Index(b)] == sign) agentOf[n].Add(b);
        }
    }

    Significators s;
    for (std::size_t h = 0; h < kHouseCount; ++h) {
        auto& levels = s.Houses[h];
        const Body owner = SignLord(in.CuspSign[h]);
        for (const Body b : kGrahas) {
            if (occupants[h].Has(b)) levels[0].Add(inStarOf[Index(b)]);
        }
        levels[1] = occupants[h];
        levels[2] = inStarOf[Index(owner)];
        levels[3].Add(owner);
        for (auto& level : levels) {
            if (level.Meets(agentOf[0])) level.Add(Body::Rahu);
            if (level.Meets(agentOf[1])) level.Add(Body::Ketu);
        }
        for (std::size_t l = 0; l < kSignificatorLevels; ++l) {
            for (const Body b : kGrahas) {
                if (levels[l].Has(b)) s.Bodies[Index(b)][l].Add(static_cast<int>(h) + 1);
            }
        }
    }
    return s;
}

}  // namespace velakor
