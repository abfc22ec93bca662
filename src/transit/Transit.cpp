#include "transit/Transit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sky/Ingress.h"
#include "vedic/Angles.h"
#include "vedic/Calendar.h"

namespace velakor {

SkyChoice TransitSkyChoice(const SkyChoice& chartSky) {
    if (chartSky.Positions == SkyPositions::Precise) return chartSky;
    SkyChoice precise;
    precise.Positions = SkyPositions::Precise;
    return precise;  // Lahiri, mean node
}

std::string DescribeTransitSky(const SkyChoice& chartSky) {
    std::string text = DescribeSky(TransitSkyChoice(chartSky));
    if (chartSky.Positions != SkyPositions::Precise)
        text += " (not the chart's built-in formulas, which can put Saturn's ingresses days off)";
    return text;
}

std::optional<Transit> TransitAt(const Sky& sky, const Chart& natal, double jdUt) {
    // One span wherever a transit is asked for, whatever days past it the tables happen to hold.
    if (!(jdUt >= kTransitsFromJd && jdUt < kTransitsUntilJd) || !sky.Covers(jdUt)) return std::nullopt;
    Transit t;
    t.JdUt = jdUt;
    const Sign lagna = natal.HouseSigns[0];
    const Sign moon = natal[Body::Moon].Rashi;
    SignStay rahu;
    for (std::size_t i = 0; i < kGrahas.size(); ++i) {
        const Body body = kGrahas[i];
        TransitBody& b = t.Bodies[i];
        b.Which = body;
        b.Longitude = Fold360(sky.SiderealLongitude(body, jdUt));
        b.Rashi = SignOf(b.Longitude);
        b.Star = NakshatraOf(b.Longitude);
        b.Pada = PadaOf(b.Longitude);
        b.House = HouseFrom(lagna, b.Rashi);
        b.FromMoon = HouseFrom(moon, b.Rashi);
        // Ketu stands opposite Rahu: both change sign at the same moments.
        const SignStay stay = body == Body::Ketu ? rahu : SignStayAt(sky, body, jdUt, StayEnds::LeavingOnly);
        if (body == Body::Rahu) rahu = stay;
        b.Retrograde = stay.PerDay < 0.0;
        b.LeavesJd = stay.Leaves;
    }
    return t;
}

std::optional<double> IngressStep(const Sky& sky, Body body, double jdUt, bool forward) {
    const auto within = [&sky](double jd) { return jd >= kTransitsFromJd && jd < kTransitsUntilJd && sky.Covers(jd); };
    if (!within(jdUt)) return std::nullopt;
    std::optional<double> found;
    if (forward) {
        found = SignStayAt(sky, body, jdUt, StayEnds::LeavingOnly).Leaves;
    } else {
        // Standing on an ingress (the last step's), the one before it is meant.
        constexpr double kSecond = 1.0 / 86400.0;
        found = SignStayAt(sky, body, jdUt, StayEnds::Both).Entered;
        if (found && jdUt - *found < kSecond) {
            const double before = *found - kSecond;
            found = within(before) ? SignStayAt(sky, body, before, StayEnds::Both).Entered : std::nullopt;
        }
    }
    if (found && !within(*found)) return std::nullopt;
    return found;
}

double StepMoment(double jdUt, int offsetMinutes, MomentStep unit, int n) {
    if (unit == MomentStep::Day) return jdUt + n;
    const CivilMoment c = CivilFromJd(jdUt, offsetMinutes);
    const int months = c.Year * 12 + (c.Month - 1) + (unit == MomentStep::Year ? 12 * n : n);
    const int year = static_cast<int>(FloorDiv(months, 12));
    const int month = months - year * 12 + 1;
    const int day = std::min(c.Day, DaysInMonth(year, month));
    return JdFromCivil(year, month, day, c.Hour + c.Minute / 60.0 + c.Second / 3600.0, offsetMinutes);
}

std::string OutsideSkyMessage(double jdUt, int offsetMinutes) {
    char date[32] = "that moment";
    if (std::isfinite(jdUt) && std::fabs(jdUt) < 1e8) {
        const CivilMoment c = CivilFromJd(jdUt, offsetMinutes);
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.Year, c.Month, c.Day);
    }
    return std::string("The precise sky's tables run from 1900 to 2150: nothing can be computed for ") + date + ".";
}

}  // namespace velakor
