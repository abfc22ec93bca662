// Importing reading files into the chart library: files and whole folders, each file
// checked as the open command checks a reading, committed in batches.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "library/ChartLibrary.h"
#include "library/ReadingCheck.h"

namespace velakor {

struct ImportedFile {
    QString File;                       // as found: the path given, or below the folder given
    std::optional<LibraryAdded> Added;  // in the library (new or there already)
    QString Refusal;                    // else why not, as the program would say it
};

// The files an import of these paths reads: a file as it is; a folder with every file below
// it whose name ends in ".vlj" (any letter case), in name order, links to folders not
// followed. A path that does not exist is kept, and refused when it is read.
QStringList ReadingFilesUnder(const QStringList& paths);

// Reads and checks one file: its bytes when it is a reading, or the refusal.
struct ReadFile {
    QByteArray Bytes;
    CheckedReading Reading;
};
ReadFile ReadReadingFile(const QString& path);

// Imports the files, ChartLibrary::kImportBatch at a time, each batch one transaction;
// after each commit, batchDone hears of the batch's files in order. False when the database
// failed (the batch then is not in the library; lastError says why).
bool ImportReadingFiles(ChartLibrary& library, const QStringList& files,
                        const std::function<void(const std::vector<ImportedFile>&)>& batchDone);

}  // namespace velakor
