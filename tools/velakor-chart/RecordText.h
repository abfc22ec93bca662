// What a record's text values may hold: what the main form lets a user type and what a
// reading file can keep, so that a chart of the tool can be saved and opened again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velakor {

// The error for the text value of key, or nothing when the value is fine: a control
// character (codes below 32, 127 and the C1 controls 128..159) or a character the reading
// file cannot keep is named.
std::optional<std::string> TextValueError(std::string_view key, std::string_view utf8);

}  // namespace velakor
