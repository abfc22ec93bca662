// velakor-chart: reads birth records as JSON lines on standard input and writes one JSON
// line per record with the chart the desktop program would show. Exits 1 if any line failed.
#include <cstddef>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "ChartJson.h"

namespace {

// A birth record is a few hundred bytes. A longer line is reported and skipped as it is
// read, so that no input makes the tool hold more than this much of it.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

enum class LineRead { Line, TooLong, End };

// Reads the next line into line, without its line end (LF, or CR LF). Of a line longer than
// kMaxLineBytes nothing is kept: the rest of it is read and dropped.
LineRead ReadLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (;;) {
        const auto c = in.sbumpc();
        if (c == std::char_traits<char>::eof() || c == '\n') {
            if (c == std::char_traits<char>::eof() && !any) return LineRead::End;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return tooLong || line.size() > kMaxLineBytes ? LineRead::TooLong : LineRead::Line;
        }
        any = true;
        if (tooLong) continue;
        if (line.size() > kMaxLineBytes) {  // one byte is kept for a CR before the LF
            tooLong = true;
            line.clear();
            continue;
        }
        line.push_back(static_cast<char>(c));
    }
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    bool anyFailed = false;
    std::string line;
    line.reserve(kMaxLineBytes + 1);
    for (LineRead read; (read = ReadLine(*std::cin.rdbuf(), line)) != LineRead::End;) {
        if (read == LineRead::TooLong) {
            anyFailed = true;
            nlohmann::ordered_json error;
            error["error"] = "the line is longer than " + std::to_string(kMaxLineBytes) + " bytes";
            std::cout << error.dump() << '\n';
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string::npos) continue;  // blank line
        const velakor::ChartLineResult r = velakor::ChartForJsonLine(line);
        anyFailed = anyFailed || !r.ok;
        std::cout << r.json << '\n';
    }
    std::cout.flush();
    return anyFailed ? 1 : 0;
}
