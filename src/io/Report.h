// The text report: the chart on show as 26 lines for people to read, print or mail. The
// program never reads it back.
//
// Export: bytes = ReportFileBytes(program, localMonthName), replaced whole (WriteFileSafely). The
// texts are UTF-8; a front end on a system whose 8-bit encoding differs converts them
// (QString::fromUtf8(...).toLocal8Bit()).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartTexts.h"
#include "vedic/Birth.h"

namespace velakor {

inline constexpr int kReportLineCount = 26;

// Dialog texts of the export command (the title ends in a space).
inline constexpr std::string_view kReportFilter = "Export Chart As Text (*.txt)|*.txt";
inline constexpr std::string_view kReportExtension = "txt";
inline constexpr std::string_view kReportTitle = "Select the destination text file ";

// "January" .. "December" for 1..12; empty for anything else.
std::string_view EnglishMonthName(int month);

// The 26 lines of the report, without line ends, for a birth and its chart's texts. monthName is
// the full name of BirthMonth in the user's language (EnglishMonthName for tools).
// Lines 9 and 20 hold a lone CR, so that the file holds CR CR LF there; lines 4 and 5 end
// in a space. The planet lines use the English names and the compact texts of
// ChartPositions; line 24 gives the Moon sign.
std::vector<std::string> ReportLines(const BirthRecord& b, const ChartTexts& t, std::string_view monthName);

// The whole file: every line followed by CR LF.
std::string ReportFileBytes(const BirthRecord& b, const ChartTexts& t, std::string_view monthName);

}  // namespace velakor
