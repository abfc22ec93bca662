#include "sky/Ingress.h"

#include <algorithm>
#include <cmath>

namespace velakor {
namespace {

// How a body may move, from the sky over 1900-2150 with a margin: the fastest it goes
// (degrees per day, the ayanamsa's drift included), the step it is walked with near the edge
// of a sign, and the longest step it is ever walked with, under half the shortest time between
// two of its stations, so that no two stations fall in two consecutive steps.
struct Pace {
    double MaxSpeed;
    double Near;
    double Longest;
};

Pace PaceOf(Body body, SkyNode node) {
    switch (body) {
        case Body::Sun: return {1.03, 1.0, 15.0};
        case Body::Moon: return {15.5, 0.1, 1.0};
        case Body::Mercury: return {2.25, 1.0, 8.0};
        case Body::Venus: return {1.3, 2.0, 16.0};
        case Body::Mars: return {0.82, 2.0, 24.0};
        case Body::Jupiter: return {0.25, 4.0, 48.0};
        case Body::Saturn: return {0.135, 4.0, 56.0};
        default: break;
    }
    // The mean node only ever recedes; the true one wobbles about it every few days.
    return node == SkyNode::True ? Pace{0.27, 0.25, 0.25} : Pace{0.055, 8.0, 300.0};
}

// Degrees from b back to a, the short way round: positive when b lies ahead of a.
double Ahead(double a, double b) { return std::remainder(b - a, 360.0); }

// Degrees from a longitude to the nearer edge of its sign.
double EdgeDistance(double lon) {
    const double f = lon - 30.0 * std::floor(lon / 30.0);
    return std::min(f, 30.0 - f);
}

class Walk {
public:
    Walk(const Sky& sky, Body body, double jd, Sign rashi)
        : sky_(sky), body_(body), jd_(jd), rashi_(rashi), pace_(PaceOf(body, sky.Choice().Node)) {}

    double Lon(double t) const { return sky_.SiderealLongitude(body_, t); }
    bool Inside(double lon) const { return SignOf(lon) == rashi_; }

    // The first moment, walking from jd in direction dir (+1 later, -1 earlier), at which the
    // body stands in another sign; for dir -1 the moment returned is the one just inside.
    std::optional<double> Edge(double dir) const {
        double t = jd_, lon = Lon(t);
        // A sample behind the start tells which way the body moved into it.
        double prevT = t - dir * pace_.Near;
        if (!sky_.Covers(prevT)) prevT = t;
        double prevMove = prevT == t ? 0.0 : Ahead(Lon(prevT), lon) * dir;
        for (int guard = 0; guard < 100000; ++guard) {
            const double step = std::clamp(EdgeDistance(lon) / pace_.MaxSpeed, pace_.Near, pace_.Longest);
            const double next = t + dir * step;
            if (!sky_.Covers(next)) return std::nullopt;
            const double nextLon = Lon(next);
            if (!Inside(nextLon)) return Crossing(t, next, dir);
            const double move = Ahead(lon, nextLon) * dir;
            if (prevMove != 0.0 && (move > 0) != (prevMove > 0)) {
                // A station between prevT and next: the body may have gone out and come back.
                const double from = dir > 0 ? std::max(prevT, jd_) : std::min(prevT, jd_);
                if (const auto out = OutsideNearStation(from, next, prevMove > 0 ? dir : -dir))
                    return Crossing(from, *out, dir);
            }
            prevT = t, prevMove = move, t = next, lon = nextLon;
        }
        return std::nullopt;
    }

private:
    // A moment in [a, b] (either order) at which the body is outside its sign, found by
    // seeking the far point of its loop (furthest along the longitude when sense is +1,
    // furthest back when -1); none when the loop stays inside.
    std::optional<double> OutsideNearStation(double a, double b, double sense) const {
        constexpr double kGolden = 0.6180339887498949;
        const double ref = Lon(a);
        auto reach = [&](double t, bool& outside) {
            const double lon = Lon(t);
            outside = !Inside(lon);
            return sense * Ahead(ref, lon);
        };
        double lo = std::min(a, b), hi = std::max(a, b);
        double x1 = hi - kGolden * (hi - lo), x2 = lo + kGolden * (hi - lo);
        bool out1 = false, out2 = false;
        double f1 = reach(x1, out1), f2 = reach(x2, out2);
        while (hi - lo > 1e-4) {
            if (out1) return x1;
            if (out2) return x2;
            if (f1 > f2) {
                hi = x2, x2 = x1, f2 = f1, out2 = out1;
                x1 = hi - kGolden * (hi - lo);
                f1 = reach(x1, out1);
            } else {
                lo = x1, x1 = x2, f1 = f2, out1 = out2;
                x2 = lo + kGolden * (hi - lo);
                f2 = reach(x2, out2);
            }
        }
        if (out1) return x1;
        if (out2) return x2;
        return std::nullopt;
    }

    // The crossing between a moment inside the sign and one outside, to within 1e-6 day, by
    // regula falsi (the Illinois variant) on the distance to the edge crossed. For dir +1
    // the moment returned is outside, for dir -1 inside: either way the start of a stay.
    double Crossing(double inside, double outside, double dir) const {
        const double outLon = Lon(outside);
        const Sign beyond = SignOf(outLon);
        const double edge = beyond == SignAdd(rashi_, 1) ? 30.0 * (SignIndex(rashi_) + 1) : 30.0 * SignIndex(rashi_);
        double gIn = Ahead(edge, Lon(inside)), gOut = Ahead(edge, outLon);
        int side = 0;
        for (int i = 0; i < 100 && std::fabs(outside - inside) > 1e-6; ++i) {
            double t = (gIn - gOut) != 0.0 ? outside - gOut * (outside - inside) / (gOut - gIn) : 0.5 * (inside + outside);
            const double lo = std::min(inside, outside), hi = std::max(inside, outside);
            if (!(t > lo && t < hi)) t = 0.5 * (inside + outside);
            const double lon = Lon(t);
            const double g = Ahead(edge, lon);
            if (Inside(lon)) {
                inside = t, gIn = g;
                if (side == -1) gOut *= 0.5;
                side = -1;
            } else {
                outside = t, gOut = g;
                if (side == 1) gIn *= 0.5;
                side = 1;
            }
        }
        return dir > 0 ? outside : inside;
    }

    const Sky& sky_;
    Body body_;
    double jd_;
    Sign rashi_;
    Pace pace_;
};

}  // namespace

SignStay SignStayAt(const Sky& sky, Body body, double jdUt, StayEnds ends) {
    SignStay stay;
    if (!sky.Covers(jdUt)) return stay;
    stay.Rashi = SignOf(sky.SiderealLongitude(body, jdUt));
    const Walk walk(sky, body, jdUt, stay.Rashi);
    stay.Leaves = walk.Edge(+1.0);
    if (ends == StayEnds::Both) stay.Entered = walk.Edge(-1.0);
    return stay;
}

}  // namespace velakor
