#include "panchanga/Panchanga.h"

#include <array>
#include <cmath>

#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
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

// The Sun's apparent right ascension and declination (degrees) from the low-precision
// expressions of the astronomical almanacs: about 0.01 degree from 1950 to 2050, a few
// seconds of time at sunrise.
void SunEquatorial(double jdUt, double& ra, double& dec) {
    const double n = jdUt - kJ2000;
    const double L = Fold360(280.460 + 0.9856474 * n);
    const double g = Fold360(357.528 + 0.9856003 * n) * kRad;
    const double lambda = (L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kRad;
    const double eps = (23.439 - 0.0000004 * n) * kRad;
    ra = Fold360(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / kRad);
    dec = std::asin(std::sin(eps) * std::sin(lambda)) / kRad;
}

double SiderealTime(double jdUt) { return Fold360(280.46061837 + kSiderealRate * (jdUt - kJ2000)); }

// The moment near jdGuess when the Sun's altitude is h0 (rising or setting); false when
// the Sun stays above or below that altitude all day.
bool SunAtAltitude(double jdGuess, double lat, double lon, double h0, bool rising, double& jd) {
    double t = jdGuess;
    for (int i = 0; i < 12; ++i) {
        double ra = 0, dec = 0;
        SunEquatorial(t, ra, dec);
        const double cosH = (std::sin(h0 * kRad) - std::sin(lat * kRad) * std::sin(dec * kRad)) /
                            (std::cos(lat * kRad) * std::cos(dec * kRad));
        if (cosH > 1.0 || cosH < -1.0) return false;
        const double h = std::acos(cosH) / kRad;
        const double hourAngle = Wrap180(SiderealTime(t) + lon - ra);
        const double dt = Wrap180((rising ? -h : h) - hourAngle) / kSiderealRate;
        t += dt;
        if (std::fabs(dt) < 1e-6) break;
    }
    jd = t;
    return true;
}

// How far the Sun stands above the altitude h0, as the sine of its altitude less that of h0:
// the sign says above or below, and it changes only where the Sun rises or sets.
double AboveAltitude(double jd, double lat, double lon, double h0) {
    double ra = 0, dec = 0;
    SunEquatorial(jd, ra, dec);
    const double hourAngle = (SiderealTime(jd) + lon - ra) * kRad;
    return std::sin(lat * kRad) * std::sin(dec * kRad) +
           std::cos(lat * kRad) * std::cos(dec * kRad) * std::cos(hourAngle) - std::sin(h0 * kRad);
}

// The Sun's meridian passage nearest jd at which its hour angle is `target` degrees (0 the
// upper passage, 180 the lower). The hour angle turns about 360 degrees a day.
double MeridianPassage(double jd, double lon, double target) {
    double t = jd;
    for (int i = 0; i < 6; ++i) {
        double ra = 0, dec = 0;
        SunEquatorial(t, ra, dec);
        const double dt = Wrap180(target - (SiderealTime(t) + lon - ra)) / 360.0;
        t += dt;
        if (std::fabs(dt) < 1e-7) break;
    }
    return t;
}

// The one crossing of h0 between a and b, where the altitude climbs (rising) or falls all the
// way: the sign of AboveAltitude differs at the two ends. The almanac's iteration from the
// usual guess answers first when it lands inside; otherwise the interval is halved.
double CrossingBetween(double a, double b, double lat, double lon, double h0, bool rising, double usualGuess) {
    double jd = 0.0;
    if (SunAtAltitude(usualGuess, lat, lon, h0, rising, jd) && jd >= a && jd <= b) return jd;
    if (SunAtAltitude((a + b) / 2, lat, lon, h0, rising, jd) && jd >= a && jd <= b) return jd;
    // Close to the polar day or night the iteration may leave the interval: halve it down
    // to a hundredth of a second.
    const bool sideA = AboveAltitude(a, lat, lon, h0) > 0;
    while (b - a > 1e-7) {
        const double mid = (a + b) / 2;
        if ((AboveAltitude(mid, lat, lon, h0) > 0) == sideA) {
            a = mid;
        } else {
            b = mid;
        }
    }
    return (a + b) / 2;
}

// The Sun's and Moon's longitudes combined as one panchanga limb counts them.
enum class Limb { Elongation, Moon, Sum };

double LimbValue(Limb limb, const Sky& sky, double jd) {
    const double moon = sky.SiderealLongitude(Body::Moon, jd);
    if (limb == Limb::Moon) return moon;
    const double sun = sky.SiderealLongitude(Body::Sun, jd);
    return Fold360(limb == Limb::Elongation ? moon - sun : moon + sun);
}

// When the limb's value reaches target (degrees), searching forward from jd by the secant
// method; the mean daily motion gives the first step.
double LimbReaches(Limb limb, const Sky& sky, double jd, double target, double meanRate) {
    double t0 = jd;
    double f0 = Wrap180(target - LimbValue(limb, sky, t0));
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

// The weekday of jdUt on its civil date, whose sunrise is given: before it, the day before.
int VaraOfDate(double jdUt, const CivilMoment& date, const SunEvents& sun) {
    const std::int64_t days = DaysFromCivil(date.Year, date.Month, date.Day);
    const bool beforeSunrise = sun.Rises && jdUt < sun.RiseJd;
    return WeekdayOfDays(beforeSunrise ? days - 1 : days);
}

}  // namespace

int VaraAt(double jdUt, int offsetMinutes, double latitude, double longitude, SunriseRule rule) {
    const CivilMoment date = CivilFromJd(jdUt, offsetMinutes);
    return VaraOfDate(jdUt, date,
                      SunriseSunset(date.Year, date.Month, date.Day, offsetMinutes, latitude, longitude, rule));
}

SunEvents SunriseSunset(int year, int month, int day, int offsetMinutes, double latitude, double longitude,
                        SunriseRule rule) {
    // The centre of the disc on the true horizon, or the upper limb (16') raised by the
    // standard refraction (34').
    const double h0 = rule == SunriseRule::Centre ? 0.0 : -50.0 / 60.0;
    // The date as the birth's clock reads it, midnight to midnight. Far from the clock's
    // own meridian, or near the polar day, its rising may come late in the evening and
    // its setting soon after midnight: every crossing inside the date is found, wherever
    // it falls.
    const double start = JdFromCivil(year, month, day, 0.0, offsetMinutes);
    const double end = start + 1.0;
    const double noon = start + 0.5;

    // Between two meridian passages the altitude only climbs or only falls, so each piece
    // of the date cut at the passages holds one crossing at most, seen as a change of side.
    std::array<double, 6> cuts{};
    int count = 0;
    cuts[count++] = start;
    double ra = 0, dec = 0;
    SunEquatorial(start, ra, dec);
    // The first half turn of the hour angle after midnight, then every half day.
    const double turned = Fold360(SiderealTime(start) + longitude - ra);
    double target = turned < 180.0 ? 180.0 : 360.0;
    double passage = MeridianPassage(start + (target - turned) / 360.0, longitude, Fold360(target));
    while (passage < end && count < 5) {
        if (passage > start) cuts[count++] = passage;
        target += 180.0;
        passage = MeridianPassage(passage + 0.5, longitude, Fold360(target));
    }
    cuts[count++] = end;

    // The pieces in which the Sun crosses, in order: rising where it comes up.
    std::array<int, 5> crossed{};
    std::array<bool, 5> rises{};
    int crossings = 0;
    bool above = AboveAltitude(start, latitude, longitude, h0) > 0;
    const bool aboveAtStart = above;
    for (int i = 1; i < count; ++i) {
        const bool next = AboveAltitude(cuts[i], latitude, longitude, h0) > 0;
        if (next == above) continue;
        crossed[crossings] = i;
        rises[crossings++] = next;
        above = next;
    }
    // The date's sunrise is its first rising; its sunset the first setting after that, which
    // ends the day the sunrise began, or else the first setting of the date.
    int rise = -1, set = -1;
    for (int k = 0; k < crossings; ++k) {
        if (rises[k] && rise < 0) rise = k;
        if (!rises[k] && (set < 0 || (rise >= 0 && set < rise && k > rise))) set = k;
    }
    SunEvents e;
    if (rise >= 0) {
        const int i = crossed[rise];
        e.Rises = true;
        e.RiseJd = CrossingBetween(cuts[i - 1], cuts[i], latitude, longitude, h0, true, noon - 0.25);
    }
    if (set >= 0) {
        const int i = crossed[set];
        e.Sets = true;
        e.SetJd = CrossingBetween(cuts[i - 1], cuts[i], latitude, longitude, h0, false, noon + 0.25);
    }
    // What the note says follows what the times show: a date without a setting has the
    // Sun up where it would set, one without a rising has it down.
    if (e.Rises && !e.Sets) {
        e.Passage = SunPassage::AlwaysUp;
    } else if (!e.Rises && e.Sets) {
        e.Passage = SunPassage::AlwaysDown;
    } else if (!e.Rises && !e.Sets) {
        e.Passage = aboveAtStart ? SunPassage::AlwaysUp : SunPassage::AlwaysDown;
    }
    return e;
}

Panchanga ComputePanchanga(double sunLongitude, double moonLongitude, double birthJdUt, int offsetMinutes,
                           double latitude, double longitude, const Sky& sky, SunriseRule rule) {
    Panchanga p;
    const CivilMoment birth = CivilFromJd(birthJdUt, offsetMinutes);
    p.Sun = SunriseSunset(birth.Year, birth.Month, birth.Day, offsetMinutes, latitude, longitude, rule);
    p.Vara = VaraOfDate(birthJdUt, birth, p.Sun);

    constexpr double kSpan27 = 360.0 / 27.0;
    const double elongation = Fold360(moonLongitude - sunLongitude);
    p.Tithi.Index = SpanIndex(elongation, 12.0, 30);
    p.Karana.Index = SpanIndex(elongation, 6.0, 60);
    p.Nakshatra.Index = NakshatraIndex(NakshatraOf(moonLongitude));
    p.Yoga.Index = SpanIndex(moonLongitude + sunLongitude, kSpan27, 27);

    // Mean daily motions: the Moon 13.18 degrees, the Sun 0.99.
    p.Tithi.EndsJd = LimbReaches(Limb::Elongation, sky, birthJdUt, (p.Tithi.Index + 1) * 12.0, 12.19);
    p.Karana.EndsJd = LimbReaches(Limb::Elongation, sky, birthJdUt, (p.Karana.Index + 1) * 6.0, 12.19);
    p.Nakshatra.EndsJd = LimbReaches(Limb::Moon, sky, birthJdUt, (p.Nakshatra.Index + 1) * kSpan27, 13.18);
    p.Yoga.EndsJd = LimbReaches(Limb::Sum, sky, birthJdUt, (p.Yoga.Index + 1) * kSpan27, 14.17);
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

std::string_view KaranaName(int karana) {
    // The first half of the new Moon's first tithi is fixed, then the seven movable
    // karanas turn eight times, and the last three halves of the month are fixed again.
    if (karana <= 0) return "Kimstughna";
    if (karana >= 57) {
        static constexpr std::array<std::string_view, 3> kLast{"Shakuni", "Chatushpada", "Naga"};
        return kLast[static_cast<std::size_t>(karana - 57 > 2 ? 2 : karana - 57)];
    }
    return kMovableKarana[static_cast<std::size_t>((karana - 1) % 7)];
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
