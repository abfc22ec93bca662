// What the program remembers per user between runs, in the platform's usual place
// (QSettings under the program's organisation and application names): the sky, the chart
// style and colour, the status bar, the dasha's year and the sunrise rule, and the last
// folder of the file dialogs.
//
// Only the program keeps settings: without an organisation name (a window made outside the
// program, as in a test) nothing is read or written and the defaults hold. A missing,
// unreadable or corrupt settings file, or a value out of range, gives the default.
#pragma once

#include <QString>

#include "app/Program.h"
#include "vedic/ReadingOptions.h"
#include "chart/ChartLayout.h"

namespace velakor {

struct ViewSettings {
    SkyChoice Sky;  // the program's defaults: the built-in formulas
    ChartStyle Style = ChartStyle::North;
    bool Colour = false;
    bool StatusBar = true;
};

class ProgramSettings {
public:
    static ViewSettings LoadView();
    static void SaveView(const ViewSettings& view);

    // The dasha's year length and the panchanga's sunrise rule; a missing or unknown value
    // keeps what o holds.
    static void LoadReading(ReadingOptions& o);
    static void SaveReading(const ReadingOptions& o);

    // The folder the file dialogs open in; empty when none is remembered.
    static QString LastFolder();
    static void SetLastFolder(const QString& folder);
};

}  // namespace velakor
