// One running copy per user: a lock file in the user's runtime folder. A copy that
// crashed leaves its lock behind; the next start sees that its owner is gone and takes it.
#pragma once

#include <QLockFile>
#include <QString>

namespace velakor {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this process now holds the lock (it did already, or no other running copy
    // holds it); false when another copy is running.
    bool TryAcquire();

    // Where the program keeps its lock: the user's runtime folder, or the temporary
    // folder where there is none.
    static QString DefaultLockPath();

private:
    QLockFile lock_;
};

}  // namespace velakor
