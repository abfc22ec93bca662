#include "ui/WebLinks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

// The guide is built into the GUI library; a static library needs its resources pulled in
// by name, from outside any namespace.
static void InitGuideResource() { Q_INIT_RESOURCE(velakor_ui); }

namespace velakor {
namespace {

UrlHandler& UrlOverride() {
    static UrlHandler handler;
    return handler;
}

const QString kGuideName = QStringLiteral("userguide.html");

QString InstalledGuide() { return UserGuideFileIn(QCoreApplication::applicationDirPath()); }

// Writes the built-in guide to the temporary folder (replacing any earlier copy whole).
QString ExtractedGuide() {
    InitGuideResource();
    QFile source(QStringLiteral(":/docs/") + kGuideName);
    if (!source.open(QIODevice::ReadOnly)) return {};
    const QByteArray page = source.readAll();

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (folder.isEmpty()) return {};
    const QString path = QDir(folder).filePath(QStringLiteral("velakor-1.70-") + kGuideName);
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(page) != page.size() || !target.commit())
        return {};
    return path;
}

}  // namespace

QString UserGuideFileIn(const QString& programFolder) {
    // The program's data folder under the same prefix as its bin folder, where the install
    // puts it and where the build tree mirrors it; then a docs folder beside the program,
    // where a program copied by hand may keep it.
    for (const QString& candidate :
         {programFolder + QStringLiteral("/" VELAKOR_GUIDE_FOLDER "/") + kGuideName,
          programFolder + QStringLiteral("/docs/") + kGuideName}) {
        if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

bool OpenUrl(const QUrl& url) {
    if (UrlOverride()) return UrlOverride()(url);
    return QDesktopServices::openUrl(url);
}

void SetUrlHandler(UrlHandler handler) { UrlOverride() = std::move(handler); }

QUrl UserGuideUrl() {
    QString path = InstalledGuide();
    if (path.isEmpty()) path = ExtractedGuide();
    if (path.isEmpty()) return {};
    return QUrl::fromLocalFile(path);
}

bool OpenUserGuide() {
    const QUrl url = UserGuideUrl();
    return url.isValid() && !url.isEmpty() && OpenUrl(url);
}

}  // namespace velakor
