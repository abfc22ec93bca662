#include "place/Atlas.h"

#include <geonames.h>
#include <gmodule.h>
#include <libintl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace velakor {
namespace {

// Letters the system's transliteration leaves as "?" although they have a plain Latin
// reading (Azerbaijani, Turkish, Croatian, Maltese and Vietnamese names use them).
struct ExtraFold {
    gunichar letter;
    const char* ascii;
};
constexpr ExtraFold kExtraFolds[] = {
    {0x018E, "E"}, {0x018F, "E"}, {0x01DD, "e"}, {0x0259, "e"}, {0x0131, "i"}, {0x00D0, "D"},
    {0x00F0, "d"}, {0x0110, "D"}, {0x0111, "d"}, {0x0126, "H"}, {0x0127, "h"},
    // Read as "oe" by the system; people type the plain vowel ("Tromso").
    {0x00D8, "O"}, {0x00F8, "o"},
};

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Signs that separate words in a place's name ("Winston-Salem", "Biel/Bienne").
bool IsSeparator(char c) {
    return c == ' ' || c == '-' || c == '/' || c == '_' || c == ',' || c == '(' || c == ')' || c == '&' ||
           c == '\t';
}

// Plain ASCII for a UTF-8 text: accents stripped, known letters spelled out. Bytes that
// are not UTF-8 are skipped.
std::string ToAscii(std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) return std::string(utf8);
    std::string prepared;
    prepared.reserve(utf8.size());
    const char* p = utf8.data();
    const char* end = p + utf8.size();
    while (p < end) {
        if ((*p & 0x80) == 0) {
            prepared += *p++;
            continue;
        }
        const gunichar c = g_utf8_get_char_validated(p, end - p);
        if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) {
            ++p;  // not UTF-8: dropped
            continue;
        }
        const char* next = g_utf8_next_char(p);
        const ExtraFold* extra =
            std::find_if(std::begin(kExtraFolds), std::end(kExtraFolds), [c](const ExtraFold& f) { return f.letter == c; });
        if (extra != std::end(kExtraFolds)) {
            prepared += extra->ascii;
        } else {
            prepared.append(p, next);
        }
        p = next;
    }
    // "C": the same spelling whatever the user's language ("u" for "ü", never "ue").
    gchar* folded = g_str_to_ascii(prepared.c_str(), "C");
    std::string out = folded ? folded : "";
    g_free(folded);
    return out;
}

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// What a typed text is compared with: the folded name in lower case. A separator typed
// last is kept as one space, so that "New " finds "New Delhi" and not "Newark".
std::string SearchKey(std::string_view typed) {
    std::string key = Lower(FoldPlaceName(typed));
    const std::string ascii = ToAscii(typed);
    if (!key.empty() && !ascii.empty() && IsSeparator(ascii.back())) key += ' ';
    return key;
}

// What a name may end with that people leave out: "Mexico City" is "Mexico", "Washington
// D.C." "Washington" (folded keys, lower case).
constexpr std::string_view kDesignations[] = {" city", " dc"};

// The place's name as people say it without its designation, or empty.
std::string ShortName(const std::string& key) {
    for (const std::string_view d : kDesignations) {
        if (key.size() > d.size() && key.ends_with(d)) return key.substr(0, key.size() - d.size());
    }
    return {};
}

// A place at least this many times the biggest place of exactly the typed name ranks with
// them by its name without its designation; where no place has exactly that name, it ranks
// by size among those that begin with it, as any name does.
constexpr std::uint32_t kMuchBigger = 5;

std::vector<std::string_view> SplitAtCommas(std::string_view s) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = s.find(',', start);
        parts.push_back(s.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

// The program speaks English. The gazetteer's getters translate names into the user's
// language unless the program has named a message domain of its own (which has no
// translations): name one before the first getter is called.
void KeepPlaceNamesInEnglish() {
    const char* domain = textdomain(nullptr);
    if (domain == nullptr || std::strcmp(domain, "messages") == 0) textdomain("velakor");
}

std::string Text(const gchar* s) { return s ? std::string(s) : std::string(); }

// The gazetteer library, opened when the atlas is first read rather than linked: it brings
// GIO and its companions along, whose loading would otherwise lengthen every start of the
// program, also of those that never read the atlas.
struct Gazetteer {
    decltype(&geonames_get_n_cities) count = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_timezone) timeZone = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;
};

template <typename F>
bool Symbol(GModule* module, const char* name, F& function) {
    return g_module_symbol(module, name, reinterpret_cast<gpointer*>(&function)) && function != nullptr;
}

