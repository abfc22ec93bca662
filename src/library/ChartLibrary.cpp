#include "library/ChartLibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <array>
#include <atomic>

#include "io/gui/FileReplace.h"
#include "library/ReadingCheck.h"
#include "library/SearchText.h"

namespace velakor {
namespace {

enum class Kind { Text, Number, Flag };
struct Column {
    const char* Name;
    Kind Type;
};

// The seventeen values, in the order of the reading file's lines.
constexpr std::array<Column, kReadingLineCount> kValueColumns{{
    {"birth_name", Kind::Text},     {"birth_month", Kind::Number}, {"birth_day", Kind::Number},
    {"birth_year", Kind::Number},   {"birth_hour", Kind::Number},  {"birth_minute", Kind::Number},
    {"zone_index", Kind::Number},   {"lon_deg", Kind::Number},     {"lon_min", Kind::Number},
    {"lat_deg", Kind::Number},      {"lat_min", Kind::Number},     {"lon_east", Kind::Flag},
    {"lat_south", Kind::Flag},      {"daylight_saving", Kind::Flag}, {"birth_city", Kind::Text},
    {"birth_state", Kind::Text},    {"birth_country", Kind::Text},
}};

// The value columns, each as the pattern writes it ("%1," or "%1 = ?, ").
QString EachColumn(const char* pattern) {
    QString out;
    for (const Column& c : kValueColumns) out += QString::fromLatin1(pattern).arg(QLatin1String(c.Name));
    return out;
}

// Each step brings the schema from its index to the next version, in one transaction with
// the new user_version. A later version appends its step; none is ever changed.
const char* const kMigrations[] = {
    // 0 -> 1
    "CREATE TABLE chart ("
    " id INTEGER PRIMARY KEY,"
    " birth_name TEXT NOT NULL, birth_month INTEGER NOT NULL, birth_day INTEGER NOT NULL,"
    " birth_year INTEGER NOT NULL, birth_hour INTEGER NOT NULL, birth_minute INTEGER NOT NULL,"
    " zone_index INTEGER NOT NULL, lon_deg INTEGER NOT NULL, lon_min INTEGER NOT NULL,"
    " lat_deg INTEGER NOT NULL, lat_min INTEGER NOT NULL, lon_east INTEGER NOT NULL,"
    " lat_south INTEGER NOT NULL, daylight_saving INTEGER NOT NULL,"
    " birth_city TEXT NOT NULL, birth_state TEXT NOT NULL, birth_country TEXT NOT NULL,"
    " sky_positions INTEGER, sky_ayanamsa INTEGER, sky_node INTEGER,"
    " added TEXT NOT NULL, changed TEXT NOT NULL, note TEXT NOT NULL DEFAULT '',"
    " reading_file BLOB,"
    " identity TEXT NOT NULL UNIQUE,"
    " name_key TEXT NOT NULL, place_key TEXT NOT NULL, search_key TEXT NOT NULL, moment INTEGER NOT NULL);"
    // A search reads chart_by_name alone, never the rows: it holds what a search compares
    // and every sort key. The other two give the whole library in their order at once.
    "CREATE INDEX chart_by_name ON chart(name_key, moment, id, search_key, place_key);"
    "CREATE INDEX chart_by_birth ON chart(moment, name_key, id);"
    "CREATE INDEX chart_by_place ON chart(place_key, name_key, moment, id);",
};
static_assert(std::size(kMigrations) == ChartLibrary::kSchemaVersion);

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// SQLite's primary result codes (the low byte of an extended one).
int PrimaryCode(const QSqlError& e) { return e.nativeErrorCode().toInt() & 0xff; }

// A file that is no database, or a damaged one.
bool IsDamage(const QSqlError& e) {
    const int code = PrimaryCode(e);
    return code == 26 || code == 11;
}

QString Why(const QSqlError& e) {
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

QString Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString JoinedValues(const ReadingTexts& values) {
    std::string joined;
    for (const std::string& v : values) {
        joined += v;
        joined += '\n';
    }
    return Q(joined);
}

QString NewConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("velakor-library-%1").arg(counter++);
}

// Runs statements separated by ";" one by one (the driver runs one per call).
bool ExecAll(QSqlQuery& q, const QString& script) {
    for (const QString& statement : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (statement.trimmed().isEmpty()) continue;
        if (!q.exec(statement)) return false;
    }
    return true;
}

// The library's files (the database and the two SQLite keeps beside it while open) for the
// user alone.
void KeepPrivate(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QString file = path + QLatin1String(suffix);
        if (QFileInfo::exists(file)) QFile::setPermissions(file, kOwnerOnly);
    }
}

// What the schema of a library of that version holds: every table and index as its steps
// make them, read back from a database made in memory.
struct SchemaObject {
    QString Type, Name;
    QVariant Sql;  // null for the indexes SQLite makes itself
};
std::vector<SchemaObject> SchemaOfVersion(int version) {
    std::vector<SchemaObject> objects;
    const QString name = NewConnectionName();
    {
        QSqlDatabase memory = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        memory.setDatabaseName(QStringLiteral(":memory:"));
        if (memory.open()) {
            QSqlQuery q(memory);
            for (int v = 0; v < version; ++v) ExecAll(q, QString::fromLatin1(kMigrations[v]));
            q.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master"));
            while (q.next()) objects.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2)});
        }
    }
    QSqlDatabase::removeDatabase(name);
    return objects;
}

