#include "ui/drawing/Fonts.h"

#include <QStringList>
#include <cmath>

namespace velakor {

QFont VerdanaFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(std::lround(pointSize * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace velakor
