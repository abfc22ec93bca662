#include "ChartJson.h"

#include "KpJson.h"
#include "ReadingJson.h"
#include "TransitJson.h"
#include "SkyKeys.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "app/Calculation.h"
#include "app/Program.h"
#include "app/ZoneWarning.h"
#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"
#include "io/Report.h"
#include "match/Matching.h"
#include "place/Atlas.h"
#include "place/ZoneChoice.h"
#include "strength/Ashtakavarga.h"
#include "JsonWriter.h"
#include "RecordText.h"

namespace velakor {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

enum class Kind { String, Integer, Boolean };

struct Key {
    std::string_view name;
    Kind kind;
};

// "Place" stands for these keys; it may not come with them.
constexpr std::array<std::string_view, 8> kPlaceKeys{
    "LatDeg", "LatMin", "LonDeg", "LonMin", "LatSouth", "LonEast", "ZoneIndex", "DaylightSaving"};
// With "Place", these default to the place's own names.
constexpr std::array<std::string_view, 3> kPlaceNameKeys{"BirthCity", "BirthState", "BirthCountry"};

bool Among(std::string_view key, const auto& keys) {
    for (std::string_view k : keys) {
        if (k == key) return true;
    }
    return false;
}

// Read once, on the first line that names a place.
const Atlas& PlaceAtlas() {
    static const std::unique_ptr<Atlas> atlas = [] {
        std::unique_ptr<Atlas> a = LoadSystemAtlas();
        return a ? std::move(a) : std::make_unique<Atlas>(std::vector<Place>{});
    }();
    return *atlas;
}

constexpr std::array<Key, 17> kKeys{{
    {"BirthName", Kind::String},   {"BirthCity", Kind::String},   {"BirthState", Kind::String},
    {"BirthCountry", Kind::String}, {"BirthDay", Kind::Integer},  {"BirthMonth", Kind::Integer},
    {"BirthYear", Kind::Integer},  {"BirthHour", Kind::Integer},  {"BirthMinute", Kind::Integer},
    {"ZoneIndex", Kind::Integer},  {"LatDeg", Kind::Integer},     {"LatMin", Kind::Integer},
    {"LonDeg", Kind::Integer},     {"LonMin", Kind::Integer},     {"LatSouth", Kind::Boolean},
    {"LonEast", Kind::Boolean},    {"DaylightSaving", Kind::Boolean},
}};

std::string_view KindName(Kind k) {
    switch (k) {
        case Kind::String: return "a string";
        case Kind::Integer: return "an integer";
        case Kind::Boolean: return "a boolean";
    }
    return "";
}

bool HasKind(const json& v, Kind k) {
    switch (k) {
        case Kind::String: return v.is_string();
        case Kind::Integer: return v.is_number_integer();
        case Kind::Boolean: return v.is_boolean();
    }
    return false;
}

// Integers far outside any field's range are held at a bound; the rules then refuse them.
long long Integer(const json& v) {
    constexpr long long kBound = 1000000000000LL;
    if (v.is_number_unsigned()) {
        const auto u = v.get<std::uint64_t>();
        return u > static_cast<std::uint64_t>(kBound) ? kBound : static_cast<long long>(u);
    }
    const auto n = v.get<std::int64_t>();
    return n < -kBound ? -kBound : (n > kBound ? kBound : n);
}

// The standard parser, with two differences. An integer too large for 64 bits stays an
// integer, held at the 64-bit bound: the range checks then report it out of range, where a
// floating-point number would read as "must be an integer"; for the record's "Id", which is
// handed back and has no range of its own, that it was held is noted. And nesting stops early: a
// record is one flat object, and a line of a million brackets would take a hundred times
// its size in memory. A key given twice in one object stops the parse: the standard parser
// would keep the last value without a word.
class RecordParser : public nlohmann::detail::json_sax_dom_parser<json> {
public:
    static constexpr int kMaxDepth = 8;
    bool tooDeep = false;
    bool idBeyond64Bits = false;
    std::optional<std::string> duplicateKey;

