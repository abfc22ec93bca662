#include "app/Readings.h"

namespace velakor {

Readings ComputeReadings(const BirthRecord& b, const Chart& c, const SkyChoice& sky, const ReadingOptions& o) {
    Readings r;
    r.Offset = BirthUtcOffsetMinutes(b);
    r.BirthJd = c.JdUt;
    r.TodayJd = TodayJulianDay(o);
    r.Periods = ComputeDasha(c[Body::Moon].Longitude, r.BirthJd, o.DashaYearDays);
    r.Balance = BalanceAtBirth(r.Periods, r.Offset);
    r.Tree = ComputeDashaTree(o.Dasha, c, o.DashaYearDays);
    r.TreeBalance = BalanceAtBirth(r.Tree, r.Offset);
    r.Day = ComputePanchanga(b, c, *MakeSky(sky), o.Sunrise);
    return r;
}

}  // namespace velakor
