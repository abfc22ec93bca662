// velakor-chart's record parser: any line, as the tool reads it (without its line end),
// gives exactly one answer line: a JSON object that is either {"error": "..."} alone or a
// chart; and the line's bytes as a text of an answer come out as the JSON library writes
// them. A broken invariant traps, so libFuzzer reports it like a crash.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "ChartJson.h"
#include "JsonWriter.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    // The tool splits its input at LF and drops a CR before it.
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Any bytes as an answer's text: written as the JSON library writes them.
    std::string text;
    velakor::JsonWriter(text).String(line);
    Check(text == nlohmann::ordered_json(line).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));

    const velakor::ChartLineResult r = velakor::ChartForJsonLine(line);
    Check(r.json.find('\n') == std::string::npos);
    const nlohmann::json answer = nlohmann::json::parse(r.json, nullptr, false);
    Check(answer.is_object());
    Check(r.ok == !answer.contains("error"));
    if (!r.ok) {
        Check(answer.size() == 1 && answer["error"].is_string());
    } else {
        Check(answer.contains("ChartPositions") && answer.contains("Report") && answer["Report"].size() == 26);
    }
    return 0;
}
