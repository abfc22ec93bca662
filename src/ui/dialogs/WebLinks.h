// Opening pages in the user's browser: the user guide that ships with the program, and any
// other address. Every opening goes through OpenUrl, which tests replace.
#pragma once

#include <QUrl>
#include <functional>

class QWidget;

namespace velakor {

// Opens the address in the user's browser (or whatever the desktop opens it with).
// Returns false when nothing could open it.
bool OpenUrl(const QUrl& url);

// Replaces the opener (tests). Pass nullptr to restore the desktop's.
using UrlHandler = std::function<bool(const QUrl& url)>;
void SetUrlHandler(UrlHandler handler);

// The user guide as a local file: an installed copy beside the program when there is one,
// otherwise the copy built into the program, written out by ExtractUserGuide. Empty when
// neither can be had; reason (when given) then says why.
QUrl UserGuideUrl(QString* reason = nullptr);

// Writes the guide built into the program into a folder of the user's alone (the user's
// cache folder, made readable by the user only), replacing the file whole and never writing
// through a link planted at its name. The shared temporary folder is never used: another
// user could plant a link or a file there. Gives the path, or empty and the reason.
struct ExtractedGuide {
    QString path;
    QString reason;
};
ExtractedGuide ExtractUserGuide();

// The installed guide of a program that lives in programFolder (absolute), or empty.
QString UserGuideFileIn(const QString& programFolder);

// Opens the user guide in the browser, at the section of that id when one is given. When the
// guide cannot be written out, a message says why.
bool OpenUserGuide(QWidget* parent = nullptr, const QString& section = {});

// The id of the guide's section "When another program gives another answer".
inline constexpr char kOtherAnswersSection[] = "other-answers";

}  // namespace velakor
