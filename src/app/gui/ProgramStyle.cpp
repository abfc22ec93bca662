#include "app/gui/ProgramStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace velakor {
namespace {

// An icon of the style's that is asked of the style only when it is first needed.
class DeferredStyleIcon : public QIconEngine {
public:
    DeferredStyleIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStyleIcon(*this); }

private:
    const QIcon& Icon() {
        if (!icon_) icon_ = style_ ? style_->standardIcon(which_) : QIcon();
        return *icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle() {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStyleIcon(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

}  // namespace velakor
