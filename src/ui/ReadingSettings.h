// The dasha's year length and the panchanga's sunrise rule, kept between runs.
#pragma once

#include "app/ReadingOptions.h"

namespace velakor {

// Reads "Dasha/YearDays" and "Panchanga/SunriseRule" into o; a missing or unknown value
// keeps what o holds.
void LoadReadingSettings(ReadingOptions& o);
void SaveReadingSettings(const ReadingOptions& o);

}  // namespace velakor
