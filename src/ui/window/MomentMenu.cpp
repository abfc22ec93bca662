#include "ui/window/MomentMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "transit/Transit.h"
#include "ui/window/ViewSources.h"

namespace velakor {

MomentMenu::MomentMenu(QMenu* view, ViewSources& sources, QObject* parent) : QObject(parent) {
    QMenu* moment = view->addMenu(QStringLiteral("Transit Mom&ent"));
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
        connect(action, &QAction::triggered, this, [&sources, unit, n] {
            sources.setMoment(StepMoment(sources.moment(), BirthUtcOffsetMinutes(sources.program().Birth), unit, n));
        });
        steps_ << action;
    }
    moment->addSeparator();
    QAction* now = moment->addAction(QStringLiteral("&Now"));
    now->setObjectName(QStringLiteral("mnuTransitNow"));
    now->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    now->setIconText(QStringLiteral("Now"));
    connect(now, &QAction::triggered, this,
            [&sources] { sources.setMoment(TodayJulianDay(sources.program().Reading)); });
    steps_ << now;
    sources.setMomentSteps(steps_);
}

void MomentMenu::setEnabled(bool on) {
    for (QAction* step : steps_) step->setEnabled(on);
}

}  // namespace velakor
