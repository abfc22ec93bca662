// velakor-library: the chart library from the command line, for moving a practice in and
// out in bulk. Answers are JSON lines on standard output:
//
//   velakor-library [--db FILE] import PATH...   one line per file: its row, or why refused
//   velakor-library [--db FILE] list [--search TEXT]
//   velakor-library [--db FILE] export ID FILE   the chart as a reading file
//
// Exit statuses: 0 all went well; 1 a file or folder was refused or could not be read
// (import) or there is no such chart (export); 2 the library or a file could not be used,
// or the command line is wrong. Listing and exporting open the library read-only.
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <optional>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "io/gui/FileReplace.h"
#include "library/ChartLibrary.h"
#include "library/LibraryImport.h"
#include "library/ReadingCheck.h"

namespace {

using nlohmann::ordered_json;
using velakor::ChartLibrary;

constexpr int kExitRefused = 1;
constexpr int kExitFailed = 2;

constexpr char kUsage[] =
    "usage: velakor-library [--db FILE] import PATH...\n"
    "       velakor-library [--db FILE] list [--search TEXT]\n"
    "       velakor-library [--db FILE] export ID FILE\n";

[[noreturn]] void Fail(const QString& why, int status = kExitFailed) {
    std::fflush(stdout);
    std::fprintf(stderr, "velakor-library: %s\n", why.toLocal8Bit().constData());
    std::exit(status);
}

// Every answer is checked: a full disk or a closed output is one line on standard error.
void Write(const ordered_json& j) {
    const std::string line = j.dump(-1, ' ', false, ordered_json::error_handler_t::replace) + '\n';
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size())
        Fail(QStringLiteral("cannot write the answers: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
}

void Flush() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        Fail(QStringLiteral("cannot write the answers: %1").arg(QString::fromLocal8Bit(std::strerror(errno ? errno : EIO))));
}

std::string S(const QString& s) { return s.toStdString(); }

int Import(ChartLibrary& library, const std::vector<std::filesystem::path>& paths) {
    bool refused = false;
    velakor::ImportWatch watch;
    watch.BatchDone = [&](const std::vector<velakor::ImportedFile>& batch) {
        for (const velakor::ImportedFile& f : batch) {
            ordered_json j;
            j["File"] = S(f.File);
            if (f.Added) {
                j["Id"] = f.Added->Id;
                if (f.Added->Duplicate) j["Duplicate"] = true;
            } else {
                j["error"] = S(f.Refusal);
                refused = true;
            }
            Write(j);
        }
        // Handed on once committed: what was answered is in the library.
        Flush();
    };
    if (velakor::ImportReadingFiles(library, velakor::ReadingFilesUnder(paths), watch) != velakor::ImportEnd::Done)
        Fail(QStringLiteral("cannot import into %1: %2").arg(library.path(), library.lastError()));
    return refused ? kExitRefused : 0;
}

// The keys of velakor-chart's birth records, so that a line can be fed to it.
int List(ChartLibrary& library, const QString& search) {
    const auto ids = library.Search(search);
    if (!ids) Fail(QStringLiteral("the search failed: %1").arg(library.lastError()));
    for (const qint64 id : *ids) {
        const auto chart = library.Chart(id);
        if (!chart) Fail(library.lastError());
        const velakor::FormValues v = velakor::FormValuesOf(chart->Values);
        ordered_json j;
        j["Id"] = id;
        j["BirthName"] = v.Name;
        j["BirthCity"] = v.City;
        j["BirthState"] = v.State;
        j["BirthCountry"] = v.Country;
        j["BirthDay"] = v.Day;
        j["BirthMonth"] = v.Month;
        j["BirthYear"] = v.Year;
        j["BirthHour"] = v.Hour;
        j["BirthMinute"] = v.Minute;
        j["ZoneIndex"] = v.ZoneIndex;
        j["DaylightSaving"] = v.DaylightSaving;
        j["LatDeg"] = velakor::LeadingNumber(v.LatDeg);
        j["LatMin"] = velakor::LeadingNumber(v.LatMin);
        j["LatSouth"] = v.Latitude == velakor::Direction::Second;
        j["LonDeg"] = velakor::LeadingNumber(v.LonDeg);
        j["LonMin"] = velakor::LeadingNumber(v.LonMin);
        j["LonEast"] = v.Longitude == velakor::Direction::First;
        Write(j);
    }
    return 0;
}

int Export(ChartLibrary& library, const QString& idText, const QString& file) {
    bool number = false;
    const qint64 id = idText.toLongLong(&number);
    if (!number) Fail(QStringLiteral("not a chart's id: %1").arg(idText));
    const auto bytes = library.ReadingFile(id);
    if (!bytes) {
        if (!library.lastError().isEmpty()) Fail(library.lastError());
        Fail(QStringLiteral("no chart with the id %1").arg(id), kExitRefused);
    }
    // Written whole: a failure never leaves half a reading where a file stood.
    const QString reason = velakor::ReplaceFileWhole(file, *bytes);
    if (!reason.isEmpty()) Fail(QStringLiteral("cannot write %1: %2").arg(file, reason));
    return 0;
}

// A file name as the system gave it, when Qt can hand the same bytes back to it: a name that
// is no UTF-8 would be written or opened under another name.
QString FileName(const char* bytes) {
    const QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) != QByteArray(bytes))
        Fail(QStringLiteral("the name %1 is not UTF-8; give the file another name")
                 .arg(velakor::ShownPath(std::filesystem::path(bytes))));
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe ends the tool as it ends any filter, even when the parent ignores it.
    std::signal(SIGPIPE, SIG_DFL);
    QCoreApplication app(argc, argv);
    // The same names as the desktop program: the same library without --db.
    QCoreApplication::setApplicationName(QStringLiteral("Velakor"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velakor"));

    // The arguments by their bytes: paths are the system's names, whatever their encoding.
    std::vector<std::string> args(argv + 1, argv + argc);
    auto usage = [] {
        std::fputs(kUsage, stderr);
        std::exit(kExitFailed);
    };
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::optional<QString> db;
    if (!args.empty() && args.front() == "--db") {
        if (args.size() < 2) usage();
        // An empty name is a mistake, never the user's own library.
        if (args[1].empty()) Fail(QStringLiteral("--db names no file"));
        db = FileName(args[1].c_str());
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) usage();
    const std::string command = args.front();
    args.erase(args.begin());
    QString search;
    if (command == "import") {
        if (args.empty()) usage();
    } else if (command == "list") {
        if (args.size() == 2 && args.front() == "--search") {
            search = QString::fromLocal8Bit(args[1]);
        } else if (!args.empty()) {
            usage();
        }
    } else if (command == "export") {
        if (args.size() != 2) usage();
    } else {
        usage();
    }

    // Only an import writes into the library: the rest reads it as it is, on a read-only or
    // full disk too.
    const velakor::LibraryAccess access =
        command == "import" ? velakor::LibraryAccess::ReadWrite : velakor::LibraryAccess::ReadOnly;
    velakor::LibraryOpening opening = db ? ChartLibrary::Open(*db, velakor::LibraryFile::Given, access)
                                         : ChartLibrary::Open(ChartLibrary::DefaultPath(), velakor::LibraryFile::Own, access);
    if (!opening.Notice.isEmpty()) std::fprintf(stderr, "velakor-library: %s\n", opening.Notice.toLocal8Bit().constData());
    if (!opening.Library) Fail(opening.Error);
    ChartLibrary& library = *opening.Library;

    int status = 0;
    if (command == "import") status = Import(library, std::vector<std::filesystem::path>(args.begin(), args.end()));
    if (command == "list") status = List(library, search);
    if (command == "export") status = Export(library, QString::fromLocal8Bit(args[0]), FileName(args[1].c_str()));
    Flush();
    return status;
}
