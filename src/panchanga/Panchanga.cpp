#include "panchanga/Panchanga.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "sky/PreciseSky.h"
#include "sky/SkyTables.h"
#include "vedic/Angles.h"
#include "vedic/Nakshatra.h"

namespace velakor {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kRad = kPi / 180.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kSiderealRate = 360.98564736629;  // degrees of sidereal time per day

double Wrap180(double x) {
    x = Fold360(x + 180.0);
    return x - 180.0;
}

double LowPrecisionSiderealTime(double jdUt) { return Fold360(280.46061837 + kSiderealRate * (jdUt - kJ2000)); }

// Where the Sun stands for its risings and settings. At the edge of the polar day it grazes
// the horizon for an hour, and a second of arc in its declination moves a rising by seconds
// of time, or across midnight: so it is taken from the precise sky's tables (the JPL
// ephemeris, nutation, Delta T and the IAU sidereal time) whenever the program has them.
// Without them, the low-precision expressions of the astronomical almanacs: about 0.01 degree
// from 1950 to 2050, a few seconds of time at sunrise.
class SunModel {
public:
    struct Place {
        double Ra, Dec;         // apparent right ascension and declination, degrees
        double SiderealTime;    // apparent at Greenwich, degrees
    };

    // The model for the days around jdUt.
    explicit SunModel(double jdUt) {
        const SkyTables* t = SkyTables::Shared();
        if (!t || !t->Covers(jdUt - kNodesBefore - 1.0) || !t->Covers(jdUt + kNodes)) return;
        tables_ = t;
        // A search evaluates the Sun a hundred times within these days; it moves smoothly
        // enough that a cubic through daily values is exact to a millionth of a second of arc.
        first_ = std::floor(jdUt) - kNodesBefore;
        for (int i = 0; i < kNodes; ++i) {
            nodes_[static_cast<std::size_t>(i)] = FromTables(first_ + i);
            if (i > 0) {
                double& ra = nodes_[static_cast<std::size_t>(i)].Ra;
                ra += 360.0 * std::round((nodes_[static_cast<std::size_t>(i) - 1].Ra - ra) / 360.0);
            }
        }
    }

    Place At(double jdUt) const {
        if (!tables_) return LowPrecision(jdUt);
        const double u = jdUt - first_;
        if (!(u >= 1.0 && u <= kNodes - 2.0)) return Exact(jdUt);
        // Lagrange's cubic through the four daily values about jdUt.
        const int k = std::min(static_cast<int>(u) - 1, kNodes - 4);
        const double x = u - k;
        const double w[4] = {-(x - 1) * (x - 2) * (x - 3) / 6, x * (x - 2) * (x - 3) / 2, -x * (x - 1) * (x - 3) / 2,
                             x * (x - 1) * (x - 2) / 6};
        Node n{};
        for (int i = 0; i < 4; ++i) {
            const Node& at = nodes_[static_cast<std::size_t>(k + i)];
            n.Ra += w[i] * at.Ra;
            n.Dec += w[i] * at.Dec;
            n.Equinoxes += w[i] * at.Equinoxes;
            n.DeltaT += w[i] * at.DeltaT;
        }
        return {Fold360(n.Ra), n.Dec, Fold360(MeanSiderealTime(jdUt, jdUt + n.DeltaT) + n.Equinoxes)};
    }

private:
    static constexpr int kNodes = 8;        // daily values from two days before the date's day ...
    static constexpr int kNodesBefore = 2;  // ... to five after: every search of a date stays within them
    struct Node {
        double Ra, Dec;      // degrees, the right ascension unwrapped from node to node
        double Equinoxes;    // the equation of the equinoxes, degrees
        double DeltaT;       // days
    };

