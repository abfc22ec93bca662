// The birth as the main form holds it, and the input rules as a function of those values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vedic/Birth.h"

namespace velakor {

enum class Direction { None, First, Second };  // latitude: North/South; longitude: East/West

// What the main form holds, as the form holds it.
struct FormValues {
    std::string Name;
    int Day = 1;         // cboDate: 1..31
    int Month = 1;       // cboMonth: 1..12
    int Year = 1901;     // cboYear: 1901..2050
    int Hour = 0;        // cboHour: 0..24
    int Minute = 0;      // cboMinute: 0..59
    int ZoneIndex = 0;   // cboTimeZone: 0..kZoneCount-1
    std::string LatDeg, LatMin, LonDeg, LonMin;  // text boxes, up to 3 digits when typed
    Direction Latitude = Direction::First;       // North
    Direction Longitude = Direction::First;      // East
    bool DaylightSaving = false;
    std::string City, State, Country;
};

enum class MessageIcon { Critical, Information };

enum class FormField {
    None, Name, LatDeg, LatMin, LonDeg, LonMin, City, State, Country
};

enum class FollowUp { None, SelectNorth, SelectEast };

struct ValidationFailure {
    std::string Message;
    MessageIcon Icon = MessageIcon::Critical;
    FormField Focus = FormField::None;
    FollowUp Then = FollowUp::None;
};

// The first rule the values break, or nothing when they may become a birth record.
std::optional<ValidationFailure> ValidateInput(const FormValues& v);

// The leading whole number of a text, as the form reads its number boxes ("" and
// non-numbers read 0). Saturates instead of overflowing.
long long LeadingNumber(const std::string& text);

// Leading and trailing blanks removed.
std::string_view TrimSpaces(std::string_view s);

}  // namespace velakor
