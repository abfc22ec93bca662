// The calculation command's computing steps, and the input rules, as functions of the
// main form's values. The form itself (and any other front end) only gathers FormValues,
// shows what ValidateInput reports and copies the results into its controls.
#pragma once

#include <optional>
#include <string>

#include "app/Program.h"

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

// Copies the form into the birth record (the zone's table entries included).
void CopyFormToRecord(Program& p, const FormValues& v);

// Runs the stages in their fixed order and derives the summary texts and the house
// captions. Expects the birth record to be filled.
void ComputeChart(Program& p);

// The computing steps of the calculation command for values that passed ValidateInput:
// refill the tables, copy the form into the birth record, compute.
void RunCalculation(Program& p, const FormValues& v);

}  // namespace velakor
