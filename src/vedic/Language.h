// The languages the program names its vocabulary in, and the names in Hindi and Tamil. The
// English names stay in each vocabulary's own table; the others come from one table,
// data/vocabulary-names.csv, compiled into the program.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "vedic/Body.h"
#include "vedic/Nakshatra.h"
#include "vedic/Sign.h"

namespace velakor {

enum class Language { English, Hindi, Tamil };
inline constexpr std::array<Language, 3> kLanguages{Language::English, Language::Hindi, Language::Tamil};

std::string_view LanguageCode(Language lang);                 // "en", "hi", "ta"
std::optional<Language> LanguageOfCode(std::string_view code);  // the reverse; nothing for others
std::string_view LanguageOwnName(Language lang);              // "English", "हिन्दी", "தமிழ்"

// The vocabularies of the names table, each under its own name: an item is known by its
// vocabulary and its number, so homonyms stay apart (Shukla the paksha and the yoga; Mars and
// Tuesday, one word in Tamil).
enum class Vocabulary {
    Graha,         // 1..9: Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn (the weekday order), Rahu, Ketu
    Point,         // 1 Ascendant, 2 Midheaven
    Rashi,         // 1..12 from Aries
    Nakshatra,     // 1..27 from Ashwini
    Tithi,         // 1..30, the paksha's word first: "शुक्ल प्रतिपदा"
    Paksha,        // 1 Shukla, 2 Krishna
    Yoga,          // 1..27
    Karana,        // 1..7 the movable ones from Bava, 8 Shakuni, 9 Chatushpada, 10 Naga, 11 Kimstughna
    Vara,          // 1..7 from Sunday
    Kuta,          // 1..8 from Varna
    Varga,         // 1..16 in the order of the divisional charts
    SaturnPhase,   // 1..5: Rising, Peak, Setting, Kantaka, Ashtama
    Ashtakavarga,  // 1 Sarva
};

// The name of item `number` of a vocabulary in Hindi or Tamil (UTF-8); empty in English and
// for a number the table does not hold.
std::string_view TranslatedName(Vocabulary v, int number, Language lang);

// The names of the vocabulary of the chart in a language; in English the chart's own
// names ("Sun", "Aries", "Aswini").
std::string_view Name(Body b, Language lang);
std::string_view Name(Sign s, Language lang);
std::string_view Name(Nakshatra n, Language lang);

}  // namespace velakor
