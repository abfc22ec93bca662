#include "library/ChartLibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <array>
#include <atomic>

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

// SQLite's own codes for a file that is no database, or a damaged one.
bool IsDamage(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    return code == QLatin1String("26") || code == QLatin1String("11");
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

struct Attempt {
    std::unique_ptr<ChartLibrary> Library;
    QString Error;
    bool Damaged = false;
};

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

LibraryOpening ChartLibrary::Open(const QString& path, LibraryFile kind) {
    LibraryOpening out;
    const QString shown = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& why) {
        out.Error = QStringLiteral("cannot use the chart library %1: %2").arg(shown, why);
        return std::move(out);
    };
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QStringLiteral("the SQLite driver of Qt (libqt6sql6-sqlite) is not installed"));

    const QFileInfo info(path);
    bool damaged = false;
    if (info.exists()) {
        if (!info.isFile()) return fail(QStringLiteral("it is not a regular file"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
        const QByteArray head = file.read(16);
        if (!head.isEmpty() && head != QByteArray("SQLite format 3\0", 16)) {
            if (kind == LibraryFile::Given) return fail(QStringLiteral("it is not a chart library"));
            damaged = true;
        }
    } else if (kind == LibraryFile::Own && !QDir().mkpath(info.absolutePath())) {
        return fail(QStringLiteral("its folder cannot be made"));
    }

    auto attempt = [&]() -> Attempt {
        Attempt a;
        a.Library.reset(new ChartLibrary(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), NewConnectionName()), path));
        ChartLibrary& lib = *a.Library;
        lib.db_.setDatabaseName(path);
        // Another copy of the program or the tool may be writing: wait for it a while.
        lib.db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!lib.db_.open()) {
            a.Error = Why(lib.db_.lastError());
            a.Library.reset();
            return a;
        }
        QSqlQuery q(lib.db_);
        auto failed = [&]() {
            a.Damaged = IsDamage(q.lastError());
            a.Error = Why(q.lastError());
            q = QSqlQuery();
            a.Library.reset();
            return std::move(a);
        };
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return failed();
        const int version = q.value(0).toInt();
        if (version > kSchemaVersion) {
            a.Error = QStringLiteral("it was made by a newer version of Velakor (library version %1; this one knows %2)")
                          .arg(version)
                          .arg(kSchemaVersion);
            q = QSqlQuery();
            a.Library.reset();
            return a;
        }
        if (version == 0) {
            // A database of some other program is left alone.
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) return failed();
            if (q.value(0).toInt() > 0) {
                a.Error = QStringLiteral("it is not a chart library");
                q = QSqlQuery();
                a.Library.reset();
                return a;
            }
        }
        // The log lets the window read while an import writes, and a killed writer loses
        // only its open transaction.
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()) return failed();
        if (q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
            a.Error = QStringLiteral("its folder does not let it keep a log beside it");
            q = QSqlQuery();
            a.Library.reset();
            return a;
        }
        if (!q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) return failed();
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) return failed();
        if (q.value(0).toString() != QLatin1String("ok")) {
            a.Damaged = true;
            a.Error = q.value(0).toString();
            q = QSqlQuery();
            a.Library.reset();
            return a;
        }
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
        return a;
    };

    if (!damaged) {
        Attempt a = attempt();
        if (a.Library) {
            out.Library = std::move(a.Library);
            return out;
        }
        if (!a.Damaged) return fail(a.Error);
    }

    // Kept for whoever can mend it; the program goes on with a new, empty library.
    const QString aside =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside)) return fail(QStringLiteral("it is damaged and cannot be set aside"));
    for (const char* log : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(log))) QFile::rename(path + QLatin1String(log), aside + QLatin1String(log));
    }
    out.Notice = QStringLiteral("The chart library %1 was damaged. It has been kept as %2, and a new library begun.")
                     .arg(shown, QDir::toNativeSeparators(aside));
    Attempt fresh = attempt();
    if (!fresh.Library) return fail(fresh.Error);
    out.Library = std::move(fresh.Library);
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
    static const QString insert = [] {
        QString columns, marks;
        for (const Column& c : kValueColumns) {
            columns += QLatin1String(c.Name) + QLatin1Char(',');
            marks += QStringLiteral("?,");
        }
        return QStringLiteral("INSERT INTO chart (%1 sky_positions, sky_ayanamsa, sky_node, added, changed,"
                              " reading_file, identity, name_key, place_key, search_key, moment)"
                              " VALUES (%2 ?,?,?,?,?,?,?,?,?,?,?) ON CONFLICT(identity) DO NOTHING")
            .arg(columns, marks);
    }();
    q.prepare(insert);
    for (std::size_t i = 0; i < kValueColumns.size(); ++i) {
        const std::string& v = values[i];
        switch (kValueColumns[i].Type) {
            case Kind::Text: q.addBindValue(Q(v)); break;
            case Kind::Number: q.addBindValue(Q(v).toLongLong()); break;
            case Kind::Flag: q.addBindValue(v == "True" ? 1 : 0); break;
        }
    }
    const QVariant none(QMetaType::fromType<int>());
    q.addBindValue(sky ? QVariant(static_cast<int>(sky->Positions)) : none);
    q.addBindValue(sky ? QVariant(static_cast<int>(sky->Ayanamsa)) : none);
    q.addBindValue(sky ? QVariant(static_cast<int>(sky->Node)) : none);
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(fileBytes ? QVariant(*fileBytes) : QVariant(QMetaType::fromType<QByteArray>()));
    q.addBindValue(identity);
    const QString name = FoldForSearch(Q(values[kLineName]));
    const QString place = FoldForSearch(Q(values[kLineCity])) + QLatin1Char('\n') +
                          FoldForSearch(Q(values[kLineState])) + QLatin1Char('\n') +
                          FoldForSearch(Q(values[kLineCountry]));
    q.addBindValue(name);
    q.addBindValue(place);
    q.addBindValue(name + QLatin1Char('\n') + place);
    const FormValues f = FormValuesOf(values);
    q.addBindValue(((((qint64(f.Year) * 100 + f.Month) * 100 + f.Day) * 100 + f.Hour) * 100) + f.Minute);
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

std::vector<qint64> ChartLibrary::Search(const QString& text, LibrarySort sort, bool descending) {
    const QStringList words = SearchWords(text);
    // Looking up each row of an index to test its search text costs ten times the test.
    QString sql = words.isEmpty() ? QStringLiteral("SELECT id FROM chart")
                                  : QStringLiteral("SELECT id FROM chart INDEXED BY chart_by_name");
    for (qsizetype i = 0; i < words.size(); ++i)
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
    for (const QString& w : words) q.addBindValue(w);
    if (!q.exec()) {
        Failed(q);
        return ids;
    }
    while (q.next()) ids.push_back(q.value(0).toLongLong());
    return ids;
}

std::optional<LibraryChart> ChartLibrary::Chart(qint64 id) {
    static const QString select = [] {
        QString columns;
        for (const Column& c : kValueColumns) columns += QLatin1String(c.Name) + QLatin1Char(',');
        return QStringLiteral("SELECT %1 sky_positions, sky_ayanamsa, sky_node, added, changed, note,"
                              " reading_file IS NOT NULL FROM chart WHERE id = ?")
            .arg(columns);
    }();
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
