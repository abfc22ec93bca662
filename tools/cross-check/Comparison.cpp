#include "Comparison.h"

#include <cmath>

#include "sky/BuiltinSky.h"
#include "sky/PreciseSky.h"
#include "sky/SkyTables.h"
#include "vedic/Angles.h"
#include "vedic/Calendar.h"

namespace velakor::crosscheck {
namespace {

constexpr int kLahiriMean = PreciseSkyOf(SkyAyanamsa::Lahiri, SkyNode::Mean);

void Read(SkyResult& r, const BirthRecord& b, const SkyChoice& choice, bool readings) {
    CompleteChart(r.Chart);
    r.Vargas = AllVargas(r.Chart);
    if (!readings) return;
    for (std::size_t i = 0; i < kSunriseRules.size(); ++i) {
        ReadingOptions o;
        o.Sunrise = kSunriseRules[i];
        o.TodayJdUt = r.Chart.JdUt;
        r.Day[i] = ComputeReadings(b, r.Chart, choice, o).Day;
    }
    for (std::size_t i = 0; i < kYearLengths.size(); ++i)
        r.Periods[i] = ComputeDasha(r.Chart[Body::Moon].Longitude, r.Chart.JdUt, kYearLengths[i]);
}

// The dasha worked out afresh from the reference's Moon: the lords in their order with their
// years, the birth lord's part already gone as the Moon's part of its nakshatra, each
// antardasha the mahadasha's length times its lord's share of 120 years.
std::vector<double> ReferenceDashaStarts(double moon, double jdUt, double yearDays, int& birthLord) {
    constexpr double kYears[] = {7, 20, 6, 10, 7, 18, 16, 19, 17};  // from Ketu
    const double inStars = moon / (360.0 / 27.0);
    const double stars = std::floor(inStars);
    birthLord = static_cast<int>(stars) % 9;
    double start = jdUt - (inStars - stars) * kYears[birthLord] * yearDays;
    std::vector<double> starts;
    for (int i = 0; i < 9; ++i) {
        const int lord = (birthLord + i) % 9;
        const double length = kYears[lord] * yearDays;
        double years = 0;
        for (int j = 0; j < 9; ++j) {
            starts.push_back(start + length * years / 120.0);
            years += kYears[(lord + j) % 9];
        }
        start += length;
    }
    starts.push_back(start);
    return starts;
}

}  // namespace

SkyChoice PreciseChoice(int sky) {
    SkyChoice c;
    c.Positions = SkyPositions::Precise;
    c.Ayanamsa = kAyanamsas[static_cast<std::size_t>(sky / 2)];
    c.Node = sky % 2 == 1 ? SkyNode::True : SkyNode::Mean;
    return c;
}

std::vector<double> DashaStarts(const Dasha& d) {
    std::vector<double> starts;
    for (const DashaPeriod& m : d.Mahadashas)
        for (const DashaPeriod& s : SubPeriods(m)) starts.push_back(s.StartJd);
    starts.push_back(d.Mahadashas.back().EndJd);
    return starts;
}

Case Compute(const crosscheck::Birth& birth, Reference& reference) {
    Case c{birth, {}, {}};
    const BirthRecord& b = birth.Record;
    const SkyTables& tables = *SkyTables::Shared();

    for (int s = 0; s < kPreciseSkies; ++s) {
        const SkyChoice choice = PreciseChoice(s);
        SkyResult& r = c.Ours.Precise[static_cast<std::size_t>(s)];
        r.Chart = PreciseSky(tables, choice).CastChart(b);
        Read(r, b, choice, s == kLahiriMean);
    }
    c.Ours.Builtin.Chart = BuiltinSky().CastChart(b);
    Read(c.Ours.Builtin, b, SkyChoice{}, true);
    const PreciseSky lahiri(tables, PreciseChoice(kLahiriMean));
    c.Ours.Saturn = SignStayAt(lahiri, Body::Saturn, c.Ours.Precise[kLahiriMean].Chart.JdUt);
    constexpr int kKpSky = PreciseSkyOf(SkyAyanamsa::Krishnamurti, SkyNode::Mean);
    const double birthLat = BirthLatitude(b);
    c.Ours.Cusps = PlacidusCusps(PreciseSky(tables, PreciseChoice(kKpSky))
                                     .Values(c.Ours.Precise[kKpSky].Chart.JdUt, birthLat, -BirthLongitude(b))
                                     .Frame,
                                 birthLat);
    for (std::size_t table = 0; table < c.Ours.Points.size(); ++table)
        c.Ours.Points[table] = ComputeAshtakavarga(c.Ours.Precise[kLahiriMean].Chart, static_cast<AshtakavargaTable>(table));

    Theirs& t = c.Theirs;
    t.Moment = MomentOf(b);
    const double jd = t.Moment.JdUt;
    for (const SkyAyanamsa a : kAyanamsas) {
        const auto mean = static_cast<std::size_t>(PreciseSkyOf(a, SkyNode::Mean));
        const auto trueNode = static_cast<std::size_t>(PreciseSkyOf(a, SkyNode::True));
        t.Ayanamsa[static_cast<std::size_t>(a)] = reference.Ayanamsa(a, jd);
        for (const Body body : kGrahas) {
            const std::size_t i = Index(body);
            double* perDay = a == SkyAyanamsa::Lahiri ? &t.PerDay[i] : nullptr;
            t.Position[mean][i] = reference.Longitude(body, a, SkyNode::Mean, jd, perDay);
            const bool node = body == Body::Rahu || body == Body::Ketu;
            double* nodePerDay = a == SkyAyanamsa::Lahiri && body == Body::Rahu ? &t.TrueNodePerDay : nullptr;
            t.Position[trueNode][i] =
                node ? reference.Longitude(body, a, SkyNode::True, jd, nodePerDay) : t.Position[mean][i];
        }
        const Reference::Angles angles = reference.SiderealAngles(a, jd, t.Moment.Latitude, t.Moment.Longitude);
        for (const std::size_t s : {mean, trueNode}) {
            t.Position[s][Index(Body::Ascendant)] = angles.Ascendant;
            t.Position[s][Index(Body::Midheaven)] = angles.Midheaven;
        }
    }
    t.Cusps = reference.PlacidusCusps(SkyAyanamsa::Krishnamurti, jd, t.Moment.Latitude, t.Moment.Longitude);
    for (const Body body : kGrahas)
        t.WithBending[Index(body)] = reference.Longitude(body, SkyAyanamsa::Lahiri, SkyNode::Mean, jd, nullptr, true);
    for (const Body body : kRetrogradeBodies) {
        for (std::size_t side = 0; side < 2; ++side)
            reference.Longitude(body, SkyAyanamsa::Lahiri, SkyNode::Mean, jd + (side == 0 ? -2.0 : 2.0),
                                &t.PerDayAround[Index(body)][side]);
    }

    // The birth's date on its own clock, midnight to midnight.
    const std::int64_t days = DaysFromCivil(b.BirthYear, b.BirthMonth, b.BirthDay);
    const double start = kJdUnixEpoch + static_cast<double>(days) - t.Moment.OffsetMinutes / 1440.0;
    const double end = start + 1.0;
    t.DateStart = start;
    const double lat = t.Moment.Latitude, lon = t.Moment.Longitude;
    for (std::size_t i = 0; i < kSunriseRules.size(); ++i) {
        const SunriseRule rule = kSunriseRules[i];
        t.Rise[i] = reference.SunCrossing(true, rule, start, end, lat, lon);
        // The first setting after the sunrise, within a day of it (on the next date, it may be);
        // on a date without a rising, the date's first setting.
        if (t.Rise[i]) {
            t.Set[i] = reference.SunCrossing(false, rule, *t.Rise[i], *t.Rise[i] + 1.0, lat, lon);
        } else {
            t.Set[i] = reference.SunCrossing(false, rule, start, end, lat, lon);
        }
        // The weekday of the date of the last sunrise before the birth; in the polar day or
        // night, with no rising on the birth's date or the date before, the birth's date.
        const bool risenToday = t.Rise[i] && *t.Rise[i] <= jd;
        const bool roseYesterday = !risenToday && reference.SunCrossing(true, rule, start - 1.0, start, lat, lon);
        t.Vara[i] = WeekdayOfDays(roseYesterday ? days - 1 : days);
        t.SunGrazing[i] = reference.SunGrazing(rule, start, lat, lon);
        const SunEvents& ours = c.Ours.Precise[kLahiriMean].Day[i].Sun;
        const std::array<std::optional<double>, 2> theirs{t.Rise[i], t.Set[i]};
        const std::array<std::optional<double>, 2> mine{ours.Rises ? std::optional(ours.RiseJd) : std::nullopt,
                                                        ours.Sets ? std::optional(ours.SetJd) : std::nullopt};
        constexpr double kMinute = 1.0 / 1440.0;
        for (std::size_t k = 0; k < 2; ++k) {
            if (theirs[k]) {
                const double later = reference.SunHeight(rule, *theirs[k] + kMinute / 2, lat, lon);
                const double earlier = reference.SunHeight(rule, *theirs[k] - kMinute / 2, lat, lon);
                t.CrossingPace[i][k] = std::fabs(later - earlier) * 60.0;
            }
            if (mine[k]) t.HeightAtOurs[i][k] = reference.SunHeight(rule, *mine[k], lat, lon) * 60.0;
        }
    }

    struct LimbRule {
        LimbAngle angle;
        double span;
    };
    constexpr LimbRule kLimbs[] = {{LimbAngle::Elongation, 12.0},
                                   {LimbAngle::Moon, 360.0 / 27.0},
                                   {LimbAngle::Sum, 360.0 / 27.0},
                                   {LimbAngle::Elongation, 6.0}};
    for (std::size_t i = 0; i < t.Limbs.size(); ++i) {
        const LimbRule& rule = kLimbs[i];
        const double value = reference.LimbValue(rule.angle, SkyAyanamsa::Lahiri, jd);
        t.Limbs[i].Index = static_cast<int>(std::floor(value / rule.span));
        t.Limbs[i].EndsJd = reference.LimbReaches(rule.angle, SkyAyanamsa::Lahiri, jd, (t.Limbs[i].Index + 1) * rule.span);
    }

    const double moon = t.Position[kLahiriMean][Index(Body::Moon)];
    for (std::size_t i = 0; i < kYearLengths.size(); ++i) {
        int lord = 0;
        t.DashaStarts[i] = ReferenceDashaStarts(moon, jd, kYearLengths[i], lord);
        t.DashaLord = lord;
    }

    t.SaturnLeaves = reference.SaturnSignChange(SkyAyanamsa::Lahiri, jd, +1, tables.LastDay() - 1.0);
    t.SaturnEntered = reference.SaturnSignChange(SkyAyanamsa::Lahiri, jd, -1, tables.FirstDay() + 1.0);
    if (t.SaturnLeaves)
        reference.Longitude(Body::Saturn, SkyAyanamsa::Lahiri, SkyNode::Mean, *t.SaturnLeaves, &t.SaturnPerDayLeaves);
    if (t.SaturnEntered)
        reference.Longitude(Body::Saturn, SkyAyanamsa::Lahiri, SkyNode::Mean, *t.SaturnEntered, &t.SaturnPerDayEntered);
    return c;
}

}  // namespace velakor::crosscheck
