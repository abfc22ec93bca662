#include "dasha/Kalachakra.h"

#include <algorithm>
#include <cmath>

#include "dasha/NakshatraDashas.h"

namespace velakor {
namespace {

using S = Sign;

// The wheels: the savya one runs through the signs and then their mirror images backwards;
// the apasavya one is the savya wheel read from its end.
constexpr std::array<Sign, 24> kSavya{
    S::Aries,   S::Taurus,  S::Gemini,      S::Cancer,    S::Leo,      S::Virgo,
    S::Libra,   S::Scorpio, S::Sagittarius, S::Capricorn, S::Aquarius, S::Pisces,
    S::Scorpio, S::Libra,   S::Virgo,       S::Cancer,    S::Leo,      S::Gemini,
    S::Taurus,  S::Aries,   S::Pisces,      S::Aquarius,  S::Capricorn, S::Sagittarius};

constexpr std::array<double, kSignCount> kYears{7, 16, 9, 21, 5, 9, 16, 7, 10, 4, 4, 10};

// A place on the wheels: 0..71 for the savya nakshatras, 72..143 for the apasavya ones, each
// a loop that passes three times round its wheel. The four padas of a nakshatra of the first
// half own places 0, 9, 18 and 27 of its loop, those of the second half 36, 45, 54 and 63.
constexpr int kLoop = 72;

constexpr int kPlaces = 2 * kLoop;

// Each place's sign and years, the place after it, and how a period at the place divides:
// among the nine signs from it, over their sum.
struct WheelPlace {
    Sign sign = Sign::Aries;
    std::int16_t next = 0;
    double years = 0.0;
    SplitPlan split{};
};

constexpr std::array<WheelPlace, kPlaces> MakeWheel() {
    std::array<WheelPlace, kPlaces> wheel{};
    for (int place = 0; place < kPlaces; ++place) {
        const int onWheel = (place % kLoop) % 24;
        WheelPlace& w = wheel[static_cast<std::size_t>(place)];
        w.sign = kSavya[static_cast<std::size_t>(place >= kLoop ? 23 - onWheel : onWheel)];
        w.years = kYears[static_cast<std::size_t>(w.sign)];
        const int base = place >= kLoop ? kLoop : 0;
        w.next = static_cast<std::int16_t>(base + (place - base + 1) % kLoop);
    }
    for (int place = 0; place < kPlaces; ++place) {
        SplitPlan& plan = wheel[static_cast<std::size_t>(place)].split;
        plan.Count = 9;
        int at = place;
        for (std::size_t k = 0; k < 9; ++k) {
            const WheelPlace& part = wheel[static_cast<std::size_t>(at)];
            plan.TotalYears += part.years;
            plan.Lords[k] = PeriodLord::Of(part.sign);
            plan.Places[k] = static_cast<std::int16_t>(at);
            plan.YearsToEnd[k] = plan.TotalYears;
            at = part.next;
        }
    }
    return wheel;
}
constexpr std::array<WheelPlace, kPlaces> kWheel = MakeWheel();

const WheelPlace& At(int place) { return kWheel[static_cast<std::size_t>(place)]; }
Sign SignAt(int place) { return At(place).sign; }
int NextPlace(int place) { return At(place).next; }

// Savya and apasavya nakshatras come in threes from Ashwini. Of each savya three the middle
// one is of the second half (Bharani, Pushya, Chitra, Purva Ashadha, Uttara Bhadrapada); of
// each apasavya three the two after the first are (the first being Rohini, Magha, Vishakha
// and Shravana).
int PadaPlace(int nakshatra, int padaIndex) {
    const bool apasavya = (nakshatra / 3) % 2 == 1;
    const int inThree = nakshatra % 3;
    const bool secondHalf = apasavya ? inThree != 0 : inThree == 1;
    return (apasavya ? kLoop : 0) + (secondHalf ? 36 : 0) + 9 * padaIndex;
}

TreePeriod PeriodAt(int place, double startJd, double endJd) {
    return TreePeriod{PeriodLord::Of(SignAt(place)), static_cast<std::int16_t>(place), startJd, endJd};
}

}  // namespace

double KalachakraYears(Sign s) { return kYears[static_cast<std::size_t>(s)]; }

KalachakraPada KalachakraPadaOf(Nakshatra n, int pada) {
    KalachakraPada p;
    int place = PadaPlace(NakshatraIndex(n), std::clamp(pada, 1, 4) - 1);
    p.Apasavya = place >= kLoop;
    for (Sign& s : p.Signs) {
        s = SignAt(place);
        p.Paramayus += KalachakraYears(s);
        place = NextPlace(place);
    }
    return p;
}

void AppendKalachakraPeriods(double moonLongitude, double birthJd, double yearDays, double untilJd,
                             std::vector<TreePeriod>& out) {
    const MoonStar m = MoonStarOf(moonLongitude);
    const int padaIndex = std::min(3, static_cast<int>(m.Passed * 4.0));
    const double passed = std::clamp(m.Passed * 4.0 - padaIndex, 0.0, std::nextafter(1.0, 0.0));
    int place = PadaPlace(m.Index, padaIndex);
    const KalachakraPada pada = KalachakraPadaOf(static_cast<Nakshatra>(m.Index), padaIndex + 1);

    // The years of the pada gone before the birth; a sign just reached has nothing gone.
    const double gone = passed * pada.Paramayus;
    double before = 0.0;
    for (int i = 0; i < 8 && before + KalachakraYears(SignAt(place)) <= gone; ++i) {
        before += KalachakraYears(SignAt(place));
        place = NextPlace(place);
    }
    double start = birthJd - (gone - before) * yearDays;
    double end = birthJd + (before + KalachakraYears(SignAt(place)) - gone) * yearDays;
    out.push_back(PeriodAt(place, start, end));
    while (end < untilJd) {
        place = NextPlace(place);
        start = end;
        end = start + KalachakraYears(SignAt(place)) * yearDays;
        out.push_back(PeriodAt(place, start, end));
    }
}

PeriodList KalachakraSubPeriods(const TreePeriod& period) {
    return SplitByPlan<SplitArithmetic::ScaleOnce>(period, At(period.Place).split);
}

}  // namespace velakor
