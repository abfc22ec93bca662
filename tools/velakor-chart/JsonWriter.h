// The answer's JSON written as text while it is made, exactly as nlohmann's dump(-1) with
// ensure_ascii off and invalid UTF-8 replaced writes the same value: no document of nodes
// is built, copied and freed for every record, which cost the tool more than its charts.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace velakor {

class JsonWriter {
public:
    // Writes onto the end of out.
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The name of the object's next member, one of the program's own in plain ASCII (written
    // as it is); its value follows.
    JsonWriter& Key(std::string_view name);

    void String(std::string_view utf8);
    void Integer(std::int64_t n);
    void Boolean(bool b);
    void Null();
    // As the library writes a double: shortest round trip, "360.0" for a whole number.
    void Number(double d);
    // A value built as a document, for the parts few records ask for.
    void Value(const nlohmann::ordered_json& v);
    void Value(const nlohmann::json& v);

    template <typename Range>
    void Strings(const Range& texts) {
        BeginArray();
        for (const auto& t : texts) String(t);
        EndArray();
    }
    template <typename Range>
    void Integers(const Range& numbers) {
        BeginArray();
        for (const auto n : numbers) Integer(n);
        EndArray();
    }

private:
    static constexpr int kMaxDepth = 16;
    void Separate();
    void Quoted(std::string_view utf8);
    void Open(char bracket);
    void Close(char bracket);

    std::string& out_;
    int depth_ = 0;
    bool first_[kMaxDepth] = {};  // nothing written yet at that level
    bool afterKey_ = false;
};

}  // namespace velakor
