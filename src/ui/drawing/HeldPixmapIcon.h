// An icon that keeps its one picture itself. A QIcon made from a QPixmap puts every size and
// mode it is drawn in into the program-wide pixmap cache under a key of that pixmap's own,
// so icons made anew for every window fill the cache (up to its 10 MB) with pictures that
// nobody can ask for again. This one makes them when asked and frees all with the icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace velakor {

QIcon HeldPixmapIcon(const QPixmap& picture);

}  // namespace velakor
