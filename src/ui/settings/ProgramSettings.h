// What the program remembers per user between runs, in the platform's usual place
// (QSettings under the program's organisation and application names): the sky, the chart
// style and colour, the status bar, the dasha's system and year, the sunrise rule, the
// ashtakavarga's table, and the last folder of each kind of file.
//
// Only the program keeps settings: without an organisation name (a window made outside the
// program, as in a test) nothing is read or written and the defaults hold. A missing,
// unreadable or corrupt settings file, or a value out of range, gives the default. Only a
// regular file of a settings file's size is read: a pipe at its name would hold the start
// for ever and a huge file would fill the memory; such a file is neither read nor replaced.
//
// A store gives an empty text, or the line that says why the settings could not be kept;
// ReportNotStored shows that line once in the status bar of the window it is given.
#pragma once

#include <QString>

class QWidget;

#include "sky/Sky.h"
#include "vedic/ReadingOptions.h"
#include "chart/ChartLayout.h"
#include "vedic/Language.h"

#include <optional>

namespace velakor {

// The kinds of file the program's dialogs open and save; each kind keeps a folder of its own,
// so that saving a picture does not send the next reading's dialog to the pictures.
enum class FileKind { Readings, Pictures, Reports, Pdfs, LibraryExports };

struct ViewSettings {
    SkyChoice Sky;  // the program's defaults: the built-in formulas
    ChartStyle Style = ChartStyle::North;
    bool Colour = false;
    bool StatusBar = true;
};

class ProgramSettings {
public:
    static ViewSettings LoadView();
    static QString SaveView(const ViewSettings& view);

    // The dasha's system and year length, the panchanga's sunrise rule and the ashtakavarga's
    // table; a missing or unknown value keeps what o holds.
    static void LoadReading(ReadingOptions& o);
    static QString SaveReading(const ReadingOptions& o);

    // The interface's language as the user last picked it; nothing when never picked (or the
    // value is unknown): the system's locale decides then.
    static std::optional<Language> LoadLanguage();
    static QString SaveLanguage(Language lang);

    // The folder the file dialogs of a kind open in; empty when none is remembered (or it is
    // gone).
    static QString LastFolder(FileKind kind);
    static QString SetLastFolder(FileKind kind, const QString& folder);

    // The settings file where the platform keeps one as a file (Linux:
    // ~/.config/Velakor/Velakor.conf); empty elsewhere and without an organisation name.
    static QString FileName();

    // Shows failure (a store's answer, when not empty) in the status bar of near's window,
    // the first time only: one line is enough to say that choices will not be remembered. A
    // window without a status bar shows it in a message box, once too.
    static void ReportNotStored(QWidget* near, const QString& failure);
};

}  // namespace velakor
