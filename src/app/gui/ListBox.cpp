#include "app/gui/ListBox.h"

#include <QAbstractItemView>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

namespace velakor {
namespace {

// The list's own style in every respect but the pop-up.
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

QSize ListBox::sizeHint() const {
    // Room for minimumContentsLength() wide characters and an icon, in the style's frame.
    const QFontMetrics metrics = fontMetrics();
    const QSize icon = iconSize();
    QSize contents(minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')) + icon.width() + 4,
                   std::max(static_cast<int>(std::ceil(QFontMetricsF(metrics).height())), 14) + 2);
    contents.setHeight(std::max(contents.height(), icon.height() + 2));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}

QSize ListBox::minimumSizeHint() const { return sizeHint(); }

void ListBox::showPopup() {
    if (!popupStyle_) {
        popupStyle_ = new ScrollingListStyle();
        popupStyle_->setParent(this);
        setStyle(popupStyle_);
        setMaxVisibleItems(kListPopupRows);
        // The pop-up is a window of its own to a screen reader: without the list's name it
        // would be read as an unnamed list.
        view()->setAccessibleName(accessibleName());
    }
    QComboBox::showPopup();
}

}  // namespace velakor
