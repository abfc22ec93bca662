// What the astrologer chose for the readings beyond the chart (the dasha system and year, the
// birth panchanga and the ashtakavarga), and the moment that stands for "today". Plain values,
// so the core, the command-line tool and the tests set them alike.
#pragma once

namespace velakor {

// Where the Sun's rising is taken: the centre of its disc on the true horizon (the Hindu
// almanacs' rule), or the upper limb with the usual refraction (the nautical almanacs').
enum class SunriseRule { Centre, Limb };

// Which rule table the ashtakavarga counts by: the program's (Parashara in R. Santhanam's
// translation) or B. V. Raman's, which reads three of its cells otherwise.
enum class AshtakavargaTable { Parashara, Raman };

// The dasha systems a reading can be cast in: three of planets from the Moon's nakshatra,
// Kalachakra's signs from the Moon's pada, and Narayana's signs from the lagna.
enum class DashaSystem { Vimshottari, Yogini, Ashtottari, Kalachakra, Narayana };
inline constexpr int kDashaSystemCount = 5;

inline constexpr double kDashaYearJulian = 365.25;
inline constexpr double kDashaYearTropical = 365.2422;
inline constexpr double kDashaYearSavana = 360.0;

struct ReadingOptions {
    DashaSystem Dasha = DashaSystem::Vimshottari;
    double DashaYearDays = kDashaYearJulian;
    SunriseRule Sunrise = SunriseRule::Centre;
    AshtakavargaTable Ashtakavarga = AshtakavargaTable::Parashara;
    // Julian day (universal time) of "today"; 0 means the system clock.
    double TodayJdUt = 0.0;
};

// TodayJdUt, or the system clock's moment when it is 0.
double TodayJulianDay(const ReadingOptions& o);

}  // namespace velakor
