// Reading a reading file: arbitrary bytes through the bounded reader, the shift, the
// restoring rules and, when the result passes the form's rules, the whole calculation.
// A broken invariant traps, so libFuzzer reports it like a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Calculation.h"
#include "chart/PositionText.h"
#include "io/ReadingFile.h"
#include "io/Report.h"

namespace {

using namespace velakor;

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The shift: what survives encoding decodes to itself; decoding never grows a text.
    const std::string encoded = EncodeText(bytes);
    Check(encoded.find_first_of("\r\n") == std::string::npos);
    std::string kept;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) + kReadingShift <= 255) kept.push_back(c);
    }
    Check(DecodeText(encoded) == kept);
    Check(DecodeText(bytes).size() <= bytes.size());
    Check(Utf8ToLatin1(Latin1ToUtf8(bytes)) == std::string(bytes));
    Check(Utf8ToLatin1(bytes).size() <= bytes.size());

    FormValues previous;
    previous.Name = "Previous";
    previous.Day = 9;
    previous.Month = 9;
    previous.ZoneIndex = 9;
    // Whatever the writer is given, what it writes opens again, and a value it reports as
    // losing nothing comes back unchanged (without its outer spaces).
    BirthRecord written;
    written.BirthName = std::string(bytes.substr(0, bytes.size() / 2));
    written.BirthCity = std::string(bytes.substr(bytes.size() / 2));
    const auto back = RestoreReading(ReadingFileBytes(written), previous);
    Check(back.has_value());
    bool nameLost = false, cityLost = false;
    for (const LostCharacters& lost : FindLostCharacters(written)) {
        nameLost = nameLost || lost.Line == kLineName;
        cityLost = cityLost || lost.Line == kLineCity;
    }
    Check(nameLost || back->Name == TrimSpaces(written.BirthName));
    Check(cityLost || back->City == TrimSpaces(written.BirthCity));

    const auto restored = RestoreReading(bytes, previous);
    if (!restored) return 0;
    // What is taken is a reading: not too large, not blank, no NUL byte anywhere.
    Check(bytes.size() <= kReadingMaxBytes && bytes.find_first_not_of("\r\n") != std::string_view::npos &&
          bytes.find('\0') == std::string_view::npos);
    const FormValues& v = *restored;
    Check(v.Day >= 1 && v.Day <= 31 && v.Month >= 1 && v.Month <= 12 && v.Year >= 1901 && v.Year <= 2050);
    Check(v.Hour >= 0 && v.Hour <= 24 && v.Minute >= 0 && v.Minute <= 59);
    Check(v.ZoneIndex >= 0 && v.ZoneIndex < kZoneCount);
    Check(v.Latitude != Direction::None && v.Longitude != Direction::None);
    for (const std::string* text : {&v.Name, &v.LatDeg, &v.LatMin, &v.LonDeg, &v.LonMin, &v.City, &v.State, &v.Country}) {
        Check(text->size() <= 2 * kReadingMaxLineLength && ValidUtf8(*text));
        // No control character reaches a text box.
        for (std::size_t i = 0; i < text->size();) Check(!IsControlCode(NextCodePoint(*text, i)));
    }

    if (ValidateInput(v)) return 0;
    Program p;
    RunCalculation(p, v);
    // What is saved opens again as the same birth data.
    const std::string saved = ReadingFileBytes(p.Birth);
    const auto reopened = RestoreReading(saved, previous);
    Check(reopened.has_value());
    Check(reopened->Day == v.Day && reopened->Month == v.Month && reopened->Year == v.Year &&
          reopened->Hour == v.Hour && reopened->Minute == v.Minute && reopened->ZoneIndex == v.ZoneIndex &&
          reopened->Latitude == v.Latitude && reopened->Longitude == v.Longitude &&
          reopened->DaylightSaving == v.DaylightSaving);
    Check(ReadingFileBytes(p.Birth) == saved);
    Check(ReportLines(p.Birth, p.Texts, EnglishMonthName(p.Birth.BirthMonth)).size() == static_cast<std::size_t>(kReportLineCount));
    return 0;
}