    Node FromTables(double jdUt) const {
        Node n{};
        n.DeltaT = tables_->Value(SkySeries::DeltaT, jdUt);
        const double tt = jdUt + n.DeltaT;
        const double dpsi = tables_->Value(SkySeries::Nutation, tt);
        const double eps = tables_->Value(SkySeries::Obliquity, tt) * kDegToRadExact;
        // The tables' longitude is referred to the mean equinox; the true one adds the nutation.
        const double lambda = (tables_->Value(SkySeries::Sun, tt) + dpsi) * kDegToRadExact;
        n.Ra = Fold360(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) * kRadToDegExact);
        n.Dec = std::asin(std::sin(eps) * std::sin(lambda)) * kRadToDegExact;
        n.Equinoxes = dpsi * std::cos(eps);
        return n;
    }

    Place Exact(double jdUt) const {
        const Node n = FromTables(jdUt);
        return {n.Ra, n.Dec, Fold360(MeanSiderealTime(jdUt, jdUt + n.DeltaT) + n.Equinoxes)};
    }

    static Place LowPrecision(double jdUt) {
        Place p{};
        const double n = jdUt - kJ2000;
        const double L = Fold360(280.460 + 0.9856474 * n);
        const double g = Fold360(357.528 + 0.9856003 * n) * kRad;
        const double lambda = (L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kRad;
        const double eps = (23.439 - 0.0000004 * n) * kRad;
        p.Ra = Fold360(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / kRad);
        p.Dec = std::asin(std::sin(eps) * std::sin(lambda)) / kRad;
        p.SiderealTime = LowPrecisionSiderealTime(jdUt);
        return p;
    }

    const SkyTables* tables_ = nullptr;
    double first_ = 0.0;
    std::array<Node, kNodes> nodes_{};
};

// The moment near jdGuess when the Sun's altitude is h0 (rising or setting); false when
// the Sun stays above or below that altitude all day.
bool SunAtAltitude(const SunModel& sun, double jdGuess, double lat, double lon, double h0, bool rising, double& jd) {
    double t = jdGuess;
    for (int i = 0; i < 12; ++i) {
        const SunModel::Place p = sun.At(t);
        const double cosH = (std::sin(h0 * kRad) - std::sin(lat * kRad) * std::sin(p.Dec * kRad)) /
                            (std::cos(lat * kRad) * std::cos(p.Dec * kRad));
        if (cosH > 1.0 || cosH < -1.0) return false;
        const double h = std::acos(cosH) / kRad;
        const double hourAngle = Wrap180(p.SiderealTime + lon - p.Ra);
        const double dt = Wrap180((rising ? -h : h) - hourAngle) / kSiderealRate;
        t += dt;
        if (std::fabs(dt) < 1e-6) break;
    }
    jd = t;
    return true;
}

// How far the Sun stands above the altitude h0, as the sine of its altitude less that of h0:
// the sign says above or below, and it changes only where the Sun rises or sets.
double AboveAltitude(const SunModel& sun, double jd, double lat, double lon, double h0) {
    const SunModel::Place p = sun.At(jd);
    const double hourAngle = (p.SiderealTime + lon - p.Ra) * kRad;
    return std::sin(lat * kRad) * std::sin(p.Dec * kRad) +
           std::cos(lat * kRad) * std::cos(p.Dec * kRad) * std::cos(hourAngle) - std::sin(h0 * kRad);
}

// The Sun's meridian passage nearest jd at which its hour angle is `target` degrees (0 the
// upper passage, 180 the lower). The hour angle turns about 360 degrees a day.
double MeridianPassage(const SunModel& sun, double jd, double lon, double target) {
    double t = jd;
    for (int i = 0; i < 6; ++i) {
        const SunModel::Place p = sun.At(t);
        const double dt = Wrap180(target - (p.SiderealTime + lon - p.Ra)) / 360.0;
        t += dt;
        if (std::fabs(dt) < 1e-7) break;
    }
    return t;
}

// The one crossing of h0 between a and b, where the altitude climbs (rising) or falls all the
// way: the sign of AboveAltitude differs at the two ends. The almanac's iteration from the
// usual guess answers first when it lands inside; otherwise the interval is halved.
double CrossingBetween(const SunModel& sun, double a, double b, double lat, double lon, double h0, bool rising,
                       double usualGuess) {
    double jd = 0.0;
    if (SunAtAltitude(sun, usualGuess, lat, lon, h0, rising, jd) && jd >= a && jd <= b) return jd;
    if (SunAtAltitude(sun, (a + b) / 2, lat, lon, h0, rising, jd) && jd >= a && jd <= b) return jd;
    // Close to the polar day or night the iteration may leave the interval: halve it down
    // to a hundredth of a second.
    const bool sideA = AboveAltitude(sun, a, lat, lon, h0) > 0;
    while (b - a > 1e-7) {
        const double mid = (a + b) / 2;
        if ((AboveAltitude(sun, mid, lat, lon, h0) > 0) == sideA) {
            a = mid;
        } else {
            b = mid;
        }
    }
    return (a + b) / 2;
}

// The Sun's crossings of the altitude h0 at one place, found in a span of time.
class SunCrossings {
public:
    SunCrossings(const SunModel& sun, double lat, double lon, double h0) : sun_(sun), lat_(lat), lon_(lon), h0_(h0) {}

