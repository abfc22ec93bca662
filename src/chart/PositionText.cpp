#include "chart/PositionText.h"

#include <charconv>
#include <cmath>

namespace velakor {
namespace {

constexpr std::string_view kSigns = "AriTauGemCanLeoVirLibScoSagCapAquPis";

struct Dms {
    long long degrees, minutes, seconds;
};

// Whole degrees, minutes and seconds of a non-negative angle, each truncated.
Dms Split(double x) {
    const double whole = std::floor(x);
    const double minutesExact = 60.0 * (x - whole);
    const double minutes = std::floor(minutesExact);
    const double seconds = std::floor(60.0 * (minutesExact - minutes));
    return {static_cast<long long>(whole), static_cast<long long>(minutes), static_cast<long long>(seconds)};
}

void AppendDms(std::string& out, long long degrees, const Dms& a) {
    AppendNumber(out, degrees);
    out += kDegreeSign;
    out += ' ';
    AppendNumber(out, a.minutes);
    out += "' ";
    AppendNumber(out, a.seconds);
    out += '"';
}

}  // namespace

void AppendNumber(std::string& out, long long n) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    out.append(buf, res.ptr);
}

double Normalize360(double& x) {
    if (x < 0) x += 360.0;
    if (x > 360) x -= 360.0;
    return x;
}

SignPosition SplitPosition(double x) {
    const Dms a = Split(std::fabs(x));
    return {SignFromIndex(static_cast<int>((a.degrees / 30) % 12)), static_cast<int>(a.degrees % 30),
            static_cast<int>(a.minutes), static_cast<int>(a.seconds)};
}

std::string FormatPosition(double& x) {
    x = std::fabs(x);
    const Dms a = Split(x);
    // A fold can leave exactly 360; that is 0 degrees Aries, not a thirteenth sign.
    const long long sign = (a.degrees / 30) % 12;

    std::string out;
    out.reserve(20);
    AppendDms(out, a.degrees % 30, a);
    out += ' ';
    out += kSigns.substr(static_cast<std::size_t>(3 * sign), 3);
    return out;
}

std::string FormatAngle(double& x) {
    const long long s = x < 0 ? -1 : 1;
    x = std::fabs(x);
    const Dms a = Split(x);

    std::string out;
    out.reserve(20);
    AppendDms(out, s * a.degrees, a);
    return out;
}

std::string CompactPosition(double x) {
    const Dms a = Split(std::fabs(x));
    const long long sign = (a.degrees / 30) % 12;
    const long long degrees = a.degrees % 30;
    std::string out;
    out.reserve(10);
    if (degrees < 10) out += '0';
    AppendNumber(out, degrees);
    out += ' ';
    out += kSigns.substr(static_cast<std::size_t>(3 * sign), 3);
    out += ' ';
    if (a.minutes < 10) out += '0';
    AppendNumber(out, a.minutes);
    return out;
}

std::string DegreesMinutesText(int degrees, int minutes) {
    std::string out;
    AppendNumber(out, degrees);
    out += kDegreeSign;
    const int m = minutes < 0 ? -minutes : minutes;
    if (m < 10) out += '0';
    AppendNumber(out, m);
    out += '\'';
    return out;
}

std::string CoordinateText(int degrees, int minutes, char side) {
    std::string out = DegreesMinutesText(degrees, minutes);
    out += ' ';
    out += side;
    return out;
}

}  // namespace velakor
