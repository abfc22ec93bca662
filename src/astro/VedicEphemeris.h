// The Moon stage: universal time and Julian day of the birth, the Moon's tropical
// longitude from a truncated lunar series, and its sidereal position.
#pragma once

#include "vedic/Birth.h"
#include "vedic/Chart.h"

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

// Places the Moon in the chart: its sidereal longitude, sign, nakshatra and pada.
void CalculateMoon(const BirthRecord& b, Chart& c);

}  // namespace velakor
