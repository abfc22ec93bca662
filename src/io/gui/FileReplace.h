// Replacing a file whole. The new content goes to a hidden file of the program's own in the
// same folder and is renamed over the old file only once every byte of it is on the disk,
// so a failure (full disk, a killed program) never leaves a half-written file where a good
// one stood. A copy that was killed before its rename leaves only such a hidden file, which
// a later save into the same folder removes.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace velakor {

// The names of those files: ".velakor-<the target's name>-<six letters>.tmp".
inline constexpr char kTemporaryPrefix[] = ".velakor-";
inline constexpr char kTemporarySuffix[] = ".tmp";
// Older than this, such a file is no save in progress but a leftover.
inline constexpr qint64 kLeftoverAgeSeconds = 60;

enum class LinkAtTarget {
    Follow,   // a link at the target's name is followed: the file it points to is replaced
    Replace,  // the link itself is replaced by the file; nothing is written where it points
};

// Writes bytes to name (replacing any file of that name whole) and returns an empty text;
// or, when that fails, the system's reason in plain words ("No space left on device"), the
// old file being left as it was and nothing of the attempt left behind.
QString ReplaceFileWhole(const QString& name, const QByteArray& bytes, LinkAtTarget link = LinkAtTarget::Follow);

// Removes the leftovers of earlier saves in folder: files of the names above that belong to
// ownerId and were last changed before now - kLeftoverAgeSeconds.
void RemoveLeftoverTemporaries(const QString& folder, uint ownerId, const QDateTime& now);

}  // namespace velakor
