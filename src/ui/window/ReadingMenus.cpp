#include "ui/window/ReadingMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <utility>

#include "ui/settings/ProgramSettings.h"

namespace velakor {
namespace {

QAction* Choice(QMenu* menu, const QString& name, const QString& caption, bool checked) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

constexpr std::pair<double, const char*> kYears[] = {{kDashaYearJulian, "&Julian year, 365.25 days"},
                                                    {kDashaYearTropical, "&Tropical year, 365.2422 days"},
                                                    {kDashaYearSavana, "&Savana year, 360 days"}};

}  // namespace

ReadingMenus::ReadingMenus(QMenu* view, Program& program, QObject* parent) : QObject(parent), program_(program) {
    ProgramSettings::LoadReading(program_.Reading);
    auto* options = new QMenu(QStringLiteral("Reading &Options"), view);
    options->setObjectName(QStringLiteral("mnuReadingOptions"));
    QMenu* year = options->addMenu(QStringLiteral("Dasha &Year"));
    year->setObjectName(QStringLiteral("mnuDashaYear"));
    QMenu* sunrise = options->addMenu(QStringLiteral("&Sunrise"));
    sunrise->setObjectName(QStringLiteral("mnuSunrise"));
    view->addMenu(options);

    int i = 0;
    for (const auto& [days, caption] : kYears) {
        years_ << Choice(year, QStringLiteral("mnuDashaYear_%1").arg(i++), QString::fromLatin1(caption),
                         program_.Reading.DashaYearDays == days);
    }
    rules_ << Choice(sunrise, QStringLiteral("mnuSunriseCentre"), QStringLiteral("&Centre of the disc, no refraction"),
                     program_.Reading.Sunrise == SunriseRule::Centre)
           << Choice(sunrise, QStringLiteral("mnuSunriseLimb"), QStringLiteral("&Upper limb, with refraction"),
                     program_.Reading.Sunrise == SunriseRule::Limb);
    for (int k = 0; k < years_.size(); ++k) {
        connect(years_[k], &QAction::triggered, this, [this, k] {
            program_.Reading.DashaYearDays = kYears[k].first;
            Choose(years_, years_[k]);
        });
    }
    for (int k = 0; k < rules_.size(); ++k) {
        connect(rules_[k], &QAction::triggered, this, [this, k] {
            program_.Reading.Sunrise = k == 0 ? SunriseRule::Centre : SunriseRule::Limb;
            Choose(rules_, rules_[k]);
        });
    }
}

void ReadingMenus::Choose(const QList<QAction*>& group, QAction* chosen) {
    for (QAction* other : group) other->setChecked(other == chosen);
    ProgramSettings::ReportNotStored(qobject_cast<QWidget*>(parent()), ProgramSettings::SaveReading(program_.Reading));
    emit changed();
}

}  // namespace velakor