// Null when the library is not installed.
const Gazetteer* OpenGazetteer() {
    static const std::optional<Gazetteer> gazetteer = []() -> std::optional<Gazetteer> {
        for (const char* file : {"libgeonames.so.0", "libgeonames.0.dylib", "libgeonames-0.dll"}) {
            GModule* module = g_module_open(file, G_MODULE_BIND_LAZY);
            if (!module) continue;
            Gazetteer g;
            const bool all = Symbol(module, "geonames_get_n_cities", g.count) &&
                             Symbol(module, "geonames_get_city", g.city) &&
                             Symbol(module, "geonames_city_free", g.free) &&
                             Symbol(module, "geonames_city_get_name", g.name) &&
                             Symbol(module, "geonames_city_get_state", g.state) &&
                             Symbol(module, "geonames_city_get_country", g.country) &&
                             Symbol(module, "geonames_city_get_timezone", g.timeZone) &&
                             Symbol(module, "geonames_city_get_latitude", g.latitude) &&
                             Symbol(module, "geonames_city_get_longitude", g.longitude) &&
                             Symbol(module, "geonames_city_get_population", g.population);
            if (all) {
                g_module_make_resident(module);  // its records are read for the program's life
                return g;
            }
            g_module_close(module);
        }
        return std::nullopt;
    }();
    return gazetteer ? &*gazetteer : nullptr;
}

Place RecordByGetters(const Gazetteer& g, GeonamesCity* city) {
    Place p;
    p.Name = Text(g.name(city));
    p.State = Text(g.state(city));
    p.Country = Text(g.country(city));
    p.TimeZone = Text(g.timeZone(city));
    p.Latitude = g.latitude(city);
    p.Longitude = g.longitude(city);
    p.Population = g.population(city);
    return p;
}

// A place's record read in one go: (id, name, state code, state, country code, country,
// time zone, population, latitude, longitude). Five times faster than one getter per
// field, and the names come untranslated.
constexpr const char* kRecordType = "(sssssssudd)";

Place WholeRecord(GeonamesCity* city) {
    const gchar *id, *name, *stateCode, *state, *countryCode, *country, *zone;
    guint32 population = 0;
    gdouble latitude = 0, longitude = 0;
    g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &id, &name, &stateCode, &state, &countryCode, &country, &zone,
                  &population, &latitude, &longitude);
    return Place{name, state, country, zone, latitude, longitude, population, {}};
}

// The record's layout is the library's own business: use it only where it gives what the
// getters give for the fields they never translate.
bool RecordLayoutKnown(const Gazetteer& g, gint index) {
    GeonamesCity* city = g.city(index);
    if (!city) return false;
    bool known = false;
    if (g_variant_is_of_type(city, G_VARIANT_TYPE(kRecordType))) {
        const Place whole = WholeRecord(city);
        const Place byGetters = RecordByGetters(g, city);
        known = whole.TimeZone == byGetters.TimeZone && whole.Population == byGetters.Population &&
                whole.Latitude == byGetters.Latitude && whole.Longitude == byGetters.Longitude &&
                whole.State == byGetters.State;
    }
    g.free(city);
    return known;
}

// The table of former names (data/former-place-names.txt), compiled in.
constexpr std::string_view kFormerNames =
#include "place/FormerNames.inc"
    ;

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// "mumbai\nmaharashtra\nindia": a place as the table names it, folded.
std::string PlaceKey(std::string_view name, std::string_view state, std::string_view country) {
    return Lower(FoldPlaceName(name)) + '\n' + Lower(FoldPlaceName(state)) + '\n' + Lower(FoldPlaceName(country));
}

struct FormerName {
    std::string_view former, line;
    std::string place;  // PlaceKey
};

std::vector<FormerName> FormerNameTable() {
    std::vector<FormerName> out;
    std::size_t start = 0;
    while (start < kFormerNames.size()) {
        std::size_t end = kFormerNames.find('\n', start);
        if (end == std::string_view::npos) end = kFormerNames.size();
        const std::string_view whole = kFormerNames.substr(start, end - start);
        start = end + 1;
        const std::string_view line = Trimmed(whole.substr(0, whole.find('#')));
        if (line.empty()) continue;
        std::string_view fields[4];
        std::size_t from = 0, n = 0;
        for (; n < 4; ++n) {
            const std::size_t bar = line.find('|', from);
            fields[n] = Trimmed(line.substr(from, bar == std::string_view::npos ? std::string_view::npos : bar - from));
            if (bar == std::string_view::npos) break;
            from = bar + 1;
        }
        if (n != 3 || fields[0].empty()) continue;
        out.push_back(FormerName{fields[0], line, PlaceKey(fields[1], fields[2], fields[3])});
    }
    return out;
}

}  // namespace

