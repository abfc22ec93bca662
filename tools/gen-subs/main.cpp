// Writes the table of the 249 subs that the user guide prints for readers to check by, from
// the same rule the program reads the lords with (src/kp/SubLords).
//
//   gen-subs                  writes the table's rows to standard output
//   gen-subs --update FILE    replaces the rows between the table's markers in FILE
//   gen-subs --check FILE     exits 1 unless FILE holds exactly the rows that would be written
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "kp/SubLords.h"

namespace {

using namespace velakor;

constexpr std::string_view kBegin = "<!-- The rows below are written by gen-subs: do not edit them. -->\n";
constexpr std::string_view kEnd = "<!-- End of the rows written by gen-subs. -->\n";

// "11&deg;26&prime;40&Prime;": a point within its sign, from thirds of arc within the sign
// (every boundary of a sub is a whole second of arc).
std::string InSign(std::int32_t thirds) {
    const std::int32_t seconds = thirds / 3;
    char text[64];
    std::snprintf(text, sizeof text, "%d&deg;%02d&prime;%02d&Prime;", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string Rows() {
    constexpr std::int32_t kSign = 30 * kThirdsPerDegree;
    std::ostringstream out;
    for (const SubRow& r : SubTable()) {
        const std::int32_t from = r.Start % kSign;
        const std::int32_t to = r.End - (r.Start - from);
        out << "<tr><td>" << r.Number << "</td><td>" << SignEnglishName(r.Rashi) << "</td><td>" << InSign(from)
            << "</td><td>" << InSign(to) << "</td><td>" << NakshatraName(r.Star) << "</td><td>"
            << EnglishName(r.StarLord) << "</td><td>" << EnglishName(r.SubLord) << "</td></tr>\n";
    }
    return out.str();
}

bool Read(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

int Usage() {
    std::cerr << "usage: gen-subs [--update FILE | --check FILE]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string rows = Rows();
    if (argc == 1) {
        std::cout << rows;
        return 0;
    }
    if (argc != 3) return Usage();
    const std::string mode = argv[1], path = argv[2];
    if (mode != "--update" && mode != "--check") return Usage();
    std::string text;
    if (!Read(path, text)) {
        std::cerr << "gen-subs: cannot read " << path << "\n";
        return 2;
    }
    const std::size_t begin = text.find(kBegin);
    const std::size_t end = begin == std::string::npos ? begin : text.find(kEnd, begin);
    if (end == std::string::npos) {
        std::cerr << "gen-subs: " << path << " has no table markers\n";
        return 2;
    }
    const std::size_t first = begin + kBegin.size();
    if (mode == "--check") {
        if (text.compare(first, end - first, rows) == 0) return 0;
        std::cerr << "gen-subs: the sub table in " << path << " differs from the rule; run gen-subs --update\n";
        return 1;
    }
    text.replace(first, end - first, rows);
    // Written beside the file and renamed over it, so that a failed write leaves it whole.
    const std::string temporary = path + ".gen-subs";
    {
        std::ofstream out(temporary, std::ios::binary);
        out << text;
        if (!out.flush()) {
            std::cerr << "gen-subs: cannot write " << temporary << "\n";
            return 2;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::cerr << "gen-subs: cannot replace " << path << "\n";
        return 2;
    }
    return 0;
}