// True when the database holds what a chart library of its version holds; false with the
// query's error when it could not be read.
bool HoldsLibrarySchema(QSqlQuery& q, int version, bool& readable) {
    readable = true;
    if (version == 0) {
        // Nothing at all: a library about to be made. Anything else is another program's.
        readable = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && q.next();
        return readable && q.value(0).toInt() == 0;
    }
    const std::vector<SchemaObject> expected = SchemaOfVersion(version);
    if (expected.empty()) return false;
    for (const SchemaObject& o : expected) {
        if (!q.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = ? AND name = ? AND sql IS ?"))) {
            readable = false;
            return false;
        }
        q.addBindValue(o.Type);
        q.addBindValue(o.Name);
        q.addBindValue(o.Sql);
        if (!q.exec() || !q.next()) {
            readable = false;
            return false;
        }
        if (q.value(0).toInt() != 1) return false;
    }
    return true;
}

// How the database is opened: for writing; for reading; for reading a file nothing can
// change (a read-only disk: SQLite then needs no shared memory beside it).
enum class Mode { ReadWrite, ReadOnly, Unchanging };

enum class Outcome { Opened, Refused, Damaged, Failed, WantsWriting };

struct Attempt {
    std::unique_ptr<ChartLibrary> Library;
    QString Error;
    Outcome Result = Outcome::Opened;
};

QString UnchangingUri(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QStringLiteral("?immutable=1");
}

}  // namespace

QString ChartLibrary::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("library.sqlite"));
}

ChartLibrary::ChartLibrary(QSqlDatabase db, QString path) : db_(std::move(db)), path_(std::move(path)) {}

