// Fixed name tables: time zones, signs, nakshatras and the chart bodies.
#pragma once

#include <string_view>

#include "app/Program.h"

namespace velakor {

// Fills every constant table (zones, signs, nakshatras). Refilling is harmless and cheap.
void LoadNameTables(Program& p);

// Resets the English and Sanskrit planet names (clears retrograde marks).
void LoadPlanetNames(Program& p);

// Sets NakshatraLord and NakshatraPada from the first nakshatra row named NakshatraText.
// Leaves both unchanged when no row matches.
void LookupNakshatraLord(Program& p);

// Sanskrit sign name for a three-letter abbreviation ("Ari" -> "Mesha"); empty if unknown.
std::string_view SignNameForAbbrev(std::string_view abbrev);

// Sanskrit name of sign 0..11 (0 is Mesha); empty outside that range.
std::string_view SignName(int index);

// The clock of a longitude's local mean time, in minutes ahead of Greenwich (west negative),
// rounded to the minute: 77 deg 12' E gives 309 (UTC+5:09). Degrees and minutes are not
// negative.
int LocalMeanTimeMinutes(int lonDeg, int lonMin, bool east);

// Index 0..11 of a sign abbreviation, or -1.
int SignIndex(std::string_view abbrev);

}  // namespace velakor
