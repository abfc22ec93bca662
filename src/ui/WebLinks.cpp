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

QString InstalledGuide() {
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/../share/velakor/") + kGuideName,
                                     dir + QStringLiteral("/docs/") + kGuideName}) {
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

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
