#include "app/gui/WebLinks.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrlQuery>

namespace velakor {
namespace {

// Stands for the platform's browser, so it is process state; only tests set it.
UrlHandler& UrlOverride() {
    static UrlHandler handler;
    return handler;
}

}  // namespace

bool OpenUrl(const QUrl& url) {
    if (UrlOverride()) return UrlOverride()(url);
    return QDesktopServices::openUrl(url);
}

void SetUrlHandler(UrlHandler handler) { UrlOverride() = std::move(handler); }

QUrl MapSearchUrl(const QString& city, const QString& state, const QString& country) {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    const QString place = city.trimmed() + QStringLiteral(", ") + state.trimmed() +
                          QStringLiteral(", ") + country.trimmed();
    QUrlQuery query;
    // Encode everything that is not a plain URL character, so "&" or "#" in a name can't
    // end the query early.
    query.addQueryItem(QStringLiteral("query"),
                       QString::fromLatin1(QUrl::toPercentEncoding(place)));
    url.setQuery(query);
    return url;
}

bool OpenUserGuide() {
    QFile page(QStringLiteral(":/docs/userguide.html"));
    if (!page.open(QIODevice::ReadOnly)) return false;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = QDir(folder.isEmpty() ? QDir::tempPath() : folder)
                             .filePath(QStringLiteral("velakor-userguide.html"));
    QSaveFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(page.readAll()) < 0 || !copy.commit()) {
        return false;
    }
    return OpenUrl(QUrl::fromLocalFile(path));
}

}  // namespace velakor
