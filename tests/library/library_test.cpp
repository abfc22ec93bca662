// The chart library and velakor-library end to end: files in, rows out, files back, and the
// library surviving a killed import, a damaged file and a newer program's file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>

#include <filesystem>
#include <functional>
#include <grp.h>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

#include "ReadingFiles.h"
#include "SmallDisk.h"
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
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                const std::function<void(QProcess&)>& prepare = nullptr) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProgram(QString::fromUtf8(tool));
    p.setArguments(args);
    if (prepare) prepare(p);
    p.start();
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

// Charts "P0", "P1"... added straight through the library.
void MakeLibrary(const std::string& path, int charts) {
    LibraryOpening opened = ChartLibrary::Open(QString::fromStdString(path), LibraryFile::Given);
    ASSERT_TRUE(opened.Library) << opened.Error.toStdString();
    for (int n = 0; n < charts; ++n) {
        std::string name = "P";  // appended, not "P" + ...: g++ 12 at -O3 warns falsely about the latter
        name += std::to_string(n);
        const CheckedReading r = CheckReadingBytes(test::ReadingBytes(test::DelhiForm(name.c_str())));
        ASSERT_TRUE(opened.Library->Add(r.Values, nullptr));
    }
}

// Straight through the driver, past the library's own checks.
void Sql(const std::string& path, const char* statement) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QString::fromLatin1(statement)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

void Overwrite(const std::string& path, qint64 at, const QByteArray& bytes) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(at);
    f.write(bytes);
}

fs::perms Mode(const std::string& path) { return fs::status(path).permissions() & fs::perms::mask; }

// One case of the table below, in a folder of its own.
struct Hostile {
    test::TempFolder dir;
    std::string own = dir / "data/Velakor/Velakor/library.sqlite";  // the program's own library
    std::string db = dir / "library.sqlite";                       // a library the user names
    std::string in = dir / "in";                                   // a folder of readings
    std::unique_ptr<test::SmallDisk> disk;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    bool asNobody = false;  // run as another user, who cannot read what root can
    QString shell;          // run through sh in the folder of readings: globs give names by their bytes
    std::map<std::string, std::string> kept;  // files to be left exactly as they were
    std::string setAside;                     // the damaged own library's bytes, to be kept aside

