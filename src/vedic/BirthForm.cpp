#include "vedic/BirthForm.h"

#include "vedic/Calendar.h"
#include "vedic/TextRules.h"

namespace velakor {
namespace {

ValidationFailure Critical(const char* message, FormField focus) {
    return ValidationFailure{message, MessageIcon::Critical, focus, FollowUp::None};
}

}  // namespace

long long LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (n < 1000000000000LL) n = n * 10 + (text[i] - '0');
    }
    return negative ? -n : n;
}

std::optional<ValidationFailure> ValidateInput(const FormValues& v) {
    // A field of nothing but spaces is empty: the record and the reading file keep values
    // without their outer spaces, and an empty name or place would not open again.
    // Spaces of every kind count, and characters that print as nothing (a soft hyphen alone
    // is no name).
    auto blank = [](const std::string& text) { return IsBlankText(text); };
    if (blank(v.Name)) return Critical("Please Enter Your Name", FormField::Name);
    if (blank(v.LatDeg)) return Critical("Please Enter Degree of Latitude", FormField::LatDeg);
    if (blank(v.LatMin)) return Critical("Please Enter Minutes of Latitude", FormField::LatMin);
    if (blank(v.LonDeg)) return Critical("Please Enter Degree of Longitude", FormField::LonDeg);
    if (blank(v.LonMin)) return Critical("Please Enter Minute of Longitude", FormField::LonMin);
    if (blank(v.City)) return Critical("Please Enter Your City name", FormField::City);
    if (blank(v.State)) return Critical("Please Enter Your State name", FormField::State);
    if (blank(v.Country)) return Critical("Please Enter Your Country name", FormField::Country);
    if (v.Latitude == Direction::None) {
        return ValidationFailure{"Please Select Direction For The Latitude", MessageIcon::Critical,
                                 FormField::None, FollowUp::SelectNorth};
    }
    if (v.Longitude == Direction::None) {
        return ValidationFailure{"Please Select Direction For The Longitude", MessageIcon::Critical,
                                 FormField::None, FollowUp::SelectEast};
    }
    if (v.Month == 2) {
        const int lastDay = IsLeapYear(v.Year) ? 29 : 28;
        if (v.Day > lastDay) {
            return ValidationFailure{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                     FormField::None, FollowUp::None};
        }
    }
    if (v.Day == 31 && (v.Month == 4 || v.Month == 6 || v.Month == 9 || v.Month == 11)) {
        return ValidationFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 FormField::None, FollowUp::None};
    }
    // Coordinates outside the globe would give a meaningless chart.
    const long long latDeg = LeadingNumber(v.LatDeg), latMin = LeadingNumber(v.LatMin);
    const long long lonDeg = LeadingNumber(v.LonDeg), lonMin = LeadingNumber(v.LonMin);
    if (latMin > 59 || latMin < 0) {
        return Critical("Please Enter Minutes of Latitude Between 0 And 59", FormField::LatMin);
    }
    if (latDeg < 0 || latDeg + latMin / 60.0 > 90) {
        return Critical("Please Enter Latitude Between 0 And 90 Degrees", FormField::LatDeg);
    }
    if (lonMin > 59 || lonMin < 0) {
        return Critical("Please Enter Minutes of Longitude Between 0 And 59", FormField::LonMin);
    }
    if (lonDeg < 0 || lonDeg + lonMin / 60.0 > 180) {
        return Critical("Please Enter Longitude Between 0 And 180 Degrees", FormField::LonDeg);
    }
    return std::nullopt;
}

std::string_view TrimSpaces(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

}  // namespace velakor
