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

QString ReplaceFileWhole(const QString& name, const QByteArray& bytes, LinkAtTarget link) {
    QString path = QFileInfo(name).absoluteFilePath();
    const QFileInfo target(path);
    if (link == LinkAtTarget::Follow && target.isSymLink() && !target.canonicalFilePath().isEmpty()) {
        path = target.canonicalFilePath();
    }
    const QFileInfo at(path);
    if (at.isDir() && !at.isSymLink()) return Reason(EISDIR);
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
