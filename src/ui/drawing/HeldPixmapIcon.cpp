#include "ui/drawing/HeldPixmapIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace velakor {
namespace {

class HeldPixmapEngine : public QIconEngine {
public:
    explicit HeldPixmapEngine(const QPixmap& picture) : picture_(picture) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap out = picture_;
        const QSize fitted = actualSize(size, mode, state);
        if (fitted != picture_.size()) out = picture_.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            // The style's greyed or highlighted look, as any icon of the style gets it.
            QStyleOption option;
            option.palette = QApplication::palette();
            out = QApplication::style()->generatedIconPixmap(mode, out, &option);
        }
        return out;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const QPixmap shown = pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state);
        painter->drawPixmap(rect, shown);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QSize own = picture_.size();
        return own.width() <= size.width() && own.height() <= size.height()
                   ? own
                   : own.scaled(size, Qt::KeepAspectRatio);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {picture_.size()}; }
    QString key() const override { return QStringLiteral("HeldPixmapEngine"); }
    QIconEngine* clone() const override { return new HeldPixmapEngine(picture_); }

private:
    QPixmap picture_;
};

}  // namespace

QIcon HeldPixmapIcon(const QPixmap& picture) { return QIcon(new HeldPixmapEngine(picture)); }

}  // namespace velakor
