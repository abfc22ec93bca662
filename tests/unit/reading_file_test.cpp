// The reading file: the shift, the 17 lines, the restoring rules and the bounded reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/Calculation.h"
#include "chart/PositionText.h"
#include "io/ReadingFile.h"

namespace velakor {
namespace {

// Every field of the form, for comparisons that print what differs.
std::string Describe(const FormValues& v) {
    auto dir = [](Direction d) { return d == Direction::None ? "none" : (d == Direction::First ? "first" : "second"); };
    return "name[" + v.Name + "] " + std::to_string(v.Day) + "/" + std::to_string(v.Month) + "/" +
           std::to_string(v.Year) + " " + std::to_string(v.Hour) + ":" + std::to_string(v.Minute) + " zone " +
           std::to_string(v.ZoneIndex) + " lat[" + v.LatDeg + "][" + v.LatMin + "] " + dir(v.Latitude) +
           " lon[" + v.LonDeg + "][" + v.LonMin + "] " + dir(v.Longitude) + " dst " +
           (v.DaylightSaving ? "on" : "off") + " [" + v.City + "][" + v.State + "][" + v.Country + "]";
}

// A form whose every field differs from what the tests' files hold, to show which fields a
// file overwrites and which it keeps.
FormValues PreviousForm() {
    FormValues v;
    v.Name = "Previous";
    v.Day = 9;
    v.Month = 9;
    v.Year = 1999;
    v.Hour = 9;
    v.Minute = 9;
    v.ZoneIndex = 9;
    v.LatDeg = "9";
    v.LatMin = "9";
    v.LonDeg = "9";
    v.LonMin = "9";
    v.Latitude = Direction::None;
    v.Longitude = Direction::None;
    v.DaylightSaving = false;
    v.City = "Prev City";
    v.State = "Prev State";
    v.Country = "Prev Country";
    return v;
}

// The values of a sample reading, as they stand in the file.
ReadingTexts SampleTexts() {
    return {"Sample Person", "8", "15", "1947", "0", "0", "34", "77", "12", "28", "38",
            "True", "False", "False", "New Delhi", "Delhi", "India"};
}

std::string FileOf(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n") {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += EncodeText(line);
        bytes += lineEnd;
    }
    return bytes;
}

std::string FileOf(const ReadingTexts& texts) { return FileOf(std::vector<std::string>(texts.begin(), texts.end())); }

// ---------------------------------------------------------------------------------------
// The shift

TEST(ReadingShift, IsAboveLineEndsAndKeepsEveryFormCharacter) {
    static_assert(kReadingShift > 13 && kReadingShift <= 128);
    const std::string formCharacters =
        " ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-";
    const std::string encoded = EncodeText(formCharacters);
    ASSERT_EQ(encoded.size(), formCharacters.size());
    EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(DecodeText(encoded), formCharacters);
}

TEST(ReadingShift, DropsExactlyTheCodesItCannotShift) {
    for (int c = 0; c <= 255; ++c) {
        const std::string one(1, static_cast<char>(c));
        SCOPED_TRACE("code " + std::to_string(c));
        const std::string encoded = EncodeText(one);
        if (c + kReadingShift <= 255) {
            ASSERT_EQ(encoded.size(), 1u);
            EXPECT_EQ(static_cast<unsigned char>(encoded[0]), c + kReadingShift);
            EXPECT_NE(encoded[0], '\r');
            EXPECT_NE(encoded[0], '\n');
            EXPECT_EQ(DecodeText(encoded), one);
        } else {
            EXPECT_TRUE(encoded.empty());
        }
        const std::string decoded = DecodeText(one);
        if (c >= kReadingShift) {
            ASSERT_EQ(decoded.size(), 1u);
            EXPECT_EQ(static_cast<unsigned char>(decoded[0]), c - kReadingShift);
        } else {
            EXPECT_TRUE(decoded.empty());
        }
    }
}

TEST(ReadingShift, KeepsOrderAroundDroppedCharacters) {
    const char top = static_cast<char>(255);
    EXPECT_EQ(DecodeText(EncodeText(std::string("A") + top + "B" + top)), "AB");
    const char low = static_cast<char>(kReadingShift - 1);
    EXPECT_EQ(DecodeText(std::string(1, low) + EncodeText("Ra") + low + EncodeText("m")), "Ram");
}

// ---------------------------------------------------------------------------------------
// Latin-1 at the file's edge

TEST(ReadingLatin1, ConvertsToAndFromUtf8) {
    struct Row {
        const char* name;
        std::string utf8;
        std::string latin1;
    };
    const std::vector<Row> rows = {
        {"plain ASCII", "Ram Das", "Ram Das"},
        {"e acute", "Jos\xC3\xA9", "Jos\xE9"},
        {"first above ASCII", "\xC2\x80", "\x80"},
        {"y diaeresis", "\xC3\xBF", "\xFF"},
        {"degree sign", "20\xC2\xB0", "20\xB0"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Utf8ToLatin1(r.utf8), r.latin1);
        EXPECT_EQ(Latin1ToUtf8(r.latin1), r.utf8);
    }
    for (int c = 0; c <= 255; ++c) {
        const std::string one(1, static_cast<char>(c));
        EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(one)), one) << "code " << c;
    }
}

