// The chart library and velakor-library end to end: files in, rows out, files back, and the
// library surviving a killed import, a damaged file and a newer program's file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "ReadingFiles.h"
#include "TempFolder.h"
#include "TestSupport.h"
#include "library/ChartLibrary.h"
#include "library/ReadingCheck.h"

namespace velakor {
namespace {

using json = nlohmann::ordered_json;
namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::vector<json> lines;
    QString err;
};

QStringList Args(std::initializer_list<std::string> args) {
    QStringList out;
    for (const std::string& a : args) out << QString::fromStdString(a);
    return out;
}

ToolRun RunTool(const char* tool, const QStringList& args, const QByteArray& input = {},
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(tool), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    ToolRun run;
    run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.err = QString::fromLocal8Bit(p.readAllStandardError());
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty()) run.lines.push_back(json::parse(line.toStdString()));
    }
    return run;
}

ToolRun Library(const test::TempFolder& dir, QStringList args) {
    args.prepend(QString::fromStdString(dir / "library.sqlite"));
    args.prepend(QStringLiteral("--db"));
    return RunTool(VELAKOR_LIBRARY_TOOL, args);
}

std::string FileBytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(missing)");
}

std::vector<std::string> Names(const ToolRun& run) {
    std::vector<std::string> names;
    for (const json& j : run.lines) names.push_back(j.value("BirthName", "?"));
    return names;
}

TEST(LibraryTool, ImportListSearchExportRoundTrip) {
    const test::TempFolder dir;
    const fs::path in = dir / "practice";
    struct Person {
        const char* file;
        const char* name;
        const char* city;
    };
    // Names a query built from text would choke on, accents, and the search's wildcards.
    const Person people[] = {
        {"asha.vlj", "Asha Rao", "Pune"},
        {"sub/obrien.vlj", "Seán O'Brien", "Cork"},
        {"quotes.vlj", "Ravi \"Bob\" 100% sure", "Chennai"},
        {"sub/deeper/under.vlj", "Mira_Sen", "Kolkata"},
        {"robert.vlj", "Robert'); DROP TABLE chart;--", "Ávila"},
    };
    for (const Person& p : people) {
        FormValues v = test::DelhiForm(p.name);
        v.City = p.city;
        test::WriteBytes(in / p.file, test::ReadingBytes(v));
    }
    // The same chart again, with the other line ends a reading may have: one chart.
    std::string lf;
    {
        FormValues v = test::DelhiForm("Asha Rao");
        v.City = "Pune";
        for (const char c : test::ReadingBytes(v)) if (c != '\r') lf += c;
    }
    test::WriteBytes(in / "copy-of-asha.vlj", lf);
    FormValues badDate = test::DelhiForm("Feb");
    badDate.Day = 30;
    badDate.Month = 2;
    test::WriteBytes(in / "junk/feb30.vlj", test::ReadingBytes(badDate));
    test::WriteBytes(in / "junk/empty.vlj", "");
    test::WriteBytes(in / "junk/notes.txt", "not a reading, and not looked at in a folder");
    const std::string notes = dir / "notes.txt";
    test::WriteBytes(notes, "named on the command line, so refused");

    const ToolRun imported =
        Library(dir, {QStringLiteral("import"), QString::fromStdString(in.string()), QString::fromStdString(notes)});
    EXPECT_EQ(imported.status, 1) << imported.err.toStdString();
    struct Expected {
        std::string file;
        std::string error;  // empty: in the library
        bool duplicate;
    };
    const std::vector<Expected> expected = {
        {"asha.vlj", "", false},
        {"copy-of-asha.vlj", "", true},
        {"junk/empty.vlj", "Please Check The File.", false},
        {"junk/feb30.vlj", "Please Enter Correct Date Or Month!", false},
        {"quotes.vlj", "", false},
        {"robert.vlj", "", false},
        {"sub/deeper/under.vlj", "", false},
        {"sub/obrien.vlj", "", false},
        {"notes.txt", "Please Check The File.", false},
    };
    ASSERT_EQ(imported.lines.size(), expected.size());
    std::map<std::string, std::int64_t> ids;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const json& line = imported.lines[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.file);
        EXPECT_TRUE(line["File"].get<std::string>().ends_with(e.file));
        if (!e.error.empty()) {
            EXPECT_EQ(line.value("error", ""), e.error);
            continue;
        }
        ASSERT_TRUE(line.contains("Id"));
        EXPECT_EQ(line.value("Duplicate", false), e.duplicate);
        if (!e.duplicate) ids[e.file] = line["Id"].get<std::int64_t>();
    }
    EXPECT_EQ(imported.lines[1]["Id"], imported.lines[0]["Id"]);

    const ToolRun all = Library(dir, {QStringLiteral("list")});
    EXPECT_EQ(Names(all), (std::vector<std::string>{"Asha Rao", "Mira_Sen", "Ravi \"Bob\" 100% sure",
                                                    "Robert'); DROP TABLE chart;--", "Seán O'Brien"}));
    // Each line is a birth record velakor-chart takes; its answer carries the row's Id.
    QByteArray records;
    for (const json& j : all.lines) records += QByteArray::fromStdString(j.dump() + "\n");
    const ToolRun charts = RunTool(VELAKOR_CHART_TOOL, {}, records);
    EXPECT_EQ(charts.status, 0);
    ASSERT_EQ(charts.lines.size(), all.lines.size());
    for (std::size_t i = 0; i < all.lines.size(); ++i) {
        EXPECT_EQ(charts.lines[i].begin().key(), "Id");
        EXPECT_EQ(charts.lines[i]["Id"], all.lines[i]["Id"]);
    }

    const struct {
        const char* typed;
        std::vector<std::string> found;
    } searches[] = {
        {"o'brien", {"Seán O'Brien"}},
        {"SEAN", {"Seán O'Brien"}},           // accent and capitals aside
        {"AVILA", {"Robert'); DROP TABLE chart;--"}},  // the city
        {"%", {"Ravi \"Bob\" 100% sure"}},    // no wildcard
        {"_", {"Mira_Sen"}},
        {"\"bob\"", {"Ravi \"Bob\" 100% sure"}},
        {"');", {"Robert'); DROP TABLE chart;--"}},
        {"rao india", {"Asha Rao"}},          // every word, anywhere
        {"delhi zzz", {}},
    };
    for (const auto& s : searches) {
        SCOPED_TRACE(s.typed);
        EXPECT_EQ(Names(Library(dir, {QStringLiteral("list"), QStringLiteral("--search"), QString::fromUtf8(s.typed)})),
                  s.found);
    }

    // Back out byte for byte, whatever line ends the file had.
    for (const auto& [file, id] : ids) {
        SCOPED_TRACE(file);
        const std::string out = dir / ("out-" + std::to_string(id) + ".vlj");
        EXPECT_EQ(Library(dir, {QStringLiteral("export"), QString::number(id), QString::fromStdString(out)}).status, 0);
        EXPECT_EQ(FileBytes(out), FileBytes((in / file).string()));
    }
    const ToolRun missing = Library(dir, {QStringLiteral("export"), QStringLiteral("999"), QString::fromStdString(dir / "x.vlj")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(dir / "x.vlj"));
}

