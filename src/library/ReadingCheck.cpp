#include "library/ReadingCheck.h"

#include "app/Calculation.h"

namespace velakor {
namespace {

// Two forms that differ in every list: a value the reading cannot put into the form shows as
// a difference between the two restorations.
FormValues Probe(bool second) {
    FormValues v;
    v.Day = second ? 2 : 1;
    v.Month = second ? 2 : 1;
    v.Year = second ? 1902 : 1901;
    v.Hour = second ? 1 : 0;
    v.Minute = second ? 1 : 0;
    v.ZoneIndex = second ? 1 : 0;
    return v;
}

bool SameLists(const FormValues& a, const FormValues& b) {
    return a.Day == b.Day && a.Month == b.Month && a.Year == b.Year && a.Hour == b.Hour && a.Minute == b.Minute &&
           a.ZoneIndex == b.ZoneIndex;
}

CheckedReading Refused(std::string_view why) { return {{}, std::string(why)}; }

}  // namespace

CheckedReading CheckReadingBytes(std::string_view fileBytes) {
    const auto texts = DecodeReadingFile(fileBytes);
    if (!texts) return Refused(kCheckFileMessage);
    const FormValues v = RestoreFormValues(*texts, Probe(false));
    if (!SameLists(v, RestoreFormValues(*texts, Probe(true)))) return Refused(kCheckFileMessage);
    if (const auto failure = ValidateInput(v)) return Refused(failure->Message);
    Program p;
    CopyFormToRecord(p, v);
    CheckedReading out;
    // What a file written from the record holds, read back: so a chart saved from the
    // program and the same chart imported from its file are one chart.
    const auto kept = DecodeReadingFile(ReadingFileBytes(p.Birth));
    if (!kept) return Refused(kCheckFileMessage);
    out.Values = *kept;
    return out;
}

CheckedReading CheckBirthRecord(const BirthRecord& b) { return CheckReadingBytes(ReadingFileBytes(b)); }

FormValues FormValuesOf(const ReadingTexts& values) { return RestoreFormValues(values, FormValues{}); }

std::string ReadingBytesOf(const ReadingTexts& values) {
    Program p;
    CopyFormToRecord(p, FormValuesOf(values));
    return ReadingFileBytes(p.Birth);
}

}  // namespace velakor
