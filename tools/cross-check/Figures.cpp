#include "Figures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "astro/CivilTime.h"
#include "chart/NameTables.h"
#include "dasha/Vimshottari.h"
#include "kp/SubLords.h"
#include "panchanga/Panchanga.h"
#include "vedic/Angles.h"
#include "vedic/Nakshatra.h"
#include "vedic/Sign.h"

namespace velakor::crosscheck {
namespace {

constexpr int kBuiltin = -1;
constexpr const char* kChoices = "What each choice moves: the program against itself";
constexpr int kLahiriMean = PreciseSkyOf(SkyAyanamsa::Lahiri, SkyNode::Mean);

// How many of a unit make a degree (angles) or a day (times).
double PerUnit(Unit u) {
    switch (u) {
        case Unit::Arcseconds: return 3600.0;
        case Unit::Arcminutes: return 60.0;
        case Unit::Seconds: return 86400.0;
        case Unit::Minutes: return 1440.0;
        case Unit::Hours: return 24.0;
        case Unit::Days: break;
    }
    return 1.0;
}

const SkyResult& Side(const Case& c, int sky) {
    return sky == kBuiltin ? c.Ours.Builtin : c.Ours.Precise[static_cast<std::size_t>(sky)];
}

// One name the program gives beside the name the reference's value gives. `nameOf` turns a
// longitude into a name's number; the boundary is near when the reference's value moved by
// the tolerance either way would give another.
template <typename NameOf, typename Text>
void CheckName(Measured& m, std::string_view what, int ours, double theirs, double tolerance, NameOf nameOf,
               Text text) {
    ++m.NamesCompared;
    const int reference = nameOf(theirs);
    if (ours == reference) return;
    const bool near = nameOf(theirs - tolerance) != nameOf(theirs + tolerance);
    m.Disagreements.push_back({std::string(what), text(ours), text(reference), near});
}

std::string Number(int n) { return std::to_string(n); }

// The names that follow from a body's longitude: its sign, nakshatra and pada, and its sign
// in every varga (for the bodies and the ascendant).
void PositionNames(Measured& m, const SkyResult& r, Body body, double theirs, double toleranceDegrees) {
    const BodyPosition& p = r.Chart[body];
    auto signText = [](int s) { return std::string(SignEnglishName(SignFromIndex(s))); };
    CheckName(m, "sign", SignIndex(p.Rashi), theirs, toleranceDegrees,
              [](double lon) { return SignIndex(SignOf(lon)); }, signText);
    CheckName(m, "nakshatra", NakshatraIndex(p.Star), theirs, toleranceDegrees,
              [](double lon) { return NakshatraIndex(NakshatraOf(Fold360(lon))); },
              [](int n) { return std::string(NakshatraName(static_cast<Nakshatra>(n))); });
    CheckName(m, "pada", p.Pada, theirs, toleranceDegrees, [](double lon) { return PadaOf(Fold360(lon)); }, Number);
    const std::size_t point = body == Body::Ascendant ? kDivisionalPoints - 1 : Index(body);
    if (body == Body::Midheaven) return;
    for (std::size_t v = 1; v < kVargas.size(); ++v) {
        const int parts = kVargas[v].Parts;
        CheckName(m, kVargas[v].Key, SignIndex(r.Vargas[v][point]), theirs, toleranceDegrees,
                  [parts](double lon) { return DivisionalSign(lon, parts); }, signText);
    }
}

Figure Position(std::string key, std::string section, std::string name, Unit unit, double tolerance, int sky,
                Body body) {
    const int theirSky = sky == kBuiltin ? kLahiriMean : sky;
    auto measure = [=](const Case& c) {
        Measured m;
        const SkyResult& r = Side(c, sky);
        const double theirs = c.Theirs.Position[static_cast<std::size_t>(theirSky)][Index(body)];
        m.Differences.push_back(std::remainder(r.Chart[body].Longitude - theirs, 360.0) * PerUnit(unit));
        PositionNames(m, r, body, theirs, tolerance / PerUnit(unit));
        // The retrograde mark, where the reference's motion is known. The precise sky marks a
        // planet by its own motion: one moving less than the tolerance a day may be given
        // either. The built-in sky reads tables of station dates: a station within two days
        // (the table's date on another clock) may be on either side.
        const auto marked = std::find(kRetrogradeBodies.begin(), kRetrogradeBodies.end(), body);
        if (marked != kRetrogradeBodies.end() && theirSky == kLahiriMean) {
            const double perDay = c.Theirs.PerDay[Index(body)];
            const std::array<double, 2>& around = c.Theirs.PerDayAround[Index(body)];
            const bool ours = r.Chart[body].Retrograde, theirs = perDay < 0;
            ++m.NamesCompared;
            if (ours != theirs) {
                const bool near = sky == kBuiltin ? (around[0] < 0) != theirs || (around[1] < 0) != theirs
                                                  : std::fabs(perDay) <= tolerance / PerUnit(unit);
                auto text = [](bool retro) { return std::string(retro ? "retrograde" : "direct"); };
                m.Disagreements.push_back({"retrograde", text(ours), text(theirs), near});
            }
        }
        return m;
    };
    return {std::move(key), std::move(section), std::move(name), unit, tolerance, measure};
}

Figure AyanamsaFigure(std::string key, std::string section, Unit unit, double tolerance, int sky) {
    const auto a = static_cast<std::size_t>(sky == kBuiltin ? SkyAyanamsa::Lahiri : PreciseChoice(sky).Ayanamsa);
    auto measure = [=](const Case& c) {
        Measured m;
        m.Differences.push_back((Side(c, sky).Chart.Ayanamsa - c.Theirs.Ayanamsa[a]) * PerUnit(unit));
        return m;
    };
    return {std::move(key), std::move(section), "Ayanamsa", unit, tolerance, measure};
}

std::string YesNo(int yes) { return yes ? "yes" : "no"; }

// A moment both sides should find, or both miss; `near` says whether missing it may be
// within the tolerance.
void CompareMoments(Measured& m, std::string_view what, std::optional<double> ours, std::optional<double> theirs,
                    Unit unit, bool near = false) {
    ++m.NamesCompared;
    if (ours && theirs) m.Differences.push_back((*ours - *theirs) * PerUnit(unit));
    if (ours.has_value() != theirs.has_value())
        m.Disagreements.push_back({std::string(what), YesNo(ours.has_value()), YesNo(theirs.has_value()), near});
}

// A Sun that passes within a minute of arc of the horizon may rise for one side and not the
// other: a minute is a few times the error of the program's own Sun.
constexpr double kGrazingDegrees = 1.0 / 60.0;
// Where the Sun climbs less than a minute of arc a minute (near the polar circles around the
// solstices) that error moves sunrise by minutes: there the program's moment is judged by
// how high the reference's Sun stands at it, to the same minute of arc.
constexpr double kSlowestPace = 1.0;  // arcmin per minute

std::optional<double> OurCrossing(const SunEvents& sun, bool rising) {
    if (!(rising ? sun.Rises : sun.Sets)) return std::nullopt;
    return rising ? sun.RiseJd : sun.SetJd;
}

Figure SunFigure(std::string key, std::string name, double tolerance, std::size_t rule, bool rising) {
    auto measure = [=](const Case& c) {
        Measured m;
        const Panchanga& day = c.Ours.Precise[kLahiriMean].Day[rule];
        const std::optional<double> ours = OurCrossing(day.Sun, rising);
        const std::optional<double> theirs = rising ? c.Theirs.Rise[rule] : c.Theirs.Set[rule];
        const bool grazing = c.Theirs.SunGrazing[rule] <= kGrazingDegrees;
        const double start = c.Theirs.DateStart, end = start + 1.0;
        auto close = [&](std::optional<double> jd, double to) { return jd && std::fabs(*jd - to) * 86400.0 <= tolerance; };
        // A crossing a moment before the date's edge for one side may be a moment after it
        // for the other, and belong to the next date or the one before.
        const bool edge = close(ours, start) || close(ours, end) || close(theirs, start) || close(theirs, end);
        if (ours && theirs && std::fabs(*ours - *theirs) > 0.5) {
            // Two different crossings: where the Sun crosses twice within a day of the clock
            // (far north or south, or far from the clock's meridian).
            const int offset = c.Theirs.Moment.OffsetMinutes;
            ++m.NamesCompared;
            m.Disagreements.push_back(
                {rising ? "which sunrise" : "which sunset", ClockText(*ours, offset), ClockText(*theirs, offset), edge});
        } else {
            const bool slow = c.Theirs.CrossingPace[rule][rising ? 0 : 1] < kSlowestPace;
            CompareMoments(m, rising ? "rises" : "sets", ours, theirs, Unit::Seconds, grazing || edge);
            if (ours && theirs && slow) m.Differences.pop_back();  // judged by height instead
        }
        if (!rising) return m;
        // A birth within the tolerance of either sunrise, or on a day the Sun may or may not
        // rise, may fall on either weekday.
        ++m.NamesCompared;
        if (day.Vara != c.Theirs.Vara[rule]) {
            const double jd = c.Theirs.Moment.JdUt;
            const bool near =
                close(ours, jd) || close(theirs, jd) || (ours.has_value() != theirs.has_value() && (grazing || edge));
            m.Disagreements.push_back({"vara", std::string(VaraName(day.Vara)), std::string(VaraName(c.Theirs.Vara[rule])), near});
        }
        return m;
    };
    return {std::move(key), "Sunrise and sunset (either sky)", std::move(name), Unit::Seconds, tolerance, measure};
}

Figure SlowSunFigure(std::string key, std::string name, std::size_t rule) {
    auto measure = [=](const Case& c) {
        Measured m;
        const SunEvents& sun = c.Ours.Precise[kLahiriMean].Day[rule].Sun;
        for (std::size_t k = 0; k < 2; ++k) {
            const std::optional<double> ours = OurCrossing(sun, k == 0);
            const std::optional<double> theirs = k == 0 ? c.Theirs.Rise[rule] : c.Theirs.Set[rule];
            if (ours && theirs && std::fabs(*ours - *theirs) <= 0.5 && c.Theirs.CrossingPace[rule][k] < kSlowestPace)
                m.Differences.push_back(c.Theirs.HeightAtOurs[rule][k]);
        }
        return m;
    };
    return {std::move(key), "Sunrise and sunset (either sky)", std::move(name), Unit::Arcminutes, kGrazingDegrees * 60.0,
            measure};
}

struct LimbRow {
    const char* key;
    const char* name;
    const PanchangaLimb Panchanga::*limb;
    std::string_view (*text)(int);
};
std::string_view NakshatraText(int n) { return NakshatraName(static_cast<Nakshatra>(n)); }
constexpr std::array<LimbRow, 4> kLimbRows{{
    {"tithi", "Tithi ends", &Panchanga::Tithi, TithiName},
    {"nakshatra", "Nakshatra ends", &Panchanga::Nakshatra, NakshatraText},
    {"yoga", "Yoga ends", &Panchanga::Yoga, YogaName},
    {"karana", "Karana ends", &Panchanga::Karana, KaranaName},
}};

Figure LimbFigure(std::string key, std::string section, Unit unit, double tolerance, int sky, std::size_t row) {
    auto measure = [=](const Case& c) {
        Measured m;
        const LimbRow& r = kLimbRows[row];
        const PanchangaLimb& ours = Side(c, sky).Day[0].*r.limb;
        const LimbAtBirth& theirs = c.Theirs.Limbs[row];
        // Where the two sides see different limbs at birth, the boundary between them lies
        // between the birth and one side's end: near when that end is within the tolerance.
        // The ends of different limbs are not compared.
        ++m.NamesCompared;
        if (ours.Index == theirs.Index) {
            m.Differences.push_back((ours.EndsJd - theirs.EndsJd) * PerUnit(unit));
        } else {
            const double jd = c.Theirs.Moment.JdUt;
            const double nearest = std::min(std::fabs(ours.EndsJd - jd), std::fabs(theirs.EndsJd - jd));
            m.Disagreements.push_back({r.key, std::string(r.text(ours.Index)), std::string(r.text(theirs.Index)),
                                       nearest * PerUnit(unit) <= tolerance});
        }
        return m;
    };
    return {std::move(key), std::move(section), kLimbRows[row].name, unit, tolerance, measure};
}

constexpr std::array<const char*, kYearLengths.size()> kYearTexts{"365.25", "365.2422", "360"};

Figure DashaFigure(std::string key, std::string section, Unit unit, double tolerance, int sky, std::size_t year,
                   double moonToleranceDegrees) {
    auto measure = [=](const Case& c) {
        Measured m;
        const Dasha& ours = Side(c, sky).Periods[year];
        const double moon = c.Theirs.Position[kLahiriMean][Index(Body::Moon)];
        CheckName(m, "dasha lord", static_cast<int>(ours.BirthLord), moon, moonToleranceDegrees,
                  [](double lon) { return static_cast<int>(NakshatraDashaLord(NakshatraIndex(NakshatraOf(Fold360(lon))))); },
                  [](int lord) { return std::string(DashaLordName(static_cast<DashaLord>(lord))); });
        // Periods of different lords are not compared date by date.
        if (static_cast<int>(ours.BirthLord) != c.Theirs.DashaLord) return m;
        const std::vector<double> mine = DashaStarts(ours);
        const std::vector<double>& theirs = c.Theirs.DashaStarts[year];
        for (std::size_t i = 0; i < mine.size() && i < theirs.size(); ++i)
            m.Differences.push_back((mine[i] - theirs[i]) * PerUnit(unit));
        return m;
    };
    char name[64];
    std::snprintf(name, sizeof name, "Vimshottari dates, year of %s days", kYearTexts[year]);
    return {std::move(key), std::move(section), name, unit, tolerance, measure};
}

// Saturn's sign changes around the birth, measured where the reference's Saturn stands at the
// program's moment: the time apart times Saturn's speed (a slow Saturn near a station moves
// the moment by hours for a fraction of a second of arc).
Figure SaturnFigure(bool inArc, double tolerance) {
    const Unit unit = inArc ? Unit::Arcseconds : Unit::Hours;
    auto measure = [=](const Case& c) {
        Measured m;
        const SignStay& ours = c.Ours.Saturn;
        const Theirs& t = c.Theirs;
        const std::array<std::optional<double>, 2> mine{ours.Entered, ours.Leaves};
        const std::array<std::optional<double>, 2> theirs{t.SaturnEntered, t.SaturnLeaves};
        const std::array<double, 2> speed{t.SaturnPerDayEntered, t.SaturnPerDayLeaves};
        for (std::size_t i = 0; i < mine.size(); ++i) {
            const Unit apart = inArc ? Unit::Days : unit;
            const std::size_t before = m.Differences.size();
            CompareMoments(m, i == 0 ? "entered" : "leaves", mine[i], theirs[i], apart);
            if (inArc && m.Differences.size() > before) m.Differences.back() *= std::fabs(speed[i]) * 3600.0;
        }
        return m;
    };
    return {inArc ? "precise.saturn.ingress" : "precise.saturn.ingress-hours", "Precise sky, Lahiri: Saturn's sign changes",
            inArc ? "Entering and leaving its sign: the reference's Saturn at that moment, from the edge"
                  : "Entering and leaving its sign, in time",
            unit, tolerance, measure};
}

Figure LightBending() {
    auto measure = [](const Case& c) {
        Measured m;
        for (const Body b : {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn})
            m.Differences.push_back(std::remainder(c.Theirs.Position[kLahiriMean][Index(b)] - c.Theirs.WithBending[Index(b)], 360.0) * 3600.0);
        return m;
    };
    return {"precise.light-bending", "Precise sky, Lahiri", "The Sun's bending of light (left out), the planets",
            Unit::Arcseconds, 0.0, measure};
}

// The built-in formulas promise the births the form takes, 1901-2050: beyond, their mean
// elements drift by degrees.
Figure WithinFormYears(Figure f) {
    f.Measure = [measure = std::move(f.Measure)](const Case& c) {
        const int year = c.Birth.Record.BirthYear;
        return year >= 1901 && year <= 2050 ? measure(c) : Measured{};
    };
    return f;
}

// What a choice moves, the program against itself: one sky's body less another's, and the
// names of the first that the second gives otherwise.
Figure ChoiceOfSky(std::string key, std::string name, int sky, int against, Body body) {
    auto measure = [=](const Case& c) {
        Measured m;
        const SkyResult& chosen = Side(c, sky);
        const double other = Side(c, against).Chart[body].Longitude;
        m.Differences.push_back(std::remainder(chosen.Chart[body].Longitude - other, 360.0) * 60.0);
        PositionNames(m, chosen, body, other, 0.0);
        return m;
    };
    return {std::move(key), kChoices, std::move(name), Unit::Arcminutes, 0.0, measure};
}

Figure ChoiceOfSunrise(std::string key, std::string name, bool rising) {
    auto measure = [=](const Case& c) {
        Measured m;
        const auto& day = c.Ours.Precise[kLahiriMean].Day;
        const std::optional<double> limb = OurCrossing(day[1].Sun, rising), centre = OurCrossing(day[0].Sun, rising);
        if (limb && centre && std::fabs(*limb - *centre) < 0.5) m.Differences.push_back((*limb - *centre) * 86400.0);
        if (rising) {
            ++m.NamesCompared;
            if (day[1].Vara != day[0].Vara)
                m.Disagreements.push_back({"vara", std::string(VaraName(day[1].Vara)), std::string(VaraName(day[0].Vara)), false});
        }
        return m;
    };
    return {std::move(key), kChoices, std::move(name), Unit::Seconds, 0.0, measure};
}

// Raman's ashtakavarga against Parashara's: the signs in which the Moon's and Venus's rows
// and the Sarva row differ.
Figure ChoiceOfAshtakavarga() {
    auto measure = [](const Case& c) {
        Measured m;
        const Ashtakavarga& raman = c.Ours.Points[static_cast<std::size_t>(AshtakavargaTable::Raman)];
        const Ashtakavarga& parashara = c.Ours.Points[static_cast<std::size_t>(AshtakavargaTable::Parashara)];
        struct Row {
            const char* what;
            const SignPoints& theirs;
            const SignPoints& ours;
        };
        const Row rows[] = {{"Moon", raman.Bhinna[1], parashara.Bhinna[1]},
                            {"Venus", raman.Bhinna[5], parashara.Bhinna[5]},
                            {"Sarva", raman.Sarva, parashara.Sarva}};
        for (const Row& r : rows) {
            for (std::size_t s = 0; s < r.ours.size(); ++s) {
                ++m.NamesCompared;
                if (r.ours[s] != r.theirs[s])
                    m.Disagreements.push_back({std::string(r.what) + " in " + std::string(SignEnglishName(SignFromIndex(static_cast<int>(s)))),
                                               std::to_string(r.theirs[s]), std::to_string(r.ours[s]), false});
            }
        }
        return m;
    };
    return {"choice.ashtakavarga", kChoices, "Raman's ashtakavarga table against Parashara's: points that differ",
            Unit::Arcminutes, 0.0, measure};
}

// How often the true node moves forward, against the mean node's steady backward motion.
Figure TrueNodeMotion() {
    auto measure = [](const Case& c) {
        Measured m;
        ++m.NamesCompared;
        if (c.Theirs.TrueNodePerDay > 0) m.Disagreements.push_back({"motion", "forward", "backward", false});
        return m;
    };
    return {"choice.true-node-motion", kChoices, "The true node moving forward, where the mean node always moves back",
            Unit::Arcminutes, 0.0, measure};
}

// Births whose latitude's size lies in [from, to).
Figure WithinLatitudes(Figure f, double from, double to) {
    f.Measure = [measure = std::move(f.Measure), from, to](const Case& c) {
        const double size = std::fabs(c.Theirs.Moment.Latitude);
        return size >= from && size < to ? measure(c) : Measured{};
    };
    return f;
}

std::string Lower(std::string_view s) {
    std::string out;
    for (char ch : s) out += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : (ch == ' ' ? '-' : ch);
    return out;
}

// The tolerances the precise sky is held to: what it promises (a second of arc for a body,
// two for the angles, a tenth of an hour for a dasha date, five seconds for a limb's end).
constexpr double kBodyArcsec = 1.0;
constexpr double kAngleArcsec = 2.0;
constexpr double kDashaHours = 0.1;
constexpr double kLimbSeconds = 5.0;
constexpr double kSunSeconds = 60.0;

// What the built-in formulas promise for the births of 1901-2050, in minutes of arc: the mean
// elements put Jupiter and Saturn up to 12' off, Rahu stands a degree behind the mean node
// (some 56' from it once the two ayanamsas part), the lunar series keeps the Moon within 3'.
struct BuiltinBound {
    Body body;
    double arcminutes;
};
constexpr BuiltinBound kBuiltinBounds[] = {
    {Body::Sun, 1}, {Body::Moon, 3},     {Body::Mercury, 2}, {Body::Venus, 2}, {Body::Mars, 6},
    {Body::Jupiter, 12}, {Body::Saturn, 12}, {Body::Rahu, 60}, {Body::Ketu, 60}, {Body::Ascendant, 2},
    {Body::Midheaven, 1},
};
// The lagna runs fast where the ecliptic lies close along the horizon, near the polar
// circles: a small error in the sidereal time or the obliquity moves it by many minutes. The
// built-in lagna is held to two minutes of arc as far as 60 degrees.
constexpr double kBuiltinLagnaLatitude = 60.0;
constexpr double kBuiltinAyanamsa = 1.0;  // arcmin
// The Moon's 3' is 1/267 of a nakshatra: 27 days of Venus's 20 years.
constexpr double kBuiltinDashaDays = 28.0;
// 4' between the Sun and the Moon, which part at 12 degrees a day.
constexpr double kBuiltinLimbMinutes = 8.0;

}  // namespace

std::string_view UnitName(Unit u) {
    switch (u) {
        case Unit::Arcseconds: return "arcsec";
        case Unit::Arcminutes: return "arcmin";
        case Unit::Seconds: return "s";
        case Unit::Minutes: return "min";
        case Unit::Hours: return "h";
        case Unit::Days: break;
    }
    return "d";
}

// The twelve Placidus cusps in Krishnamurti's ayanamsa, with the sub each falls in. Births
// the reference draws no Placidus houses for (within the polar circles) are left out; where it
// draws them, the program must too.
Figure PlacidusFigure(const std::string& key, const std::string& section) {
    auto measure = [](const Case& c) {
        Measured m;
        const std::optional<HouseCusps>& ours = c.Ours.Cusps;
        const std::optional<std::array<double, 12>>& theirs = c.Theirs.Cusps;
        if (!theirs) return m;
        if (!ours) {
            ++m.NamesCompared;
            m.Disagreements.push_back({"Placidus houses", "none", "drawn", false});
            return m;
        }
        for (std::size_t h = 0; h < theirs->size(); ++h) {
            m.Differences.push_back(std::remainder((*ours)[h] - (*theirs)[h], 360.0) * 3600.0);
            CheckName(m, "sub", LordsOf((*ours)[h]).Sub, (*theirs)[h], kAngleArcsec / 3600.0,
                      [](double lon) { return LordsOf(Fold360(lon)).Sub; }, Number);
        }
        return m;
    };
    return {key + "placidus", section, "Placidus cusps 1-12", Unit::Arcseconds, kAngleArcsec, measure};
}

std::vector<Figure> Figures() {
    std::vector<Figure> f;
    for (const SkyAyanamsa a : kAyanamsas) {
        const std::string section = "Precise sky, " + std::string(AyanamsaName(a));
        const std::string key = "precise." + Lower(AyanamsaKey(a)) + ".";
        const int mean = PreciseSkyOf(a, SkyNode::Mean), trueNode = PreciseSkyOf(a, SkyNode::True);
        f.push_back(AyanamsaFigure(key + "ayanamsa", section, Unit::Arcseconds, kBodyArcsec, mean));
        for (const Body b : {Body::Sun, Body::Moon, Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn})
            f.push_back(Position(key + Lower(EnglishName(b)), section, std::string(EnglishName(b)), Unit::Arcseconds,
                                 kBodyArcsec, mean, b));
        for (const Body b : {Body::Rahu, Body::Ketu}) {
            const std::string name(EnglishName(b));
            f.push_back(Position(key + Lower(name) + "-mean", section, name + ", mean node", Unit::Arcseconds,
                                 kBodyArcsec, mean, b));
            f.push_back(Position(key + Lower(name) + "-true", section, name + ", true node", Unit::Arcseconds,
                                 kBodyArcsec, trueNode, b));
        }
        f.push_back(Position(key + "lagna", section, "Lagna", Unit::Arcseconds, kAngleArcsec, mean, Body::Ascendant));
        f.push_back(Position(key + "mc", section, "Midheaven", Unit::Arcseconds, kAngleArcsec, mean, Body::Midheaven));
        if (a == SkyAyanamsa::Lahiri) f.push_back(LightBending());
        if (a == SkyAyanamsa::Krishnamurti) f.push_back(PlacidusFigure(key, section));
    }

    const std::string readings = "Precise sky, Lahiri: dasha and panchanga";
    for (std::size_t y = 0; y < kYearLengths.size(); ++y)
        f.push_back(DashaFigure("precise.dasha-" + std::to_string(y + 1), readings, Unit::Hours, kDashaHours,
                                kLahiriMean, y, kBodyArcsec / 3600.0));
    for (std::size_t row = 0; row < kLimbRows.size(); ++row)
        f.push_back(LimbFigure(std::string("precise.") + kLimbRows[row].key, readings, Unit::Seconds, kLimbSeconds,
                               kLahiriMean, row));
    f.push_back(SaturnFigure(true, kBodyArcsec));
    f.push_back(SaturnFigure(false, 0.0));

    for (std::size_t rule = 0; rule < kSunriseRules.size(); ++rule) {
        const std::string r = rule == 0 ? "centre" : "limb";
        const std::string says = rule == 0 ? ", centre of the disc" : ", upper limb with the almanacs' refraction";
        f.push_back(SunFigure("sunrise." + r, "Sunrise" + says, kSunSeconds, rule, true));
        f.push_back(SunFigure("sunset." + r, "Sunset" + says, kSunSeconds, rule, false));
        f.push_back(SlowSunFigure("sun-slow." + r, "Where the Sun climbs under 1\u2032 a minute" + says +
                                                       ": the reference's Sun above the horizon at the program's moment",
                                  rule));
    }

    const std::string builtin = "Built-in formulas (against Lahiri and the mean node)";
    f.push_back(WithinFormYears(AyanamsaFigure("builtin.ayanamsa", builtin, Unit::Arcminutes, kBuiltinAyanamsa, kBuiltin)));
    for (const BuiltinBound& b : kBuiltinBounds) {
        const std::string name(b.body == Body::Ascendant ? "Lagna" : EnglishName(b.body));
        const std::string key = b.body == Body::Midheaven ? "mc" : Lower(name);
        if (b.body != Body::Ascendant) {
            f.push_back(WithinFormYears(
                Position("builtin." + key, builtin, name, Unit::Arcminutes, b.arcminutes, kBuiltin, b.body)));
            continue;
        }
        char within[64];
        std::snprintf(within, sizeof within, "%g\u00B0", kBuiltinLagnaLatitude);
        f.push_back(WithinLatitudes(WithinFormYears(Position("builtin." + key, builtin, name + ", births to " + within,
                                                             Unit::Arcminutes, b.arcminutes, kBuiltin, b.body)),
                                    0.0, kBuiltinLagnaLatitude));
        f.push_back(WithinLatitudes(WithinFormYears(Position("builtin." + key + "-polar", builtin,
                                                             name + ", births beyond " + within, Unit::Arcminutes, 0.0,
                                                             kBuiltin, b.body)),
                                    kBuiltinLagnaLatitude, 90.0));
    }
    for (std::size_t y = 0; y < kYearLengths.size(); ++y)
        f.push_back(WithinFormYears(DashaFigure("builtin.dasha-" + std::to_string(y + 1), builtin, Unit::Days,
                                                kBuiltinDashaDays, kBuiltin, y, kBuiltinBounds[1].arcminutes / 60.0)));
    for (std::size_t row = 0; row < kLimbRows.size(); ++row)
        f.push_back(WithinFormYears(LimbFigure(std::string("builtin.") + kLimbRows[row].key, builtin, Unit::Minutes,
                                               kBuiltinLimbMinutes, kBuiltin, row)));

    for (const SkyAyanamsa a : {SkyAyanamsa::Raman, SkyAyanamsa::Krishnamurti, SkyAyanamsa::TrueChitra})
        f.push_back(ChoiceOfSky("choice." + Lower(AyanamsaKey(a)), "The Moon, " + std::string(AyanamsaName(a)) + " against Lahiri",
                                PreciseSkyOf(a, SkyNode::Mean), kLahiriMean, Body::Moon));
    f.push_back(ChoiceOfSky("choice.true-node", "Rahu, the true node against the mean", PreciseSkyOf(SkyAyanamsa::Lahiri, SkyNode::True),
                            kLahiriMean, Body::Rahu));
    f.push_back(TrueNodeMotion());
    f.push_back(WithinFormYears(ChoiceOfSky("choice.builtin-moon", "The Moon, the built-in formulas against the precise sky",
                                            kBuiltin, kLahiriMean, Body::Moon)));
    f.push_back(ChoiceOfSunrise("choice.sunrise", "Sunrise, the upper limb against the centre of the disc", true));
    f.push_back(ChoiceOfSunrise("choice.sunset", "Sunset, the upper limb against the centre of the disc", false));
    f.push_back(ChoiceOfAshtakavarga());

    return f;
}

}  // namespace velakor::crosscheck
