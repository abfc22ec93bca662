// One running copy per user: a lock file in a folder that belongs to the user alone. A copy
// that crashed leaves its lock behind; the next start sees that its owner is gone and takes it.
#pragma once

#include <QLockFile>
#include <QString>

namespace velakor {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // False only when another running copy holds the lock. True when this process now holds
    // it (it did already, or nobody held it), and also when no lock can be made at all (its
    // folder full or read-only, no folder of the user's own, or something other than a lock
    // file of the user's at its name): one copy too many is better than none, and nobody
    // else can keep the user's program from starting. Standard error then says why the
    // program cannot keep to one copy.
    bool TryAcquire();

    // Where the program keeps its lock: the user's runtime folder, or else the user's cache
    // folder; each only while it is a folder of the user's alone (made 0700 if need be),
    // never the shared temporary folder, where another user could plant a lock. Empty when
    // there is no such folder.
    static QString DefaultLockPath();

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace velakor
