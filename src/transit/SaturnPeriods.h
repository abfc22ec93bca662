// Saturn's periods from the natal Moon: the seven and a half years (sade sati) while Saturn
// passes the 12th, 1st and 2nd signs from the Moon's sign ("Rising", "Peak", "Setting"), and
// its stays in the 4th ("Kantaka") and the 8th ("Ashtama"). Signs are counted from the sign
// the Moon occupies, never from its degree; Saturn's place is its apparent sidereal one.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "sky/Sky.h"
#include "vedic/Language.h"
#include "vedic/Sign.h"

namespace velakor {

// The views and the tool list Saturn's periods for a century (of 365.25 days) after the birth.
inline constexpr double kSaturnPeriodsSpanDays = 36525.0;

enum class SaturnPhase { Rising, Peak, Setting, Kantaka, Ashtama };

std::string_view SaturnPhaseName(SaturnPhase p);  // "Rising", "Peak", "Setting", "Kantaka", "Ashtama"

std::string_view Name(SaturnPhase p, Language lang);  // English: SaturnPhaseName

// The phase Saturn in saturnSign gives a Moon in moonSign, if any.
std::optional<SaturnPhase> SaturnPhaseOf(Sign moonSign, Sign saturnSign);

// One stay of Saturn in one sign: a retrograde return into a sign it had left is a stay of
// its own. Julian days in universal time; empty where the moment lies outside the sky.
struct SaturnPeriod {
    SaturnPhase Phase = SaturnPhase::Rising;
    Sign Rashi = Sign::Aries;
    std::optional<double> StartJd;
    std::optional<double> EndJd;
};

// Every period that holds or follows fromJd and begins before toJd, in order of time; the
// first may have begun before fromJd. Where one phase follows another the first ends at the
// very moment the second starts.
std::vector<SaturnPeriod> SaturnPeriods(const Sky& sky, Sign moonSign, double fromJd, double toJd);

// Index of the period holding jd, or -1.
int RunningSaturnPeriod(const std::vector<SaturnPeriod>& periods, double jd);

// One sade sati as a whole: from Saturn's entry into the 12th sign from the Moon's to its
// exit from the 2nd. A retrograde step back out of those signs for a few months stays inside
// it: only a period of another phase (the 4th or the 8th) ends one passage. Julian days in
// universal time; empty where the moment lies outside the periods given.
struct SadeSati {
    std::optional<double> StartJd;
    std::optional<double> EndJd;
};

// The sade satis among periods (as SaturnPeriods gives them), in order of time.
std::vector<SadeSati> SadeSatis(const std::vector<SaturnPeriod>& periods);

// Index of the sade sati holding jd, or -1; and of the first that begins after jd, or -1.
int RunningSadeSati(const std::vector<SadeSati>& spans, double jd);
int NextSadeSati(const std::vector<SadeSati>& spans, double jd);

}  // namespace velakor
