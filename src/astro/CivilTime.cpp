#include "astro/CivilTime.h"

#include <cmath>
#include <cstdio>

namespace velakor {

std::string OffsetText(int offsetMinutes) {
    const int a = std::abs(offsetMinutes);
    const int hours = a / 60 % 100, minutes = a % 60;
    const char text[] = {offsetMinutes < 0 ? '-' : '+', static_cast<char>('0' + hours / 10),
                         static_cast<char>('0' + hours % 10), ':', static_cast<char>('0' + minutes / 10),
                         static_cast<char>('0' + minutes % 10)};
    return std::string(text, sizeof text);
}

std::string UtcOffsetText(int seconds) {
    const int a = std::abs(seconds);
    char buf[32];
    if (a % 60 != 0) {
        std::snprintf(buf, sizeof buf, "UTC%c%02d:%02d:%02d", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60, a % 60);
    } else {
        std::snprintf(buf, sizeof buf, "UTC%c%02d:%02d", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60);
    }
    return buf;
}

namespace {

// "YYYY-MM-DD?hh:mm:ss" with the given separator between date and time. The fields of any
// real moment are written digit by digit (a batch of charts writes dozens per chart); what
// printf would write for anything else stays printf's.
std::string DateTimeText(double jdUt, int offsetMinutes, char separator, std::size_t room = 0) {
    const CivilMoment c = CivilFromJd(jdUt, offsetMinutes);
    const bool usual = c.Year >= 0 && c.Year < 10000 && c.Month >= 0 && c.Month < 100 && c.Day >= 0 && c.Day < 100 &&
                       c.Hour >= 0 && c.Hour < 100 && c.Minute >= 0 && c.Minute < 100 && c.Second >= 0 &&
                       c.Second < 100;
    if (!usual) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d%c%02d:%02d:%02d", c.Year % 10000, c.Month % 100, c.Day % 100,
                      separator, c.Hour % 100, c.Minute % 100, c.Second % 100);
        return buf;
    }
    std::string text;
    text.reserve(19 + room);  // room for what the caller adds, in one allocation
    text.assign(19, '0');
    auto put = [&text](std::size_t at, int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10) text[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    };
    put(0, c.Year, 4);
    text[4] = '-';
    put(5, c.Month, 2);
    text[7] = '-';
    put(8, c.Day, 2);
    text[10] = separator;
    put(11, c.Hour, 2);
    text[13] = ':';
    put(14, c.Minute, 2);
    text[16] = ':';
    put(17, c.Second, 2);
    return text;
}

}  // namespace

std::string IsoMoment(double jdUt, int offsetMinutes) {
    std::string text = DateTimeText(jdUt, offsetMinutes, 'T', 6);
    text += OffsetText(offsetMinutes);
    return text;
}

std::string ClockText(double jdUt, int offsetMinutes) { return DateTimeText(jdUt, offsetMinutes, ' '); }

}  // namespace velakor