    using json_sax_dom_parser::json_sax_dom_parser;
    bool number_float(json::number_float_t value, const json::string_t& text) {
        if (text.find_first_of(".eE") != json::string_t::npos) return json_sax_dom_parser::number_float(value, text);
        idBeyond64Bits = idBeyond64Bits || (keyIsId_ && depth_ == 1);
        if (text.front() == '-') return number_integer(std::numeric_limits<json::number_integer_t>::min());
        return number_unsigned(std::numeric_limits<json::number_unsigned_t>::max());
    }
    bool start_object(std::size_t size) {
        keys_.emplace_back();
        return Deeper() && json_sax_dom_parser::start_object(size);
    }
    bool start_array(std::size_t size) {
        keys_.emplace_back();
        return Deeper() && json_sax_dom_parser::start_array(size);
    }
    bool key(json::string_t& name) {
        if (!keys_.back().Insert(name)) {
            duplicateKey = name;
            return false;
        }
        keyIsId_ = depth_ == 1 && name == "Id";
        return json_sax_dom_parser::key(name);
    }
    bool end_object() {
        --depth_;
        keys_.pop_back();
        return json_sax_dom_parser::end_object();
    }
    bool end_array() {
        --depth_;
        keys_.pop_back();
        return json_sax_dom_parser::end_array();
    }

private:
    int depth_ = 0;
    bool keyIsId_ = false;  // the record's own "Id" is the value being read
    // The keys an object has given: a record's few are looked through, a line of thousands
    // is sorted as they come.
    class Keys {
    public:
        bool Insert(const json::string_t& key) {
            if (many_.empty()) {
                if (std::find(few_.begin(), few_.end(), key) != few_.end()) return false;
                if (few_.size() < kFew) {
                    few_.push_back(key);
                    return true;
                }
                many_.insert(few_.begin(), few_.end());
            }
            return many_.insert(key).second;
        }

    private:
        static constexpr std::size_t kFew = 32;
        std::vector<json::string_t> few_;
        std::set<json::string_t> many_;
    };
    std::vector<Keys> keys_;  // of each open object (none for an array)
    bool Deeper() {
        tooDeep = ++depth_ > kMaxDepth;
        return !tooDeep;
    }
};

// The line's JSON value; discarded when it is not valid JSON, nests too deep or gives a key
// twice.
json ParseRecord(const std::string& line, bool& tooDeep, bool& idBeyond64Bits,
                 std::optional<std::string>& duplicateKey) {
    json record;
    RecordParser parser(record, false);
    const bool ok = json::sax_parse(line, &parser);
    tooDeep = parser.tooDeep;
    idBeyond64Bits = parser.idBeyond64Bits;
    duplicateKey = parser.duplicateKey;
    if (!ok) return json(json::value_t::discarded);
    return record;
}

ChartLineResult LineError(const std::string& message) {
    ChartLineResult r;
    JsonWriter out(r.json);
    out.BeginObject();
    out.Key("error").String(message);
    out.EndObject();
    return r;
}

// The answer to one birth record, or why there is none; with the chart it was made from. The
// answer's text is an object not yet closed, so that the matching can follow it.
struct RecordAnswer {
    bool Ok = false;
    std::string Text;
    std::string Error;
    Program Computed;
};

RecordAnswer Error(const std::string& message) {
    RecordAnswer a;
    a.Error = message;
    return a;
}

// An answer with three levels of dasha periods is about 30 kB, with one about 4 kB: room for
// the usual answer at once spares copying it as it grows.
constexpr std::size_t kUsualAnswerBytes = 8192;

struct RangeCheck {
    std::string_view key;
    long long low, high;
};
constexpr std::array<RangeCheck, 6> kRanges{{
    {"BirthDay", 1, 31}, {"BirthMonth", 1, 12}, {"BirthYear", 1901, 2050},
    {"BirthHour", 0, 24}, {"BirthMinute", 0, 59}, {"ZoneIndex", 0, kZoneCount - 1},
}};

}  // namespace