ChartLibrary::~ChartLibrary() {
    const QString name = db_.connectionName();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

LibraryOpening ChartLibrary::Open(const QString& path, LibraryFile kind, LibraryAccess access) {
    LibraryOpening out;
    const QString shown = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& why) {
        out.Error = QStringLiteral("cannot use the chart library %1: %2").arg(shown, why);
        return std::move(out);
    };
    if (path.isEmpty()) {
        out.Error = QStringLiteral("cannot use a chart library without a name");
        return out;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QStringLiteral("the SQLite driver of Qt (libqt6sql6-sqlite) is not installed"));

    const QFileInfo info(path);
    if (kind == LibraryFile::Own) {
        if (!QDir().mkpath(info.absolutePath())) return fail(QStringLiteral("its folder cannot be made"));
        QFile::setPermissions(info.absolutePath(), kOwnerOnly | QFileDevice::ExeOwner);
    }
    const bool exists = info.exists();
    bool damaged = false;
    if (exists) {
        if (!info.isFile()) return fail(QStringLiteral("it is not a regular file"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
        const QByteArray head = file.read(16);
        if (!head.isEmpty() && !HasDatabaseHeader(head)) {
            if (kind == LibraryFile::Given) return fail(QStringLiteral("it is not a chart library"));
            damaged = true;
        }
    } else {
        if (kind == LibraryFile::Given && access == LibraryAccess::ReadOnly)
            return fail(QStringLiteral("there is no such file"));
        // Made for the user alone; SQLite gives the files it keeps beside it the same rights.
        QFile made(path);
        if (!made.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly)) return fail(made.errorString());
    }
    if (kind == LibraryFile::Own) KeepPrivate(path);

    auto attempt = [&](Mode mode) -> Attempt {
        Attempt a;
        a.Library.reset(new ChartLibrary(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), NewConnectionName()), path));
        ChartLibrary& lib = *a.Library;
        // Another copy of the program or the tool may be writing: wait for it a while.
        QStringList options{QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000")};
        if (mode != Mode::ReadWrite) options << QStringLiteral("QSQLITE_OPEN_READONLY");
        if (mode == Mode::Unchanging) options << QStringLiteral("QSQLITE_OPEN_URI");
        lib.db_.setDatabaseName(mode == Mode::Unchanging ? UnchangingUri(path) : path);
        lib.db_.setConnectOptions(options.join(QLatin1Char(';')));
        if (!lib.db_.open()) {
            a.Result = Outcome::Failed;
            a.Error = Why(lib.db_.lastError());
            a.Library.reset();
            return a;
        }
        QSqlQuery q(lib.db_);
        auto end = [&](Outcome outcome, const QString& why) {
            // Read without locks, a file being written may look damaged when it is not.
            a.Result = outcome == Outcome::Damaged && mode == Mode::Unchanging ? Outcome::Failed : outcome;
            a.Error = why;
            q = QSqlQuery();
            a.Library.reset();
            return std::move(a);
        };
        auto failed = [&]() { return end(IsDamage(q.lastError()) ? Outcome::Damaged : Outcome::Failed, Why(q.lastError())); };

        // Nothing is written before the file is known to be a chart library.
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return failed();
        const int version = q.value(0).toInt();
        if (version < 0) return end(Outcome::Refused, QStringLiteral("it is not a chart library"));
        if (version > kSchemaVersion) {
            return end(Outcome::Refused,
                       QStringLiteral("it was made by a newer version of Velakor (library version %1; this one knows %2)")
                           .arg(version)
                           .arg(kSchemaVersion));
        }
        bool readable = true;
        if (!HoldsLibrarySchema(q, version, readable)) {
            if (!readable) return failed();
            return end(Outcome::Refused, QStringLiteral("it is not a chart library"));
        }
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) return failed();
        if (q.value(0).toString() != QLatin1String("ok")) return end(Outcome::Damaged, q.value(0).toString());
        if (mode != Mode::ReadWrite) {
            if (version < kSchemaVersion) return end(Outcome::WantsWriting, QString());
            q = QSqlQuery();
            return a;
        }

        // The log lets the window read while an import writes, and a killed writer loses
        // only its open transaction.
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()) return failed();
        if (q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
            return end(Outcome::Failed, QStringLiteral("its folder does not let it keep a log beside it"));
        if (!q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) return failed();
        if (version < kSchemaVersion) {
            if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return failed();
            // Read again under the write lock: another copy may have just made it.
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return failed();
            for (int v = q.value(0).toInt(); v < kSchemaVersion; ++v) {
                if (!ExecAll(q, QString::fromLatin1(kMigrations[v])) ||
                    !q.exec(QStringLiteral("PRAGMA user_version=%1").arg(v + 1))) {
                    QSqlQuery(lib.db_).exec(QStringLiteral("ROLLBACK"));
                    return failed();
                }
            }
            if (!q.exec(QStringLiteral("COMMIT"))) return failed();
        }
        q = QSqlQuery();
        return a;
    };

    if (!damaged) {
        const bool readOnly = access == LibraryAccess::ReadOnly && exists;
        Attempt a = attempt(readOnly ? Mode::ReadOnly : Mode::ReadWrite);
        // No shared memory can be made beside it (a read-only or full disk): with no log
        // left to read, the file is all there is, and nothing will change it meanwhile.
        const QFileInfo log(path + QStringLiteral("-wal"));
        if (a.Result == Outcome::Failed && readOnly && (!log.exists() || log.size() == 0)) a = attempt(Mode::Unchanging);
        if (a.Result == Outcome::WantsWriting) a = attempt(Mode::ReadWrite);
        if (a.Library) {
            out.Library = std::move(a.Library);
            if (kind == LibraryFile::Own) KeepPrivate(path);
            return out;
        }
        if (a.Result != Outcome::Damaged) return fail(a.Error);
        if (kind == LibraryFile::Given) return fail(QStringLiteral("it is damaged (%1)").arg(a.Error));
    }

    // Kept for whoever can mend it; the program goes on with a new, empty library.
    const QString aside =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside)) return fail(QStringLiteral("it is damaged and cannot be set aside"));
    for (const char* log : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(log))) QFile::rename(path + QLatin1String(log), aside + QLatin1String(log));
    }
    KeepPrivate(aside);
    out.Notice = QStringLiteral("The chart library %1 was damaged. It has been kept as %2, and a new library begun.")
                     .arg(shown, QDir::toNativeSeparators(aside));
    QFile made(path);
    if (!made.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly)) return fail(made.errorString());
    made.close();
    Attempt fresh = attempt(Mode::ReadWrite);
    if (!fresh.Library) return fail(fresh.Error);
    out.Library = std::move(fresh.Library);
    KeepPrivate(path);
    return out;
}

