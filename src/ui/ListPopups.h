// Drop-down lists that open as a scrolling list of a few rows, with the chosen entry in view.
#pragma once

class QWidget;

namespace velakor {

// Rows a drop-down list shows at once before it scrolls.
inline constexpr int kListPopupRows = 16;

// Makes every drop-down list inside window open as a scrolling pop-up of at most
// kListPopupRows rows. Some styles (Fusion among them) otherwise lay the whole list over the
// screen, so that the 150 years or the 71 zones fill it from top to bottom.
void UseScrollingListPopups(QWidget* window);

}  // namespace velakor
