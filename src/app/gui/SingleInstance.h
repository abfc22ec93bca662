// One running copy per user: a lock file in the user's runtime folder. A copy that
// crashed leaves its lock behind; the next start sees that its owner is gone and takes it.
#pragma once

#include <QLockFile>
#include <QString>

namespace velakor {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // False only when another running copy holds the lock. True when this process now holds
    // it (it did already, or nobody held it), and also when no lock can be made at all (its
    // folder full or read-only): one copy too many is better than none. Standard error then
    // says why the program cannot keep to one copy.
    bool TryAcquire();

    // Where the program keeps its lock: the user's runtime folder, or the temporary
    // folder where there is none.
    static QString DefaultLockPath();

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace velakor