bool ChartLibrary::Failed(const QSqlQuery& q) {
    lastError_ = Why(q.lastError());
    return false;
}

bool ChartLibrary::Begin() {
    if (depth_++ > 0) return true;
    QSqlQuery q(db_);
    if (q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return true;
    depth_ = 0;
    return Failed(q);
}

bool ChartLibrary::Commit() {
    if (depth_ == 0 || --depth_ > 0) return true;
    QSqlQuery q(db_);
    if (q.exec(QStringLiteral("COMMIT"))) return true;
    Failed(q);
    QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
    return false;
}

void ChartLibrary::Rollback() {
    if (depth_ == 0) return;
    depth_ = 0;
    QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
}

void ChartLibrary::BindValues(QSqlQuery& q, const ReadingTexts& values) {
    for (std::size_t i = 0; i < kValueColumns.size(); ++i) {
        const std::string& v = values[i];
        switch (kValueColumns[i].Type) {
            case Kind::Text: q.addBindValue(Q(v)); break;
            case Kind::Number: q.addBindValue(Q(v).toLongLong()); break;
            case Kind::Flag: q.addBindValue(v == "True" ? 1 : 0); break;
        }
    }
    q.addBindValue(JoinedValues(values));
    const QString name = FoldForSearch(Q(values[kLineName]));
    const QString place = FoldForSearch(Q(values[kLineCity])) + QLatin1Char('\n') +
                          FoldForSearch(Q(values[kLineState])) + QLatin1Char('\n') +
                          FoldForSearch(Q(values[kLineCountry]));
    q.addBindValue(name);
    q.addBindValue(place);
    q.addBindValue(name + QLatin1Char('\n') + place);
    const FormValues f = FormValuesOf(values);
    q.addBindValue(((((qint64(f.Year) * 100 + f.Month) * 100 + f.Day) * 100 + f.Hour) * 100) + f.Minute);
}

std::optional<LibraryAdded> ChartLibrary::Add(const ReadingTexts& values, const QByteArray* fileBytes,
                                              std::optional<SkyChoice> sky) {
    if (!Begin()) return std::nullopt;
    auto fail = [&](const QSqlQuery& q) -> std::optional<LibraryAdded> {
        Failed(q);
        Rollback();
        return std::nullopt;
    };
    const QString identity = JoinedValues(values);
    const QString now = Now();
    QSqlQuery q(db_);
    static const QString insert =
        QStringLiteral("INSERT INTO chart (%1 identity, name_key, place_key, search_key, moment,"
                       " sky_positions, sky_ayanamsa, sky_node, added, changed, reading_file)"
                       " VALUES (%2 ?,?,?,?,?,?,?,?,?,?,?) ON CONFLICT(identity) DO NOTHING")
            .arg(EachColumn("%1,"), QStringLiteral("?,").repeated(kValueColumns.size()));
    q.prepare(insert);
    BindValues(q, values);
    const QVariant none(QMetaType::fromType<int>());
    q.addBindValue(sky ? QVariant(static_cast<int>(sky->Positions)) : none);
    q.addBindValue(sky ? QVariant(static_cast<int>(sky->Ayanamsa)) : none);
    q.addBindValue(sky ? QVariant(static_cast<int>(sky->Node)) : none);
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(fileBytes ? QVariant(*fileBytes) : QVariant(QMetaType::fromType<QByteArray>()));
    if (!q.exec()) return fail(q);

    LibraryAdded added;
    if (q.numRowsAffected() == 1) {
        added.Id = q.lastInsertId().toLongLong();
    } else {
        added.Duplicate = true;
        q.prepare(QStringLiteral("SELECT id FROM chart WHERE identity = ?"));
        q.addBindValue(identity);
        if (!q.exec() || !q.next()) return fail(q);
        added.Id = q.value(0).toLongLong();
        if (sky) {
            q.prepare(QStringLiteral("UPDATE chart SET sky_positions = ?, sky_ayanamsa = ?, sky_node = ?, changed = ?"
                                     " WHERE id = ?"));
            q.addBindValue(static_cast<int>(sky->Positions));
            q.addBindValue(static_cast<int>(sky->Ayanamsa));
            q.addBindValue(static_cast<int>(sky->Node));
            q.addBindValue(now);
            q.addBindValue(added.Id);
            if (!q.exec()) return fail(q);
        }
    }
    if (!Commit()) return std::nullopt;
    return added;
}

std::optional<std::vector<qint64>> ChartLibrary::Search(const QString& text, LibrarySort sort, bool descending) {
    QStringList words = SearchWords(text);
    // SQLite nests every further condition a level deeper and stops at a thousand levels:
    // it is asked the longest words, which let the fewest rows through, and the rows it
    // finds are held against the rest here.
    constexpr qsizetype kAskedWords = 32;
    std::stable_sort(words.begin(), words.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const QStringList asked = words.mid(0, kAskedWords);
    const QStringList held = words.mid(kAskedWords);
    // Looking up each row of an index to test its search text costs ten times the test.
    QString sql = held.isEmpty() ? QStringLiteral("SELECT id FROM chart") : QStringLiteral("SELECT id, search_key FROM chart");
    if (!words.isEmpty()) sql += QStringLiteral(" INDEXED BY chart_by_name");
    for (qsizetype i = 0; i < asked.size(); ++i)
        sql += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + QStringLiteral("instr(search_key, ?) > 0");
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    QStringList order;
    switch (sort) {
        case LibrarySort::Name: order = {QStringLiteral("name_key"), QStringLiteral("moment")}; break;
        case LibrarySort::Birth: order = {QStringLiteral("moment"), QStringLiteral("name_key")}; break;
        case LibrarySort::Place: order = {QStringLiteral("place_key"), QStringLiteral("name_key"), QStringLiteral("moment")}; break;
    }
    order << QStringLiteral("id");
    for (QString& o : order) o += dir;
    sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));

    std::vector<qint64> ids;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QString& w : asked) q.addBindValue(w);
    if (!q.exec()) {
        Failed(q);
        return std::nullopt;
    }
    while (q.next()) {
        if (!held.isEmpty()) {
            const QString key = q.value(1).toString();
            if (!std::all_of(held.begin(), held.end(), [&](const QString& w) { return key.contains(w); })) continue;
        }
        ids.push_back(q.value(0).toLongLong());
    }
    if (q.lastError().isValid()) {
        Failed(q);
        return std::nullopt;
    }
    return ids;
}

