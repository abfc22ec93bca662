#include "ui/window/ReadingMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <utility>

#include "dasha/DashaTree.h"
#include "strength/Ashtakavarga.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/views/ReadingTexts.h"

namespace velakor {
namespace {

QAction* Choice(QMenu* menu, const QString& name, const QString& caption, bool checked) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

constexpr DashaSystem kSystems[] = {DashaSystem::Vimshottari, DashaSystem::Yogini, DashaSystem::Ashtottari,
                                    DashaSystem::Kalachakra, DashaSystem::Narayana};
static_assert(std::size(kSystems) == kDashaSystemCount);

// A name with its first letter as the access key: the five systems begin with five different
// letters, and so do the two tables.
QString Keyed(std::string_view name) { return QLatin1Char('&') + QText(name); }

constexpr std::pair<double, const char*> kYears[] = {{kDashaYearJulian, "&Julian year, 365.25 days"},
                                                    {kDashaYearTropical, "&Tropical year, 365.2422 days"},
                                                    {kDashaYearSavana, "&Savana year, 360 days"}};

}  // namespace

ReadingMenus::ReadingMenus(QMenu* view, Program& program, QObject* parent) : QObject(parent), program_(program) {
    ProgramSettings::LoadReading(program_.Reading);
    auto* options = new QMenu(QStringLiteral("Reading &Options"), view);
    options->setObjectName(QStringLiteral("mnuReadingOptions"));
    QMenu* system = options->addMenu(QStringLiteral("&Dasha System"));
    system->setObjectName(QStringLiteral("mnuDashaSystem"));
    QMenu* year = options->addMenu(QStringLiteral("Dasha &Year"));
    year->setObjectName(QStringLiteral("mnuDashaYear"));
    QMenu* sunrise = options->addMenu(QStringLiteral("&Sunrise"));
    sunrise->setObjectName(QStringLiteral("mnuSunrise"));
    QMenu* table = options->addMenu(QStringLiteral("Ashtakavarga &Table"));
    table->setObjectName(QStringLiteral("mnuAshtakavargaTable"));
    view->addMenu(options);

    for (const DashaSystem s : kSystems) {
        systems_ << Choice(system, QStringLiteral("mnuDashaSystem_") + QText(DashaSystemName(s)),
                           Keyed(DashaSystemName(s)), program_.Reading.Dasha == s);
    }

    int i = 0;
    for (const auto& [days, caption] : kYears) {
        years_ << Choice(year, QStringLiteral("mnuDashaYear_%1").arg(i++), QString::fromLatin1(caption),
                         program_.Reading.DashaYearDays == days);
    }
    rules_ << Choice(sunrise, QStringLiteral("mnuSunriseCentre"), QStringLiteral("&Centre of the disc, no refraction"),
                     program_.Reading.Sunrise == SunriseRule::Centre)
           << Choice(sunrise, QStringLiteral("mnuSunriseLimb"), QStringLiteral("&Upper limb, with refraction"),
                     program_.Reading.Sunrise == SunriseRule::Limb);
    for (int k = 0; k < kAshtakavargaTableCount; ++k) {
        const auto t = static_cast<AshtakavargaTable>(k);
        tables_ << Choice(table, QStringLiteral("mnuAshtakavargaTable_") + QText(AshtakavargaTableKey(t)),
                          Keyed(AshtakavargaTableName(t)), program_.Reading.Ashtakavarga == t);
    }
    for (int k = 0; k < systems_.size(); ++k) {
        connect(systems_[k], &QAction::triggered, this, [this, k] {
            program_.Reading.Dasha = kSystems[k];
            Choose(systems_, systems_[k]);
        });
    }
    for (int k = 0; k < tables_.size(); ++k) {
        connect(tables_[k], &QAction::triggered, this, [this, k] {
            program_.Reading.Ashtakavarga = static_cast<AshtakavargaTable>(k);
            Choose(tables_, tables_[k]);
        });
    }
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