    Hostile() { env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir / "data")); }
    void Keep(const std::string& path) { kept[path] = FileBytes(path); }
    // A small file system of the case's own with a library of one chart in it; false where
    // none can be mounted.
    bool LibraryOnOwnDisk(const char* options) {
        disk = std::make_unique<test::SmallDisk>(dir / "disk", options);
        db = *disk / "library.sqlite";
        MakeLibrary(db, 1);
        return disk->mounted();
    }
    void LibraryOnReadOnlyDisk() {
        if (LibraryOnOwnDisk("size=1m")) {
            EXPECT_EQ(::mount(nullptr, (dir / "disk").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        }
    }
};

QStringList Db(const Hostile& h, std::initializer_list<std::string> args) {
    return Args({"--db", h.db}) + Args(args);
}

// Words that every chart of MakeLibrary holds: pieces of "New Delhi" and "India", many times
// over, and more different ones than SQLite is asked at once.
std::string ManyWords() {
    std::string text;
    for (int round = 0; round < 40; ++round) {
        for (const std::string word : {"delhi", "india", "new"}) {
            for (std::size_t from = 0; from < word.size(); ++from) {
                for (std::size_t n = 1; from + n <= word.size(); ++n) text += word.substr(from, n) + " ";
            }
        }
    }
    return text;
}

// What a hostile user, file or disk gets from the tool, and what is left of the library and
// the user's files after it: one line on standard error says why when the status is 2.
TEST(LibraryTool, HostileCases) {
    const std::string reading = test::ReadingBytes(test::DelhiForm("Renée"));
    const QByteArray garble(3000, '\x5a');
    struct Row {
        const char* name;
        std::function<QStringList(Hostile&)> make;  // sets the case up; the tool's arguments
        int status;
        const char* err;  // in the one line on standard error; "" when there is none
        std::function<void(Hostile&, const ToolRun&)> check;
    };
    auto lines = [](std::size_t n) { return [n](Hostile&, const ToolRun& run) { EXPECT_EQ(run.lines.size(), n); }; };
    auto nothingLeftAside = [](Hostile& h, const ToolRun&) {
        for (const auto& e : fs::directory_iterator(fs::path(h.db).parent_path()))
            EXPECT_FALSE(e.path().filename().string().starts_with("library.sqlite.damaged-")) << e.path();
    };
    const Row rows[] = {
        {"export onto the library in use",
         [](Hostile& h) { MakeLibrary(h.own, 1); h.Keep(h.own); return Args({"export", "1", h.own}); }, 2,
         "The file belongs to a database", lines(0)},
        {"export onto its log, made or not",
         [](Hostile& h) { MakeLibrary(h.db, 1); h.Keep(h.db); return Db(h, {"export", "1", h.db + "-wal"}); }, 2,
         "The file belongs to a database",
         [](Hostile& h, const ToolRun&) { EXPECT_TRUE(!fs::exists(h.db + "-wal") || fs::file_size(h.db + "-wal") == 0); }},
        {"export onto another program's database",
         [](Hostile& h) {
             MakeLibrary(h.db, 1);
             Sql(h.dir / "other.sqlite", "CREATE TABLE t(x)");
             h.Keep(h.dir / "other.sqlite");
             return Db(h, {"export", "1", h.dir / "other.sqlite"});
         },
         2, "The file belongs to a database", lines(0)},
        {"--db damaged inside",
         [&](Hostile& h) { MakeLibrary(h.db, 300); Overwrite(h.db, 100, garble); h.Keep(h.db); return Db(h, {"list"}); }, 2,
         "it is damaged", nothingLeftAside},
        {"--db no SQLite file",
         [](Hostile& h) { test::WriteBytes(h.db, "Asha Rao\r\n"); h.Keep(h.db); return Db(h, {"list"}); }, 2,
         "it is not a chart library", nothingLeftAside},
        {"--db another program's database",
         [](Hostile& h) { Sql(h.db, "CREATE TABLE t(x)"); h.Keep(h.db); return Db(h, {"import", h.in}); }, 2,
         "it is not a chart library", lines(0)},
        // Its version says library; its tables do not. Not even the log is switched on.
        {"--db another program's database of version 1",
         [](Hostile& h) {
             Sql(h.db, "CREATE TABLE chart(x)");
             Sql(h.db, "PRAGMA user_version=1");
             h.Keep(h.db);
             return Db(h, {"import", h.in});
         },
         2, "it is not a chart library", lines(0)},
        {"--db negative version",
         [](Hostile& h) { MakeLibrary(h.db, 1); Sql(h.db, "PRAGMA user_version=-1"); h.Keep(h.db); return Db(h, {"list"}); },
         2, "it is not a chart library", lines(0)},
        {"--db newer version",
         [](Hostile& h) { MakeLibrary(h.db, 1); Sql(h.db, "PRAGMA user_version=2"); h.Keep(h.db); return Db(h, {"list"}); },
         2, "made by a newer version of Velakor", lines(0)},
        {"--db a folder", [](Hostile& h) { fs::create_directories(h.db); return Db(h, {"list"}); }, 2,
         "not a regular file", lines(0)},
        {"--db naming nothing", [](Hostile&) { return Args({"--db", "", "list"}); }, 2, "--db names no file",
         [](Hostile& h, const ToolRun&) { EXPECT_FALSE(fs::exists(h.own)); }},
        {"--db naming no file, to list", [](Hostile& h) { return Db(h, {"list"}); }, 2, "there is no such file",
         [](Hostile& h, const ToolRun&) { EXPECT_FALSE(fs::exists(h.db)); }},
        {"own library, no SQLite file",
         [](Hostile& h) {
             test::WriteBytes(h.own, std::string(5000, '\x01'));
             h.setAside = FileBytes(h.own);
             return Args({"list"});
         },
         0, "was damaged", lines(0)},
        {"own library, damaged inside",
         [&](Hostile& h) {
             MakeLibrary(h.own, 300);
             Overwrite(h.own, 100, garble);
             h.setAside = FileBytes(h.own);
             return Args({"list"});
         },
         0, "was damaged", lines(0)},
        {"own library, readable by others",
         [](Hostile& h) {
             MakeLibrary(h.own, 1);
             fs::permissions(fs::path(h.own).parent_path(), fs::perms(0755));
             fs::permissions(h.own, fs::perms(0644));
             return Args({"list"});
         },
         0, "",
         [](Hostile& h, const ToolRun& run) {
             EXPECT_EQ(run.lines.size(), 1u);
             EXPECT_EQ(Mode(fs::path(h.own).parent_path()), fs::perms(0700));
             for (const char* file : {"", "-wal", "-shm"})
                 if (fs::exists(h.own + file)) {
                     EXPECT_EQ(Mode(h.own + file), fs::perms(0600)) << file;
                 }
         }},
        {"read-only disk, listed",
         [](Hostile& h) {
             h.LibraryOnReadOnlyDisk();
             return Db(h, {"list"});
         },
         0, "", lines(1)},
        {"read-only disk, exported",
         [](Hostile& h) {
             h.LibraryOnReadOnlyDisk();
             return Db(h, {"export", "1", h.dir / "out.vlj"});
         },
         0, "",
         [](Hostile& h, const ToolRun&) { EXPECT_EQ(FileBytes(h.dir / "out.vlj"), test::ReadingBytes(test::DelhiForm("P0"))); }},
        {"full disk, listed",
         [](Hostile& h) {
             if (h.LibraryOnOwnDisk("size=256k")) h.disk->Fill();
             return Db(h, {"list"});
         },
         0, "", lines(1)},
        {"a name that is no UTF-8, in a folder",
         [&](Hostile& h) { test::WriteBytes(fs::path(h.in) / "Ren\xe9" "e.vlj", reading); return Db(h, {"import", h.in}); },
         0, "",
         [](Hostile&, const ToolRun& run) {
             ASSERT_EQ(run.lines.size(), 1u);
             EXPECT_TRUE(run.lines[0]["File"].get<std::string>().ends_with("/Ren\\xE9e.vlj"));
             EXPECT_TRUE(run.lines[0].contains("Id"));
         }},
        {"a name that is no UTF-8, given",
         [&](Hostile& h) {
             test::WriteBytes(fs::path(h.in) / "Ren\xe9" "e.vlj", reading);
             h.shell = QStringLiteral("import Ren*e.vlj");
             return Args({"--db", h.db});
         },
         0, "",
         [](Hostile&, const ToolRun& run) {
             ASSERT_EQ(run.lines.size(), 1u);
             EXPECT_EQ(run.lines[0]["File"], "Ren\\xE9e.vlj");
             EXPECT_TRUE(run.lines[0].contains("Id"));
         }},
        {"a folder that cannot be read",
         [&](Hostile& h) {
             test::WriteBytes(fs::path(h.in) / "good.vlj", reading);
             test::WriteBytes(fs::path(h.in) / "locked/inside.vlj", reading);
             fs::permissions(fs::path(h.in) / "locked", fs::perms::none);
             // Root reads every folder: the tool runs as the user nobody, in a folder of theirs.
             h.asNobody = ::geteuid() == 0;
             if (h.asNobody) {
                 EXPECT_EQ(::chown(h.dir.str().c_str(), 65534, 65534), 0);
             }
             return Db(h, {"import", h.in});
         },
         1, "",
         [](Hostile& h, const ToolRun& run) {
             fs::permissions(fs::path(h.in) / "locked", fs::perms::owner_all);
             ASSERT_EQ(run.lines.size(), 2u);
             EXPECT_TRUE(run.lines[0].contains("Id"));
             EXPECT_EQ(run.lines[1]["File"], h.in + "/locked");
             EXPECT_EQ(run.lines[1]["error"], "This folder cannot be read (Permission denied).");
         }},
        {"999 words and more, every one found",
         [](Hostile& h) { MakeLibrary(h.db, 1); return Db(h, {"list", "--search", ManyWords()}); }, 0, "", lines(1)},
        {"999 words and more, the last found nowhere",
         [](Hostile& h) { MakeLibrary(h.db, 1); return Db(h, {"list", "--search", ManyWords() + "zz"}); }, 0, "", lines(0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Hostile h;
        fs::create_directories(fs::path(h.own).parent_path());
        fs::create_directories(h.in);
        QStringList args = row.make(h);
        if (h.disk && !h.disk->mounted()) {
            std::printf("[  SKIPPED ] %s: no file system of the test's own can be mounted here\n", row.name);
            continue;
        }
        const ToolRun run = RunTool(VELAKOR_LIBRARY_TOOL, args, {}, h.env, [&](QProcess& p) {
            if (!h.shell.isEmpty()) {
                p.setWorkingDirectory(QString::fromStdString(h.in));
                p.setProgram(QStringLiteral("/bin/sh"));
                p.setArguments(QStringList{QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$@\" ") + h.shell,
                                           QString::fromUtf8(VELAKOR_LIBRARY_TOOL)} +
                               args);
            }
            if (h.asNobody) {
                p.setChildProcessModifier([] {
                    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(127);
                });
            }
        });
        EXPECT_EQ(run.status, row.status) << run.err.toStdString();
        if (*row.err) {
            EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.err))) << run.err.toStdString();
        } else {
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
        for (const auto& [file, bytes] : h.kept) EXPECT_EQ(FileBytes(file), bytes) << file;
        if (!h.setAside.empty()) {
            std::vector<fs::path> aside;
            for (const auto& e : fs::directory_iterator(fs::path(h.own).parent_path())) {
                const std::string name = e.path().filename().string();
                if (name.starts_with("library.sqlite.damaged-") && !name.ends_with("-wal") && !name.ends_with("-shm"))
                    aside.push_back(e.path());
            }
            ASSERT_EQ(aside.size(), 1u);
            EXPECT_EQ(FileBytes(aside.front().string()), h.setAside);
        }
        if (row.check) row.check(h, run);
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
