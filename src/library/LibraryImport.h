// Importing reading files into the chart library: files and whole folders, each file
// checked as the open command checks a reading, committed in batches. Names are taken by
// their bytes, so a file whose name is no UTF-8 is read like any other.
#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "library/ChartLibrary.h"
#include "library/ReadingCheck.h"

namespace velakor {

// A file an import reads, or a folder it could not read.
struct ReadingSource {
    std::filesystem::path Path;  // as found: the path given, or below the folder given
    QString FolderError;         // a folder that could not be read (whole or in part): why
};

struct ImportedFile {
    QString File;                       // ShownPath of the source
    std::optional<LibraryAdded> Added;  // in the library (new or there already)
    QString Refusal;                    // else why not, as the program would say it
};

// A path for a person to read: its bytes as UTF-8, a byte that is no part of a UTF-8
// character as \xHH ("Ren\xE9e.vlj").
QString ShownPath(const std::filesystem::path& path);

// The files an import of these paths reads: a file as it is; a folder with every file below
// it whose name ends in ".vlj" (any letter case), links to folders not followed, and every
// folder below it that could not be read; in name order. A path that does not exist is kept,
// and refused when it is read. Stops early, with what it found, when cancel is set.
std::vector<ReadingSource> ReadingFilesUnder(const std::vector<std::filesystem::path>& paths,
                                             const std::atomic<bool>* cancel = nullptr);

// Reads and checks one file: its bytes when it is a reading, or the refusal.
struct ReadFile {
    QByteArray Bytes;
    CheckedReading Reading;
};
ReadFile ReadReadingFile(const std::filesystem::path& path);

// Who follows an import: each batch once committed, in order; every file read (its count so
// far), when wanted; and whether to stop.
struct ImportWatch {
    std::function<void(const std::vector<ImportedFile>&)> BatchDone;
    std::function<void(qsizetype filesRead)> FileRead;
    const std::atomic<bool>* Cancel = nullptr;
};

enum class ImportEnd { Done, Cancelled, Failed };

// Imports the sources, ChartLibrary::kImportBatch at a time, each batch one transaction. A
// cancelled import ends within a file and leaves its unfinished batch out, as a failed one
// does (lastError then says why): what was committed stays, whole batches.
ImportEnd ImportReadingFiles(ChartLibrary& library, const std::vector<ReadingSource>& sources, const ImportWatch& watch);

}  // namespace velakor
