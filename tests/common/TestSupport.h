// Small builders shared by the core tests.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/Calculation.h"
#include "app/Program.h"

namespace velakor::test {

// Sign 0..11 of a three-letter abbreviation in a test's table ("Ari" is 0); -1 otherwise.
inline int SignIndex(std::string_view abbrev) {
    for (int i = 0; i < kSignCount; ++i) {
        if (velakor::SignAbbrev(SignFromIndex(i)) == abbrev) return i;
    }
    return -1;
}

// Sign numbers 1..12, for comparing with published tables.
template <std::size_t N>
std::array<int, N> SignNumbers(const std::array<Sign, N>& signs) {
    std::array<int, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = SignNumber(signs[i]);
    return out;
}

// "20° 7' 30\" Lib" from its parts.
inline std::string Pos(int d, int m, int s, const char* sign) {
    return std::to_string(d) + "\xC2\xB0 " + std::to_string(m) + "' " + std::to_string(s) + "\" " + sign;
}

inline constexpr int kGmt = 29;
inline constexpr int kIndian = 34;
inline constexpr int kEasternStandard = 27;
inline constexpr int kBritishSummer = 16;
inline constexpr int kCentralEuropean = 20;

// A form that passes every rule; tests change what they need.
inline FormValues Form(int day, int month, int year, int hour, int minute, int zone,
                       int latDeg, int latMin, bool south, int lonDeg, int lonMin, bool east,
                       bool dst = false) {
    FormValues v;
    v.Name = "Test Person";
    v.Day = day;
    v.Month = month;
    v.Year = year;
    v.Hour = hour;
    v.Minute = minute;
    v.ZoneIndex = zone;
    v.LatDeg = std::to_string(latDeg);
    v.LatMin = std::to_string(latMin);
    v.LonDeg = std::to_string(lonDeg);
    v.LonMin = std::to_string(lonMin);
    v.Latitude = south ? Direction::Second : Direction::First;
    v.Longitude = east ? Direction::First : Direction::Second;
    v.DaylightSaving = dst;
    v.City = "City";
    v.State = "State";
    v.Country = "Country";
    return v;
}


// The sample record used across the tests and benchmarks: New Delhi, 15 August 1947,
// 00:00 Indian time, 28 N 38, 77 E 12.
inline FormValues DelhiForm(const char* name = "Ravi Kumar") {
    FormValues v = Form(15, 8, 1947, 0, 0, kIndian, 28, 38, false, 77, 12, true);
    v.Name = name;
    v.City = "New Delhi";
    v.State = "Delhi";
    v.Country = "India";
    return v;
}

// A program whose chart has been computed for the form.
inline Program Computed(const FormValues& v) {
    Program p;
    RunCalculation(p, v);
    return p;
}

}  // namespace velakor::test
