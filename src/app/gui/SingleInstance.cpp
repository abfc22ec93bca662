#include "app/gui/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace velakor {

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath), lock_(lockPath) {
    // A running copy may run for days: only a lock whose owner has died counts as stale,
    // never one that is merely old.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    if (lock_.isLocked()) return true;
    if (lock_.tryLock(0)) return true;
    // tryLock already steps over the lock of a dead process; this covers a lock file that
    // could not be read back (a crash in the middle of writing it).
    if (lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile()) {
        if (lock_.tryLock(0)) return true;
    }
    if (lock_.error() == QLockFile::LockFailedError) return false;  // held by a running copy
    const char* why = lock_.error() == QLockFile::PermissionError ? "permission denied"
                                                                  : "its folder is full, missing or read-only";
    qWarning("velakor: cannot make sure that only one copy runs: the lock file %s cannot be written (%s)",
             qPrintable(QDir::toNativeSeparators(path_)), why);
    return true;
}

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("velakor.lock"));
}

}  // namespace velakor
