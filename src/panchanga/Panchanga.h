// The birth panchanga: sunrise and sunset of the birth's civil date at the birth place, the
// weekday counted from sunrise, and the tithi, nakshatra, yoga and karana running at birth
// with the moments they end.
#pragma once

#include <string_view>

#include "sky/Sky.h"
#include "vedic/Birth.h"
#include "vedic/Chart.h"
#include "vedic/Language.h"
#include "vedic/ReadingOptions.h"

namespace velakor {

// The sunrise of one civil date and the sunset that ends its day, or why there is none.
enum class SunPassage { Normal, AlwaysUp, AlwaysDown };
struct SunEvents {
    SunPassage Passage = SunPassage::Normal;  // why one of them is missing, if one is
    bool Rises = false, Sets = false;         // on the days the polar day or night begins, one may be missing
    double RiseJd = 0.0;  // Julian days (UT), when Rises and Sets
    double SetJd = 0.0;
};

// Sunrise and sunset of a civil date at a place (latitude north positive, longitude east
// positive, degrees), the date read on a clock offsetMinutes ahead of universal time. The
// sunrise is the first rising within the date; the sunset is the first setting after it,
// within a day, and may fall on the next date (far from the clock's meridian, or near the
// polar day). A date on which the Sun does not rise has its first setting, if any; the
// passage then says which is missing. Every time given is a crossing of the horizon.
SunEvents SunriseSunset(int year, int month, int day, int offsetMinutes, double latitude, double longitude,
                        SunriseRule rule);

// The weekday (0 = Sunday .. 6 = Saturday) of the day that holds jdUt, a day running from
// sunrise to sunrise at the place; the date is read on a clock offsetMinutes ahead of
// universal time. On a date the Sun does not rise, the civil date's weekday.
int VaraAt(double jdUt, int offsetMinutes, double latitude, double longitude, SunriseRule rule);

struct PanchangaLimb {
    int Index = 0;        // 0-based: tithi 0..29, nakshatra 0..26, yoga 0..26, karana 0..59
    double EndsJd = 0.0;  // Julian day (UT) at which the next one begins
};

struct Panchanga {
    SunEvents Sun;
    // 0 = Sunday .. 6 = Saturday: the weekday of the date of the last sunrise before the
    // birth, on that date or the one before; the birth's own date where the Sun rose on neither.
    int Vara = 0;
    PanchangaLimb Tithi, Nakshatra, Yoga, Karana;
};

// From the Sun's and Moon's sidereal longitudes at birth; the end times are searched on the sky.
Panchanga ComputePanchanga(double sunLongitude, double moonLongitude, double birthJdUt, int offsetMinutes,
                           double latitude, double longitude, const Sky& sky, SunriseRule rule);

// The same for a birth and its chart.
Panchanga ComputePanchanga(const BirthRecord& b, const Chart& c, const Sky& sky, SunriseRule rule);

std::string_view VaraName(int vara);          // "Sunday"
std::string_view VaraSanskritName(int vara);  // "Ravivara"
std::string_view TithiName(int tithi);        // "Pratipada" .. "Purnima", "Amavasya"
std::string_view PakshaName(int tithi);       // "Shukla" or "Krishna"
std::string_view YogaName(int yoga);
std::string_view KaranaName(int karana);
// The same names in a language (English: the names above). In Hindi and Tamil the tithi's
// name is without its paksha, as in English; TithiPakshaName gives both ("शुक्ल प्रतिपदा").
std::string_view VaraName(int vara, Language lang);
std::string_view TithiName(int tithi, Language lang);
std::string_view PakshaName(int tithi, Language lang);
std::string_view YogaName(int yoga, Language lang);
std::string_view KaranaName(int karana, Language lang);
std::string_view TithiPakshaName(int tithi, Language lang);  // Hindi and Tamil; empty in English
// "The Sun does not set on this day." or "The Sun does not rise on this day."; empty if both happen.
std::string_view SunPassageNote(SunPassage passage);

}  // namespace velakor