    // The first rising (or setting) from `from` up to `to`, if any. usualGuess starts the
    // almanac's iteration: the morning or evening of the date.
    std::optional<double> First(double from, double to, bool rising, double usualGuess) const {
        return Find(from, to, rising, usualGuess, true);
    }
    // The last rising (or setting) from `from` up to `to`, if any.
    std::optional<double> Last(double from, double to, bool rising, double usualGuess) const {
        return Find(from, to, rising, usualGuess, false);
    }
    bool AboveAt(double jd) const { return AboveAltitude(sun_, jd, lat_, lon_, h0_) > 0; }

private:
    // Between two meridian passages the altitude only climbs or only falls, so each piece of
    // the span cut at the passages holds one crossing at most, seen as a change of side.
    std::optional<double> Find(double from, double to, bool rising, double usualGuess, bool first) const {
        constexpr int kMaxCuts = 16;  // a few days of half turns and the two ends
        std::array<double, kMaxCuts> cuts{};
        int count = 0;
        cuts[count++] = from;
        const SunModel::Place p = sun_.At(from);
        // The first half turn of the hour angle after `from`, then every half day.
        const double turned = Fold360(p.SiderealTime + lon_ - p.Ra);
        double target = turned < 180.0 ? 180.0 : 360.0;
        double passage = MeridianPassage(sun_, from + (target - turned) / 360.0, lon_, Fold360(target));
        while (passage < to && count < kMaxCuts - 1) {
            if (passage > from) cuts[count++] = passage;
            target += 180.0;
            passage = MeridianPassage(sun_, passage + 0.5, lon_, Fold360(target));
        }
        cuts[count++] = to;

        std::array<bool, kMaxCuts> above{};
        for (int i = 0; i < count; ++i) above[i] = AboveAt(cuts[i]);
        for (int k = 1; k < count; ++k) {
            const int i = first ? k : count - k;  // the piece from cuts[i - 1] to cuts[i]
            if (above[i - 1] != above[i] && above[i] == rising)
                return CrossingBetween(sun_, cuts[i - 1], cuts[i], lat_, lon_, h0_, rising, usualGuess);
        }
        return std::nullopt;
    }

