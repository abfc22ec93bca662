// The main form's drop-down lists.
//
// Sized for a fixed number of characters, as QComboBox sizes itself for
// AdjustToMinimumContentsLengthWithIcon, but without that policy's cost: setting it (or a
// style) makes QComboBox build its pop-up at once, a list view per list, before the window
// is first shown. Here the pop-up is built when the user first opens the list.
//
// Opened, the list is a scrolling pop-up of at most kListPopupRows rows with the chosen entry
// in view. Some styles (Fusion among them) otherwise lay the whole list over the screen, so
// that the 150 years or the 71 zones fill it from top to bottom.
#pragma once

#include <QComboBox>

class QStyle;

namespace velakor {

// Rows a drop-down list shows at once before it scrolls.
inline constexpr int kListPopupRows = 16;

class ListBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;

private:
    QStyle* popupStyle_ = nullptr;  // the list's style, but for the pop-up; owned by the list
};

}  // namespace velakor
