// The chart library: every chart of a practice in one SQLite database (Qt SQL, QSQLITE).
//
// One row per chart: the seventeen values of its reading as the reading file keeps them,
// the sky it was last shown in, when it was added and last changed, a free note, and the
// bytes of the reading file it was imported from. The same seventeen values twice are one
// chart. The schema's version is the database's user_version; an older library is brought
// up to date when opened, a newer one is refused untouched. The database keeps a
// write-ahead log, every change is one transaction, every value goes in as a bound
// parameter.
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

// Whose file it is. The program's own library, found damaged, is set aside and begun anew; a
// file the user named (velakor-library --db) that is no SQLite database at all is refused,
// never renamed: it may be anything of theirs.
enum class LibraryFile { Own, Given };

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
    // Opens (or makes) the library in the file. Locked files are waited for a few seconds.
    static LibraryOpening Open(const QString& path, LibraryFile kind);

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
    // accents aside), in the order asked. Empty text: every row.
    std::vector<qint64> Search(const QString& text, LibrarySort sort = LibrarySort::Name, bool descending = false);
    std::optional<LibraryChart> Chart(qint64 id);
    // The chart as a reading file: the imported file's own bytes, or written from its values.
    std::optional<QByteArray> ReadingFile(qint64 id);
    bool SetNote(qint64 id, const QString& note);
    bool Remove(const std::vector<qint64>& ids);
    qint64 Count();

    QSqlDatabase& database() { return db_; }

private:
    ChartLibrary(QSqlDatabase db, QString path);
    bool Failed(const class QSqlQuery& q);

    QSqlDatabase db_;
    QString path_;
    QString lastError_;
    int depth_ = 0;  // open transactions of Begin
};

}  // namespace velakor
