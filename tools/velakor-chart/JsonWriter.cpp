#include "JsonWriter.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace velakor {
namespace {

// The length of the well-formed UTF-8 sequence that begins with the byte at s[i] (0x80 or
// above), or 0 where none does.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    const auto tail = [&](std::size_t k, unsigned low, unsigned high) {
        return k < s.size() && static_cast<unsigned char>(s[k]) >= low && static_cast<unsigned char>(s[k]) <= high;
    };
    const unsigned c = static_cast<unsigned char>(s[i]);
    if (c >= 0xC2 && c <= 0xDF) return tail(i + 1, 0x80, 0xBF) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
        return tail(i + 1, low, high) && tail(i + 2, 0x80, 0xBF) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
        return tail(i + 1, low, high) && tail(i + 2, 0x80, 0xBF) && tail(i + 3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

// Whether none of the eight bytes at p is a control character, a quote, a backslash or
// above 0x7F (the tests of a zero or small byte in a word, done on all eight at once).
bool PlainEight(const char* p) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
    std::uint64_t w = 0;
    std::memcpy(&w, p, sizeof w);
    const auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const std::uint64_t below20 = (w - kOnes * 0x20) & ~w & kHighs;
    return (w & kHighs) == 0 && below20 == 0 && hasZero(w ^ (kOnes * '"')) == 0 && hasZero(w ^ (kOnes * '\\')) == 0;
}

// The escape of an ASCII byte that JSON may not carry as it is; null for one it may (DEL
// and everything from 0x80 on are carried as they are).
constexpr std::array<const char*, 128> kEscapes = [] {
    std::array<const char*, 128> e{};
    constexpr const char* kControls[32] = {
        "\\u0000", "\\u0001", "\\u0002", "\\u0003", "\\u0004", "\\u0005", "\\u0006", "\\u0007",
        "\\b",     "\\t",     "\\n",     "\\u000b", "\\f",     "\\r",     "\\u000e", "\\u000f",
        "\\u0010", "\\u0011", "\\u0012", "\\u0013", "\\u0014", "\\u0015", "\\u0016", "\\u0017",
        "\\u0018", "\\u0019", "\\u001a", "\\u001b", "\\u001c", "\\u001d", "\\u001e", "\\u001f"};
    for (std::size_t c = 0; c < 32; ++c) e[c] = kControls[c];
    e['"'] = "\\\"";
    e['\\'] = "\\\\";
    return e;
}();

}  // namespace

void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ == 0) return;
    bool& first = first_[depth_ < kMaxDepth ? depth_ : kMaxDepth - 1];
    if (!first) out_ += ',';
    first = false;
}

void JsonWriter::Open(char bracket) {
    Separate();
    out_ += bracket;
    ++depth_;
    first_[depth_ < kMaxDepth ? depth_ : kMaxDepth - 1] = true;
}

void JsonWriter::Close(char bracket) {
    out_ += bracket;
    --depth_;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    Separate();
    // The answer's names are the program's own, plain ASCII: nothing to escape.
    out_ += '"';
    out_.append(name.data(), name.size());
    out_ += '"';
    out_ += ':';
    afterKey_ = true;
    return *this;
}

void JsonWriter::String(std::string_view utf8) {
    Separate();
    Quoted(utf8);
}

void JsonWriter::Quoted(std::string_view utf8) {
    const std::size_t before = out_.size();
    out_ += '"';
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        // Eight bytes at a time while none of them needs a second look.
        while (i + 8 <= utf8.size() && PlainEight(utf8.data() + i)) i += 8;
        if (i == utf8.size()) break;
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x80) {
            const std::size_t n = SequenceLength(utf8, i);
            if (n == 0) {
                // What is not UTF-8 the library replaces, one way of several: leave all of
                // this text to the library.
                out_.resize(before);
                out_ += nlohmann::ordered_json(std::string(utf8)).dump(-1, ' ', false,
                                                                       nlohmann::json::error_handler_t::replace);
                return;
            }
            i += n;
            continue;
        }
        if (kEscapes[c] != nullptr) {
            out_.append(utf8.data() + plainFrom, i - plainFrom);
            out_ += kEscapes[c];
            plainFrom = i + 1;
        }
        ++i;
    }
    out_.append(utf8.data() + plainFrom, utf8.size() - plainFrom);
    out_ += '"';
}

void JsonWriter::Integer(std::int64_t n) {
    Separate();
    // Most are sign numbers and points: one or two digits.
    if (n >= 0 && n < 100) {
        if (n >= 10) out_ += static_cast<char>('0' + n / 10);
        out_ += static_cast<char>('0' + n % 10);
        return;
    }
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    out_.append(buf, end);
}

void JsonWriter::Boolean(bool b) {
    Separate();
    out_ += b ? "true" : "false";
}

void JsonWriter::Null() {
    Separate();
    out_ += "null";
}

void JsonWriter::Number(double d) { Value(nlohmann::ordered_json(d)); }

void JsonWriter::Value(const nlohmann::ordered_json& v) {
    Separate();
    out_ += v.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void JsonWriter::Value(const nlohmann::json& v) {
    Separate();
    out_ += v.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace velakor
