#include "ui/window/MomentMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>

#include "transit/Transit.h"
#include "ui/window/ViewSources.h"

namespace velakor {
namespace {

constexpr const char* kContext = "velakor::MomentMenu";

struct Step {
    const char* name;
    const char* caption;
    const char* button;  // the caption of the transit view's button
    QKeyCombination keys;
    MomentStep unit;
    int n;
};

constexpr Step kSteps[] = {
    {"mnuYearBack", QT_TRANSLATE_NOOP("velakor::MomentMenu", "One &Year Back"),
     QT_TRANSLATE_NOOP("velakor::MomentMenu", "« Year"), Qt::ALT | Qt::Key_PageUp, MomentStep::Year, -1},
    {"mnuMonthBack", QT_TRANSLATE_NOOP("velakor::MomentMenu", "One &Month Back"),
     QT_TRANSLATE_NOOP("velakor::MomentMenu", "‹ Month"), Qt::ALT | Qt::SHIFT | Qt::Key_Left, MomentStep::Month, -1},
    {"mnuDayBack", QT_TRANSLATE_NOOP("velakor::MomentMenu", "One &Day Back"),
     QT_TRANSLATE_NOOP("velakor::MomentMenu", "‹ Day"), Qt::ALT | Qt::Key_Left, MomentStep::Day, -1},
    {"mnuDayOn", QT_TRANSLATE_NOOP("velakor::MomentMenu", "One D&ay Forward"),
     QT_TRANSLATE_NOOP("velakor::MomentMenu", "Day ›"), Qt::ALT | Qt::Key_Right, MomentStep::Day, 1},
    {"mnuMonthOn", QT_TRANSLATE_NOOP("velakor::MomentMenu", "One M&onth Forward"),
     QT_TRANSLATE_NOOP("velakor::MomentMenu", "Month ›"), Qt::ALT | Qt::SHIFT | Qt::Key_Right, MomentStep::Month, 1},
    {"mnuYearOn", QT_TRANSLATE_NOOP("velakor::MomentMenu", "One Y&ear Forward"),
     QT_TRANSLATE_NOOP("velakor::MomentMenu", "Year »"), Qt::ALT | Qt::Key_PageDown, MomentStep::Year, 1},
};

}  // namespace

MomentMenu::MomentMenu(QMenu* view, ViewSources& sources, QObject* parent) : QObject(parent) {
    moment_ = view->addMenu(QString());
    moment_->setObjectName(QStringLiteral("mnuTransitMoment"));
    for (const Step& s : kSteps) {
        QAction* action = moment_->addAction(QString());
        action->setObjectName(QString::fromLatin1(s.name));
        action->setShortcut(QKeySequence(s.keys));
        const MomentStep unit = s.unit;
        const int n = s.n;
        connect(action, &QAction::triggered, this, [&sources, unit, n] {
            sources.setMoment(StepMoment(sources.moment(), BirthUtcOffsetMinutes(sources.program().Birth), unit, n));
        });
        steps_ << action;
    }
    moment_->addSeparator();
    QAction* now = moment_->addAction(QString());
    now->setObjectName(QStringLiteral("mnuTransitNow"));
    now->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(now, &QAction::triggered, this,
            [&sources] { sources.setMoment(TodayJulianDay(sources.program().Reading)); });
    steps_ << now;
    sources.setMomentSteps(steps_);
    moment_->installEventFilter(this);
    Retranslate();
}

bool MomentMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == moment_ && event->type() == QEvent::LanguageChange) Retranslate();
    return QObject::eventFilter(watched, event);
}

void MomentMenu::Retranslate() {
    moment_->setTitle(QCoreApplication::translate("velakor::MomentMenu", "Transit Mom&ent"));
    for (std::size_t i = 0; i < std::size(kSteps); ++i) {
        QAction* action = steps_[static_cast<qsizetype>(i)];
        action->setText(QCoreApplication::translate(kContext, kSteps[i].caption));
        action->setIconText(QCoreApplication::translate(kContext, kSteps[i].button));
        action->setStatusTip(QCoreApplication::translate("velakor::MomentMenu", "Moves the transit moment"));
    }
    steps_.back()->setText(QCoreApplication::translate("velakor::MomentMenu", "&Now"));
    steps_.back()->setIconText(QCoreApplication::translate("velakor::MomentMenu", "Now"));
}

void MomentMenu::setEnabled(bool on) {
    for (QAction* step : steps_) step->setEnabled(on);
}

}  // namespace velakor
