// Replacing a file whole. The new content goes to a hidden file of the program's own in the
// same folder and is renamed over the old file only once every byte of it is on the disk,
// so a failure (full disk, a killed program) never leaves a half-written file where a good
// one stood. A copy that was killed before its rename leaves only such a hidden file, which
// a later save into the same folder removes.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
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

// The reasons ReplaceFileWhole gives for a target it leaves alone.
inline constexpr char kNotRegularReason[] = "Not a regular file";
inline constexpr char kReadOnlyReason[] = "The file is read-only";
inline constexpr char kDatabaseReason[] = "The file belongs to a database";

// True when the file carries no write permission for anyone, or the user may not write it.
bool IsReadOnly(const QFileInfo& file);

// True when the first bytes of a file are those every SQLite database begins with.
bool HasDatabaseHeader(const QByteArray& head);

// True when the file is an SQLite database (the chart library is one), or is named as what
// SQLite keeps beside one while it is open or being changed (its name with "-wal", "-shm" or
// "-journal"), whether SQLite made it yet or not.
bool IsDatabaseFile(const QString& path);

// Writes bytes to name (replacing any regular file of that name whole) and returns an empty
// text; or, when that fails, the reason in plain words ("No space left on device"), the old
// file being left as it was and nothing of the attempt left behind. A device, pipe or socket
// at the name, and a read-only file, are refused (kNotRegularReason, kReadOnlyReason): the
// rename would replace them where writing into them was meant or forbidden. So is a
// database (kDatabaseReason): a reading or a picture renamed over it, or over its log, would
// lose every chart it holds.
QString ReplaceFileWhole(const QString& name, const QByteArray& bytes, LinkAtTarget link = LinkAtTarget::Follow);

// Removes the leftovers of earlier saves in folder: files of the names above that belong to
// ownerId and were last changed before now - kLeftoverAgeSeconds.
void RemoveLeftoverTemporaries(const QString& folder, uint ownerId, const QDateTime& now);

// The folder at path, made if need be, when it belongs to the user alone: a real folder (no
// link) that the user owns, its permissions then narrowed to the user's own (0700). Empty,
// with the reason, when it cannot be made or belongs to someone else.
QString OwnPrivateFolder(const QString& path, QString& reason);

}  // namespace velakor
