// The readings beyond the chart in the tool's answer: the Vimshottari dasha and the birth
// panchanga, and the keys that shape them.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "JsonWriter.h"
#include "app/Program.h"

namespace velakor {

struct ReadingRequest {
    int DashaLevels = 2;  // 1 mahadashas, 2 with antardashas, 3 with pratyantardashas
    ReadingOptions Options;
};

bool IsReadingKey(std::string_view key);

// Reads "DashaLevels", "DashaYear" and "SunriseRule" when present; the error text, or empty.
std::string ReadReadingKeys(const nlohmann::json& in, ReadingRequest& request);

// Adds "Dasha" and "Panchanga" for a computed chart.
void AddReadings(JsonWriter& out, const Program& p, const ReadingRequest& request);

}  // namespace velakor