TEST(ReadingLatin1, DropsWhatLatin1CannotHold) {
    struct Row {
        const char* name;
        std::string utf8;
        std::string latin1;
    };
    const std::vector<Row> rows = {
        {"Greek capital omega", "A\xCE\xA9Z", "AZ"},
        {"euro sign", "5\xE2\x82\xAC", "5"},
        {"four-byte character", "a\xF0\x9F\x98\x80" "b", "ab"},
        {"lead byte at the end", "ab\xC3", "ab"},
        {"lead byte before ASCII", "\xC3" "A", "A"},
        {"lone continuation byte", "a\xA9" "b", "ab"},
        {"overlong slash", "\xC0\xAF", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Utf8ToLatin1(r.utf8), r.latin1);
    }
}

// ---------------------------------------------------------------------------------------
// Writing

BirthRecord SampleRecord() {
    BirthRecord b;
    b.BirthName = "  Sample Person  ";
    b.BirthMonth = 8;
    b.BirthDay = 15;
    b.BirthYear = 1947;
    b.BirthHour = 0;
    b.BirthMinute = 0;
    b.ZoneIndex = 34;
    b.LonDeg = 77;
    b.LonMin = 12;
    b.LatDeg = 28;
    b.LatMin = 38;
    b.LonEastFlag = true;
    b.LatSouthFlag = false;
    b.DaylightSaving = false;
    b.BirthCity = "New Delhi";
    b.BirthState = "Delhi";
    b.BirthCountry = "India";
    return b;
}

TEST(ReadingWrite, HoldsTheSeventeenValuesInOrder) {
    EXPECT_EQ(ReadingValues(SampleRecord()), SampleTexts());

    BirthRecord b = SampleRecord();
    b.LonDeg = -3;  // never from the form, but a record may hold it
    b.LatSouthFlag = true;
    b.DaylightSaving = true;
    const ReadingTexts v = ReadingValues(b);
    EXPECT_EQ(v[kLineLonDeg], "-3");
    EXPECT_EQ(v[kLineLatSouth], "True");
    EXPECT_EQ(v[kLineDaylightSaving], "True");
}

TEST(ReadingWrite, FileIsSeventeenShiftedLinesEndingInCrLf) {
    const std::string bytes = ReadingFileBytes(SampleRecord());
    EXPECT_EQ(bytes.substr(0, 15), EncodeText("Sample Person") + "\r\n");
    std::size_t lines = 0, pos = 0;
    for (const std::string& value : SampleTexts()) {
        const std::size_t end = bytes.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(bytes.substr(pos, end - pos), EncodeText(value)) << "line " << lines + 1;
        pos = end + 2;
        ++lines;
    }
    EXPECT_EQ(lines, 17u);
    EXPECT_EQ(pos, bytes.size());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 17);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 17);
}

