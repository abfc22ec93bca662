// The atlas of birth places: every place of the system's gazetteer, read once into an index
// that answers the City box's prefix queries fast enough for every key press.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velakor {

// One place as the gazetteer spells it (UTF-8).
struct Place {
    std::string Name;
    std::string State;
    std::string Country;
    std::string TimeZone;    // IANA name, such as "Asia/Kolkata"
    double Latitude = 0.0;   // degrees, north positive
    double Longitude = 0.0;  // degrees, east positive
    std::uint32_t Population = 0;
    // A former or common English name by which this place was found ("Bombay" for
    // Mumbai); empty for the gazetteer's own name.
    std::string FormerName;
};

// "Mumbai, Maharashtra, India", or "Bombay (Mumbai), Maharashtra, India" for a place found
// by its former name: what the suggestion list shows.
std::string SuggestionLine(const Place& place);

// A name as the form's letter filter would let a user type it: accents folded ("Tromsø" ->
// "Tromso"), hyphens and slashes become spaces, apostrophes, dots and other signs are
// dropped, runs of spaces become one. Letters the folding does not know are dropped too.
std::string FoldPlaceName(std::string_view utf8);

// A state's name as people write it: "State of West Bengal" -> "West Bengal".
std::string_view CommonStateName(std::string_view state);

// What picking a place puts into the main form: the name it was picked by (a former or common
// name when it was found by one), the state's common name and the country, as the letter
// filter lets them through, and the coordinates in whole degrees and minutes, rounded to the
// nearest minute.
struct PlaceFields {
    std::string City, State, Country;
    int LatDeg = 0, LatMin = 0;
    bool South = false;
    int LonDeg = 0, LonMin = 0;
    bool East = true;
};
PlaceFields FieldsForPlace(const Place& place);

class Atlas {
public:
    static constexpr std::size_t kSuggestionLimit = 12;

    explicit Atlas(std::vector<Place> places);

    // The places whose name begins with what was typed, without regard to case or accents,
    // a name that is exactly what was typed first, then biggest first. Former and common
    // English names ("Bombay", "Peking") find their places too, and so does a name without
    // its "City" or "D.C." ("Mexico", "Washington"): that one ranks with the exact names
    // when its place is at least five times the biggest of them (so "New" never puts New City
    // before New York). Spaces around the name do
    // not matter, but a space typed last ends the word ("New " finds New Delhi, not Newark).
    // Text after a comma narrows the choice: each further part must begin the place's state
    // or country ("Pune, Maharashtra, India"); a comma that belongs to the name is read as
    // part of it as well ("Washington, D.C."). At most `limit` places, each
    // name/state/country once.
    std::vector<const Place*> Suggest(std::string_view typed, std::size_t limit = kSuggestionLimit) const;

    std::size_t size() const { return places_.size(); }
    // Every place: the gazetteer's, then a copy for each former name.
    const std::vector<Place>& Places() const { return places_; }

    // Lines of the former-names table that found no place in the gazetteer (empty when
    // the table and the gazetteer agree).
    const std::vector<std::string>& unmatchedFormerNames() const { return unmatched_; }

private:
    struct Entry {
        std::string key;  // folded name, lower case
        std::uint32_t state;    // folded state, in areaKeys_
        std::uint32_t country;  // folded country, in areaKeys_
        std::uint32_t place;
        bool shortName = false;  // the place's name without its "City" or "D.C."
    };
    std::vector<Place> places_;
    std::vector<std::string> areaKeys_;  // each state and country once: few, and much repeated
    std::vector<Entry> index_;           // sorted by key
    std::vector<std::string> unmatched_;
};

// Reads every place of the system's gazetteer (about 24,000). Takes tens of milliseconds:
// run it away from anything a user waits for. When `cancel` becomes true the load stops
// early and returns null.
std::unique_ptr<Atlas> LoadSystemAtlas(const std::atomic<bool>* cancel = nullptr);

}  // namespace velakor
