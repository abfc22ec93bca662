// Texts of the readings beyond the chart (the dasha and the birth panchanga) as the views and
// the chart sheet show them. Made here, from the values, and never read back.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/Program.h"
#include "app/Readings.h"

namespace velakor {

// The readings of the chart in p, in its sky and with its reading options.
Readings ComputeReadings(const Program& p);

QString QText(std::string_view text);
// "Year of 365.25 days"
QString YearLengthText(double yearDays);
// "Yogini Dasha": what the dasha view and the sheet are headed by.
QString DashaTitle(DashaSystem system);
// A period's lord as its system names it: "Saturn", "Scorpio", "Siddha (Venus)".
QString PeriodLordText(DashaSystem system, PeriodLord lord);
// "Sun: 4 years 8 months 27 days"
QString BalanceText(DashaSystem system, const PeriodBalance& b);
// "centre of the Sun's disc, no refraction" or "upper limb, with refraction"
QString SunriseRuleText(SunriseRule rule);

// "12°58' N, 77°35' E", the birth place's coordinates as every page writes them.
QString CoordinatesText(const BirthRecord& b);
// "Asha Rao — Bangalore, Karnataka, India, 12°58' N, 77°35' E": whose chart, and where.
QString WhoAndWhereText(const BirthRecord& b);
// "Ravi Kumar, born 15 August 1947 at 0:00 in New Delhi, Delhi, India (28°38' N, 77°12' E)":
// the one-line birth of the headings that name a person, the month in the user's language as on
// the chart window; empty parts of the place are left out.
QString BirthLineText(const BirthRecord& b);
// "Born 2000-03-01 at 10:00, UTC+05:30 (Indian Standard Time; daylight saving off)": the
// date and clock time of the birth with the clock's offset and the zone's row as picked.
QString BornText(const BirthRecord& b, const QString& zoneName);

// The panchanga's rows: item, value at birth, when it ends (empty where it does not).
struct PanchangaRow {
    QString Item, Value, Ends;
};
std::vector<PanchangaRow> PanchangaRows(const Readings& r);

// The chosen system's mahadasha and antardasha running today, "Venus / Sun", or empty
// outside its periods.
QString RunningText(const Readings& r);

}  // namespace velakor