TEST(ReadingWrite, TrimsOuterSpacesAndDropsWhatTheFileCannotHold) {
    struct Row {
        const char* name;
        std::string birthName;  // UTF-8, as the core holds it
        std::string inFile;     // Latin-1, before the shift
    };
    const std::vector<Row> rows = {
        {"outer spaces", "   Ann Lee ", "Ann Lee"},
        {"inner spaces kept", "Ann  Lee", "Ann  Lee"},
        {"only spaces", "    ", ""},
        {"Latin-1 letter kept", "Ren\xC3\xA9", "Ren\xE9"},
        {"beyond Latin-1, then trimmed", "\xCE\xA9 Bob", "Bob"},
        {"code above 255 - S dropped by the shift", "Bo\xC3\xBF", "Bo"},
        {"dropped by the shift, then trimmed", "\xC3\xBF Bob", "Bob"},
        {"control characters dropped", "Ann\tLee\x7F", "AnnLee"},
        {"C1 controls dropped", "Ann\xC2\x85Lee\xC2\x9F", "AnnLee"},
        {"cut to a line's length", std::string(kReadingMaxLineLength - 1, 'a') + " bc",
         std::string(kReadingMaxLineLength - 1, 'a')},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BirthRecord b = SampleRecord();
        b.BirthName = r.birthName;
        const std::string bytes = ReadingFileBytes(b);
        const std::string firstLine = bytes.substr(0, bytes.find("\r\n"));
        EXPECT_EQ(DecodeText(firstLine), r.inFile);
    }
}

