// The keys that choose the sky of a chart line: "Positions", "Ayanamsa", "Node".
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "JsonWriter.h"
#include "sky/Sky.h"

namespace velakor {

bool IsSkyKey(std::string_view key);

// The choice a record's keys make (the program's defaults for keys not given), or the
// error text for an unknown value, for an ayanamsa or node asked of the built-in sky, or for
// a precise sky whose tables cannot be read.
struct SkyKeys {
    SkyChoice Choice;
    bool Given = false;  // any of the keys was on the line: the answer then names the sky
    std::string Error;
};
SkyKeys ReadSkyKeys(const nlohmann::json& record);

// {"Positions": "precise", "Ayanamsa": "Lahiri", "Node": "Mean"}, or {"Positions": "builtin"}.
void WriteSkyAnswer(JsonWriter& out, const SkyChoice& choice);

}  // namespace velakor
