// The program's own icon and the toolbar's pictures from the desktop's icon theme.
#pragma once

#include <QIcon>
#include <QString>

namespace velakor {

// The desktop entry's name, without ".desktop"; the installed icons carry it too.
inline constexpr char kDesktopId[] = "org.velakor.Velakor";

// The program's icon (the North Indian chart), built into the program at 48 and 256 pixels.
QIcon ProgramIcon();

// Makes the program's icon the icon of every window, and tells the desktop which entry the
// windows belong to (Wayland shells take the icon from there).
void UseProgramIcon();

// The icon-theme name of a toolbar button: "New" -> "document-new", and so on for "Open",
// "Save" and "Print".
QString ThemeIconName(const QString& key);

// The theme's picture for the toolbar button with this key, or `drawn` where the theme has
// none.
QIcon ToolbarIcon(const QString& key, const QIcon& drawn);

}  // namespace velakor
