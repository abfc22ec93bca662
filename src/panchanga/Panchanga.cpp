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
bool SunAtAltitude(double jdGuess, double lat, double lon, double h0, bool rising, SunPassage& passage,
                   double& jd) {
    double t = jdGuess;
    for (int i = 0; i < 12; ++i) {
        double ra = 0, dec = 0;
        SunEquatorial(t, ra, dec);
        const double cosH = (std::sin(h0 * kRad) - std::sin(lat * kRad) * std::sin(dec * kRad)) /
                            (std::cos(lat * kRad) * std::cos(dec * kRad));
        if (cosH > 1.0 || cosH < -1.0) {
            passage = cosH > 1.0 ? SunPassage::AlwaysDown : SunPassage::AlwaysUp;
            return false;
        }
        const double h = std::acos(cosH) / kRad;
        const double hourAngle = Wrap180(SiderealTime(t) + lon - ra);
        const double dt = Wrap180((rising ? -h : h) - hourAngle) / kSiderealRate;
        t += dt;
        if (std::fabs(dt) < 1e-6) break;
    }
    jd = t;
    return true;
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

}  // namespace

SunEvents SunriseSunset(int year, int month, int day, int offsetMinutes, double latitude, double longitude,
                        SunriseRule rule) {
    // The centre of the disc on the true horizon, or the upper limb (16') raised by the
    // standard refraction (34').
    const double h0 = rule == SunriseRule::Centre ? 0.0 : -50.0 / 60.0;
    const double noon = JdFromCivil(year, month, day, 12.0, offsetMinutes);
    SunEvents e;
    SunPassage riseFailure = SunPassage::Normal, setFailure = SunPassage::Normal;
    e.Rises = SunAtAltitude(noon - 0.25, latitude, longitude, h0, true, riseFailure, e.RiseJd);
    e.Sets = SunAtAltitude(noon + 0.25, latitude, longitude, h0, false, setFailure, e.SetJd);
    if (!e.Rises) e.RiseJd = 0.0;
    if (!e.Sets) e.SetJd = 0.0;
    e.Passage = riseFailure != SunPassage::Normal ? riseFailure : setFailure;
    return e;
}

Panchanga ComputePanchanga(double sunLongitude, double moonLongitude, double birthJdUt, int offsetMinutes,
                           double latitude, double longitude, const Sky& sky, SunriseRule rule) {
    Panchanga p;
    const CivilMoment birth = CivilFromJd(birthJdUt, offsetMinutes);
    p.Sun = SunriseSunset(birth.Year, birth.Month, birth.Day, offsetMinutes, latitude, longitude, rule);
    const std::int64_t days = DaysFromCivil(birth.Year, birth.Month, birth.Day);
    const bool beforeSunrise = p.Sun.Rises && birthJdUt < p.Sun.RiseJd;
    p.Vara = WeekdayOfDays(beforeSunrise ? days - 1 : days);

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
