// The sky of a chosen moment against the chart, and Saturn's periods, in the tool's answer:
// the keys "TransitAt" and "SaturnPeriods" of a record and what they add.
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

struct TransitRequest {
    std::optional<double> AtJd;  // "TransitAt", universal time
    bool SaturnPeriods = false;  // "SaturnPeriods": true
};

bool IsTransitKey(std::string_view key);

// Reads "TransitAt" and "SaturnPeriods" when present; the error text, or empty.
std::string ReadTransitKeys(const nlohmann::json& in, TransitRequest& request);

// The Julian day (universal time) of an ISO 8601 moment with its offset from UTC, such as
// "2026-12-07T12:00:00+05:30" ("Z" for UTC; the seconds may be left out); none for anything else.
std::optional<double> ParseIsoMoment(std::string_view text);

// Adds "Transit" and "SaturnPeriods" as asked; the error text (the moment lies outside the
// precise sky's tables, or they cannot be read), or empty.
std::string AddTransits(JsonWriter& out, const Program& p, const ReadingOptions& options,
                        const TransitRequest& request, Language lang);

}  // namespace velakor