std::string SuggestionLine(const Place& place) {
    std::string line = place.FormerName.empty() ? place.Name : place.FormerName + " (" + place.Name + ")";
    for (const std::string* part : {&place.State, &place.Country}) {
        if (part->empty()) continue;
        if (!line.empty()) line += ", ";
        line += *part;
    }
    return line;
}

std::string FoldPlaceName(std::string_view utf8) {
    const std::string ascii = ToAscii(utf8);
    std::string out;
    out.reserve(ascii.size());
    for (const char c : ascii) {
        if (IsAsciiLetter(c)) {
            out += c;
        } else if (IsSeparator(c) && !out.empty() && out.back() != ' ') {
            out += ' ';
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string_view CommonStateName(std::string_view state) {
    // The gazetteer gives some states their formal style ("State of West Bengal", "Canton of
    // Bern"); people write the name alone. Styles that are part of the name in use ("District
    // of Columbia", "Magallanes Region") are not among these.
    static constexpr std::string_view kStyles[] = {"State of ",    "Canton of ",       "Province of ",
                                                   "Estado de ",   "Departamento de ", "Principality of ",
                                                   "Republic of "};
    for (const std::string_view style : kStyles) {
        if (state.size() > style.size() && state.starts_with(style)) return state.substr(style.size());
    }
    return state;
}

PlaceFields FieldsForPlace(const Place& place) {
    PlaceFields f;
    // The name the place was picked by: "Thiruvananthapuram" stays so, though the gazetteer
    // keeps "Trivandrum".
    f.City = FoldPlaceName(place.FormerName.empty() ? place.Name : place.FormerName);
    f.State = FoldPlaceName(CommonStateName(place.State));
    f.Country = FoldPlaceName(place.Country);
    const long long lat = std::llround(std::fabs(place.Latitude) * 60.0);
    const long long lon = std::llround(std::fabs(place.Longitude) * 60.0);
    f.LatDeg = static_cast<int>(lat / 60);
    f.LatMin = static_cast<int>(lat % 60);
    f.LonDeg = static_cast<int>(lon / 60);
    f.LonMin = static_cast<int>(lon % 60);
    // Rounded to 0 minutes, a place just south of the equator is on it: call it North.
    f.South = place.Latitude < 0 && lat > 0;
    f.East = !(place.Longitude < 0 && lon > 0);
    return f;
}

Atlas::Atlas(std::vector<Place> places) : places_(std::move(places)) {
    index_.reserve(places_.size());
    std::unordered_map<std::string, std::uint32_t> areas;
    auto area = [&](const std::string& name) {
        const auto [it, added] = areas.try_emplace(name, static_cast<std::uint32_t>(areaKeys_.size()));
        if (added) areaKeys_.push_back(Lower(FoldPlaceName(name)));
        return it->second;
    };
    // Former names: a copy of the place they name, found under the former name. The
    // biggest place of that name, state and country is meant.
    const std::vector<FormerName> formers = FormerNameTable();
    std::unordered_map<std::string, std::size_t> wanted;
    for (const FormerName& f : formers) wanted.emplace(f.place, places_.size());
    if (!wanted.empty()) {
        for (std::size_t i = 0; i < places_.size(); ++i) {
            const Place& p = places_[i];
            const auto it = wanted.find(PlaceKey(p.Name, p.State, p.Country));
            if (it == wanted.end()) continue;
            if (it->second == places_.size() || places_[it->second].Population < p.Population) it->second = i;
        }
    }
    const std::size_t gazetteerPlaces = places_.size();
    for (const FormerName& f : formers) {
        const std::size_t target = wanted[f.place];
        if (target == gazetteerPlaces) {
            unmatched_.emplace_back(f.line);
            continue;
        }
        Place alias = places_[target];
        alias.FormerName = std::string(f.former);
        places_.push_back(std::move(alias));
    }

    for (std::size_t i = 0; i < places_.size(); ++i) {
        const Place& p = places_[i];
        std::string key = Lower(FoldPlaceName(p.FormerName.empty() ? p.Name : p.FormerName));
        // A name with no letter the form could take cannot be typed: leave it out.
        if (key.empty()) continue;
        const std::uint32_t state = area(p.State), country = area(p.Country);
        if (p.FormerName.empty()) {
            if (std::string shortName = ShortName(key); !shortName.empty())
                index_.push_back(Entry{std::move(shortName), state, country, static_cast<std::uint32_t>(i), true});
        }
        index_.push_back(Entry{std::move(key), state, country, static_cast<std::uint32_t>(i)});
    }
    std::sort(index_.begin(), index_.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
}

std::vector<const Place*> Atlas::Suggest(std::string_view typed, std::size_t limit) const {
    const std::vector<std::string_view> parts = SplitAtCommas(typed);
    if (limit == 0) return {};

    // Every reading of the commas: the name may run on over the first few parts ("Washington,
    // D.C."), the rest narrowing by state and country.
    struct Found {
        const Entry* entry;
        bool exact;  // ranks with the names that are exactly what was typed
    };
    std::vector<Found> found;
    for (std::size_t nameParts = 1; nameParts <= parts.size(); ++nameParts) {
        const std::string_view name = typed.substr(0, static_cast<std::size_t>(parts[nameParts - 1].data() +
                                                                               parts[nameParts - 1].size() - typed.data()));
        const std::string key = SearchKey(name);
        if (key.empty()) {
            if (nameParts == 1) return {};
            continue;
        }
        std::vector<std::string> narrowing;
        for (std::size_t i = nameParts; i < parts.size(); ++i) {
            std::string k = Lower(FoldPlaceName(parts[i]));
            if (!k.empty()) narrowing.push_back(std::move(k));
        }

        // "pune " finds Pune itself and the names whose first word is Pune.
        const bool wordEnds = key.back() == ' ';
        const std::string_view word = wordEnds ? std::string_view(key).substr(0, key.size() - 1) : std::string_view(key);
        const std::size_t from = found.size();
        std::uint32_t biggestExact = 0;
        auto it = std::lower_bound(index_.begin(), index_.end(), word,
                                   [](const Entry& e, std::string_view k) { return e.key < k; });
        for (; it != index_.end() && std::string_view(it->key).substr(0, word.size()) == word; ++it) {
            if (wordEnds && it->key != word && !it->key.starts_with(key)) continue;
            const bool fits = std::all_of(narrowing.begin(), narrowing.end(), [&](const std::string& n) {
                return areaKeys_[it->state].starts_with(n) || areaKeys_[it->country].starts_with(n);
            });
            if (!fits) continue;
            const bool exact = it->key == word;
            if (exact && !it->shortName) biggestExact = std::max(biggestExact, places_[it->place].Population);
            found.push_back(Found{&*it, exact});
        }
        // "Washington" is the capital before a town of that name; "Derry" is Derry before the
        // bigger Derry Village, whose name merely begins with it.
        for (std::size_t i = from; i < found.size(); ++i) {
            Found& f = found[i];
            if (f.exact && f.entry->shortName)
                f.exact = biggestExact > 0 && std::uint64_t{places_[f.entry->place].Population} >=
                                                  std::uint64_t{kMuchBigger} * biggestExact;
        }
    }

    const auto before = [this](const Found& a, const Found& b) {
        if (a.exact != b.exact) return a.exact;
        const Place& pa = places_[a.entry->place];
        const Place& pb = places_[b.entry->place];
        if (pa.Population != pb.Population) return pa.Population > pb.Population;
        if (a.entry->key != b.entry->key) return a.entry->key < b.entry->key;
        return a.entry->place < b.entry->place;
    };
    // Only the first few are wanted; a few more are ordered in case some are repeats.
    std::size_t ordered = std::min(found.size(), limit + 8);
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(ordered), found.end(), before);

    std::vector<const Place*> out;
    std::unordered_set<std::string> seen;
    for (std::size_t i = 0; i < found.size() && out.size() < limit; ++i) {
        if (i == ordered) {
            // Too many repeats among the first: order the rest too.
            std::sort(found.begin() + static_cast<std::ptrdiff_t>(i), found.end(), before);
            ordered = found.size();
        }
        const Place& p = places_[found[i].entry->place];
        if (seen.insert(p.FormerName + '\n' + p.Name + '\n' + p.State + '\n' + p.Country).second) out.push_back(&p);
    }
    return out;
}

std::unique_ptr<Atlas> LoadSystemAtlas(const std::atomic<bool>* cancel) {
    const Gazetteer* g = OpenGazetteer();
    if (!g) return std::make_unique<Atlas>(std::vector<Place>{});
    if (cancel && cancel->load(std::memory_order_relaxed)) return nullptr;
    const gint count = g->count();
    std::vector<Place> places;
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    const bool whole = count > 0 && RecordLayoutKnown(*g, 0) && RecordLayoutKnown(*g, count - 1);
    if (!whole) KeepPlaceNamesInEnglish();
    for (gint i = 0; i < count; ++i) {
        if (cancel && (i & 0xff) == 0 && cancel->load(std::memory_order_relaxed)) return nullptr;
        GeonamesCity* city = g->city(i);
        if (!city) continue;
        places.push_back(whole ? WholeRecord(city) : RecordByGetters(*g, city));
        g->free(city);
    }
    if (cancel && cancel->load(std::memory_order_relaxed)) return nullptr;
    return std::make_unique<Atlas>(std::move(places));
}

}  // namespace velakor
