// velakor-chart: reads birth records as JSON lines on standard input and writes one JSON
// line per record with the chart the desktop program would show. Exits 1 if any line failed,
// 2 when the input could not be read or the answers could not be written.
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>

#include "AnswerOutput.h"
#include "ChartJson.h"

namespace {

// A birth record is a few hundred bytes. A longer line is reported and skipped as it is
// read, so that no input makes the tool hold more than this much of it.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

enum class LineRead { Line, TooLong, End };

// True when the next input byte can be had without waiting: then the answers may wait in
// the buffer, and a batch is written in large pieces.
bool InputAtHand(std::streambuf& in) { return in.in_avail() > 0; }

// Reads the next line into line, without its line end (LF, or CR LF). Of a line longer than
// kMaxLineBytes nothing is kept: the rest of it is read and dropped. Before any read that
// may wait, beforeWaiting hands on the answers made so far: a reader that has sent one
// record, and perhaps the first bytes of the next, gets its answer before the tool waits
// for the rest.
template <typename BeforeWaiting>
LineRead ReadLine(std::streambuf& in, std::string& line, BeforeWaiting beforeWaiting) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (;;) {
        if (!InputAtHand(in)) beforeWaiting();
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

// Ends the tool after the input could not be read, once every answer made so far is out.
[[noreturn]] void EndAfterReadFailure(velakor::AnswerOutput& out, int error) {
    if (!out.Flush()) velakor::EndAfterWriteFailure(out.Error());
    const std::string reason = std::error_code(error != 0 ? error : EIO, std::generic_category()).message();
    std::fprintf(stderr, "velakor-chart: cannot read the records: %s\n", reason.c_str());
    std::exit(velakor::kExitInputOutputFailed);
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    velakor::EndQuietlyOnBrokenPipe();
    velakor::AnswerOutput out;
    auto write = [&out](const std::string& answer) {
        if (!out.Write(answer)) velakor::EndAfterWriteFailure(out.Error());
    };
    bool anyFailed = false;
    std::string line;
    line.reserve(kMaxLineBytes + 1);
    std::streambuf& in = *std::cin.rdbuf();
    for (;;) {
        LineRead read = LineRead::End;
        try {
            errno = 0;
            read = ReadLine(in, line, [&out] {
                if (!out.Flush()) velakor::EndAfterWriteFailure(out.Error());
                errno = 0;
            });
        } catch (const std::exception&) {
            EndAfterReadFailure(out, errno);
        }
        if (read == LineRead::End) break;
        if (read == LineRead::TooLong) {
            anyFailed = true;
            nlohmann::ordered_json error;
            error["error"] = "the line is longer than " + std::to_string(kMaxLineBytes) + " bytes";
            write(error.dump());
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string::npos) continue;  // blank line
        const velakor::ChartLineResult r = velakor::ChartForJsonLine(line);
        anyFailed = anyFailed || !r.ok;
        write(r.json);
    }
    if (!out.Flush()) velakor::EndAfterWriteFailure(out.Error());
    return anyFailed ? 1 : 0;
}
