#include "Births.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "app/Calculation.h"
#include "astro/CivilTime.h"
#include "chart/NameTables.h"
#include "place/ZoneChoice.h"
#include "vedic/Angles.h"
#include "vedic/Calendar.h"

namespace velakor::crosscheck {
namespace {

// The precise sky's tables begin on 1 January 1900 and end early in 2151: the births keep a
// day inside, whatever their clock.
const std::int64_t kFirstDay = DaysFromCivil(1900, 1, 2);
const std::int64_t kLastDay = DaysFromCivil(2150, 12, 30);

struct Direction3 {
    double x, y, z;
};

Direction3 Towards(double latitude, double longitude) {
    const double la = latitude * kDegToRadExact, lo = longitude * kDegToRadExact;
    return {std::cos(la) * std::cos(lo), std::cos(la) * std::sin(lo), std::sin(la)};
}

// The atlas place nearest a point on the globe.
const Place& Nearest(const std::vector<Place>& places, const std::vector<Direction3>& towards, double latitude,
                     double longitude) {
    const Direction3 d = Towards(latitude, longitude);
    std::size_t best = 0;
    double closest = -2.0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const double cosine = d.x * towards[i].x + d.y * towards[i].y + d.z * towards[i].z;
        if (cosine > closest) closest = cosine, best = i;
    }
    return places[best];
}

// Whole degrees and minutes of an angle's size, as the form holds them.
void DegreesMinutes(double angle, std::string& degrees, std::string& minutes) {
    const long total = std::lround(std::fabs(angle) * 60.0);
    degrees = std::to_string(total / 60);
    minutes = std::to_string(total % 60);
}

}  // namespace

std::vector<Birth> DrawBirths(std::uint64_t seed, int count, const std::vector<Place>& places) {
    std::vector<Direction3> towards;
    towards.reserve(places.size());
    for (const Place& p : places) towards.push_back(Towards(p.Latitude, p.Longitude));

    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int64_t> day(kFirstDay, kLastDay);
    std::uniform_int_distribution<int> hour(0, 23), minute(0, 59), beyond(0, 19);
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    std::vector<Birth> births;
    births.reserve(static_cast<std::size_t>(count));
    while (static_cast<int>(births.size()) < count) {
        const CivilMoment date = CivilFromDays(day(random));
        FormValues v;
        v.Name = "Birth " + std::to_string(births.size() + 1);
        v.Year = date.Year, v.Month = date.Month, v.Day = date.Day;
        v.Hour = hour(random), v.Minute = minute(random);
        const bool polar = beyond(random) == 0;
        const double size = polar ? 66.0 + 9.0 * unit(random) : 66.0 * unit(random);
        const double latitude = unit(random) < 0.5 ? -size : size;
        const double longitude = -180.0 + 360.0 * unit(random);
        DegreesMinutes(latitude, v.LatDeg, v.LatMin);
        DegreesMinutes(longitude, v.LonDeg, v.LonMin);
        v.Latitude = latitude < 0 ? Direction::Second : Direction::First;
        v.Longitude = longitude < 0 ? Direction::Second : Direction::First;
        v.City = v.State = v.Country = "Anywhere";

        const Place& place = Nearest(places, towards, latitude, longitude);
        const ZoneChoice zone =
            ChooseZone(place.TimeZone, v.Year, v.Month, v.Day, v.Hour, v.Minute,
                       LocalMeanTimeMinutes(std::stoi(v.LonDeg), std::stoi(v.LonMin), longitude >= 0));
        if (!zone.chosen()) continue;
        v.ZoneIndex = zone.ZoneIndex;
        v.DaylightSaving = zone.DaylightSaving;

        Program p;
        CopyFormToRecord(p, v);
        births.push_back({static_cast<int>(births.size()) + 1, p.Birth, place.TimeZone});
    }
    return births;
}

BirthMoment MomentOf(const BirthRecord& b) {
    BirthMoment m;
    m.OffsetMinutes = BirthUtcOffsetMinutes(b);
    const double minutes = b.BirthHour * 60.0 + b.BirthMinute - m.OffsetMinutes;
    m.JdUt = kJdUnixEpoch + static_cast<double>(DaysFromCivil(b.BirthYear, b.BirthMonth, b.BirthDay)) + minutes / 1440.0;
    m.Latitude = BirthLatitude(b);
    m.Longitude = BirthLongitude(b);
    return m;
}

std::string DescribeBirth(const Birth& birth) {
    const BirthRecord& b = birth.Record;
    char text[160];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d %s, %d\u00B0%02d' %s, %d\u00B0%02d' %s (%s)",
                  b.BirthYear, b.BirthMonth, b.BirthDay, b.BirthHour, b.BirthMinute,
                  UtcOffsetText(BirthUtcOffsetMinutes(b) * 60).c_str(), b.LatDeg, b.LatMin, b.LatSouthFlag ? "S" : "N",
                  b.LonDeg, b.LonMin, b.LonEastFlag ? "E" : "W", birth.TimeZone.c_str());
    return text;
}

}  // namespace velakor::crosscheck