TEST(LibraryTool, KilledImportKeepsWhatWasCommittedAndARerunAddsTheRest) {
    const test::TempFolder dir;
    constexpr int kCount = 4000;
    test::WriteManyReadings(dir / "many", kCount);
    const QStringList args = Args({"--db", dir / "library.sqlite", "import", dir / "many"});

    QProcess first;
    first.start(QString::fromUtf8(VELAKOR_LIBRARY_TOOL), args);
    // A line is out once its batch is committed; the import is killed in the next batches.
    ASSERT_TRUE(first.waitForReadyRead(60000));
    first.kill();
    first.waitForFinished();

    qint64 kept = 0;
    {
        LibraryOpening opened = ChartLibrary::Open(QString::fromStdString(dir / "library.sqlite"), LibraryFile::Given);
        ASSERT_TRUE(opened.Library) << opened.Error.toStdString();
        EXPECT_TRUE(opened.Notice.isEmpty());
        QSqlQuery check(opened.Library->database());
        ASSERT_TRUE(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
        EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
        kept = opened.Library->Count();
        EXPECT_GE(kept, ChartLibrary::kImportBatch);
        EXPECT_LT(kept, kCount);
        EXPECT_EQ(kept % ChartLibrary::kImportBatch, 0);
    }
    const ToolRun second = RunTool(VELAKOR_LIBRARY_TOOL, args);
    EXPECT_EQ(second.status, 0);
    ASSERT_EQ(second.lines.size(), std::size_t{kCount});
    qint64 duplicates = 0;
    std::set<std::int64_t> rows;
    for (const json& j : second.lines) {
        duplicates += j.value("Duplicate", false);
        rows.insert(j["Id"].get<std::int64_t>());
    }
    EXPECT_EQ(duplicates, kept);
    EXPECT_EQ(rows.size(), std::size_t{kCount});
}

// Files the tool cannot use are left as they were, with one line on standard error; the
// library found damaged is set aside and begun anew.
TEST(LibraryTool, UnusableAndDamagedFiles) {
    auto makeLibrary = [](const std::string& path, int charts) {
        LibraryOpening opened = ChartLibrary::Open(QString::fromStdString(path), LibraryFile::Given);
        ASSERT_TRUE(opened.Library);
        for (int n = 0; n < charts; ++n) {
            std::string name = "P";  // appended, not "P" + ...: g++ 12 at -O3 warns falsely about the latter
            name += std::to_string(n);
            const CheckedReading r = CheckReadingBytes(test::ReadingBytes(test::DelhiForm(name.c_str())));
            ASSERT_TRUE(opened.Library->Add(r.Values, nullptr));
        }
    };
    // Straight through the driver, past the library's own checks.
    auto sql = [](const std::string& path, const char* statement) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(QString::fromStdString(path));
            ASSERT_TRUE(db.open());
            ASSERT_TRUE(QSqlQuery(db).exec(QString::fromLatin1(statement)));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    };
    auto overwrite = [](const std::string& path, qint64 at, const QByteArray& bytes) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(at);
        f.write(bytes);
    };
    struct Row {
        const char* name;
        std::function<void(const std::string&)> make;
        bool ownLibrary;  // the program's own (no --db)
        int status;
        const char* err;  // in the one line on standard error
        bool setAside;
    };
    const Row rows[] = {
        {"newer version", [&](const std::string& p) { makeLibrary(p, 1); sql(p, "PRAGMA user_version=2"); }, false, 2,
         "made by a newer version of Velakor", false},
        {"not SQLite, named", [](const std::string& p) { test::WriteBytes(p, "Asha Rao\r\n"); }, false, 2,
         "it is not a chart library", false},
        {"another program's database", [&](const std::string& p) { sql(p, "CREATE TABLE t(x)"); },
         false, 2, "it is not a chart library", false},
        {"a folder", [](const std::string& p) { fs::create_directories(p); }, false, 2, "not a regular file", false},
        {"garbled inside", [&](const std::string& p) { makeLibrary(p, 300); overwrite(p, 100, QByteArray(3000, '\x5a')); },
         false, 0, "was damaged", true},
        {"own library, not SQLite", [](const std::string& p) { test::WriteBytes(p, std::string(5000, '\x01')); }, true, 0,
         "was damaged", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::TempFolder dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.str()));
        const std::string path = row.ownLibrary ? dir / "Velakor/Velakor/library.sqlite" : dir / "library.sqlite";
        fs::create_directories(fs::path(path).parent_path());
        row.make(path);
        const std::string before = fs::is_directory(path) ? "" : FileBytes(path);
        QStringList args = {QStringLiteral("list")};
        if (!row.ownLibrary) args = QStringList{QStringLiteral("--db"), QString::fromStdString(path)} + args;
        const ToolRun run = RunTool(VELAKOR_LIBRARY_TOOL, args, {}, env);
        EXPECT_EQ(run.status, row.status);
        EXPECT_TRUE(run.lines.empty());
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.err))) << run.err.toStdString();
        std::vector<fs::path> aside;
        for (const auto& e : fs::directory_iterator(fs::path(path).parent_path())) {
            if (e.path().filename().string().starts_with("library.sqlite.damaged-") &&
                !e.path().string().ends_with("-wal") && !e.path().string().ends_with("-shm"))
                aside.push_back(e.path());
        }
        if (row.setAside) {
            ASSERT_EQ(aside.size(), 1u);
            EXPECT_EQ(FileBytes(aside.front().string()), before);
        } else {
            EXPECT_TRUE(aside.empty());
            if (!before.empty()) {
                EXPECT_EQ(FileBytes(path), before);
            }
        }
    }
}

}  // namespace
}  // namespace velakor

int main(int argc, char** argv) {
    // The SQL driver is a plug-in, found through the application.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
