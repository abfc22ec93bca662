// A reading as the chart library keeps it: the seventeen values in the form the reading file
// gives them back, after every check that opening a reading and calculating its chart make.
#pragma once

#include <string>
#include <string_view>

#include "io/ReadingFile.h"
#include "vedic/Birth.h"
#include "vedic/BirthForm.h"

namespace velakor {

struct CheckedReading {
    // The values as a file written from them would hold them (UTF-8, numbers in plain
    // decimal, flags "True"/"False"); the same chart always gives the same texts.
    ReadingTexts Values;
    // Empty when the reading may become a chart; otherwise what the program would say.
    std::string Refusal;
    bool ok() const { return Refusal.empty(); }
};

// Checks a reading file's bytes as the open command and the calculation would: the file must
// be a reading (kCheckFileMessage otherwise), every list value must be one the form can take
// (a month of 13 would leave the form's month as it was: refused the same way), and the
// values must pass the form's rules (their message otherwise).
CheckedReading CheckReadingBytes(std::string_view fileBytes);

// The same for a chart on show: what its reading file would keep of it.
CheckedReading CheckBirthRecord(const BirthRecord& b);

// The form's values of checked texts, and the file's bytes written from them.
FormValues FormValuesOf(const ReadingTexts& values);
std::string ReadingBytesOf(const ReadingTexts& values);

}  // namespace velakor
