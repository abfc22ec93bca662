#include "io/ReadingFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "chart/PositionText.h"

namespace velakor {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string FlagText(bool flag) { return flag ? "True" : "False"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// A decimal number with an optional sign and fraction ("3", "-2", "+4.5", "7.", ".5"),
// outer spaces allowed. Nothing for anything else, and for a number too large for a double.
std::optional<double> ReadNumber(std::string_view text) {
    std::string_view t = TrimSpaces(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    std::size_t digits = 0, dots = 0;
    for (char c : t) {
        if (IsDigit(c)) {
            ++digits;
        } else if (c == '.') {
            ++dots;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || dots > 1) return std::nullopt;
    // from_chars wants a digit before the point.
    std::string buffer;
    if (t.front() == '.') buffer = "0";
    buffer.append(t);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                           std::chars_format::fixed);
    if (ec != std::errc{} || end != buffer.data() + buffer.size()) return std::nullopt;
    return negative ? -value : value;
}

// A whole number with an optional sign, outer spaces allowed; held at +-1e12 when larger.
std::optional<long long> ReadWholeNumber(std::string_view text) {
    std::string_view t = TrimSpaces(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return std::nullopt;
    long long n = 0;
    for (char c : t) {
        if (!IsDigit(c)) return std::nullopt;
        if (n < 1000000000000LL) n = n * 10 + (c - '0');
    }
    return negative ? -n : n;
}

// The value of the list entry whose text is exactly `text`, for lists holding the plain
// decimal numbers low..high; nothing when no entry reads so.
std::optional<int> ListEntry(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < low || n > high || std::to_string(n) != text) return std::nullopt;
    return n;
}

// The lines that go into text boxes as they stand.
bool IsTextBoxLine(int line) {
    return line == kLineName || line == kLineLonDeg || line == kLineLonMin || line == kLineLatDeg ||
           line == kLineLatMin || line == kLineCity || line == kLineState || line == kLineCountry;
}

// The label of a text value's field on the form.
std::string_view FieldLabel(ReadingLine line) {
    switch (line) {
        case kLineCity: return "City";
        case kLineState: return "State";
        case kLineCountry: return "Country";
        default: return "Name";
    }
}

// "U+0009": a control character named, as it cannot be shown.
std::string ControlName(std::uint32_t code) {
    const char* const digits = "0123456789ABCDEF";
    std::string out = "U+00";
    out += digits[(code >> 4) & 0xF];
    out += digits[code & 0xF];
    return out;
}

// Every character the file can hold, without outer spaces; not yet cut to a line's length.
std::string KeptText(std::string_view utf8) {
    std::string kept;
    kept.reserve(utf8.size());
    for (char ch : Utf8ToLatin1(utf8)) {
        const auto c = static_cast<unsigned char>(ch);
        if (!IsControlCode(c) && c + kReadingShift <= 255) kept.push_back(ch);
    }
    return std::string(TrimSpaces(kept));
}

}  // namespace

std::string EncodeText(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char ch : latin1) {
        const int c = static_cast<unsigned char>(ch);
        if (c + kReadingShift <= 255) out.push_back(static_cast<char>(c + kReadingShift));
    }
    return out;
}

std::string DecodeText(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char ch : latin1) {
        const int c = static_cast<unsigned char>(ch);
        if (c - kReadingShift >= 0) out.push_back(static_cast<char>(c - kReadingShift));
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        // U+0080..U+00FF are exactly the two-byte sequences led by C2 or C3. Every other
        // byte is either part of a character beyond Latin-1 or malformed: both are dropped
        // one byte at a time, which also drops the continuation bytes that follow.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if ((next & 0xC0) == 0x80) {
                out.push_back(static_cast<char>(((c & 0x03) << 6) | (next & 0x3F)));
                i += 2;
                continue;
            }
        }
        ++i;
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

