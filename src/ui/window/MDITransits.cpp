// The chart window's transit views: the View menu's entries for the transits and Saturn's
// periods, the steps of their moment (menu entries with shortcuts, which the view's buttons
// share), and the views themselves.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "ui/window/MDI.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/TransitView.h"
#include "ui/views/frmDisplay.h"

namespace velakor {

void MDI::BuildTransitMenus(QMenu* view, QList<QAction*>& views) {
    view->addSeparator();
    QAction* transits = view->addAction(QStringLiteral("&Transits"));
    transits->setObjectName(QStringLiteral("mnuTransits"));
    QAction* saturn = view->addAction(QStringLiteral("Saturn's Pe&riods"));
    saturn->setObjectName(QStringLiteral("mnuSaturnPeriods"));
    views << transits << saturn;
    connect(transits, &QAction::triggered, this, [this] {
        view_ = kTransitView;
        RefreshView();
    });
    connect(saturn, &QAction::triggered, this, [this] {
        view_ = kSaturnView;
        RefreshView();
    });

    QMenu* moment = view->addMenu(QStringLiteral("Transit &Moment"));
    moment->setObjectName(QStringLiteral("mnuTransitMoment"));
    struct Step {
        const char* name;
        const char* caption;
        const char* button;
        QKeySequence keys;
        MomentStep unit;
        int n;
    };
    const Step steps[] = {
        {"mnuYearBack", "One &Year Back", "\u00AB Year", QKeySequence(Qt::ALT | Qt::Key_PageUp), MomentStep::Year, -1},
        {"mnuMonthBack", "One &Month Back", "\u2039 Month", QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Left),
         MomentStep::Month, -1},
        {"mnuDayBack", "One &Day Back", "\u2039 Day", QKeySequence(Qt::ALT | Qt::Key_Left), MomentStep::Day, -1},
        {"mnuDayOn", "One D&ay Forward", "Day \u203A", QKeySequence(Qt::ALT | Qt::Key_Right), MomentStep::Day, 1},
        {"mnuMonthOn", "One M&onth Forward", "Month \u203A", QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Right),
         MomentStep::Month, 1},
        {"mnuYearOn", "One Y&ear Forward", "Year \u00BB", QKeySequence(Qt::ALT | Qt::Key_PageDown), MomentStep::Year, 1},
    };
    for (const Step& s : steps) {
        QAction* action = moment->addAction(QString::fromUtf8(s.caption));
        action->setObjectName(QString::fromLatin1(s.name));
        action->setShortcut(s.keys);
        action->setIconText(QString::fromUtf8(s.button));
        action->setStatusTip(QStringLiteral("Moves the transit moment"));
        const MomentStep unit = s.unit;
        const int n = s.n;
        connect(action, &QAction::triggered, this, [this, unit, n] {
            transitJd_ = StepMoment(transitJd_, BirthUtcOffsetMinutes(program_.Birth), unit, n);
            RefreshView();
        });
        transitSteps_ << action;
    }
    moment->addSeparator();
    QAction* now = moment->addAction(QStringLiteral("&Now"));
    now->setObjectName(QStringLiteral("mnuTransitNow"));
    now->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    now->setIconText(QStringLiteral("Now"));
    connect(now, &QAction::triggered, this, [this] {
        transitJd_ = TodayJulianDay(program_.Reading);
        RefreshView();
    });
    transitSteps_ << now;
}

void MDI::BuildTransitViews() {
    transit_ = new TransitView(transitSteps_);
    transit_->setObjectName(QStringLiteral("TransitView"));
    saturn_ = new SaturnView;
    saturn_->setObjectName(QStringLiteral("SaturnView"));
    transitWindow_ = area_->addSubWindow(transit_, Qt::FramelessWindowHint);
    transitWindow_->setObjectName(QStringLiteral("TransitWindow"));
    saturnWindow_ = area_->addSubWindow(saturn_, Qt::FramelessWindowHint);
    saturnWindow_->setObjectName(QStringLiteral("SaturnWindow"));
    for (QMdiSubWindow* w : {transitWindow_, saturnWindow_}) {
        w->setGeometry(0, 0, frmDisplay::kWidth, frmDisplay::kHeight);
        w->hide();
    }
    connect(transit_, &TransitView::momentEdited, this, [this](double jd) {
        transitJd_ = jd;
        RefreshView();
    });
}

void MDI::RefreshTransits() {
    const bool on = view_ == kTransitView || view_ == kSaturnView;
    for (QAction* step : transitSteps_) step->setEnabled(on);
    // Today at this clock's time, until the user moves it; kept while the frame lives.
    if (on && transitJd_ == 0.0) transitJd_ = TodayJulianDay(program_.Reading);
    // Shown before they are filled, so that the running period is scrolled into sight.
    transitWindow_->setVisible(view_ == kTransitView);
    saturnWindow_->setVisible(view_ == kSaturnView);
    if (on) {
        const TransitReading reading = ReadTransits(program_, transitJd_);
        if (view_ == kTransitView) transit_->Show(program_, CurrentReadings(), reading, style_, colour_);
        if (view_ == kSaturnView) saturn_->Show(program_, reading);
    }
}

}  // namespace velakor
