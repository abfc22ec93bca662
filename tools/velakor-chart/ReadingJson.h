// The readings beyond the chart in the tool's answer: the dasha and the birth panchanga, and
// the keys that shape them and the ashtakavarga.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "JsonWriter.h"
#include "app/Program.h"
#include "vedic/Language.h"

namespace velakor {

struct ReadingRequest {
    int DashaLevels = 2;  // 1 mahadashas, 2 with antardashas, 3 with pratyantardashas
    bool SystemGiven = false;  // the line named its dasha system: the answer names it back
    ReadingOptions Options;
    bool TableGiven = false;  // "AshtakavargaTable" was on the line: the answer names the table
    Language Lang = Language::English;  // "Language": the language of the names in the answer
};

bool IsReadingKey(std::string_view key);

// Reads "DashaSystem", "DashaLevels", "DashaYear", "SunriseRule", "AshtakavargaTable" and
// "Language" when present; the error text, or empty.
std::string ReadReadingKeys(const nlohmann::json& in, ReadingRequest& request);

// Adds "Dasha" and "Panchanga" for a computed chart.
void AddReadings(JsonWriter& out, const Program& p, const ReadingRequest& request);

}  // namespace velakor
