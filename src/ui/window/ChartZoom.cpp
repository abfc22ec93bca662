#include "ui/window/ChartZoom.h"

#include <QEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velakor {

double ChartScaleFor(QSize room, QSize natural) {
    if (natural.isEmpty() || room.isEmpty()) return 1.0;
    double scale = std::min(double(room.width()) / natural.width(), double(room.height()) / natural.height());
    scale = std::max(scale, kSmallestChartScale);
    return std::abs(scale - 1.0) < 0.02 ? 1.0 : scale;
}

ChartLens::ChartLens(QWidget* source, QWidget* parent) : QWidget(parent), source_(source) {
    setObjectName(QStringLiteral("ChartLens"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void ChartLens::setScale(double scale) {
    scale_ = scale;
    update();
}

void ChartLens::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(scale_, scale_);
    source_->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

ChartZoom::ChartZoom(QMdiArea* area, QSize natural) : QObject(area), area_(area), natural_(natural) {
    area_->installEventFilter(this);
}

void ChartZoom::Add(QMdiSubWindow* window) {
    // The window may be smaller than its view: the lens covers it whole.
    if (window->layout()) window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window->setMinimumSize(1, 1);
    windows_ << window;
    lenses_ << new ChartLens(window->widget(), window);
    Apply();
}

void ChartZoom::Apply() {
    scale_ = ChartScaleFor(area_->size(), natural_);
    const QSize size(static_cast<int>(std::lround(natural_.width() * scale_)),
                     static_cast<int>(std::lround(natural_.height() * scale_)));
    for (int i = 0; i < windows_.size(); ++i) {
        QMdiSubWindow* window = windows_[i];
        const QSize shown = scale_ == 1.0 ? natural_ : size;
        // A window wider than the chart (maximised on a wide screen) keeps it in the middle.
        window->setGeometry(std::max(0, (area_->width() - shown.width()) / 2), 0, shown.width(), shown.height());
        ChartLens* lens = lenses_[i];
        lens->setGeometry(window->rect());
        lens->setScale(scale_);
        lens->setVisible(scale_ != 1.0);
        lens->raise();
    }
}

void ChartZoom::Refresh() {
    for (ChartLens* lens : lenses_) {
        if (lens->isVisible()) lens->update();
    }
}

bool ChartZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) Apply();
    return false;
}

}  // namespace velakor
