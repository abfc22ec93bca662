// The program-wide state: one instance, owned by main (or by a test) and handed by
// reference to the calculation driver and the forms. Nothing here is global.
#pragma once

#include <string>

#include "chart/ChartTexts.h"
#include "sky/Sky.h"
#include "vedic/Birth.h"
#include "vedic/Chart.h"
#include "vedic/ReadingOptions.h"

namespace velakor {

struct Program {
    BirthRecord Birth;
    velakor::Chart Chart;  // the chart of Birth in the sky SkyInUse
    ChartTexts Texts;   // written from Chart
    std::string LastSaveFileName;  // shared by Save As and Export
    SkyChoice SkyInUse;            // which sky the chart is computed from
    ReadingOptions Reading;        // dasha year, sunrise rule, "today"
};

}  // namespace velakor
