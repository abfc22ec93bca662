// Reading a reading file: arbitrary bytes through the bounded reader, the shift, the
// restoring rules and, when the result passes the form's rules, the whole calculation.
// A broken invariant traps, so libFuzzer reports it like a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Calculation.h"
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

bool SameForm(const FormValues& a, const FormValues& b) {
    return a.Name == b.Name && a.Day == b.Day && a.Month == b.Month && a.Year == b.Year && a.Hour == b.Hour &&
           a.Minute == b.Minute && a.ZoneIndex == b.ZoneIndex && a.LatDeg == b.LatDeg && a.LatMin == b.LatMin &&
           a.LonDeg == b.LonDeg && a.LonMin == b.LonMin && a.Latitude == b.Latitude &&
           a.Longitude == b.Longitude && a.DaylightSaving == b.DaylightSaving && a.City == b.City &&
           a.State == b.State && a.Country == b.Country;
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
    const auto restored = RestoreReading(bytes, previous);
    // A caller reads only the first kReadingMaxBytes bytes: the verdict must not change.
    const auto fromPrefix = RestoreReading(bytes.substr(0, kReadingMaxBytes), previous);
    Check(restored.has_value() == fromPrefix.has_value());
    if (!restored) return 0;
    const FormValues& v = *restored;
    Check(SameForm(v, *fromPrefix));
    Check(v.Day >= 1 && v.Day <= 31 && v.Month >= 1 && v.Month <= 12 && v.Year >= 1901 && v.Year <= 2050);
    Check(v.Hour >= 0 && v.Hour <= 24 && v.Minute >= 0 && v.Minute <= 59);
    Check(v.ZoneIndex >= 0 && v.ZoneIndex < kZoneCount);
    Check(v.Latitude != Direction::None && v.Longitude != Direction::None);
    for (const std::string* text : {&v.Name, &v.LatDeg, &v.LatMin, &v.LonDeg, &v.LonMin, &v.City, &v.State, &v.Country}) {
        Check(text->size() <= 2 * kReadingMaxLineLength && ValidUtf8(*text));
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
    Check(ReportLines(p, EnglishMonthName(p.Birth.BirthMonth)).size() == static_cast<std::size_t>(kReportLineCount));
    return 0;
}
