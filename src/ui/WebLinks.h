// Opening pages in the user's browser: the user guide that ships with the program, and any
// other address. Every opening goes through OpenUrl, which tests replace.
#pragma once

#include <QUrl>
#include <functional>

namespace velakor {

// Opens the address in the user's browser (or whatever the desktop opens it with).
// Returns false when nothing could open it.
bool OpenUrl(const QUrl& url);

// Replaces the opener (tests). Pass nullptr to restore the desktop's.
using UrlHandler = std::function<bool(const QUrl& url)>;
void SetUrlHandler(UrlHandler handler);

// The user guide as a local file: an installed copy beside the program when there is one,
// otherwise the copy built into the program, written out to the temporary folder.
// Empty when neither can be had.
QUrl UserGuideUrl();

// The installed guide of a program that lives in programFolder (absolute), or empty.
QString UserGuideFileIn(const QString& programFolder);

// Opens the user guide in the browser.
bool OpenUserGuide();

}  // namespace velakor
