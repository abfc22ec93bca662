#include "ui/dialogs/WebLinks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "io/gui/FileReplace.h"
#include "ui/dialogs/Seams.h"

// The guide is built into the GUI library; a static library needs its resources pulled in
// by name, from outside any namespace.
static void InitGuideResource() { Q_INIT_RESOURCE(velakor_guide); }

namespace velakor {
namespace {

UrlHandler& UrlOverride() {
    static UrlHandler handler;
    return handler;
}

const QString kGuideName = QStringLiteral("userguide.html");

QString InstalledGuide() { return UserGuideFileIn(QCoreApplication::applicationDirPath()); }

// The folder the guide is written into: the user's cache folder, only the user's. Empty,
// with the reason, when it cannot be made or belongs to someone else.
QString PrivateGuideFolder(QString& reason) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty()) {
        reason = QStringLiteral("the user has no cache folder");
        return {};
    }
    return OwnPrivateFolder(folder, reason);
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

ExtractedGuide ExtractUserGuide() {
    InitGuideResource();
    QFile source(QStringLiteral(":/docs/") + kGuideName);
    if (!source.open(QIODevice::ReadOnly)) return {{}, QStringLiteral("the program holds no guide")};
    const QByteArray page = source.readAll();
    ExtractedGuide out;
    const QString folder = PrivateGuideFolder(out.reason);
    if (folder.isEmpty()) return out;
    const QString path = QDir(folder).filePath(kGuideName);
    out.reason = ReplaceFileWhole(path, page, LinkAtTarget::Replace);
    if (out.reason.isEmpty()) out.path = path;
    return out;
}

QUrl UserGuideUrl(QString* reason) {
    QString path = InstalledGuide();
    if (path.isEmpty()) {
        const ExtractedGuide extracted = ExtractUserGuide();
        path = extracted.path;
        if (reason) *reason = extracted.reason;
    }
    if (path.isEmpty()) return {};
    return QUrl::fromLocalFile(path);
}

bool OpenUserGuide(QWidget* parent, const QString& section) {
    QString reason;
    QUrl url = UserGuideUrl(&reason);
    if (url.isEmpty()) {
        ShowMessage(parent, QStringLiteral("The user guide could not be written out.\n") + reason + QLatin1Char('.'),
                    BoxIcon::Critical, QStringLiteral("Velakor"));
        return false;
    }
    if (!section.isEmpty()) url.setFragment(section);
    return OpenUrl(url);
}

}  // namespace velakor
