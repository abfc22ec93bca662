#include <gtest/gtest.h>

#include "chart/NameTables.h"

namespace velakor {
namespace {

TEST(ZoneTable, RowsAsTheFormShowsThem) {
    EXPECT_EQ(Zone(34).Name, "Indian Time, IST, +5.3");
    EXPECT_EQ(Zone(34).Hours, -5);
    EXPECT_EQ(Zone(34).Minutes, -30);
    EXPECT_EQ(Zone(0).Name, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(Zone(70).Name, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(Zone(50).Hours, 3);
    EXPECT_EQ(Zone(50).Minutes, 30);
    EXPECT_EQ(Zone(kLocalMeanTimeRow).Name, "Local Mean Time");
    // Minute entries always carry the hour entry's sign.
    for (int i = 0; i < kZoneCount; ++i) {
        EXPECT_GE(Zone(i).Hours * Zone(i).Minutes, 0) << i;
    }
}

}  // namespace
}  // namespace velakor