TEST(ReadingWrite, NamesWhatTheFileCannotKeep) {
    const std::string longName = std::string(kReadingMaxLineLength, 'a') + "b";
    struct Row {
        const char* name;
        std::string birthName, city;  // UTF-8
        std::string question;         // empty: none
    };
    const std::vector<Row> rows = {
        {"plain values", "Asha Rao", "Pune", ""},
        {"Latin-1 letters the shift keeps", "Zo\xC3\xAB \xC3\x89mile", "Pune", ""},
        {"outer spaces are never saved", "  Asha  ", " Pune ", ""},
        {"above 255 - S, each named once", "Zo\xC3\xAB M\xC3\xBCller M\xC3\xB6\xC3\xBCr", "Pune",
         "Name: \xC3\xBC \xC3\xB6"},
        {"beyond Latin-1, in the city",
         "Asha", "\xE0\xA4\xB0\xE0\xA4\xBE\xE0\xA4\xAE \xE0\xA4\xA8\xE0\xA4\x97\xE0\xA4\xB0",
         "City: \xE0\xA4\xB0 \xE0\xA4\xBE \xE0\xA4\xAE \xE0\xA4\xA8 \xE0\xA4\x97"},
        {"a control character", "Asha\tRao", "Pune", "Name: U+0009"},
        {"a C1 control", "Asha\xC2\x85Rao", "Pune\xC2\x80", "Name: U+0085\nCity: U+0080"},
        {"longer than a line", longName, "Pune", "Name: everything after the first 1024 characters"},
        {"lost and cut", longName + "\xE2\x82\xAC", "Pune\x7F",
         "Name: \xE2\x82\xAC, and everything after the first 1024 characters\nCity: U+007F"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BirthRecord b = SampleRecord();
        b.BirthName = r.birthName;
        b.BirthCity = r.city;
        const std::string question = LostCharactersQuestion(FindLostCharacters(b));
        if (r.question.empty()) {
            EXPECT_TRUE(FindLostCharacters(b).empty()) << question;
        } else {
            EXPECT_EQ(question,
                      "These characters cannot be kept in the reading file and would be lost:\n\n" + r.question +
                          "\n\nSave the reading without them?");
        }
    }
}

// ---------------------------------------------------------------------------------------
// The file name

TEST(ReadingExtension, ProposedNameKeepsFolderAndBaseName) {
    struct Row {
        const char* last;
        const char* vlj;
        const char* txt;
    };
    const std::vector<Row> rows = {
        {"", "", ""},
        {"/home/u/asha.vlj", "/home/u/asha.vlj", "/home/u/asha.txt"},
        {"/home/u/asha.txt", "/home/u/asha.vlj", "/home/u/asha.txt"},
        {"/home/u/asha", "/home/u/asha.vlj", "/home/u/asha.txt"},
        {"/home/u/my.charts/asha", "/home/u/my.charts/asha.vlj", "/home/u/my.charts/asha.txt"},
        {"/home/u/asha.rao.VLJ", "/home/u/asha.rao.vlj", "/home/u/asha.rao.txt"},
        {"/home/u/.vlj", "/home/u/.vlj.vlj", "/home/u/.vlj.txt"},
        {"C:\\Charts\\asha.vlj", "C:\\Charts\\asha.vlj", "C:\\Charts\\asha.txt"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(WithExtension(r.last, "vlj"), r.vlj) << r.last;
        EXPECT_EQ(WithExtension(r.last, "txt"), r.txt) << r.last;
    }
}

TEST(ReadingExtension, MustEndInLowerCaseVlj) {
    struct Row {
        const char* name;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {"/home/u/chart.vlj", true}, {"chart.vlj", true},  {"vlj", true},
        {"/home/u/chart.VLJ", false}, {"chart.Vlj", false}, {"chart.vlJ", false},
        {"chart.vljx", false},        {"chart.txt", false}, {"", false},
        {"lj", false},
    };
    for (const Row& r : rows) EXPECT_EQ(HasReadingExtension(r.name), r.accepted) << r.name;
    EXPECT_EQ(kCheckFileMessage, "Please Check The File.");
}

// ---------------------------------------------------------------------------------------
// Restoring

TEST(ReadingRestore, SampleFileFillsEveryField) {
    const auto v = RestoreReading(FileOf(SampleTexts()), PreviousForm());
    ASSERT_TRUE(v);
    FormValues want;
    want.Name = "Sample Person";
    want.Day = 15;
    want.Month = 8;
    want.Year = 1947;
    want.Hour = 0;
    want.Minute = 0;
    want.ZoneIndex = 34;
    want.LonDeg = "77";
    want.LonMin = "12";
    want.LatDeg = "28";
    want.LatMin = "38";
    want.Longitude = Direction::First;
    want.Latitude = Direction::First;
    want.DaylightSaving = false;
    want.City = "New Delhi";
    want.State = "Delhi";
    want.Country = "India";
    EXPECT_EQ(Describe(*v), Describe(want));
}

TEST(ReadingRestore, MonthIsTheRoundedListPosition) {
    struct Row {
        const char* text;
        int month;  // 9 = kept from the previous form
    };
    const std::vector<Row> rows = {
        {"1", 1},    {"12", 12},  {"3.4", 3},  {"3.6", 4}, {"3.5", 3},  {"4.5", 5},
        {" 7 ", 7},  {"+2", 2},   {"0.6", 1},  {"0.5", 1}, {"0", 9},    {"13", 9},
        {"12.4", 12}, {"12.5", 9}, {"12.6", 9}, {"-1", 9}, {"", 9},    {"May", 9},
        {"5x", 9},   {"1.2.3", 9}, {".", 9},   {"--5", 9}, {"99999999999999999999999", 9},
    };
    for (const Row& r : rows) {
        ReadingTexts texts = SampleTexts();
        texts[kLineMonth] = r.text;
        const auto v = RestoreReading(FileOf(texts), PreviousForm());
        ASSERT_TRUE(v);
        EXPECT_EQ(v->Month, r.month) << "month line [" << r.text << "]";
    }
}

TEST(ReadingRestore, ListsTakeTheEntryWithTheSameText) {
    struct Row {
        const char* name;
        int line;
        const char* text;
        int value;  // 9 or 1999 = kept from the previous form
    };
    const std::vector<Row> rows = {
        {"first day", kLineDay, "1", 1},           {"last day", kLineDay, "31", 31},
        {"day 0", kLineDay, "0", 9},               {"day 32", kLineDay, "32", 9},
        {"day with a leading zero", kLineDay, "05", 9},
        {"day with a space", kLineDay, " 5", 9},   {"empty day", kLineDay, "", 9},
        {"first year", kLineYear, "1901", 1901},   {"last year", kLineYear, "2050", 2050},
        {"year before the list", kLineYear, "1900", 1999},
        {"year after the list", kLineYear, "2051", 1999},
        {"year as a fraction", kLineYear, "1950.0", 1999},
        {"hour 0", kLineHour, "0", 0},             {"hour 24", kLineHour, "24", 24},
        {"hour 25", kLineHour, "25", 9},           {"negative hour", kLineHour, "-1", 9},
        {"minute 59", kLineMinute, "59", 59},      {"minute 60", kLineMinute, "60", 9},
        {"minute 00", kLineMinute, "00", 9},
    };
    for (const Row& r : rows) {
        ReadingTexts texts = SampleTexts();
        texts[r.line] = r.text;
        const auto v = RestoreReading(FileOf(texts), PreviousForm());
        ASSERT_TRUE(v);
        const int got = r.line == kLineDay ? v->Day
                        : r.line == kLineYear ? v->Year
                        : r.line == kLineHour ? v->Hour
                                              : v->Minute;
        EXPECT_EQ(got, r.value) << r.name;
    }
}

TEST(ReadingRestore, ZoneIsTheListPosition) {
    struct Row {
        const char* text;
        int zone;  // 9 = kept from the previous form
    };
    const std::vector<Row> rows = {
        {"0", 0},  {"70", 70}, {"34", 34}, {"007", 7}, {" 12 ", 12}, {"+3", 3},
        // Rows after the 71st open to themselves; the local mean time row is the last.
        {"71", 71}, {"99", 99}, {"110", kLocalMeanTimeRow}, {"111", 9},
        {"-1", 9},  {"5.5", 9}, {"", 9},    {"IST", 9},   {"99999999999999999999", 9},
    };
    for (const Row& r : rows) {
        ReadingTexts texts = SampleTexts();
        texts[kLineZone] = r.text;
        const auto v = RestoreReading(FileOf(texts), PreviousForm());
        ASSERT_TRUE(v);
        EXPECT_EQ(v->ZoneIndex, r.zone) << "zone line [" << r.text << "]";
    }
}

TEST(ReadingRestore, FlagsReadAsTruthValues) {
    struct Row {
        const char* text;
        bool value;
    };
    const std::vector<Row> rows = {
        {"True", true},  {"true", true},  {"TRUE", true},   {"False", false}, {"FALSE", false},
        {"false", false}, {"0", false},   {"-0", false},    {"0.0", false},   {"7", true},
        {"-1", true},    {"0.5", true},   {"", true},       {"yes", true},    {"no", true},
        {" False ", false}, {"Fals", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("flag text [") + r.text + "]");
        EXPECT_EQ(ReadTruthValue(r.text), r.value);
        ReadingTexts texts = SampleTexts();
        texts[kLineLonEast] = r.text;
        texts[kLineLatSouth] = r.text;
        texts[kLineDaylightSaving] = r.text;
        const auto v = RestoreReading(FileOf(texts), PreviousForm());
        ASSERT_TRUE(v);
        EXPECT_EQ(v->Longitude, r.value ? Direction::First : Direction::Second);  // East : West
        EXPECT_EQ(v->Latitude, r.value ? Direction::Second : Direction::First);   // South : North
        EXPECT_EQ(v->DaylightSaving, r.value);
    }
}

TEST(ReadingRestore, TextBoxesTakeTheTextUnchanged) {
    ReadingTexts texts = SampleTexts();
    texts[kLineName] = " Two  Spaces ";
    texts[kLineLatDeg] = "abc";
    texts[kLineLatMin] = "";
    texts[kLineLonDeg] = "1234";
    texts[kLineLonMin] = "-5";
    texts[kLineCity] = "Jos\xE9";  // the file is Latin-1; the form gets UTF-8
    const auto v = RestoreReading(FileOf(texts), PreviousForm());
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Name, " Two  Spaces ");
    EXPECT_EQ(v->LatDeg, "abc");
    EXPECT_EQ(v->LatMin, "");
    EXPECT_EQ(v->LonDeg, "1234");
    EXPECT_EQ(v->LonMin, "-5");
    EXPECT_EQ(v->City, "Jos\xC3\xA9");
}

TEST(ReadingRestore, ThirteenLineFileChecksDaylightSavingAndEmptiesThePlace) {
    const ReadingTexts texts = SampleTexts();
    const auto v = RestoreReading(FileOf(std::vector<std::string>(texts.begin(), texts.begin() + 13)),
                                  PreviousForm());
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->DaylightSaving);
    EXPECT_EQ(v->City, "");
    EXPECT_EQ(v->State, "");
    EXPECT_EQ(v->Country, "");
    EXPECT_EQ(v->Name, "Sample Person");
    EXPECT_EQ(v->Month, 8);
    EXPECT_EQ(v->ZoneIndex, 34);
    EXPECT_EQ(v->Latitude, Direction::First);   // line 13 "False": North
    EXPECT_EQ(v->Longitude, Direction::First);  // line 12 "True": East
}

