#include "sky/Ingress.h"

#include <algorithm>
#include <cmath>

namespace velakor {
namespace {

// How a body may move, from the sky over 1900-2150 with a margin: the fastest it goes
// (degrees per day, the ayanamsa's drift included), and the longest step it is walked with,
// under half the shortest time between two of its stations, so that two consecutive steps
// never hold two stations.
struct Pace {
    double MaxSpeed;
    double Longest;
};

Pace PaceOf(Body body, SkyNode node) {
    switch (body) {
        case Body::Sun: return {1.03, 40.0};
        case Body::Moon: return {15.5, 3.0};
        case Body::Mercury: return {2.25, 8.0};
        case Body::Venus: return {1.3, 16.0};
        case Body::Mars: return {0.82, 24.0};
        case Body::Jupiter: return {0.25, 48.0};
        case Body::Saturn: return {0.135, 56.0};
        default: break;
    }
    // The mean node only ever recedes; the true one wobbles about it every few days.
    return node == SkyNode::True ? Pace{0.27, 1.0} : Pace{0.055, 300.0};
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
    //
    // Each step aims a little past the edge the body is heading for at its present speed, so
    // an ordinary ingress is bracketed at once. A body that turns back before the edge shows
    // as a change in the direction of two consecutive steps; the far point of that loop is
    // then sought, since the body may have crossed the edge and come back between samples.
    std::optional<double> Edge(double dir, double* perDay = nullptr) const {
        constexpr double kShortest = 1e-4;  // days
        const double startLon = Lon(jd_);
        double t = jd_, lon = startLon;
        // A sample behind the start tells how the body moved into it.
        double prevT = t - dir * std::min(pace_.Longest, 0.1), prevLon = lon;
        if (sky_.Covers(prevT))
            prevLon = Lon(prevT);
        else
            prevT = t;
        // Degrees per day; prevMove and move have the sign of the motion in time.
        double speed = prevT == t ? 0.0 : Ahead(prevLon, lon) / (t - prevT);
        double prevMove = speed;
        if (perDay) *perDay = speed;
        for (int guard = 0; guard < 100000; ++guard) {
            const double walked = speed * dir;  // degrees per day of the walk
            const double inSign = lon - 30.0 * std::floor(lon / 30.0);
            const double ahead = walked > 0 ? 30.0 - inSign : inSign;
            const double aim = walked != 0.0 ? ahead / std::fabs(walked) * 1.02 + kShortest : pace_.Longest;
            const double step = std::clamp(aim, kShortest, pace_.Longest);
            const double next = t + dir * step;
            if (!sky_.Covers(next)) return std::nullopt;
            const double nextLon = Lon(next);
            if (!Inside(nextLon)) return Crossing(t, next, dir);
            const double move = Ahead(lon, nextLon) * dir;
            if (prevMove != 0.0 && (move > 0) != (prevMove > 0)) {
                // A station between prevT and next. Within that span the body strays at
                // most MaxSpeed * span / 2 from where one of the two samples has it.
                const bool clipped = dir > 0 ? prevT < jd_ : prevT > jd_;
                const double from = clipped ? jd_ : prevT;
                const double reach = pace_.MaxSpeed * std::fabs(next - from) / 2.0;
                if (std::min(EdgeDistance(clipped ? startLon : prevLon), EdgeDistance(nextLon)) <= reach) {
                    if (const auto out = OutsideNearStation(from, next, prevMove > 0 ? dir : -dir))
                        return Crossing(from, *out, dir);
                }
            }
            speed = Ahead(lon, nextLon) / (next - t);
            prevT = t, prevLon = lon, prevMove = move, t = next, lon = nextLon;
        }
        return std::nullopt;
    }

private:
    // A moment in [a, b] (either order) at which the body is outside its sign, found by
    // seeking the far point of its loop (furthest along the longitude when sense is +1,
    // furthest back when -1); none when the loop stays inside. Near a station the longitude
    // is all but a parabola, so parabolic steps find the far point in a few samples; a golden
    // section step is taken where a parabolic one would not shrink the bracket.
    std::optional<double> OutsideNearStation(double a, double b, double sense) const {
        constexpr double kGolden = 0.3819660112501051;
        const double ref = Lon(a);
        bool outside = false;
        auto reach = [&](double t) {
            const double lon = Lon(t);
            outside = !Inside(lon);
            return sense * Ahead(ref, lon);
        };
        double lo = std::min(a, b), hi = std::max(a, b);
        double x = lo + kGolden * (hi - lo), w = x, v = x;
        double fx = reach(x), fw = fx, fv = fx;
        if (outside) return x;
        double moved = 0.0, lastMoved = 0.0;
        for (int i = 0; i < 100 && hi - lo > 1e-4; ++i) {
            const double mid = 0.5 * (lo + hi);
            double u = 0.0;
            bool parabolic = false;
            if (std::fabs(lastMoved) > 1e-5) {
                // The vertex of the parabola through (v, fv), (w, fw), (x, fx).
                const double r = (x - w) * (fx - fv), q0 = (x - v) * (fx - fw);
                double p = (x - v) * q0 - (x - w) * r, q = 2.0 * (q0 - r);
                if (q > 0) p = -p;
                q = std::fabs(q);
                if (q != 0.0 && std::fabs(p) < std::fabs(0.5 * q * lastMoved) && p > q * (lo - x) && p < q * (hi - x)) {
                    lastMoved = moved;
                    moved = p / q;
                    u = x + moved;
                    parabolic = u - lo > 1e-5 && hi - u > 1e-5;
                }
            }
            if (!parabolic) {
                lastMoved = x >= mid ? lo - x : hi - x;
                moved = kGolden * lastMoved;
                u = x + moved;
            }
            const double fu = reach(u);
            if (outside) return u;
            // Keep the far point bracketed: the function is greatest at x.
            if (fu >= fx) {
                (u >= x ? lo : hi) = x;
                v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
            } else {
                (u < x ? lo : hi) = u;
                if (fu >= fw || w == x) {
                    v = w, fv = fw, w = u, fw = fu;
                } else if (fu >= fv || v == x || v == w) {
                    v = u, fv = fu;
                }
            }
        }
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
    stay.Leaves = walk.Edge(+1.0, &stay.PerDay);
    if (ends == StayEnds::Both) stay.Entered = walk.Edge(-1.0, stay.PerDay == 0.0 ? &stay.PerDay : nullptr);
    return stay;
}

}  // namespace velakor
