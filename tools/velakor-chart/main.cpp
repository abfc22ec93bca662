// velakor-chart: reads birth records as JSON lines on standard input and writes one JSON
// line per record with the chart the desktop program would show. Exits 1 if any line failed.
#include <iostream>
#include <string>

#include "ChartJson.h"

int main() {
    std::ios::sync_with_stdio(false);
    bool anyFailed = false;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;  // blank line
        const velakor::ChartLineResult r = velakor::ChartForJsonLine(line);
        anyFailed = anyFailed || !r.ok;
        std::cout << r.json << '\n';
    }
    std::cout.flush();
    return anyFailed ? 1 : 0;
}
