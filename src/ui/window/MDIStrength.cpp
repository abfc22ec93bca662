// The chart window's strength views: the View menu's entries for the table of the vargas
// and the ashtakavarga, and the views themselves.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "ui/drawing/ChartCanvas.h"
#include "ui/window/MDI.h"
#include "ui/views/StrengthViews.h"
#include "ui/views/frmDisplay.h"

namespace velakor {

void MDI::BuildStrengthMenus(QMenu* view, QList<QAction*>& views) {
    QAction* vargas = view->addAction(QStringLiteral("Var&gas"));
    vargas->setObjectName(QStringLiteral("mnuVargas"));
    QAction* ashtakavarga = view->addAction(QStringLiteral("&Ashtakavarga"));
    ashtakavarga->setObjectName(QStringLiteral("mnuAshtakavarga"));
    views << vargas << ashtakavarga;
    connect(vargas, &QAction::triggered, this, [this] {
        view_ = kVargasView;
        RefreshView();
    });
    connect(ashtakavarga, &QAction::triggered, this, [this] {
        view_ = kAshtakavargaView;
        RefreshView();
    });
}

void MDI::BuildStrengthViews() {
    vargas_ = new VargasView;
    vargas_->setObjectName(QStringLiteral("VargasView"));
    ashtakavarga_ = new AshtakavargaView;
    ashtakavarga_->setObjectName(QStringLiteral("AshtakavargaView"));
    vargasWindow_ = area_->addSubWindow(vargas_, Qt::FramelessWindowHint);
    vargasWindow_->setObjectName(QStringLiteral("VargasWindow"));
    ashtakavargaWindow_ = area_->addSubWindow(ashtakavarga_, Qt::FramelessWindowHint);
    ashtakavargaWindow_->setObjectName(QStringLiteral("AshtakavargaWindow"));
    for (QMdiSubWindow* w : {vargasWindow_, ashtakavargaWindow_}) {
        w->setGeometry(0, 0, frmDisplay::kWidth, frmDisplay::kHeight);
        w->setFocusPolicy(Qt::NoFocus);
        w->hide();
    }
}

void MDI::RefreshStrength() {
    ashtakavarga_->chart()->SetStyle(style_);
    ashtakavarga_->chart()->SetColour(colour_);
    // Filled when first shown after the chart changed: a chart whose strength is never looked
    // at costs nothing more, and going back and forth refills nothing.
    if (view_ == kVargasView && vargasStale_) {
        vargas_->Show(program_);
        vargasStale_ = false;
    }
    if (view_ == kAshtakavargaView && ashtakavargaStale_) {
        ashtakavarga_->Show(program_);
        ashtakavargaStale_ = false;
    }
    vargasWindow_->setVisible(view_ == kVargasView);
    ashtakavargaWindow_->setVisible(view_ == kAshtakavargaView);
}

}  // namespace velakor
