// The Krishnamurti reading in the tool's answer: the keys "KP", "KPAt", "Horary" and
// "HoraryAt" of a record and the "KP" part they add.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "JsonWriter.h"
#include "app/Program.h"
#include "vedic/Language.h"
#include "vedic/ReadingOptions.h"

namespace velakor {

struct KpRequest {
    bool Wanted = false;              // "KP": true, or a horary number
    std::optional<double> RulingAt;   // "KPAt", universal time; default now (a horary: its moment)
    int Horary = 0;                   // "Horary": 1..249, 0 for the birth
    std::optional<double> HoraryAt;   // "HoraryAt", universal time; default now
};

bool IsKpKey(std::string_view key);

// Reads the four keys when present; the error text, or empty.
std::string ReadKpKeys(const nlohmann::json& in, KpRequest& request);

// Adds "KP" as asked; the error text (a moment outside the precise sky's tables, or tables
// that cannot be read), or empty. Cusps that cannot be drawn are an error inside "KP" only.
std::string AddKp(JsonWriter& out, const Program& p, const ReadingOptions& options,
                  const KpRequest& request, Language lang);

}  // namespace velakor
