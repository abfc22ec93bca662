// One JSON line in (a birth record), one JSON line out (the chart, or an error).
#pragma once

#include <string>

namespace velakor {

struct ChartLineResult {
    std::string json;  // one line, no newline
    bool ok = false;
};

ChartLineResult ChartForJsonLine(const std::string& line);

}  // namespace velakor
