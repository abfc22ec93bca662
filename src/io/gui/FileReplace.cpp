#include "io/gui/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velakor {
namespace {

// A long target name must not make the hidden name too long for the folder: a part of it
// tells a person what the file was.
constexpr qsizetype kNameShown = 40;

QString Reason(int error) {
    return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

QString TemporaryName(const QString& folder, const QString& target) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString random;
    for (int i = 0; i < 6; ++i) random += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    return QDir(folder).filePath(QLatin1String(kTemporaryPrefix) + QFileInfo(target).fileName().left(kNameShown) +
                                 QLatin1Char('-') + random + QLatin1String(kTemporarySuffix));
}

// Puts the written bytes on the disk: a full disk may only show here.
bool SyncToDisk(QFile& file) {
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

}  // namespace

bool HasDatabaseHeader(const QByteArray& head) { return head == QByteArray("SQLite format 3\0", 16); }

bool IsDatabaseFile(const QString& path) {
    auto startsAsDatabase = [](const QString& file) {
        QFile f(file);
        return QFileInfo(file).isFile() && f.open(QIODevice::ReadOnly) && HasDatabaseHeader(f.read(16));
    };
    if (startsAsDatabase(path)) return true;
    for (const QLatin1String kept : {QLatin1String("-wal"), QLatin1String("-shm"), QLatin1String("-journal")}) {
        if (path.endsWith(kept) && startsAsDatabase(path.chopped(kept.size()))) return true;
    }
    return false;
}

bool IsReadOnly(const QFileInfo& file) {
    constexpr QFileDevice::Permissions kAnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!(file.permissions() & kAnyWrite)) return true;
#ifdef Q_OS_UNIX
    // Only the file's own permissions count: a read-only disk has its own reason.
    errno = 0;
    return ::access(QFile::encodeName(file.absoluteFilePath()).constData(), W_OK) != 0 && errno == EACCES;
#else
    return !file.isWritable();
#endif
}

QString ReplaceFileWhole(const QString& name, const QByteArray& bytes, LinkAtTarget link) {
    QString path = QFileInfo(name).absoluteFilePath();
    const QFileInfo target(path);
    if (link == LinkAtTarget::Follow && target.isSymLink() && !target.canonicalFilePath().isEmpty()) {
        path = target.canonicalFilePath();
    }
    const QFileInfo at(path);
    if (at.isDir() && !at.isSymLink()) return Reason(EISDIR);
    // A device, a pipe or a socket is no file to replace: renaming over /dev/null would put
    // a regular file where the system's device stood. What is replaced is a regular file or
    // nothing (a link, in Replace, is the name itself).
    const bool linkReplaced = link == LinkAtTarget::Replace && at.isSymLink();
    if (at.exists() && !at.isFile() && !linkReplaced) return QLatin1String(kNotRegularReason);
    // The rename would succeed over a file the user marked read-only (the folder decides),
    // and root may write anything: the file's own marks are what the user meant.
    if (at.isFile() && !linkReplaced && IsReadOnly(at)) return QLatin1String(kReadOnlyReason);
    // A log or journal of a database is refused even before SQLite made it: found there, a
    // file of ours would be taken for one.
    if (!linkReplaced && IsDatabaseFile(path)) return QLatin1String(kDatabaseReason);
    const QString folder = QFileInfo(path).absolutePath();

    // A name of our own that nobody else holds: opened only if it did not exist, so no
    // file or link planted there is written through.
    QFile file;
    for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
        file.setFileName(TemporaryName(folder, path));
        errno = 0;
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) break;
        const QFileInfo taken(file.fileName());
        if (errno != EEXIST && !taken.exists() && !taken.isSymLink()) return file.errorString();
    }
    if (!file.isOpen()) return Reason(EEXIST);
    RemoveLeftoverTemporaries(folder, QFileInfo(file.fileName()).ownerId(), QDateTime::currentDateTimeUtc());

    // The old file's permissions go to the new one, as a save in place would keep them.
    if (QFileInfo(path).isFile()) file.setPermissions(QFileInfo(path).permissions());
    // A short write (a file-size limit, the disk filling up) is followed by another, which
    // then fails with the system's reason.
    QString reason;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) break;
        written += n;
    }
    errno = 0;
    if (written != bytes.size() || file.error() != QFileDevice::NoError) {
        reason = file.errorString();
    } else if (!SyncToDisk(file)) {
        reason = Reason(errno);
    }
    file.close();
    if (reason.isEmpty() && file.error() != QFileDevice::NoError) reason = file.errorString();
    if (reason.isEmpty()) {
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                                QFile::encodeName(path).toStdString(), ec);
        if (ec) reason = Reason(ec.value());
    }
    if (!reason.isEmpty()) QFile::remove(file.fileName());
    return reason;
}

QString OwnPrivateFolder(const QString& path, QString& reason) {
    if (path.isEmpty()) {
        reason = QStringLiteral("there is no such folder");
        return {};
    }
    if (!QDir().mkpath(path)) {
        reason = QStringLiteral("the folder %1 cannot be made").arg(path);
        return {};
    }
    const QFileInfo info(path);
#ifdef Q_OS_UNIX
    const bool ours = info.ownerId() == ::geteuid();
#else
    const bool ours = true;
#endif
    if (info.isSymLink() || !info.isDir() || !ours) {
        reason = QStringLiteral("the folder %1 is not the user's own").arg(path);
        return {};
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                                 QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (QFileInfo(path).permissions() & kOthers) {
        reason = QStringLiteral("the folder %1 is open to other users").arg(path);
        return {};
    }
    return path;
}

void RemoveLeftoverTemporaries(const QString& folder, uint ownerId, const QDateTime& now) {
    const QString pattern = QLatin1String(kTemporaryPrefix) + QLatin1Char('*') + QLatin1String(kTemporarySuffix);
    const QFileInfoList found =
        QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo& leftover : found) {
        if (leftover.ownerId() != ownerId) continue;
        if (leftover.lastModified().secsTo(now) <= kLeftoverAgeSeconds) continue;
        QFile::remove(leftover.absoluteFilePath());
    }
}

}  // namespace velakor
