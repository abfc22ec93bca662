// The reading file (*.vlj): the birth data of one chart, 17 lines, one value each.
//
// The file is single-byte Latin-1. Every line is passed through a fixed character shift
// (EncodeText on writing, DecodeText on reading) so that the file is not plain readable
// text, and ends in CR LF. The core holds UTF-8; the functions below convert at the
// file's edge, so callers only ever see UTF-8.
//
// Saving:   bytes = ReadingFileBytes(program.Birth), written under a temporary name beside
//           the file and renamed into place (WriteFileSafely).
// Opening:  refuse names without HasReadingExtension and anything that is not a regular
//           file; read at most kReadingMaxBytes + 1 bytes; RestoreReading(bytes, formNow)
//           gives the new form values, or nothing when the file is not a reading (show
//           kCheckFileMessage and change nothing).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vedic/BirthForm.h"
#include "vedic/TextRules.h"

namespace velakor {

// The fixed shift. Above 13, so that no shifted character is a CR or an LF; small enough
// that every letter, digit and space (and Latin-1 letters up to code 238) survives it.
inline constexpr int kReadingShift = 17;

inline constexpr int kReadingLineCount = 17;
// Longest line a reader accepts, line end not counted. Our own lines are far shorter.
inline constexpr std::size_t kReadingMaxLineLength = 1024;
// The largest file that can be a reading: 17 lines at full length, each with CR LF. A larger
// file is refused, so a reader needs at most one byte more than this to judge any file.
inline constexpr std::size_t kReadingMaxBytes = kReadingLineCount * (kReadingMaxLineLength + 2);

// Dialog texts of the reading commands, and the one message of the open command.
inline constexpr std::string_view kReadingExtension = "vlj";
inline constexpr std::string_view kReadingFilter = "Velakor (*.vlj)|*.vlj";
inline constexpr std::string_view kSaveReadingTitle = "Velakor";
inline constexpr std::string_view kOpenReadingTitle = "Select the source file";
inline constexpr std::string_view kCheckFileMessage = "Please Check The File.";
// Shown (critical icon, title "Velakor") with the file's name appended when a save of any
// of our files fails; the file that stood there before is left whole.
inline constexpr std::string_view kSaveFailedMessage = "The file could not be saved: ";

// Line numbers (from 0) of the values in the file.
enum ReadingLine : int {
    kLineName, kLineMonth, kLineDay, kLineYear, kLineHour, kLineMinute, kLineZone,
    kLineLonDeg, kLineLonMin, kLineLatDeg, kLineLatMin,
    kLineLonEast, kLineLatSouth, kLineDaylightSaving,
    kLineCity, kLineState, kLineCountry,
};

using ReadingTexts = std::array<std::string, kReadingLineCount>;

// The shift, on single-byte text. EncodeText adds kReadingShift to every code and drops a
// character whose code would pass 255; DecodeText subtracts it and drops a character whose
// code would fall below 0. Order is kept.
std::string EncodeText(std::string_view latin1);
std::string DecodeText(std::string_view latin1);

// UTF-8 to Latin-1: a character above U+00FF has no Latin-1 code and is dropped, as are the
// bytes of a malformed sequence (the file can only hold what its code page holds).
std::string Utf8ToLatin1(std::string_view utf8);
// Latin-1 to UTF-8; every code maps to the character of the same number.
std::string Latin1ToUtf8(std::string_view latin1);

// The 17 values of the chart on show, as text (UTF-8), in file order: numbers in plain
// decimal ("-" for negatives), the zone as its list position BirthRecord::ZoneIndex, flags
// as "True" or "False", every value without leading and trailing spaces.
ReadingTexts ReadingValues(const BirthRecord& b);

// What the file keeps of a value (UTF-8 in, Latin-1 out, before the shift): the characters
// that have a Latin-1 code, are no control character (IsControlCode, the C1 controls too)
// and survive the shift (code + S at most 255), without outer spaces, cut to kReadingMaxLineLength. So every file written
// opens again.
std::string FileText(std::string_view utf8);

// The whole file: for each value, EncodeText of its FileText followed by CR LF.
std::string ReadingFileBytes(const BirthRecord& b);

// What a text value (name, city, state, country) of the chart on show loses in the file.
struct LostCharacters {
    ReadingLine Line;
    std::string Characters;  // UTF-8, each lost character once, in order of appearance
    bool Cut = false;        // the value is longer than a line may be: only its beginning is kept
};
std::vector<LostCharacters> FindLostCharacters(const BirthRecord& b);

// The question Save As asks before writing such a file: one line per field, naming the field
// by its label on the form and the characters it loses (a control character as U+0009).
std::string LostCharactersQuestion(const std::vector<LostCharacters>& lost);

// The name the Save As and Export dialogs propose: LastSaveFileName with its folder and base
// name, but the dialog's own extension ("asha.vlj" -> "asha.txt"); empty stays empty.
std::string WithExtension(std::string_view fileName, std::string_view extension);

// The reading's name proposed for a person never saved yet: the name as typed, trimmed, with
// what a file name cannot hold on any desktop replaced by "_", and the reading's extension
// ("Asha Rao" -> "Asha Rao.vlj"); empty for an empty name.
std::string FileNameForPerson(std::string_view personName);

// True when the name's last three characters are exactly "vlj" (letter case counts: a name
// ending in "VLJ" is refused although the dialog lists it).
bool HasReadingExtension(std::string_view fileName);

// Checks the whole file, splits it into its first 17 lines and decodes them (UTF-8 out). A
// line ends at CR LF, a lone LF or a lone CR; lines after the 17th are not decoded; a missing
// line reads as empty. Nothing when the file is not a reading:
//   - larger than kReadingMaxBytes, empty, or nothing but line ends;
//   - holding a NUL byte anywhere;
//   - one of its first 17 lines longer than kReadingMaxLineLength;
//   - a text-box line (name, degrees, minutes, city, state, country) whose decoded text holds
//     a control character.
std::optional<ReadingTexts> DecodeReadingFile(std::string_view fileBytes);

// How a flag line reads: "True"/"False" in any letter case, "0" (any number equal to zero)
// false and every other number true. An empty or unreadable text counts as true.
bool ReadTruthValue(std::string_view text);

// Puts decoded values into a copy of the form as the open command does:
//   - text boxes (name, degrees, minutes, city, state, country) take the text unchanged;
//   - month: the text as a number, minus 1, rounded (halves to even) is the list position;
//   - day, year, hour, minute: the list entry whose text equals the text ("1".."31",
//     "1901".."2050", "0".."24", "0".."59");
//   - zone: the text as a whole number is the list position (0..kZoneCount-1);
//   - the flags as ReadTruthValue reads them: east, south, daylight saving.
// A month, list entry or zone that cannot be taken over leaves that field as it was.
FormValues RestoreFormValues(const ReadingTexts& values, const FormValues& current);

// DecodeReadingFile then RestoreFormValues. Nothing when the file is not a reading; the
// caller then shows kCheckFileMessage and keeps the form as it is.
std::optional<FormValues> RestoreReading(std::string_view fileBytes, const FormValues& current);

}  // namespace velakor
