// One running copy per user: a lock file in a folder that belongs to the user alone. A copy
// that crashed leaves its lock behind; the next start sees that its owner is gone and takes it.
// The copy that holds the lock listens beside it for readings that later starts hand over (a
// file opened from the file manager while the program runs).
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace velakor {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // False only when another running copy holds the lock. True when this process now holds
    // it (it did already, or nobody held it), and also when no lock can be made at all (its
    // folder full or read-only, no folder of the user's own, or something other than a lock
    // file of the user's at its name): one copy too many is better than none, and nobody
    // else can keep the user's program from starting. Standard error then says why the
    // program cannot keep to one copy.
    bool TryAcquire();

    // Once the lock is held: takes the files that later starts hand over (fileHanded). A
    // socket left by a copy that crashed is replaced. False when nothing can listen.
    bool ListenForFiles();

    // For a start that found another copy running: hands it the file (made absolute) and
    // waits, a few seconds at most, until it has taken it. False when no running copy took
    // it (one that does not listen, or none at all).
    bool HandFileToRunningCopy(const QString& file) const;

    // Where the program keeps its lock: the user's runtime folder, or else the user's cache
    // folder; each only while it is a folder of the user's alone (made 0700 if need be),
    // never the shared temporary folder, where another user could plant a lock. Empty when
    // there is no such folder.
    static QString DefaultLockPath();

signals:
    // A later start handed over a reading to open: an absolute path.
    void fileHanded(const QString& path);

private:
    // The socket beside the lock.
    QString SocketPath() const;
    void TakeFile();

    QString path_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace velakor
