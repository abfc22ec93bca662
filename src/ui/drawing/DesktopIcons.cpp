#include "ui/drawing/DesktopIcons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <iterator>
#include <map>

// The icons are built into the GUI library; a static library needs its resources pulled in
// by name, from outside any namespace.
static void InitIconResource() { Q_INIT_RESOURCE(velakor_icons); }

namespace velakor {

namespace {

constexpr int kIconSizes[] = {48, 256};

// The program's icon, read from its pictures only when a size of it is first drawn. A QIcon
// made from files decodes them all at once, which the start of the program would pay for
// although most platforms (and every start without a title bar) never draw it.
class ProgramIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture that is at least as large, scaled down; else the largest.
        int side = kIconSizes[std::size(kIconSizes) - 1];
        for (int candidate : kIconSizes) {
            if (candidate >= std::max(size.width(), size.height())) {
                side = candidate;
                break;
            }
        }
        QPixmap& picture = pictures_[side];
        if (picture.isNull()) {
            InitIconResource();
            picture.load(QStringLiteral(":/icons/%1/%2.png").arg(side).arg(QLatin1String(kDesktopId)), "PNG");
        }
        if (picture.isNull() || picture.size() == size) return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(std::min(size.width(), size.height()), kIconSizes[std::size(kIconSizes) - 1]);
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kIconSizes) sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("velakor-program-icon"); }

private:
    std::map<int, QPixmap> pictures_;
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

void UseProgramIcon() {
    QGuiApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));
}

QString ThemeIconName(const QString& key) { return QStringLiteral("document-") + key.toLower(); }

QIcon ToolbarIcon(const QString& key, const QIcon& drawn) { return QIcon::fromTheme(ThemeIconName(key), drawn); }

}  // namespace velakor
