#include "library/LibraryImport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace velakor {

QStringList ReadingFilesUnder(const QStringList& paths) {
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.vlj")}, QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) found << it.next();
        std::sort(found.begin(), found.end());
        files << found;
    }
    return files;
}

ReadFile ReadReadingFile(const QString& path) {
    ReadFile out;
    auto refuse = [&](const QString& why) {
        out.Reading.Refusal = why.toStdString();
        return out;
    };
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return refuse(QStringLiteral("No such file or folder."));
    if (!HasReadingExtension(path.toStdString())) return refuse(QString::fromUtf8(kCheckFileMessage.data()));
    // As the open command: only a regular file, so that a FIFO or a device never blocks.
    if (!info.isFile()) return refuse(QString::fromUtf8(kCheckFileMessage.data()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return refuse(QString::fromUtf8(kCheckFileMessage.data()));
    out.Bytes = file.read(static_cast<qint64>(kReadingMaxBytes) + 1);
    if (file.error() != QFileDevice::NoError) return refuse(QString::fromUtf8(kCheckFileMessage.data()));
    out.Reading = CheckReadingBytes(std::string_view(out.Bytes.constData(), static_cast<std::size_t>(out.Bytes.size())));
    return out;
}

bool ImportReadingFiles(ChartLibrary& library, const QStringList& files,
                        const std::function<void(const std::vector<ImportedFile>&)>& batchDone) {
    for (qsizetype start = 0; start < files.size(); start += ChartLibrary::kImportBatch) {
        const qsizetype end = std::min<qsizetype>(files.size(), start + ChartLibrary::kImportBatch);
        std::vector<ImportedFile> batch;
        batch.reserve(static_cast<std::size_t>(end - start));
        if (!library.Begin()) return false;
        for (qsizetype i = start; i < end; ++i) {
            ImportedFile f;
            f.File = files[i];
            const ReadFile read = ReadReadingFile(files[i]);
            if (read.Reading.ok()) {
                f.Added = library.Add(read.Reading.Values, &read.Bytes);
                if (!f.Added) {
                    library.Rollback();
                    return false;
                }
            } else {
                f.Refusal = QString::fromStdString(read.Reading.Refusal);
            }
            batch.push_back(std::move(f));
        }
        if (!library.Commit()) return false;
        batchDone(batch);
    }
    return true;
}

}  // namespace velakor
