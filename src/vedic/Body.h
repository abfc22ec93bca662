// The points of a chart: the nine grahas, then the ascendant and the midheaven.
#pragma once

#include <array>
#include <string_view>

namespace velakor {

enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Ascendant, Midheaven };
inline constexpr int kBodyCount = 11;
inline constexpr int kGrahaCount = 9;  // Sun .. Ketu: the bodies placed in the houses

inline constexpr std::array<Body, kGrahaCount> kGrahas{Body::Sun,     Body::Moon,   Body::Mercury,
                                                       Body::Venus,   Body::Mars,   Body::Jupiter,
                                                       Body::Saturn,  Body::Rahu,   Body::Ketu};
// The five planets that can be retrograde, in the order the station tables keep them.
inline constexpr int kRetroPlanets = 5;
inline constexpr std::array<Body, kRetroPlanets> kRetrogradeBodies{Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                                       Body::Saturn};

constexpr std::size_t Index(Body b) { return static_cast<std::size_t>(b); }

// "Sun", "Moon", .. "Ketu", "Ascendant", "Midheaven".
std::string_view EnglishName(Body b);
// "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu",
// "Ascendant", "Midheaven".
std::string_view SanskritName(Body b);
// "Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ra", "Ke", "As", "MC".
std::string_view ShortName(Body b);
// The lord of a weekday, 0 = Sunday .. 6 = Saturday: Sun, Moon, Mars, Mercury, Jupiter,
// Venus, Saturn. Any whole number is folded into the week.
Body WeekdayLord(int weekday);

}  // namespace velakor