TEST(ReadingRestore, LinesOfDroppedCharactersEmptyTextBoxesAndKeepLists) {
    // Codes below the shift decode to nothing: 17 such lines are 17 empty values.
    std::string bytes;
    for (int n = 0; n < kReadingLineCount; ++n) bytes += std::string(1, static_cast<char>(1 + n % 16)) + "\r\n";
    const auto v = RestoreReading(bytes, PreviousForm());
    ASSERT_TRUE(v);
    FormValues want = PreviousForm();
    want.Name = want.LatDeg = want.LatMin = want.LonDeg = want.LonMin = "";
    want.City = want.State = want.Country = "";
    want.Longitude = Direction::First;  // empty flags count as true: East, South, DST on
    want.Latitude = Direction::Second;
    want.DaylightSaving = true;
    EXPECT_EQ(Describe(*v), Describe(want));
}

TEST(ReadingRestore, AcceptsEveryLineEndAndIgnoresLinesAfterTheSeventeenth) {
    const ReadingTexts texts = SampleTexts();
    const std::string crlf = FileOf(texts);
    const auto want = RestoreReading(crlf, PreviousForm());
    ASSERT_TRUE(want);
    struct Row {
        const char* name;
        std::string bytes;
    };
    std::string noFinalEnd = crlf.substr(0, crlf.size() - 2);
    std::string extraLines = crlf + EncodeText("extra") + "\r\n" + std::string(5000, 'x') + "\r\n";
    const std::vector<Row> rows = {
        {"LF only", FileOf(std::vector<std::string>(texts.begin(), texts.end()), "\n")},
        {"CR only", FileOf(std::vector<std::string>(texts.begin(), texts.end()), "\r")},
        {"no line end after the last line", noFinalEnd},
        {"lines after the seventeenth, one of them overlong", extraLines},
    };
    for (const Row& r : rows) {
        const auto v = RestoreReading(r.bytes, PreviousForm());
        ASSERT_TRUE(v) << r.name;
        EXPECT_EQ(Describe(*v), Describe(*want)) << r.name;
    }
    // CR CR LF is two line ends: an empty line slips in.
    std::string doubled = FileOf(std::vector<std::string>(texts.begin(), texts.end()), "\r\r\n");
    const auto shifted = RestoreReading(doubled, PreviousForm());
    ASSERT_TRUE(shifted);
    EXPECT_EQ(shifted->Name, "Sample Person");
    EXPECT_EQ(shifted->Month, 9);  // line 2 is the empty line: the month is kept
}

