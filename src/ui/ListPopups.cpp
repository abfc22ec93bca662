#include "ui/ListPopups.h"

#include <QComboBox>
#include <QProxyStyle>

namespace velakor {
namespace {

// The window's own style in every respect but the list pop-up.
class ScrollingListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void UseScrollingListPopups(QWidget* window) {
    // One style for the window's lists, owned by the window (a widget does not own its style).
    auto* style = new ScrollingListStyle();
    style->setParent(window);
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        list->setStyle(style);
        list->setMaxVisibleItems(kListPopupRows);
    }
}

}  // namespace velakor
