// The Moon stage: universal time and Julian day of the birth, the Moon's tropical
// longitude from a truncated lunar series, and its sidereal position, nakshatra and sign.
#pragma once

#include <string_view>

#include "app/Program.h"

namespace velakor {

// Julian day number (noon) of a Gregorian civil date, as a whole number in a double.
double JulianDayNumber(double month, double day, double year);

// Universal time of the birth in hours: clock time plus the zone's signed offset, one hour
// less with daylight saving. Not folded into a day (may be negative or 24 and above).
double BirthUniversalTime(const BirthRecord& b);

// Julian day (universal time) of the birth moment.
double BirthJulianDayUt(const BirthRecord& b);

// Julian centuries from J2000.0 of the birth moment.
double MoonCenturies(const BirthRecord& b);

// Minus the Moon stage's ayanamsa, in degrees, for T centuries from J2000.0.
double MoonAyanamsa(double T);

// Moon's tropical longitude in degrees (0..360) for T centuries from J2000.0.
double MoonTropicalLongitude(double T);

// The nakshatra index 0..26 and pada 1..4 of a sidereal longitude in degrees.
int NakshatraIndex(double siderealLongitude);
int NakshatraPadaNumber(double siderealLongitude);

std::string_view NakshatraOrderName(int index);

// Writes MoonLongitudeText, MoonNakshatra, MoonSignName and MoonPada.
void CalculateMoon(Program& p);

}  // namespace velakor