namespace {

// The answer to one birth record that is a JSON object.
RecordAnswer AnswerRecord(const json& in, bool idBeyond64Bits = false) {
    const auto placeKey = in.find("Place");
    const bool byPlace = placeKey != in.end();
    if (byPlace && !placeKey->is_string()) return Error("key Place must be a string");
    for (const Key& k : kKeys) {
        const auto it = in.find(std::string(k.name));
        if (byPlace && Among(k.name, kPlaceKeys)) {
            if (it != in.end()) return Error("key " + std::string(k.name) + " cannot be given with Place");
            continue;
        }
        if (it == in.end() && byPlace && Among(k.name, kPlaceNameKeys)) continue;
        if (it == in.end()) return Error("missing key: " + std::string(k.name));
        if (!HasKind(*it, k.kind)) {
            return Error("key " + std::string(k.name) + " must be " + std::string(KindName(k.kind)));
        }
    }
    for (const auto& item : in.items()) {
        bool known = false;
        for (const Key& k : kKeys) known = known || item.key() == k.name;
        known = known || item.key() == "Place" || item.key() == "Id" || IsSkyKey(item.key()) ||
                IsReadingKey(item.key()) || IsTransitKey(item.key()) || IsKpKey(item.key());
        if (!known) return Error("unknown key: " + item.key());
    }
    // A chart library's row number (velakor-library list), handed back so that answers can
    // be matched to rows.
    const auto idKey = in.find("Id");
    if (idKey != in.end() && !idKey->is_number_integer()) return Error("key Id must be an integer");
    if (idBeyond64Bits) return Error("key Id must lie between -9223372036854775808 and 18446744073709551615");
    for (const Key& k : kKeys) {
        if (k.kind != Kind::String || !in.contains(std::string(k.name))) continue;
        if (const auto error = TextValueError(k.name, in[std::string(k.name)].get_ref<const std::string&>())) {
            return Error(*error);
        }
    }
    for (const RangeCheck& r : kRanges) {
        if (!in.contains(std::string(r.key))) continue;  // given by the place
        const long long n = Integer(in[std::string(r.key)]);
        if (n < r.low || n > r.high) {
            return Error("key " + std::string(r.key) + " must lie between " + std::to_string(r.low) +
                         " and " + std::to_string(r.high));
        }
    }

    ReadingRequest reading;
    if (const std::string failure = ReadReadingKeys(in, reading); !failure.empty()) return Error(failure);
    TransitRequest transits;
    if (const std::string failure = ReadTransitKeys(in, transits); !failure.empty()) return Error(failure);
    KpRequest kp;
    if (const std::string failure = ReadKpKeys(in, kp); !failure.empty()) return Error(failure);

    FormValues v;
    v.Name = in["BirthName"].get<std::string>();
    v.Day = static_cast<int>(Integer(in["BirthDay"]));
    v.Month = static_cast<int>(Integer(in["BirthMonth"]));
    v.Year = static_cast<int>(Integer(in["BirthYear"]));
    v.Hour = static_cast<int>(Integer(in["BirthHour"]));
    v.Minute = static_cast<int>(Integer(in["BirthMinute"]));
    const Place* place = nullptr;
    if (byPlace) {
        const std::string typed = placeKey->get<std::string>();
        const std::vector<const Place*> found = PlaceAtlas().Suggest(typed, 1);
        if (found.empty()) return Error("place not found: " + typed);
        place = found.front();
        const PlaceFields f = FieldsForPlace(*place);
        v.City = in.value("BirthCity", f.City);
        v.State = in.value("BirthState", f.State);
        v.Country = in.value("BirthCountry", f.Country);
        v.LatDeg = std::to_string(f.LatDeg);
        v.LatMin = std::to_string(f.LatMin);
        v.LonDeg = std::to_string(f.LonDeg);
        v.LonMin = std::to_string(f.LonMin);
        v.Latitude = f.South ? Direction::Second : Direction::First;
        v.Longitude = f.East ? Direction::First : Direction::Second;
    } else {
        v.City = in["BirthCity"].get<std::string>();
        v.State = in["BirthState"].get<std::string>();
        v.Country = in["BirthCountry"].get<std::string>();
        v.ZoneIndex = static_cast<int>(Integer(in["ZoneIndex"]));
        v.LatDeg = std::to_string(Integer(in["LatDeg"]));
        v.LatMin = std::to_string(Integer(in["LatMin"]));
        v.LonDeg = std::to_string(Integer(in["LonDeg"]));
        v.LonMin = std::to_string(Integer(in["LonMin"]));
        v.Latitude = in["LatSouth"].get<bool>() ? Direction::Second : Direction::First;
        v.Longitude = in["LonEast"].get<bool>() ? Direction::First : Direction::Second;
        v.DaylightSaving = in["DaylightSaving"].get<bool>();
    }

    if (const auto failure = ValidateInput(v)) return Error(failure->Message);
    const SkyKeys sky = ReadSkyKeys(in);
    if (!sky.Error.empty()) return Error(sky.Error);

    Program p;
    p.SkyInUse = sky.Choice;
    std::optional<ZoneChoice> zone;
    if (place) {
        zone = ChooseZone(place->TimeZone, v.Year, v.Month, v.Day, v.Hour, v.Minute,
                                           LocalMeanTimeMinutes(static_cast<int>(LeadingNumber(v.LonDeg)),
                                                                static_cast<int>(LeadingNumber(v.LonMin)),
                                                                v.Longitude == Direction::First));
        if (zone->outcome == ZoneChoice::Outcome::NoRow) return Error("no row of the zone list fits " + zone->Reading);
        if (!zone->chosen()) return Error(zone->Note);
        v.ZoneIndex = zone->ZoneIndex;
        v.DaylightSaving = zone->DaylightSaving;
    }
    RunCalculation(p, v);
    const ChartTexts& c = p.Texts;

    RecordAnswer answer;
    answer.Text.reserve(kUsualAnswerBytes);
    JsonWriter out(answer.Text);
    out.BeginObject();
    if (idKey != in.end()) out.Key("Id").Value(*idKey);
    if (place && zone) {
        out.Key("PlaceFound").BeginObject();
        out.Key("City").String(place->Name);
        out.Key("State").String(place->State);
        out.Key("Country").String(place->Country);
        out.Key("TimeZone").String(place->TimeZone);
        out.Key("UtcOffsetMinutes").Integer(zone->UtcOffsetSeconds / 60);
        out.Key("ZoneIndex").Integer(zone->ZoneIndex);
        out.Key("DaylightSaving").Boolean(zone->DaylightSaving);
        out.Key("Note").String(zone->Note);
        out.EndObject();
    }
    if (sky.Given) WriteSkyAnswer(out.Key("Sky"), sky.Choice);
    out.Key("ChartPositions").Strings(c.ChartPositions);
    out.Key("PlanetPositionText").Strings(c.PlanetPositionText);
    out.Key("MoonLongitudeText").String(c.MoonLongitudeText);
    out.Key("AscendantText").String(c.AscendantText);
    out.Key("MidheavenText").String(c.MidheavenText);
    out.Key("RahuText").String(c.RahuText);
    out.Key("KetuText").String(c.KetuText);
    out.Key("AyanamsaCorrectionText").String(c.AyanamsaCorrectionText);
    out.Key("AyanamsaText").String(c.AyanamsaText);
    out.Key("LagnaSignAbbrev").String(c.LagnaSignAbbrev);
    // In another language these four are the vocabulary's names; in English the chart's texts.
    const bool english = reading.Lang == Language::English;
    const Chart& ch = p.Chart;
    out.Key("LagnaSignName").String(english ? c.LagnaSignName : Name(ch[Body::Ascendant].Rashi, reading.Lang));
    out.Key("NakshatraText").String(english ? c.NakshatraText : Name(ch[Body::Moon].Star, reading.Lang));
    out.Key("RashiText").String(english ? c.RashiText : Name(ch[Body::Moon].Rashi, reading.Lang));
    out.Key("NakshatraLord").String(english ? c.NakshatraLord
                                            : Name(NakshatraLord(ch[Body::Moon].Star), reading.Lang));
    out.Key("NakshatraPada").String(c.NakshatraPada);
    out.Key("DivisionalSigns").BeginObject();
    const VargaSigns vargas = AllVargas(p.Chart);
    for (std::size_t v = 0; v < kVargas.size(); ++v) {
        out.Key(kVargas[v].Key).BeginArray();
        for (const Sign sign : vargas[v]) out.Integer(SignNumber(sign));
        out.EndArray();
    }
    out.EndObject();
    const Ashtakavarga points = ComputeAshtakavarga(p.Chart, reading.Options.Ashtakavarga);
    out.Key("Ashtakavarga").BeginObject();
    if (reading.TableGiven) out.Key("Table").String(AshtakavargaTableKey(reading.Options.Ashtakavarga));
    for (std::size_t i = 0; i < kAshtakavargaBodies.size(); ++i)
        out.Key(EnglishName(kAshtakavargaBodies[i])).Integers(points.Bhinna[i]);
    out.Key("Sarva").Integers(points.Sarva);
    out.EndObject();
    AddReadings(out, p, reading);
    if (const std::string failure = AddTransits(out, p, reading.Options, transits, reading.Lang); !failure.empty())
        return Error(failure);
    if (const std::string failure = AddKp(out, p, reading.Options, kp, reading.Lang); !failure.empty()) return Error(failure);
    out.Key("HouseSigns").BeginArray();
    for (const Sign sign : p.Chart.HouseSigns) out.Integer(SignNumber(sign));
    out.EndArray();
    out.Key("HouseTexts").Strings(c.HouseTexts);
    out.Key("RetroFlags").BeginArray();
    for (const Body b : kRetrogradeBodies) out.Boolean(p.Chart[b].Retrograde);
    out.EndArray();
    out.Key("Report").Strings(ReportLines(p.Birth, p.Texts, EnglishMonthName(p.Birth.BirthMonth)));
    // Answered all the same: a batch user decides what an unlikely zone means.
    if (const auto warning = ZoneWarning(p.Birth)) out.Key("ZoneWarning").String(*warning);
    answer.Ok = true;
    answer.Computed = std::move(p);
    return answer;
}

ordered_json Points(double points) {
    if (points == std::floor(points)) return static_cast<int>(points);
    return points;
}

ordered_json MarsAnswer(const MarsCheck& m) {
    ordered_json j;
    j["FromLagna"] = m.FromLagna;
    j["FromMoon"] = m.FromMoon;
    j["FromVenus"] = m.FromVenus;
    j["Manglik"] = m.Manglik;
    return j;
}

ordered_json MatchingAnswer(const Match& m) {
    ordered_json j;
    for (const KutaScore& k : m.Kutas) j[std::string(KutaKey(k.Which))] = Points(k.Points);
    j["Total"] = Points(m.Total);
    j["Manglik"] = {{"Bride", MarsAnswer(m.Bride)}, {"Groom", MarsAnswer(m.Groom)}};
    return j;
}

}  // namespace

