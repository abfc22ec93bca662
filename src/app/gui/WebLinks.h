// The program's links to the outside: pages opened in the user's browser. Everything goes
// through OpenUrl so that tests can record what would have been opened.
#pragma once

#include <QUrl>
#include <functional>

namespace velakor {

// Opens a page in the user's browser. Returns false when no browser could be started.
bool OpenUrl(const QUrl& url);

// Replaces the browser (tests). Pass nullptr to restore the real one.
using UrlHandler = std::function<bool(const QUrl& url)>;
void SetUrlHandler(UrlHandler handler);

// The map search for a birth place ("city, state, country").
QUrl MapSearchUrl(const QString& city, const QString& state, const QString& country);

// Opens the user guide shipped inside the program: it is written out to the temporary
// folder and that copy is opened, so no installation folder or network is needed.
bool OpenUserGuide();

}  // namespace velakor
