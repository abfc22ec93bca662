// An import of reading files run on a thread of its own, so that the windows stay
// responsive and the user can cancel it. A Qt SQL connection belongs to the thread that
// opened it: the job opens the library's file afresh on its thread.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "library/LibraryImport.h"

class QThread;

namespace velakor {

class ImportJob {
public:
    // What came of it: the files of the committed batches only.
    struct Tally {
        int Added = 0;
        int Duplicates = 0;
        std::vector<ImportedFile> Refused;
        ImportEnd End = ImportEnd::Done;
        QString Failure;  // why it stopped, when it failed
    };
    // Files read so far and in all; in all is 0 while the folders are still looked through.
    using Progress = std::function<void(qsizetype read, qsizetype total)>;
    using Finished = std::function<void(const Tally& tally)>;

    // Starts importing the paths (as ReadingFilesUnder takes them) into the library file.
    // progress and finished are called on receiver's thread, finished last and once; neither
    // is called once the job or the receiver is gone (a window closed during an import hears
    // nothing more of it).
    ImportJob(const QString& libraryPath, std::vector<std::filesystem::path> paths, QObject* receiver, Progress progress,
              Finished finished);
    // Cancels and waits: the file being read and the rollback of the open batch, no more.
    ~ImportJob();
    ImportJob(const ImportJob&) = delete;
    ImportJob& operator=(const ImportJob&) = delete;

    // Asks the import to stop after the file it is reading; its open batch is left out.
    void Cancel();

private:
    std::atomic<bool> cancel_{false};
    // Read on the receiver's thread only, where the job is also destroyed.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::unique_ptr<QThread> thread_;
};

}  // namespace velakor
