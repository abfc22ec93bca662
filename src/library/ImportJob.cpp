#include "library/ImportJob.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QThread>

namespace velakor {
namespace {

// The progress is told at most this often: a hundred thousand queued calls would keep the
// receiver's thread as busy as the import itself.
constexpr qint64 kProgressEveryMs = 50;

}  // namespace

ImportJob::ImportJob(const QString& libraryPath, std::vector<std::filesystem::path> paths, QObject* receiver,
                     Progress progress, Finished finished) {
    thread_.reset(QThread::create([this, alive = alive_, libraryPath, paths = std::move(paths), receiver,
                                   progress = std::move(progress), finished = std::move(finished)] {
        auto tell = [&](qsizetype read, qsizetype total) {
            QMetaObject::invokeMethod(
                receiver, [alive, progress, read, total] { if (*alive) progress(read, total); }, Qt::QueuedConnection);
        };
        Tally tally;
        auto done = [&] {
            QMetaObject::invokeMethod(
                receiver, [alive, finished, tally] { if (*alive) finished(tally); }, Qt::QueuedConnection);
        };
        LibraryOpening opening = ChartLibrary::Open(libraryPath, LibraryFile::Given);
        if (!opening.Library) {
            tally.End = ImportEnd::Failed;
            tally.Failure = opening.Error;
            return done();
        }
        tell(0, 0);
        const std::vector<ReadingSource> sources = ReadingFilesUnder(paths, &cancel_);
        const auto total = static_cast<qsizetype>(sources.size());
        tell(0, total);
        QElapsedTimer sinceTold;
        sinceTold.start();
        ImportWatch watch;
        watch.Cancel = &cancel_;
        watch.FileRead = [&](qsizetype read) {
            if (read < total && sinceTold.elapsed() < kProgressEveryMs) return;
            sinceTold.restart();
            tell(read, total);
        };
        watch.BatchDone = [&](const std::vector<ImportedFile>& batch) {
            for (const ImportedFile& f : batch) {
                if (!f.Added) {
                    tally.Refused.push_back(f);
                } else {
                    ++(f.Added->Duplicate ? tally.Duplicates : tally.Added);
                }
            }
        };
        tally.End = cancel_ ? ImportEnd::Cancelled : ImportReadingFiles(*opening.Library, sources, watch);
        if (tally.End == ImportEnd::Failed) tally.Failure = opening.Library->lastError();
        // Closed on the thread that opened it.
        opening.Library.reset();
        done();
    }));
    thread_->start();
}

ImportJob::~ImportJob() {
    Cancel();
    thread_->wait();
    // What the thread told and the receiver has not heard yet is no longer news.
    *alive_ = false;
}

void ImportJob::Cancel() { cancel_ = true; }

}  // namespace velakor
