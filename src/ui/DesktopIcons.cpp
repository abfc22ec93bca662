#include "ui/DesktopIcons.h"

#include <QGuiApplication>

// The icons are built into the GUI library; a static library needs its resources pulled in
// by name, from outside any namespace.
static void InitIconResource() { Q_INIT_RESOURCE(velakor_icons); }

namespace velakor {

QIcon ProgramIcon() {
    InitIconResource();
    QIcon icon;
    for (const char* size : {"48", "256"})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(size), QLatin1String(kDesktopId)));
    return icon;
}

void UseProgramIcon() {
    QGuiApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));
}

QString ThemeIconName(const QString& key) { return QStringLiteral("document-") + key.toLower(); }

QIcon ToolbarIcon(const QString& key, const QIcon& drawn) { return QIcon::fromTheme(ThemeIconName(key), drawn); }

}  // namespace velakor
