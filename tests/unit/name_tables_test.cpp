#include <gtest/gtest.h>

#include "chart/NameTables.h"

namespace velakor {
namespace {

struct LordCase {
    const char* nakshatra;
    const char* lord;
    const char* pada;
};

TEST(LookupNakshatraLord, FirstMatchingRowWins) {
    const LordCase rows[] = {
        {"Revati", "Mercury", "4"},   {"Magha", "Ketu", "4"},        {"Aswini", "Ketu", "4"},
        {"Krittika", "Sun", "1"},     {"Mrigsira", "Mars", "2"},     {"Punarvasu", "Jupiter", "3"},
        {"Uttara Phalguni", "Sun", "1"}, {"Chitra", "Mars", "2"},    {"Vishakha", "Jupiter", "3"},
        {"Uttara Ashadha", "Sun", "1"}, {"Poorva Bhadrapada", "Jupiter", "3"},
        {"Dhanishtha", "Mars", "2"},  {"Swati", "Rahu", "4"},
    };
    for (const LordCase& c : rows) {
        Program p;
        p.Summary.NakshatraText = c.nakshatra;
        LookupNakshatraLord(p);
        EXPECT_EQ(p.Summary.NakshatraLord, c.lord) << c.nakshatra;
        EXPECT_EQ(p.Summary.NakshatraPada, c.pada) << c.nakshatra;
    }
}

TEST(LookupNakshatraLord, NoMatchKeepsPreviousValues) {
    Program p;
    p.Summary.NakshatraLord = "Venus";
    p.Summary.NakshatraPada = std::string("2");
    p.Summary.NakshatraText = "swati";  // case matters
    LookupNakshatraLord(p);
    EXPECT_EQ(p.Summary.NakshatraLord, "Venus");
    EXPECT_EQ(p.Summary.NakshatraPada, "2");
}

TEST(LoadNameTables, ZoneTableAndIdempotentRefill) {
    Program p;
    LoadNameTables(p);
    const NameTables first = p.Names;
    LoadNameTables(p);
    EXPECT_EQ(p.Names.ZoneNames, first.ZoneNames);
    EXPECT_EQ(p.Names.ZoneHourTable, first.ZoneHourTable);
    EXPECT_EQ(p.Names.NakshatraNames, first.NakshatraNames);

    EXPECT_EQ(p.Names.ZoneNames[34], "Indian Time, IST, +5.3");
    EXPECT_EQ(p.Names.ZoneHourTable[34], -5);
    EXPECT_EQ(p.Names.ZoneMinuteTable[34], -30);
    EXPECT_EQ(p.Names.ZoneNames[0], "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(p.Names.ZoneNames[70], "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(p.Names.ZoneHourTable[50], 3);
    EXPECT_EQ(p.Names.ZoneMinuteTable[50], 30);
    EXPECT_EQ(p.Names.SignAbbrevString, "AriTauGemCanLeoVirLibScoSagCapAquPis");
    // Minute entries always carry the hour entry's sign.
    for (int i = 0; i < kZoneCount; ++i) {
        EXPECT_GE(p.Names.ZoneHourTable[i] * p.Names.ZoneMinuteTable[i], 0) << i;
    }
}

TEST(LoadPlanetNames, ResetsRetrogradeMarks) {
    Program p;
    LoadPlanetNames(p);
    p.Names.PlanetNamesSanskrit[2] += " (R) ";
    LoadPlanetNames(p);
    EXPECT_EQ(p.Names.PlanetNamesSanskrit[2], "Budha");
    EXPECT_EQ(p.Names.PlanetNamesEnglish[10], "Midheaven");
}

TEST(SignNames, AbbreviationLookup) {
    EXPECT_EQ(SignNameForAbbrev("Ari"), "Mesha");
    EXPECT_EQ(SignNameForAbbrev("Sco"), "Vrishcika");
    EXPECT_EQ(SignNameForAbbrev("Pis"), "Meena");
    EXPECT_EQ(SignNameForAbbrev("pis"), "");
    EXPECT_EQ(SignIndex("Cap"), 9);
    EXPECT_EQ(SignIndex("xyz"), -1);
}

}  // namespace
}  // namespace velakor
