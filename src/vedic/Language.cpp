// The names table is read while the program compiles: a row of the table that does not fit
// (a vocabulary out of order, a number skipped) stops the build rather than shows a blank.
#include "vedic/Language.h"

#include <cstddef>

namespace velakor {
namespace {

constexpr std::string_view kTable =
#include "vedic/VocabularyNames.inc"
    ;

constexpr std::array<std::string_view, 13> kVocabularyKeys{
    "graha", "point", "rashi", "nakshatra", "tithi", "paksha", "yoga", "karana", "vara", "kuta", "varga",
    "saturn-phase", "ashtakavarga"};
constexpr std::size_t kVocabularies = kVocabularyKeys.size();

struct Row {
    std::size_t vocabulary = kVocabularies;
    int number = 0;
    std::array<std::string_view, 2> names;  // Hindi, Tamil
};

// The table's rows: its lines that are not blank, less the heading.
constexpr std::size_t CountRows(std::string_view t) {
    std::size_t lines = 0;
    for (std::size_t start = 0; start < t.size();) {
        std::size_t end = t.find('\n', start);
        if (end == std::string_view::npos) end = t.size();
        const std::string_view line = t.substr(start, end - start);
        if (!line.empty() && line != "\r") ++lines;
        start = end + 1;
    }
    return lines > 0 ? lines - 1 : 0;
}

constexpr int Number(std::string_view s) {
    int n = 0;
    for (const char c : s) n = (c >= '0' && c <= '9') ? n * 10 + (c - '0') : -1000000;
    return s.empty() ? -1 : n;
}

template <std::size_t N>
constexpr std::array<Row, N> ParseRows(std::string_view t) {
    std::array<Row, N> rows{};
    std::size_t r = 0;
    bool heading = true;
    for (std::size_t start = 0; start < t.size();) {
        std::size_t end = t.find('\n', start);
        if (end == std::string_view::npos) end = t.size();
        std::string_view line = t.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (heading) {
            heading = false;
            continue;
        }
        std::array<std::string_view, 5> fields{};
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const std::size_t comma = line.find(',');
            fields[f] = line.substr(0, comma);
            line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
        }
        Row& row = rows[r++];
        for (std::size_t v = 0; v < kVocabularies; ++v)
            if (kVocabularyKeys[v] == fields[0]) row.vocabulary = v;
        row.number = Number(fields[1]);
        row.names = {fields[3], fields[4]};
    }
    return rows;
}

constexpr std::array kRows = ParseRows<CountRows(kTable)>(kTable);

// Where each vocabulary's rows begin, and how many it has.
struct Span {
    std::size_t first = 0, count = 0;
};
constexpr std::array<Span, kVocabularies> Spans() {
    std::array<Span, kVocabularies> spans{};
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        Span& s = spans[kRows[i].vocabulary];
        if (s.count == 0) s.first = i;
        ++s.count;
    }
    return spans;
}
constexpr std::array<Span, kVocabularies> kSpans = Spans();

// Every row names a known vocabulary, each vocabulary's rows stand together numbered 1, 2, ..
// and every name is given.
constexpr bool TableIsWhole() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        if (row.vocabulary >= kVocabularies) return false;
        const Span& s = kSpans[row.vocabulary];
        if (row.number != static_cast<int>(i - s.first) + 1) return false;
        if (row.names[0].empty() || row.names[1].empty()) return false;
    }
    for (const Span& s : kSpans)
        if (s.count == 0) return false;
    return true;
}
static_assert(TableIsWhole(), "data/vocabulary-names.csv: a row is out of order, unnumbered or without a name");

}  // namespace

std::string_view LanguageCode(Language lang) {
    switch (lang) {
        case Language::Hindi: return "hi";
        case Language::Tamil: return "ta";
        case Language::English: break;
    }
    return "en";
}

std::optional<Language> LanguageOfCode(std::string_view code) {
    for (const Language lang : kLanguages)
        if (LanguageCode(lang) == code) return lang;
    return std::nullopt;
}

std::string_view LanguageOwnName(Language lang) {
    switch (lang) {
        case Language::Hindi: return "हिन्दी";
        case Language::Tamil: return "தமிழ்";
        case Language::English: break;
    }
    return "English";
}

std::string_view TranslatedName(Vocabulary v, int number, Language lang) {
    const Span& s = kSpans[static_cast<std::size_t>(v)];
    if (lang == Language::English || number < 1 || static_cast<std::size_t>(number) > s.count) return {};
    return kRows[s.first + static_cast<std::size_t>(number) - 1].names[lang == Language::Hindi ? 0 : 1];
}

std::string_view Name(Body b, Language lang) {
    if (lang == Language::English) return EnglishName(b);
    if (b == Body::Ascendant) return TranslatedName(Vocabulary::Point, 1, lang);
    if (b == Body::Midheaven) return TranslatedName(Vocabulary::Point, 2, lang);
    if (b == Body::Rahu) return TranslatedName(Vocabulary::Graha, 8, lang);
    if (b == Body::Ketu) return TranslatedName(Vocabulary::Graha, 9, lang);
    // The table keeps the seven planets in the order of the weekdays they rule.
    int day = 0;
    while (day < 6 && WeekdayLord(day) != b) ++day;
    return TranslatedName(Vocabulary::Graha, day + 1, lang);
}

std::string_view Name(Sign s, Language lang) {
    return lang == Language::English ? SignEnglishName(s) : TranslatedName(Vocabulary::Rashi, SignNumber(s), lang);
}

std::string_view Name(Nakshatra n, Language lang) {
    return lang == Language::English ? NakshatraName(n)
                                     : TranslatedName(Vocabulary::Nakshatra, NakshatraIndex(n) + 1, lang);
}

}  // namespace velakor
