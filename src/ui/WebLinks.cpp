// Stand-in until the chart window's help links land: same interface, no built-in guide.
#include "ui/WebLinks.h"

#include <QDesktopServices>

namespace velakor {
namespace {

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

QUrl UserGuideUrl() { return {}; }

bool OpenUserGuide() {
    const QUrl url = UserGuideUrl();
    return url.isValid() && !url.isEmpty() && OpenUrl(url);
}

}  // namespace velakor