ReadingTexts ReadingValues(const BirthRecord& b) {
    ReadingTexts v;
    v[kLineName] = b.BirthName;
    v[kLineMonth] = std::to_string(b.BirthMonth);
    v[kLineDay] = std::to_string(b.BirthDay);
    v[kLineYear] = std::to_string(b.BirthYear);
    v[kLineHour] = std::to_string(b.BirthHour);
    v[kLineMinute] = std::to_string(b.BirthMinute);
    v[kLineZone] = std::to_string(b.ZoneIndex);
    v[kLineLonDeg] = std::to_string(b.LonDeg);
    v[kLineLonMin] = std::to_string(b.LonMin);
    v[kLineLatDeg] = std::to_string(b.LatDeg);
    v[kLineLatMin] = std::to_string(b.LatMin);
    v[kLineLonEast] = FlagText(b.LonEastFlag);
    v[kLineLatSouth] = FlagText(b.LatSouthFlag);
    v[kLineDaylightSaving] = FlagText(b.DaylightSaving);
    v[kLineCity] = b.BirthCity;
    v[kLineState] = b.BirthState;
    v[kLineCountry] = b.BirthCountry;
    for (auto& text : v) text = std::string(TrimSpaces(text));
    return v;
}

std::string FileText(std::string_view utf8) {
    const std::string kept = KeptText(utf8);
    if (kept.size() <= kReadingMaxLineLength) return kept;
    return std::string(TrimSpaces(std::string_view(kept).substr(0, kReadingMaxLineLength)));
}

std::string ReadingFileBytes(const BirthRecord& b) {
    std::string out;
    for (const std::string& value : ReadingValues(b)) {
        out += EncodeText(FileText(value));
        out += kLineEnd;
    }
    return out;
}

std::vector<LostCharacters> FindLostCharacters(const BirthRecord& b) {
    const ReadingTexts values = ReadingValues(b);
    std::vector<LostCharacters> out;
    for (const ReadingLine line : {kLineName, kLineCity, kLineState, kLineCountry}) {
        LostCharacters lost{line, {}, false};
        std::vector<std::uint32_t> seen;
        const std::string_view value = values[line];
        for (std::size_t i = 0; i < value.size();) {
            const std::size_t start = i;
            const std::uint32_t code = NextCodePoint(value, i);
            if (code <= 255 && !IsControlCode(code) && code + kReadingShift <= 255) continue;
            if (std::find(seen.begin(), seen.end(), code) != seen.end()) continue;
            seen.push_back(code);
            if (!lost.Characters.empty()) lost.Characters += ' ';
            if (IsControlCode(code)) {
                lost.Characters += ControlName(code);
            } else if (code == kReplacementCharacter) {
                lost.Characters += "\xEF\xBF\xBD";
            } else {
                lost.Characters.append(value.substr(start, i - start));
            }
        }
        lost.Cut = KeptText(value).size() > kReadingMaxLineLength;
        if (!lost.Characters.empty() || lost.Cut) out.push_back(std::move(lost));
    }
    return out;
}

std::string LostCharactersQuestion(const std::vector<LostCharacters>& lost) {
    std::string text = "These characters cannot be kept in the reading file and would be lost:\n";
    for (const LostCharacters& l : lost) {
        text += '\n';
        text += FieldLabel(l.Line);
        text += ": ";
        text += l.Characters;
        if (l.Cut) {
            if (!l.Characters.empty()) text += ", and ";
            text += "everything after the first " + std::to_string(kReadingMaxLineLength) + " characters";
        }
    }
    text += "\n\nSave the reading without them?";
    return text;
}

std::string WithExtension(std::string_view fileName, std::string_view extension) {
    if (fileName.empty()) return {};
    const std::size_t folderEnd = fileName.find_last_of("/\\");
    const std::size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
    const std::size_t dot = fileName.rfind('.');
    // A dot that starts the name (".vlj") or belongs to a folder is no extension.
    const std::size_t baseEnd = (dot != std::string_view::npos && dot > nameStart) ? dot : fileName.size();
    std::string out(fileName.substr(0, baseEnd));
    out += '.';
    out.append(extension);
    return out;
}

