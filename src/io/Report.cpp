#include "io/Report.h"

#include <array>

namespace velakor {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The nine bodies the report lists: Sun .. Ketu. The ascendant and midheaven are left out.
constexpr int kReportBodies = 9;

std::string Number(long long n) { return std::to_string(n); }

}  // namespace

std::string_view EnglishMonthName(int month) {
    if (month < 1 || month > 12) return {};
    return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::vector<std::string> ReportLines(const BirthRecord& b, const ChartTexts& t, std::string_view monthName) {
    const ChartTexts& s = t;
    std::vector<std::string> lines;
    lines.reserve(kReportLineCount);
    lines.push_back("Name: " + b.BirthName);
    lines.push_back("Date of Birth: " + std::string(monthName) + " " + Number(b.BirthDay) + ", " +
                    Number(b.BirthYear));
    lines.push_back("Time of Birth: " + Number(b.BirthHour) + " Hour " + Number(b.BirthMinute) + " Minute");
    lines.push_back("Latitude: " + Number(b.LatDeg) + " Degree " + Number(b.LatMin) + " Minute ");
    lines.push_back("Longitude: " + Number(b.LonDeg) + " Degree " + Number(b.LonMin) + " Minute ");
    lines.push_back("City: " + b.BirthCity);
    lines.push_back("State: " + b.BirthState);
    lines.push_back("Country: " + b.BirthCountry);
    lines.push_back("\r");
    lines.push_back("Planetary Position");
    for (int i = 0; i < kReportBodies; ++i) {
        lines.push_back(std::string(EnglishName(static_cast<Body>(i))) + " " + t.ChartPositions[static_cast<std::size_t>(i)]);
    }
    lines.push_back("\r");
    lines.push_back("Ayanamsa: " + s.AyanamsaText);
    lines.push_back("Lagna / Asc: " + s.LagnaSignName);
    lines.push_back("Nakshatra: " + s.NakshatraText);
    lines.push_back("Rashi / Moon Sign: " + s.RashiText);
    lines.push_back("Pada: " + s.NakshatraPada);
    lines.push_back("Lord: " + s.NakshatraLord);
    return lines;
}

std::string ReportFileBytes(const BirthRecord& b, const ChartTexts& t, std::string_view monthName) {
    std::string out;
    for (const std::string& line : ReportLines(b, t, monthName)) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace velakor