    const SunModel& sun_;
    double lat_, lon_, h0_;
};

// The Sun's geocentric altitude at which the rule's sunrise happens: the centre of the disc
// on the true horizon, or the upper limb (16') raised by the standard refraction (34'), as
// seen from the place. Seen from the Earth's surface the Sun stands lower by its parallax
// (8.794" at its mean distance), which at the edge of the polar day is many seconds of time.
double RisingAltitude(SunriseRule rule) {
    constexpr double kParallax = 8.794 / 3600.0;
    return (rule == SunriseRule::Centre ? 0.0 : -50.0 / 60.0) + kParallax;
}

// The sunrise and sunset of a civil date, from the crossings at the place.
SunEvents DateSunEvents(const SunCrossings& crossings, double start) {
    // The date as the birth's clock reads it, midnight to midnight. Far from the clock's
    // own meridian, or near the polar day, its rising may come late in the evening: the
    // sunset is the first after it, on the next date if it comes after midnight, so that the
    // day it ends is the day the sunrise began. A date without a rising has its own first
    // setting, if any.
    const double end = start + 1.0;
    const double morning = start + 0.25, evening = start + 0.75;
    SunEvents e;
    if (const auto rise = crossings.First(start, end, true, morning)) {
        e.Rises = true;
        e.RiseJd = *rise;
        if (const auto set = crossings.First(*rise, *rise + 1.0, false, evening)) {
            e.Sets = true;
            e.SetJd = *set;
        }
    } else if (const auto set = crossings.First(start, end, false, evening)) {
        e.Sets = true;
        e.SetJd = *set;
    }
    // What the note says follows what the times show: a day without a setting has the Sun up
    // where it would set, one without a rising has it down.
    if (e.Rises && !e.Sets) {
        e.Passage = SunPassage::AlwaysUp;
    } else if (!e.Rises && e.Sets) {
        e.Passage = SunPassage::AlwaysDown;
    } else if (!e.Rises && !e.Sets) {
        e.Passage = crossings.AboveAt(start) ? SunPassage::AlwaysUp : SunPassage::AlwaysDown;
    }
    return e;
}

// The Sun's and Moon's longitudes combined as one panchanga limb counts them.
enum class Limb { Elongation, Moon, Sum };

double LimbOf(Limb limb, double sun, double moon) {
    if (limb == Limb::Moon) return moon;
    return Fold360(limb == Limb::Elongation ? moon - sun : moon + sun);
}

double LimbValue(Limb limb, const Sky& sky, double jd) {
    const double moon = sky.SiderealLongitude(Body::Moon, jd);
    if (limb == Limb::Moon) return moon;
    return LimbOf(limb, sky.SiderealLongitude(Body::Sun, jd), moon);
}

// The Sun and the Moon in the sky at the moment every search of a limb's end begins.
struct SkyAt {
    double Jd, Sun, Moon;
};

// When the limb's value reaches target (degrees), searching forward from the moment `from`
// by the secant method; the mean daily motion gives the first step.
double LimbReaches(Limb limb, const Sky& sky, const SkyAt& from, double target, double meanRate) {
    double t0 = from.Jd;
    double f0 = Wrap180(target - LimbOf(limb, from.Sun, from.Moon));
    double t1 = t0 + f0 / meanRate;
    for (int i = 0; i < 30; ++i) {
        const double f1 = Wrap180(target - LimbValue(limb, sky, t1));
        if (std::fabs(f1) < 1e-7 || f1 == f0) break;
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
        if (std::fabs(t1 - t0) < 2e-6) break;  // a fifth of a second
    }
    return t1;
}

constexpr std::array<std::string_view, 7> kVara{"Sunday", "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 7> kVaraSanskrit{"Ravivara", "Somavara", "Mangalavara", "Budhavara",
                                                        "Guruvara", "Shukravara", "Shanivara"};
constexpr std::array<std::string_view, 15> kTithi{
    "Pratipada", "Dwitiya", "Tritiya",  "Chaturthi", "Panchami",    "Shashthi",    "Saptami", "Ashtami",
    "Navami",    "Dashami", "Ekadashi", "Dwadashi",  "Trayodashi", "Chaturdashi", "Purnima"};
constexpr std::array<std::string_view, 27> kYoga{
    "Vishkumbha", "Priti",   "Ayushman", "Saubhagya", "Shobhana", "Atiganda", "Sukarma", "Dhriti",
    "Shula",      "Ganda",   "Vriddhi",  "Dhruva",    "Vyaghata", "Harshana", "Vajra",   "Siddhi",
    "Vyatipata",  "Variyan", "Parigha",  "Shiva",     "Siddha",   "Sadhya",   "Shubha",  "Shukla",
    "Brahma",     "Indra",   "Vaidhriti"};
constexpr std::array<std::string_view, 7> kMovableKarana{"Bava", "Balava", "Kaulava", "Taitila",
                                                         "Gara", "Vanija", "Vishti"};

int SpanIndex(double value, double span, int count) {
    const double i = std::floor(Fold360(value) / span);
    // A longitude that is no number (a damaged sky) must not become an index.
    if (!(i >= 0)) return 0;
    return i >= count ? count - 1 : static_cast<int>(i);
}

// The vara of a moment: the weekday of the date of the last sunrise before it, which is the
// moment's date when the Sun rose on it before the moment, else the date before when it rose
// then. Where it rose on neither (the polar day or night), the moment's own date.
int VaraOfMoment(double jdUt, const CivilMoment& date, double dateStart, const SunEvents& sun,
                 const SunCrossings& crossings) {
    const std::int64_t days = DaysFromCivil(date.Year, date.Month, date.Day);
    const bool risenToday = sun.Rises && sun.RiseJd <= jdUt;
    const bool roseYesterday =
        !risenToday && crossings.Last(dateStart - 1.0, dateStart, true, dateStart - 0.75).has_value();
    return WeekdayOfDays(roseYesterday ? days - 1 : days);
}

}  // namespace

