// The name tables of bodies, signs and nakshatras, and the rules that place a longitude.
#include <array>
#include <cmath>

#include "vedic/Angles.h"
#include "vedic/Body.h"
#include "vedic/Nakshatra.h"
#include "vedic/Sign.h"

namespace velakor {
namespace {

struct BodyNames {
    std::string_view english, sanskrit, abbrev;
};
constexpr std::array<BodyNames, kBodyCount> kBodies{{{"Sun", "Surya", "Su"},
                                                    {"Moon", "Chandra", "Mo"},
                                                    {"Mercury", "Budha", "Me"},
                                                    {"Venus", "Shukra", "Ve"},
                                                    {"Mars", "Mangala", "Ma"},
                                                    {"Jupiter", "Guru", "Ju"},
                                                    {"Saturn", "Shani", "Sa"},
                                                    {"Rahu", "Rahu", "Ra"},
                                                    {"Ketu", "Ketu", "Ke"},
                                                    {"Ascendant", "Ascendant", "As"},
                                                    {"Midheaven", "Midheaven", "MC"}}};

struct SignNames {
    std::string_view abbrev, sanskrit, english;
    Body lord;
};
constexpr std::array<SignNames, kSignCount> kSigns{{{"Ari", "Mesha", "Aries", Body::Mars},
                                                   {"Tau", "Vrishabha", "Taurus", Body::Venus},
                                                   {"Gem", "Mithuna", "Gemini", Body::Mercury},
                                                   {"Can", "Kataka", "Cancer", Body::Moon},
                                                   {"Leo", "Simha", "Leo", Body::Sun},
                                                   {"Vir", "Kanya", "Virgo", Body::Mercury},
                                                   {"Lib", "Thula", "Libra", Body::Venus},
                                                   {"Sco", "Vrishcika", "Scorpio", Body::Mars},
                                                   {"Sag", "Dhanush", "Sagittarius", Body::Jupiter},
                                                   {"Cap", "Makara", "Capricorn", Body::Saturn},
                                                   {"Aqu", "Kumbha", "Aquarius", Body::Saturn},
                                                   {"Pis", "Meena", "Pisces", Body::Jupiter}}};

// The chart's own spellings, kept as they have always been shown.
constexpr std::array<std::string_view, kNakshatraCount> kNakshatraNames{
    "Aswini",   "Bharani",         "Krittika",        "Rohini",         "Mrigsira",          "Ardra",
    "Punarvasu", "Pushya",         "Aslesha",         "Magha",          "Purbha Phalguni",   "Uttara Phalguni",
    "Hasta",    "Chitra",          "Swati",           "Vishakha",       "Anuradha",          "Jyeshtha",
    "Mula",     "Purva Ashadha",   "Uttara Ashadha",  "Shravana",       "Dhanishtha",        "Shatbisha",
    "Poorva Bhadrapada", "Uttara Bhadrapada", "Revati"};

// The nine lords in the order their dasha periods follow one another.
constexpr std::array<Body, 9> kNakshatraLords{Body::Ketu, Body::Venus,   Body::Sun,    Body::Moon,   Body::Mars,
                                              Body::Rahu, Body::Jupiter, Body::Saturn, Body::Mercury};

constexpr std::array<Body, 7> kWeekdayLords{Body::Sun,     Body::Moon,  Body::Mars,  Body::Mercury,
                                            Body::Jupiter, Body::Venus, Body::Saturn};

// Whole 800-arcminute spans from 0 deg, as the Moon stage has always counted them.
double Spans(double longitude) { return std::floor(longitude * 60.0 / 800.0); }

}  // namespace

std::string_view EnglishName(Body b) { return kBodies[Index(b)].english; }
std::string_view SanskritName(Body b) { return kBodies[Index(b)].sanskrit; }
std::string_view ShortName(Body b) { return kBodies[Index(b)].abbrev; }
Body WeekdayLord(int weekday) { return kWeekdayLords[static_cast<std::size_t>((weekday % 7 + 7) % 7)]; }

Sign SignOf(double longitude) {
    const double x = Fold360(longitude);
    const int k = static_cast<int>(x / 30.0);
    return static_cast<Sign>(k < 0 ? 0 : (k > 11 ? 11 : k));
}

std::string_view SignAbbrev(Sign s) { return kSigns[static_cast<std::size_t>(s)].abbrev; }
std::string_view SignSanskritName(Sign s) { return kSigns[static_cast<std::size_t>(s)].sanskrit; }
std::string_view SignEnglishName(Sign s) { return kSigns[static_cast<std::size_t>(s)].english; }
Body SignLord(Sign s) { return kSigns[static_cast<std::size_t>(s)].lord; }

Nakshatra NakshatraOf(double longitude) {
    const double n = Spans(longitude);
    if (!(n >= 0)) return Nakshatra::Ashwini;  // below 0, and NaN
    if (n < 27.0) return static_cast<Nakshatra>(static_cast<int>(n));
    return static_cast<Nakshatra>(static_cast<int>(std::fmod(n, 27.0)));  // 360 is Ashwini again
}

int PadaOf(double longitude) {
    const double arcMinutes = longitude * 60.0;
    const double n = std::floor(arcMinutes / 800.0);
    const int pada = static_cast<int>(std::floor((arcMinutes - 800.0 * n) / 200.0)) + 1;
    return pada < 1 ? 1 : (pada > 4 ? 4 : pada);
}

double NakshatraFraction(double longitude) {
    const double arcMinutes = longitude * 60.0;
    const double n = std::floor(arcMinutes / 800.0);
    const double f = (arcMinutes - 800.0 * n) / 800.0;
    return f < 0 ? 0.0 : (f >= 1.0 ? std::nextafter(1.0, 0.0) : f);
}

Body NakshatraLord(Nakshatra n) { return kNakshatraLords[static_cast<std::size_t>(NakshatraIndex(n) % 9)]; }
std::string_view NakshatraName(Nakshatra n) { return kNakshatraNames[static_cast<std::size_t>(n)]; }

std::string Ordinal(int n) {
    const int tens = n % 100;
    const char* suffix = "th";
    if (tens < 11 || tens > 13) {
        if (n % 10 == 1) suffix = "st";
        if (n % 10 == 2) suffix = "nd";
        if (n % 10 == 3) suffix = "rd";
    }
    return std::to_string(n) + suffix;
}

}  // namespace velakor
