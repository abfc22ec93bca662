#include "chart/NameTables.h"

#include <array>

namespace velakor {
namespace {

// Amounts to ADD to the zone's clock time to get universal time. The labels are shown
// exactly as they have always been, odd spacing included.
constexpr std::array<ZoneRow, kZoneCount> kZones{{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},
    {"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},
    {"Atlantic Standard Time,AST,-4.0", 4, 0},
    {"Atlantic War Time,AWT,-3.0", 3, 0},
    {"Australian Central Daylight Time,ACDT,+10.5", -10, -30},
    {"Australian Central Standard Time,ACST,+9.5", -9, -30},
    {"Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},
    {"Australian Eastern Standard Time,AEST,+10.0", -10, 0},
    {"Australian Western Daylight Time,AWDT,+9.0", -9, 0},
    {"Australian Western Standard Time,AWST,+8.0", -8, 0},
    {"Azores Time, AT, -2.0", 2, 0},
    {"Baghdad Time, BAT, +3.0", -3, 0},
    {"Bering Standard Time,BET,-11.0", 11, 0},
    {"Brazil Zone 2,BZT2,-3.0", 3, 0},
    {"British Double Summer Time,BDST,+2.0", -2, 0},
    {"British Summer Time,BST,+1.0", -1, 0},
    {"British War Time,BWT,+2.0", -2, 0},
    {"Central Daylight Time,CDT,-5.0", 5, 0},
    {"Central European Daylight,CED,+2.0", -2, 0},
    {"Central European Time,CET,+1.0", -1, 0},
    {"Central Standard Time,CST,-6.0", 6, 0},
    {"Central War Time,CWT,-5.0", 5, 0},
    {"China Coast Time,CCT,+8.0", -8, 0},
    {"Eastern Daylight Time,EDT,-4.0", 4, 0},
    {"Eastern European Daylight Time,EED,+3.0", -3, 0},
    {"Eastern European Time,EET,+2.0", -2, 0},
    {"Eastern Standard Time,EST,-5.0", 5, 0},
    {"Eastern War Time,EWT,-4.0", 4, 0},
    {"Greenwich Mean Time,GMT,0.0", 0, 0},
    {"Guam Standard Time,GST,+10.0", -10, 0},
    {"Hawaiian Daylight Time,HDT,-9.5", 9, 30},
    {"Hawaiian Standard Time,HST,-10.5", 10, 30},
    {"Hawaiian War Time,HWT,-9.5", 9, 30},
    {"Indian Time, IST, +5.3", -5, -30},
    {"Int'l Date Line East,IDLE,+12.0", -12, 0},
    {"Int'l Date Line West,IDLW,-12.0", 12, 0},
    {"Iran Time, IT, +3.5", -3, -30},
    {"Japan Standard Time,JST,+9.0", -9, 0},
    {"Java Time, JT, +7.5", -7, -30},
    {"Middle European Daylight Time,MED,+2.0", -2, 0},
    {"Middle European Time,MET,+1.0", -1, 0},
    {"Moluccas Time, MT, +8.5", -8, -30},
    {"Mountain Daylight Time,MDT,-6.0", 6, 0},
    {"Mountain Standard Time,MST,-7.0", 7, 0},
    {"Mountain War Time,MWT,-6.0", 6, 0},
    {"New Zealand Std Summer Time,NZST,+13.0", -13, 0},
    {"New Zealand Std Time,NZT,+12.0", -12, 0},
    {"New Zealand Summer Time,NZS,+12.5", -12, -30},
    {"New Zealand Time,NZ,+11.5", -11, -30},
    {"Newfoundland Standard Time,NST,-3.5", 3, 30},
    {"Nome Time, NT, -11.0", 11, 0},
    {"North Sumatra Time,NST,+6.5", -6, -30},
    {"Pacific Daylight Time,PDT,-7.0", 7, 0},
    {"Pacific Standard Time,PST,-8.0", 8, 0},
    {"Pacific War Time,PWT,-7.0", 7, 0},
    {"South Australia Daylight Time,SAD,+10.5", -10, -30},
    {"South Australia Daylight Time,SDT,+10.5", -10, -30},
    {"South Australia Standard Time,SAST,+9.5", -9, -30},
    {"South Australia Standard Time,SAT,+9.5", -9, -30},
    {"South Sumatra Time,SST,+7.0", -7, 0},
    {"Universal Time, UT, 0.0", 0, 0},
    {"USSR Zone 10,UZ10,+11.0", -11, 0},
    {"USSR Zone 3,USZ3,+4.0", -4, 0},
    {"USSR Zone 4,USZ4,+5.0", -5, 0},
    {"USSR Zone 5,USZ5,+6.0", -6, 0},
    {"USSR Zone 6,USZ6,+7.0", -7, 0},
    {"West Africa Time,WAT,-1.0", 1, 0},
    {"Yukon Daylight Time,YDT,-8.0", 8, 0},
    {"Yukon Standard Time,YST,-9.0", 9, 0},
    {"Yukon War Time,YWT,-8.0", 8, 0},
    // Every further offset a birth between 1901 and 2050 can have, standard or daylight, in
    // whole minutes, as the time-zone database gives them (a test walks the database to
    // prove none is missing). Sorted by offset once; a row number is kept forever, so new
    // rows only ever go after the last.
    {"Samoa Standard Time,SST,-11:30", 11, 30},
    {"Niue Time,NUT,-11:20", 11, 20},
    {"Kiritimati Time,KIT,-10:40", 10, 40},
    {"Pitcairn Time,PNT,-8:30", 8, 30},
    {"Belize Half Daylight Time,BZHDT,-5:30", 5, 30},
    {"Quito Mean Time,QMT,-5:14", 5, 14},
    {"Port-au-Prince Mean Time,PPMT,-4:49", 4, 49},
    {"Santo Domingo Mean Time,SDMT,-4:40", 4, 40},
    {"Venezuela Time,VET,-4:30", 4, 30},
    {"Castries Mean Time,CMT,-4:04", 4, 4},
    {"Guyana Time,GYT,-3:45", 3, 45},
    {"Newfoundland Double Daylight Time,NDDT,-1:30", 1, 30},
    {"Freetown Mean Time,FMT,-0:53", 0, 53},
    {"Sierra Leone Summer Time,SLST,-0:40", 0, 40},
    {"Netherlands Time,NET,+0:20", 0, -20},
    {"Gold Coast Time,GCT,+0:30", 0, -30},
    {"Netherlands Summer Time,NEST,+1:20", -1, -20},
    {"Warsaw Mean Time,WMT,+1:24", -1, -24},
    {"South West Africa Time,SWAT,+1:30", -1, -30},
    {"Tallinn Mean Time,TMT,+1:39", -1, -39},
    {"Minsk Mean Time,MMT,+1:50", -1, -50},
    {"Chisinau Mean Time,CMT,+1:55", -1, -55},
    {"Simferopol Mean Time,SMT,+2:16", -2, -16},
    {"Zomba Mean Time,ZMT,+2:21", -2, -21},
    {"East Africa Time,BEAT,+2:30", -2, -30},
    {"British East Africa Time,BEAUT,+2:45", -2, -45},
    {"Afghanistan Time,AFT,+4:30", -4, -30},
    {"Male Mean Time,MMT,+4:54", -4, -54},
    {"Nepal Time,NPT,+5:45", -5, -45},
    {"Malaya Time,MALT,+7:20", -7, -20},
    {"North Borneo Summer Time,NBST,+8:20", -8, -20},
    {"Australian Central Western Standard Time,ACWST,+8:45", -8, -45},
    {"Australian Central Western Daylight Time,ACWDT,+9:45", -9, -45},
    {"Norfolk Mean Time,NMT,+11:12", -11, -12},
    {"Chatham Mean Time,CHMT,+12:15", -12, -15},
    {"Tonga Time,TOT,+12:20", -12, -20},
    {"Chatham Standard Time,CHAST,+12:45", -12, -45},
    {"Chatham Daylight Time,CHADT,+13:45", -13, -45},
    {"Line Islands Time,LINT,+14:00", -14, 0},
    // The clock of the birth place itself: its entries come from the birth longitude.
    {"Local Mean Time", 0, 0},
}};

}  // namespace

const ZoneRow& Zone(int row) { return kZones[static_cast<std::size_t>(row < 0 ? 0 : (row >= kZoneCount ? kZoneCount - 1 : row))]; }

int LocalMeanTimeMinutes(int lonDeg, int lonMin, bool east) {
    // One minute of arc is four seconds of clock time; round to the nearest minute.
    const int seconds = (lonDeg * 60 + lonMin) * 4;
    const int minutes = (seconds + 30) / 60;
    return east ? minutes : -minutes;
}

}  // namespace velakor
