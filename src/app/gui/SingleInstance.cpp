#include "app/gui/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace velakor {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
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
        return lock_.tryLock(0);
    }
    return false;
}

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("velakor.lock"));
}

}  // namespace velakor