std::string FileNameForPerson(std::string_view personName) {
    const std::size_t first = personName.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = personName.find_last_not_of(" \t");
    std::string out;
    for (const char c : personName.substr(first, last - first + 1)) {
        const bool forbidden = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
                               std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        out += forbidden ? '_' : c;
    }
    // A leading dot would hide the file.
    if (out.front() == '.') out.front() = '_';
    out += '.';
    out.append(kReadingExtension);
    return out;
}

bool HasReadingExtension(std::string_view fileName) {
    return fileName.size() >= kReadingExtension.size() &&
           fileName.substr(fileName.size() - kReadingExtension.size()) == kReadingExtension;
}

std::optional<ReadingTexts> DecodeReadingFile(std::string_view fileBytes) {
    if (fileBytes.size() > kReadingMaxBytes) return std::nullopt;
    if (fileBytes.find_first_not_of("\r\n") == std::string_view::npos) return std::nullopt;
    if (fileBytes.find('\0') != std::string_view::npos) return std::nullopt;
    ReadingTexts lines;
    std::size_t pos = 0;
    for (int n = 0; n < kReadingLineCount && pos < fileBytes.size(); ++n) {
        std::size_t length = fileBytes.substr(pos).find_first_of("\r\n");
        if (length == std::string_view::npos) length = fileBytes.size() - pos;
        if (length > kReadingMaxLineLength) return std::nullopt;
        const std::string latin1 = DecodeText(fileBytes.substr(pos, length));
        if (IsTextBoxLine(n) && std::any_of(latin1.begin(), latin1.end(), [](char c) {
                return IsControlCode(static_cast<unsigned char>(c));
            })) {
            return std::nullopt;
        }
        lines[n] = Latin1ToUtf8(latin1);
        pos += length;
        if (pos < fileBytes.size() && fileBytes[pos] == '\r') ++pos;
        if (pos < fileBytes.size() && fileBytes[pos] == '\n') ++pos;
    }
    return lines;
}

bool ReadTruthValue(std::string_view text) {
    const std::string_view t = TrimSpaces(text);
    if (EqualsIgnoringCase(t, "false")) return false;
    if (EqualsIgnoringCase(t, "true")) return true;
    if (const auto number = ReadNumber(t)) return *number != 0.0;
    return true;
}

FormValues RestoreFormValues(const ReadingTexts& values, const FormValues& current) {
    FormValues v = current;
    v.Name = values[kLineName];

    if (const auto number = ReadNumber(values[kLineMonth])) {
        // Rounding of a halfway value goes to the even neighbour (2.5 -> 2).
        const double position = std::nearbyint(*number - 1.0);
        if (position >= 0.0 && position <= 11.0) v.Month = static_cast<int>(position) + 1;
    }
    if (const auto day = ListEntry(values[kLineDay], 1, 31)) v.Day = *day;
    if (const auto year = ListEntry(values[kLineYear], 1901, 2050)) v.Year = *year;
    if (const auto hour = ListEntry(values[kLineHour], 0, 24)) v.Hour = *hour;
    if (const auto minute = ListEntry(values[kLineMinute], 0, 59)) v.Minute = *minute;
    if (const auto zone = ReadWholeNumber(values[kLineZone]); zone && *zone >= 0 && *zone < kZoneCount) {
        v.ZoneIndex = static_cast<int>(*zone);
    }

    v.LonDeg = values[kLineLonDeg];
    v.LonMin = values[kLineLonMin];
    v.LatDeg = values[kLineLatDeg];
    v.LatMin = values[kLineLatMin];
    v.Longitude = ReadTruthValue(values[kLineLonEast]) ? Direction::First : Direction::Second;
    v.Latitude = ReadTruthValue(values[kLineLatSouth]) ? Direction::Second : Direction::First;
    v.DaylightSaving = ReadTruthValue(values[kLineDaylightSaving]);

    v.City = values[kLineCity];
    v.State = values[kLineState];
    v.Country = values[kLineCountry];
    return v;
}

std::optional<FormValues> RestoreReading(std::string_view fileBytes, const FormValues& current) {
    const auto values = DecodeReadingFile(fileBytes);
    if (!values) return std::nullopt;
    return RestoreFormValues(*values, current);
}

}  // namespace velakor