int VaraAt(double jdUt, int offsetMinutes, double latitude, double longitude, SunriseRule rule) {
    const CivilMoment date = CivilFromJd(jdUt, offsetMinutes);
    const double start = JdFromCivil(date.Year, date.Month, date.Day, 0.0, offsetMinutes);
    const SunModel sun(start);
    const SunCrossings crossings(sun, latitude, longitude, RisingAltitude(rule));
    return VaraOfMoment(jdUt, date, start, DateSunEvents(crossings, start), crossings);
}

SunEvents SunriseSunset(int year, int month, int day, int offsetMinutes, double latitude, double longitude,
                        SunriseRule rule) {
    const double start = JdFromCivil(year, month, day, 0.0, offsetMinutes);
    const SunModel sun(start);
    return DateSunEvents(SunCrossings(sun, latitude, longitude, RisingAltitude(rule)), start);
}

Panchanga ComputePanchanga(double sunLongitude, double moonLongitude, double birthJdUt, int offsetMinutes,
                           double latitude, double longitude, const Sky& sky, SunriseRule rule) {
    Panchanga p;
    const CivilMoment birth = CivilFromJd(birthJdUt, offsetMinutes);
    const double start = JdFromCivil(birth.Year, birth.Month, birth.Day, 0.0, offsetMinutes);
    const SunModel sun(start);
    const SunCrossings crossings(sun, latitude, longitude, RisingAltitude(rule));
    p.Sun = DateSunEvents(crossings, start);
    p.Vara = VaraOfMoment(birthJdUt, birth, start, p.Sun, crossings);

    constexpr double kSpan27 = 360.0 / 27.0;
    const double elongation = Fold360(moonLongitude - sunLongitude);
    p.Tithi.Index = SpanIndex(elongation, 12.0, 30);
    p.Karana.Index = SpanIndex(elongation, 6.0, 60);
    p.Nakshatra.Index = NakshatraIndex(NakshatraOf(moonLongitude));
    p.Yoga.Index = SpanIndex(moonLongitude + sunLongitude, kSpan27, 27);

    // Mean daily motions: the Moon 13.18 degrees, the Sun 0.99.
    // Every search begins with the sky at birth, taken once; a karana in the second half of
    // its tithi ends with it, found by the same search.
    const SkyAt at{birthJdUt, sky.SiderealLongitude(Body::Sun, birthJdUt), sky.SiderealLongitude(Body::Moon, birthJdUt)};
    const double tithiEnd = (p.Tithi.Index + 1) * 12.0, karanaEnd = (p.Karana.Index + 1) * 6.0;
    p.Tithi.EndsJd = LimbReaches(Limb::Elongation, sky, at, tithiEnd, 12.19);
    p.Karana.EndsJd = karanaEnd == tithiEnd ? p.Tithi.EndsJd : LimbReaches(Limb::Elongation, sky, at, karanaEnd, 12.19);
    p.Nakshatra.EndsJd = LimbReaches(Limb::Moon, sky, at, (p.Nakshatra.Index + 1) * kSpan27, 13.18);
    p.Yoga.EndsJd = LimbReaches(Limb::Sum, sky, at, (p.Yoga.Index + 1) * kSpan27, 14.17);
    return p;
}