TEST(ReadingRestore, WhatIsNotAReadingIsRefusedWhole) {
    const ReadingTexts texts = SampleTexts();
    auto withLine = [&](int n, std::string text) {
        std::vector<std::string> lines(texts.begin(), texts.end());
        lines[n] = std::move(text);
        return FileOf(lines);
    };
    const std::string sample = FileOf(texts);
    std::string nulInName = sample;
    nulInName.insert(2, 1, '\0');
    auto padded = [&](std::size_t size) { return sample + std::string(size - sample.size(), 'x'); };
    struct Row {
        const char* name;
        std::string bytes;
        bool readable;
    };
    const std::vector<Row> rows = {
        {"empty", "", false},
        {"only line ends", "\r\n\r\n\n\r\r", false},
        {"a NUL byte in the name", nulInName, false},
        {"a NUL byte after the seventeenth line", sample + std::string(1, '\0'), false},
        {"a tab in the name", withLine(kLineName, "Ravi\tKumar"), false},
        {"code 31 in the city", withLine(kLineCity, "A\x1F"), false},
        {"code 127 in the country", withLine(kLineCountry, "\x7F"), false},
        {"a control character in the degrees", withLine(kLineLatDeg, "2\t"), false},
        {"a control character in the minutes", withLine(kLineLonMin, "\x1F"), false},
        {"a control character in the month line", withLine(kLineMonth, "\t"), true},
        {"a control character in a flag line", withLine(kLineLonEast, "\t"), true},
        {"codes 32, 126 and 160 in the name", withLine(kLineName, " ~\xA0"), true},
        {"C1 control 128 in the name", withLine(kLineName, "Ravi\x80"), false},
        {"C1 control 159 in the state", withLine(kLineState, "\x9F"), false},
        {"a code below the shift is dropped", "\x01" + sample, true},
        {"a line at the limit", withLine(kLineName, std::string(kReadingMaxLineLength, 'a')), true},
        {"a line one past the limit", withLine(kLineCountry, std::string(kReadingMaxLineLength + 1, 'a')), false},
        {"the eighteenth line longer than a line may be", sample + std::string(5000, 'x'), true},
        {"as large as a reading can be", padded(kReadingMaxBytes), true},
        {"one byte larger", padded(kReadingMaxBytes + 1), false},
        {"one huge line", std::string(8'000'000, 'A'), false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(RestoreReading(r.bytes, PreviousForm()).has_value(), r.readable) << r.name;
    }
}

// ---------------------------------------------------------------------------------------
// Save, then open: through the core, for many random records

std::string RandomWord(std::mt19937& random, bool outerSpaces) {
    static const std::vector<std::string> pieces = {
        "a", "b", "K", "r", "Z", "m", "e", "Q", " ", "\xC3\xA9", "\xC3\x9C"};  // é, Ü
    std::string word = std::string(1, static_cast<char>('A' + random() % 26));
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) word += pieces[random() % pieces.size()];
    word += static_cast<char>('a' + random() % 26);
    if (outerSpaces) word = std::string(random() % 3, ' ') + word + std::string(random() % 3, ' ');
    return word;
}

