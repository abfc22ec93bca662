// The chart library: every chart of a practice in one SQLite database (Qt SQL, QSQLITE).
//
// One row per chart: the seventeen values of its reading as the reading file keeps them,
// the sky it was last shown in, when it was added and last changed, a free note, and the
// bytes of the reading file it was imported from. The same seventeen values twice are one
// chart. The schema's version is the database's user_version; an older library is brought
// up to date when opened, a newer one is refused untouched, and so is any database whose
// tables are not the ones its version makes. The database keeps a write-ahead log, every
// change is one transaction, every value goes in as a bound parameter. The library is its
// user's alone: its file and companions are readable by nobody else.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "io/ReadingFile.h"
#include "sky/Sky.h"

namespace velakor {

// Whose file it is. The program's own library, found damaged, is set aside and begun anew,
// and its folder and files are kept to the user alone; a file the user named (velakor-library
// --db) that is damaged or no chart library is refused and left exactly as it was: it may be
// anything of theirs.
enum class LibraryFile { Own, Given };

// What will be done with it. Read-only opening changes nothing in the file (no log switched
// on, no schema brought up to date), so a library on a read-only disk, or on a full one, can
// still be listed and exported. A library that does not exist yet, or wants its schema
// brought up to date, is opened for writing all the same when it is the program's own.
enum class LibraryAccess { ReadWrite, ReadOnly };

// The table's order: by name, by birth moment (the clock's date and time) or by place; each
// ends in the others so that the order is always the same.
enum class LibrarySort { Name, Birth, Place };

struct LibraryChart {
    qint64 Id = 0;
    ReadingTexts Values;
    std::optional<SkyChoice> Sky;  // never shown yet: nothing
    QString Added, Changed;        // ISO 8601, UTC
    QString Note;
    bool FromFile = false;  // the bytes of an imported file are kept
};

// What a change of a chart's values came to.
enum class LibraryChange { Done, Duplicate, Failed };

struct LibraryAdded {
    qint64 Id = 0;
    bool Duplicate = false;  // the chart was there already (Id is its row)
};

class ChartLibrary;

struct LibraryOpening {
    std::unique_ptr<ChartLibrary> Library;  // nothing when the file cannot be used
    QString Error;   // why not, in one line naming the file
    QString Notice;  // a damaged file was set aside: under which name
};

class ChartLibrary {
public:
    static constexpr int kSchemaVersion = 1;
    // Changes are committed every so many files of an import: a killed import keeps them.
    static constexpr int kImportBatch = 500;

    // The program's own library: library.sqlite in the user's data folder.
    static QString DefaultPath();
    // Opens (or makes) the library in the file. Locked files are waited for a few seconds. A
    // file the user named and that does not exist is made only for writing.
    static LibraryOpening Open(const QString& path, LibraryFile kind, LibraryAccess access = LibraryAccess::ReadWrite);

    ~ChartLibrary();
    ChartLibrary(const ChartLibrary&) = delete;
    ChartLibrary& operator=(const ChartLibrary&) = delete;

    QString path() const { return path_; }
    // The last failure of the database in one line, for the user.
    QString lastError() const { return lastError_; }

    // A transaction over several changes (an import's batch); without one each change is
    // its own.
    bool Begin();
    bool Commit();
    void Rollback();

    // Adds checked values; fileBytes are the reading file's own (nullptr for a chart saved
    // from the program). A chart already there keeps its row; given a sky (Save to Library)
    // the row takes that sky and is changed now. Nothing on a database failure.
    std::optional<LibraryAdded> Add(const ReadingTexts& values, const QByteArray* fileBytes,
                                    std::optional<SkyChoice> sky = std::nullopt);

    // The rows whose name, city, state or country hold every word of the text (capitals and
    // accents aside), in the order asked. Empty text: every row. Any number of words; nothing
    // when the database failed (lastError says why).
    std::optional<std::vector<qint64>> Search(const QString& text, LibrarySort sort = LibrarySort::Name,
                                              bool descending = false);
    std::optional<LibraryChart> Chart(qint64 id);
    // The chart as a reading file: the imported file's own bytes, or written from its values.
    std::optional<QByteArray> ReadingFile(qint64 id);
    bool SetNote(qint64 id, const QString& note);
    // Gives the chart checked values in place of its own (a name or place edited): its row
    // and note stay, the file it was imported from no longer stands for it. Duplicate when
    // another chart of the library has those values already.
    LibraryChange SetValues(qint64 id, const ReadingTexts& values);
    bool Remove(const std::vector<qint64>& ids);
    qint64 Count();

    QSqlDatabase& database() { return db_; }

private:
    ChartLibrary(QSqlDatabase db, QString path);
    bool Failed(const class QSqlQuery& q);
    // Binds the values and the keys a search and the sorts read, in the order of kValueColumns
    // then identity, name_key, place_key, search_key, moment.
    static void BindValues(class QSqlQuery& q, const ReadingTexts& values);

    QSqlDatabase db_;
    QString path_;
    QString lastError_;
    int depth_ = 0;  // open transactions of Begin
};

}  // namespace velakor