std::optional<LibraryChart> ChartLibrary::Chart(qint64 id) {
    static const QString select = QStringLiteral("SELECT %1 sky_positions, sky_ayanamsa, sky_node, added, changed, note,"
                                                 " reading_file IS NOT NULL FROM chart WHERE id = ?")
                                      .arg(EachColumn("%1,"));
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(select);
    q.addBindValue(id);
    if (!q.exec()) {
        Failed(q);
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    LibraryChart c;
    c.Id = id;
    int i = 0;
    for (const Column& col : kValueColumns) {
        const QVariant v = q.value(i);
        switch (col.Type) {
            case Kind::Text: c.Values[i] = v.toString().toStdString(); break;
            case Kind::Number: c.Values[i] = std::to_string(v.toLongLong()); break;
            case Kind::Flag: c.Values[i] = v.toInt() ? "True" : "False"; break;
        }
        ++i;
    }
    if (!q.isNull(i)) {
        SkyChoice s;
        s.Positions = static_cast<SkyPositions>(q.value(i).toInt());
        s.Ayanamsa = static_cast<SkyAyanamsa>(q.value(i + 1).toInt());
        s.Node = static_cast<SkyNode>(q.value(i + 2).toInt());
        c.Sky = s;
    }
    c.Added = q.value(i + 3).toString();
    c.Changed = q.value(i + 4).toString();
    c.Note = q.value(i + 5).toString();
    c.FromFile = q.value(i + 6).toBool();
    return c;
}

std::optional<QByteArray> ChartLibrary::ReadingFile(qint64 id) {
    const auto chart = Chart(id);
    if (!chart) return std::nullopt;
    if (chart->FromFile) {
        QSqlQuery q(db_);
        q.prepare(QStringLiteral("SELECT reading_file FROM chart WHERE id = ?"));
        q.addBindValue(id);
        if (!q.exec() || !q.next()) {
            Failed(q);
            return std::nullopt;
        }
        return q.value(0).toByteArray();
    }
    const std::string bytes = ReadingBytesOf(chart->Values);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool ChartLibrary::SetNote(qint64 id, const QString& note) {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("UPDATE chart SET note = ?, changed = ? WHERE id = ?"));
    q.addBindValue(note);
    q.addBindValue(Now());
    q.addBindValue(id);
    return q.exec() || Failed(q);
}

LibraryChange ChartLibrary::SetValues(qint64 id, const ReadingTexts& values) {
    // The file it came from no longer stands for the chart once its values changed.
    static const QString update =
        QStringLiteral("UPDATE chart SET %1 identity = ?, name_key = ?, place_key = ?, search_key = ?, moment = ?,"
                       " reading_file = CASE WHEN identity = ? THEN reading_file END, changed = ? WHERE id = ?")
            .arg(EachColumn("%1 = ?, "));
    QSqlQuery q(db_);
    q.prepare(update);
    BindValues(q, values);
    q.addBindValue(JoinedValues(values));
    q.addBindValue(Now());
    q.addBindValue(id);
    if (!q.exec()) {
        Failed(q);
        // SQLite's code for a broken constraint: the identity of another row.
        return PrimaryCode(q.lastError()) == 19 ? LibraryChange::Duplicate : LibraryChange::Failed;
    }
    if (q.numRowsAffected() != 1) {
        lastError_ = QStringLiteral("the chart is no longer in the library");
        return LibraryChange::Failed;
    }
    return LibraryChange::Done;
}

bool ChartLibrary::Remove(const std::vector<qint64>& ids) {
    if (!Begin()) return false;
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("DELETE FROM chart WHERE id = ?"));
    for (const qint64 id : ids) {
        q.addBindValue(id);
        if (!q.exec()) {
            Failed(q);
            Rollback();
            return false;
        }
    }
    return Commit();
}

qint64 ChartLibrary::Count() {
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM chart")) || !q.next()) {
        Failed(q);
        return -1;
    }
    return q.value(0).toLongLong();
}

}  // namespace velakor