FormValues RandomForm(std::mt19937& random) {
    FormValues v;
    v.Name = RandomWord(random, true);
    v.Year = 1901 + static_cast<int>(random() % 150);
    v.Month = 1 + static_cast<int>(random() % 12);
    const int monthDays[] = {31, v.Year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    v.Day = 1 + static_cast<int>(random() % monthDays[v.Month - 1]);
    v.Hour = static_cast<int>(random() % 25);
    v.Minute = static_cast<int>(random() % 60);
    v.ZoneIndex = static_cast<int>(random() % kZoneCount);
    v.LatDeg = std::to_string(random() % 90);
    v.LatMin = std::to_string(random() % 60);
    v.LonDeg = std::to_string(random() % 180);
    v.LonMin = std::to_string(random() % 60);
    v.Latitude = random() % 2 ? Direction::First : Direction::Second;
    v.Longitude = random() % 2 ? Direction::First : Direction::Second;
    v.DaylightSaving = random() % 2;
    v.City = RandomWord(random, true);
    v.State = RandomWord(random, true);
    v.Country = RandomWord(random, true);
    return v;
}

TEST(ReadingRoundTrip, EveryValueReturnsAndTheSameChartIsShown) {
    std::mt19937 random(1701);
    for (int i = 0; i < 500; ++i) {
        const FormValues typed = RandomForm(random);
        ASSERT_FALSE(ValidateInput(typed)) << Describe(typed);
        Program shown;
        RunCalculation(shown, typed);

        const std::string bytes = ReadingFileBytes(shown.Birth);
        const auto opened = RestoreReading(bytes, RandomForm(random));
        ASSERT_TRUE(opened);

        FormValues want = typed;  // outer spaces are not saved
        want.Name = std::string(TrimSpaces(typed.Name));
        want.City = std::string(TrimSpaces(typed.City));
        want.State = std::string(TrimSpaces(typed.State));
        want.Country = std::string(TrimSpaces(typed.Country));
        ASSERT_EQ(Describe(*opened), Describe(want)) << "record " << i;

        ASSERT_FALSE(ValidateInput(*opened));
        Program again;
        RunCalculation(again, *opened);
        EXPECT_EQ(again.Texts.ChartPositions, shown.Texts.ChartPositions) << "record " << i;
        EXPECT_EQ(again.Texts.HouseTexts, shown.Texts.HouseTexts) << "record " << i;
        EXPECT_EQ(again.Chart.HouseSigns, shown.Chart.HouseSigns) << "record " << i;
        EXPECT_EQ(again.Texts.NakshatraText, shown.Texts.NakshatraText) << "record " << i;
        EXPECT_EQ(again.Texts.AyanamsaText, shown.Texts.AyanamsaText) << "record " << i;
        EXPECT_EQ(ReadingFileBytes(again.Birth), bytes) << "record " << i;
    }
}

}  // namespace
}  // namespace velakor
