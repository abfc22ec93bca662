#include "app/gui/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "io/gui/FileReplace.h"

namespace velakor {
namespace {

// How long a later start waits for the running copy to take its file.
constexpr int kHandOverWaitMs = 5000;
// A path as the system spells it, with its length before it (four bytes, big-endian); no
// path is longer than this.
constexpr quint32 kMaxPathBytes = 64 * 1024;
constexpr char kTaken = '1';

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

SingleInstance::SingleInstance(const QString& lockPath, QObject* parent)
    : QObject(parent), path_(lockPath), lock_(lockPath) {
    // A running copy may run for days: only a lock whose owner has died counts as stale,
    // never one that is merely old.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::SocketPath() const {
    return path_.isEmpty() ? QString() : QFileInfo(path_).dir().filePath(QStringLiteral("velakor.socket"));
}

bool SingleInstance::ListenForFiles() {
    if (server_) return true;
    if (path_.isEmpty() || !lock_.isLocked()) return false;
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours: a socket at the name was left by a copy that is gone.
    QLocalServer::removeServer(SocketPath());
    if (!server->listen(SocketPath())) {
        qWarning("velakor: readings opened while the program runs cannot be handed to it: %s",
                 qPrintable(server->errorString()));
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::TakeFile);
    return true;
}

void SingleInstance::TakeFile() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < 4) return;
            quint32 length = 0;
            socket->peek(reinterpret_cast<char*>(&length), 4);
            length = qFromBigEndian(length);
            if (length == 0 || length > kMaxPathBytes) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < 4 + qint64{length}) return;
            socket->skip(4);
            const QString path = QFile::decodeName(socket->read(length));
            socket->write(&kTaken, 1);
            socket->flush();
            socket->disconnectFromServer();
            // Opened once the starting copy has its answer: opening may ask the user things.
            QMetaObject::invokeMethod(this, [this, path] { emit fileHanded(path); }, Qt::QueuedConnection);
        });
    }
}

bool SingleInstance::HandFileToRunningCopy(const QString& file) const {
    if (path_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(kHandOverWaitMs)) return false;
    const QByteArray path = QFile::encodeName(QFileInfo(file).absoluteFilePath());
    if (path.isEmpty() || path.size() > qsizetype{kMaxPathBytes}) return false;
    const quint32 length = qToBigEndian(static_cast<quint32>(path.size()));
    socket.write(reinterpret_cast<const char*>(&length), 4);
    socket.write(path);
    if (!socket.waitForBytesWritten(kHandOverWaitMs)) return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(kHandOverWaitMs)) return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == kTaken;
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
