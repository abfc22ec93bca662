// The readings beyond the chart, the dasha and the birth panchanga, computed once per chart
// for every front end (the chart window, its pictures and prints, the chart sheet, the
// command-line tool).
#pragma once

#include "dasha/DashaTree.h"
#include "dasha/Vimshottari.h"
#include "panchanga/Panchanga.h"
#include "sky/Sky.h"
#include "vedic/Birth.h"
#include "vedic/Chart.h"
#include "vedic/ReadingOptions.h"

namespace velakor {

// Both readings of one chart, with the clock they are read on.
struct Readings {
    int Offset = 0;  // minutes the birth's clock runs ahead of universal time
    double BirthJd = 0.0;
    double TodayJd = 0.0;
    // Vimshottari whatever the system chosen, as the views written for it read it.
    Dasha Periods;
    DashaBalance Balance;
    // The chosen system's periods (Vimshottari's the same as above) and balance.
    DashaTree Tree;
    PeriodBalance TreeBalance;
    Panchanga Day;
};

// The end times of the panchanga are searched in the chart's own sky.
Readings ComputeReadings(const BirthRecord& b, const Chart& c, const SkyChoice& sky, const ReadingOptions& o);

}  // namespace velakor
