#include "app/gui/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "io/gui/FileReplace.h"

namespace velakor {
namespace {

void CannotKeepToOneCopy(const QString& path, const char* why) {
    qWarning("velakor: cannot make sure that only one copy runs: the lock file %s cannot be written (%s)",
             qPrintable(QDir::toNativeSeparators(path)), why);
}

// A lock file is a regular file of the user's own. A folder, a link, a pipe or another
// user's file at its name is none, and is never removed as a stale lock.
bool SomethingElseAt(const QString& path) {
    const QFileInfo at(path);
    if (!at.exists() && !at.isSymLink()) return false;
#ifdef Q_OS_UNIX
    const bool ours = at.ownerId() == ::geteuid();
#else
    const bool ours = true;
#endif
    return at.isSymLink() || !at.isFile() || !ours;
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath), lock_(lockPath) {
    // A running copy may run for days: only a lock whose owner has died counts as stale,
    // never one that is merely old.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    if (lock_.isLocked()) return true;
    if (path_.isEmpty()) {
        qWarning("velakor: cannot make sure that only one copy runs: the user has no folder of their own for its lock");
        return true;
    }
    if (SomethingElseAt(path_)) {
        CannotKeepToOneCopy(path_, "something that is not a lock file stands at its name");
        return true;
    }
    if (lock_.tryLock(0)) return true;
    // tryLock already steps over the lock of a dead process; this covers a lock file that
    // could not be read back (a crash in the middle of writing it).
    if (lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile()) {
        if (lock_.tryLock(0)) return true;
    }
    if (lock_.error() == QLockFile::LockFailedError) return false;  // held by a running copy
    CannotKeepToOneCopy(path_, lock_.error() == QLockFile::PermissionError ? "permission denied"
                                                                           : "its folder is full, missing or read-only");
    return true;
}

QString SingleInstance::DefaultLockPath() {
    for (const auto location : {QStandardPaths::RuntimeLocation, QStandardPaths::CacheLocation}) {
        const QString candidate = QStandardPaths::writableLocation(location);
        if (candidate.isEmpty()) continue;
        QString reason;
        const QString folder = OwnPrivateFolder(candidate, reason);
        if (!folder.isEmpty()) return QDir(folder).filePath(QStringLiteral("velakor.lock"));
    }
    return {};
}

}  // namespace velakor
