#include "library/LibraryImport.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "vedic/TextRules.h"

namespace velakor {
namespace {

namespace fs = std::filesystem;

std::string PathBytes(const fs::path& path) {
    const std::u8string u8 = path.u8string();
    return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

// ".vlj" in any letter case: a folder's readings, as the open dialog lists them.
bool HasVljEnding(const fs::path& path) {
    std::string name = PathBytes(path.filename());
    if (name.size() < 4) return false;
    name.erase(0, name.size() - 4);
    std::transform(name.begin(), name.end(), name.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return name == ".vlj";
}

QString CannotRead(const char* what, const std::error_code& ec) {
    return QStringLiteral("This %1 cannot be read (%2).").arg(QLatin1String(what), QString::fromStdString(ec.message()));
}

}  // namespace

QString ShownPath(const fs::path& path) {
    const std::string bytes = PathBytes(path);
    QString shown;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t at = i;
        const std::uint32_t code = NextCodePoint(bytes, i);
        if (code == kReplacementCharacter && i - at == 1) {
            shown += QString::asprintf("\\x%02X", static_cast<unsigned char>(bytes[at]));
        } else {
            shown += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(i - at));
        }
    }
    return shown;
}

std::vector<ReadingSource> ReadingFilesUnder(const std::vector<fs::path>& paths, const std::atomic<bool>* cancel) {
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    std::vector<ReadingSource> sources;
    for (const fs::path& given : paths) {
        std::error_code ec;
        if (!fs::is_directory(given, ec)) {
            sources.push_back({given, {}});
            continue;
        }
        std::vector<ReadingSource> found;
        std::vector<fs::path> folders{given};
        while (!folders.empty() && !cancelled()) {
            const fs::path folder = std::move(folders.back());
            folders.pop_back();
            fs::directory_iterator it(folder, ec);
            for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
                if (cancelled()) break;
                // An entry whose kind cannot be told is taken as a file: reading it says why not.
                std::error_code kindUnknown;
                const fs::file_status own = it->symlink_status(kindUnknown);
                if (fs::is_directory(own)) {
                    folders.push_back(it->path());
                } else if (!(fs::is_symlink(own) && fs::is_directory(it->status(kindUnknown))) && HasVljEnding(it->path())) {
                    found.push_back({it->path(), {}});
                }
            }
            if (ec) found.push_back({folder, CannotRead("folder", ec)});
        }
        std::sort(found.begin(), found.end(),
                  [](const ReadingSource& a, const ReadingSource& b) { return a.Path.native() < b.Path.native(); });
        sources.insert(sources.end(), found.begin(), found.end());
    }
    return sources;
}

ReadFile ReadReadingFile(const fs::path& path) {
    ReadFile out;
    auto refuse = [&](const QString& why) {
        out.Reading.Refusal = why.toStdString();
        return out;
    };
    const QString checkFile = QString::fromUtf8(kCheckFileMessage.data(), static_cast<qsizetype>(kCheckFileMessage.size()));
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) {
        if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
            return refuse(CannotRead("file", ec));
        return refuse(QStringLiteral("No such file or folder."));
    }
    if (!HasReadingExtension(PathBytes(path.filename()))) return refuse(checkFile);
    // As the open command: only a regular file, so that a FIFO or a device never blocks.
    if (!fs::is_regular_file(fs::status(path, ec))) return refuse(checkFile);
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) return refuse(errno ? CannotRead("file", std::error_code(errno, std::generic_category())) : checkFile);
    std::string bytes(kReadingMaxBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) return refuse(CannotRead("file", std::error_code(errno ? errno : EIO, std::generic_category())));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    out.Bytes = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    out.Reading = CheckReadingBytes(bytes);
    return out;
}

ImportEnd ImportReadingFiles(ChartLibrary& library, const std::vector<ReadingSource>& sources, const ImportWatch& watch) {
    auto cancelled = [&watch] { return watch.Cancel && watch.Cancel->load(std::memory_order_relaxed); };
    qsizetype read = 0;
    for (std::size_t start = 0; start < sources.size(); start += ChartLibrary::kImportBatch) {
        const std::size_t end = std::min(sources.size(), start + ChartLibrary::kImportBatch);
        std::vector<ImportedFile> batch;
        batch.reserve(end - start);
        if (!library.Begin()) return ImportEnd::Failed;
        for (std::size_t i = start; i < end; ++i) {
            if (cancelled()) {
                library.Rollback();
                return ImportEnd::Cancelled;
            }
            const ReadingSource& source = sources[i];
            ImportedFile f;
            f.File = ShownPath(source.Path);
            if (!source.FolderError.isEmpty()) {
                f.Refusal = source.FolderError;
            } else {
                const ReadFile file = ReadReadingFile(source.Path);
                if (file.Reading.ok()) {
                    f.Added = library.Add(file.Reading.Values, &file.Bytes);
                    if (!f.Added) {
                        library.Rollback();
                        return ImportEnd::Failed;
                    }
                } else {
                    f.Refusal = QString::fromStdString(file.Reading.Refusal);
                }
            }
            batch.push_back(std::move(f));
            if (watch.FileRead) watch.FileRead(++read);
        }
        if (!library.Commit()) return ImportEnd::Failed;
        if (watch.BatchDone) watch.BatchDone(batch);
    }
    return ImportEnd::Done;
}

}  // namespace velakor