Panchanga ComputePanchanga(const BirthRecord& b, const Chart& c, const Sky& sky, SunriseRule rule) {
    return ComputePanchanga(c[Body::Sun].Longitude, c[Body::Moon].Longitude, c.JdUt, BirthUtcOffsetMinutes(b),
                            BirthLatitude(b), BirthLongitude(b), sky, rule);
}

// A number below 0 names nothing: the tables are never indexed with it.
std::string_view VaraName(int vara) { return vara < 0 ? "" : kVara[static_cast<std::size_t>(vara % 7)]; }
std::string_view VaraSanskritName(int vara) {
    return vara < 0 ? "" : kVaraSanskrit[static_cast<std::size_t>(vara % 7)];
}

std::string_view TithiName(int tithi) {
    if (tithi == 29) return "Amavasya";
    return tithi < 0 ? "" : kTithi[static_cast<std::size_t>(tithi % 15)];
}

std::string_view PakshaName(int tithi) { return tithi < 15 ? "Shukla" : "Krishna"; }

std::string_view YogaName(int yoga) { return yoga < 0 ? "" : kYoga[static_cast<std::size_t>(yoga % 27)]; }

namespace {

// Which of the eleven karanas half-tithi `karana` (0..59) is: 1..7 the movable ones from Bava,
// 8 Shakuni, 9 Chatushpada, 10 Naga, 11 Kimstughna. The first half of the new Moon's first
// tithi is fixed, then the seven movable karanas turn eight times, and the last three halves
// of the month are fixed again.
int KaranaNumber(int karana) {
    if (karana <= 0) return 11;
    if (karana >= 57) return 8 + (karana - 57 > 2 ? 2 : karana - 57);
    return (karana - 1) % 7 + 1;
}

constexpr std::array<std::string_view, 4> kFixedKarana{"Shakuni", "Chatushpada", "Naga", "Kimstughna"};

}  // namespace

std::string_view KaranaName(int karana) {
    const int n = KaranaNumber(karana);
    return n <= 7 ? kMovableKarana[static_cast<std::size_t>(n - 1)] : kFixedKarana[static_cast<std::size_t>(n - 8)];
}

std::string_view VaraName(int vara, Language lang) {
    if (lang == Language::English || vara < 0) return VaraName(vara);
    return TranslatedName(Vocabulary::Vara, vara % 7 + 1, lang);
}

std::string_view TithiPakshaName(int tithi, Language lang) {
    return tithi < 0 ? std::string_view{} : TranslatedName(Vocabulary::Tithi, tithi % 30 + 1, lang);
}

std::string_view PakshaName(int tithi, Language lang) {
    if (lang == Language::English) return PakshaName(tithi);
    return TranslatedName(Vocabulary::Paksha, tithi < 15 ? 1 : 2, lang);
}

// The table names a tithi with its paksha's word first; the name alone follows that word.
std::string_view TithiName(int tithi, Language lang) {
    if (lang == Language::English) return TithiName(tithi);
    std::string_view name = TithiPakshaName(tithi, lang);
    const std::string_view paksha = PakshaName(tithi, lang);
    if (name.size() > paksha.size() && name.substr(0, paksha.size()) == paksha && name[paksha.size()] == ' ')
        name.remove_prefix(paksha.size() + 1);
    return name;
}

std::string_view YogaName(int yoga, Language lang) {
    if (lang == Language::English || yoga < 0) return YogaName(yoga);
    return TranslatedName(Vocabulary::Yoga, yoga % 27 + 1, lang);
}

std::string_view KaranaName(int karana, Language lang) {
    if (lang == Language::English) return KaranaName(karana);
    return TranslatedName(Vocabulary::Karana, KaranaNumber(karana), lang);
}

std::string_view SunPassageNote(SunPassage passage) {
    switch (passage) {
        case SunPassage::AlwaysUp: return "The Sun does not set on this day.";
        case SunPassage::AlwaysDown: return "The Sun does not rise on this day.";
        case SunPassage::Normal: break;
    }
    return "";
}

}  // namespace velakor
