#include "vedic/ReadingOptions.h"

#include <chrono>

namespace velakor {

double TodayJulianDay(const ReadingOptions& o) {
    if (o.TodayJdUt != 0.0) return o.TodayJdUt;
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 2440587.5 + seconds / 86400.0;
}

}  // namespace velakor