ChartLineResult ChartForJsonLine(const std::string& line) {
    bool tooDeep = false, idBeyond64Bits = false;
    std::optional<std::string> duplicateKey;
    json in = ParseRecord(line, tooDeep, idBeyond64Bits, duplicateKey);
    if (tooDeep) return LineError("the line nests deeper than a birth record");
    if (duplicateKey) return LineError("key " + *duplicateKey + " is given twice");
    if (in.is_discarded()) return LineError("the line is not valid JSON");
    if (!in.is_object()) return LineError("the line is not a JSON object");

    // A partner is a second birth record inside the first, charted in the first one's sky.
    std::optional<json> partner;
    bool bride = false;
    const auto partnerKey = in.find("Partner");
    const auto roleKey = in.find("Role");
    if (partnerKey != in.end() || roleKey != in.end()) {
        if (partnerKey == in.end()) return LineError("key Role needs Partner");
        if (!partnerKey->is_object()) return LineError("key Partner must be an object");
        if (roleKey == in.end() || (*roleKey != "Bride" && *roleKey != "Groom"))
            return LineError("key Role must be \"Bride\" or \"Groom\"");
        // The partner is only charted: what the answer adds beyond a chart is the record's.
        for (const auto& item : partnerKey->items()) {
            if (IsSkyKey(item.key()) || IsReadingKey(item.key()) || IsTransitKey(item.key()) || IsKpKey(item.key()) ||
                item.key() == "Id")
                return LineError("Partner: key " + item.key() + " is the record's own, not the partner's");
        }
        bride = *roleKey == "Bride";
        partner = std::move(*partnerKey);
        in.erase("Partner");
        in.erase("Role");
        for (const auto& item : in.items()) {
            if (IsSkyKey(item.key())) (*partner)[item.key()] = item.value();
        }
    }
    RecordAnswer answer = AnswerRecord(in, idBeyond64Bits);
    if (!answer.Ok) return LineError(answer.Error);
    if (partner) {
        const RecordAnswer other = AnswerRecord(*partner);
        if (!other.Ok) return LineError("Partner: " + other.Error);
        const Chart& self = answer.Computed.Chart;
        answer.Text += ',';  // the record's own answer has members before this one
        JsonWriter(answer.Text)
            .Key("Matching")
            .Value(MatchingAnswer(MatchCharts(bride ? self : other.Computed.Chart, bride ? other.Computed.Chart : self)));
    }
    answer.Text += '}';
    return {std::move(answer.Text), true};
}

}  // namespace velakor
