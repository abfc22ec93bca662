// Fonts of the chart window. The layout is in fixed pixels (twips / 15), so the fonts are
// too: a point size is turned into pixels at 96 dots per inch, whatever the screen says.
#pragma once

#include <QFont>

namespace velakor {

// Verdana at the given point size, or a face of similar metrics where Verdana is missing
// (DejaVu Sans was drawn from the same family of screen faces and keeps texts in their cells).
QFont VerdanaFont(double pointSize, bool bold = false);

// Pixels of a length in twips (1/1440 inch) at 96 dots per inch, rounded.
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

}  // namespace velakor
