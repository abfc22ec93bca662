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

std::string_view TrimSpaces(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

double Normalize360(double& x) {
    if (x < 0) x += 360.0;
    if (x > 360) x -= 360.0;
    return x;
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

std::string CompactPosition(std::string_view text) {
    const std::string_view t = TrimSpaces(text);
    const auto deg = t.find(kDegreeSign);
    const auto apos = t.find('\'');
    std::string_view degrees = TrimSpaces(t.substr(0, deg));
    std::string_view minutes;
    if (deg != std::string_view::npos && apos != std::string_view::npos && apos > deg) {
        const auto from = deg + kDegreeSign.size();
        minutes = TrimSpaces(t.substr(from, apos - from));
    }
    const std::string_view sign = TrimSpaces(text.size() >= 3 ? text.substr(text.size() - 3) : text);

    std::string out;
    out.reserve(10);
    if (degrees.size() <= 1) out += '0';
    out += degrees;
    out += ' ';
    out += sign;
    out += ' ';
    if (minutes.size() <= 1) out += '0';
    out += minutes;
    return out;
}

}  // namespace velakor
