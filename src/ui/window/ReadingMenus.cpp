#include "ui/window/ReadingMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>
#include <utility>

#include "dasha/DashaTree.h"
#include "strength/Ashtakavarga.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/views/ReadingTexts.h"
#include "ui/window/MenuCaptions.h"

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

constexpr const char* kContext = "velakor::ReadingMenus";

// The names the core gives the systems and the tables, for the catalogues.
[[maybe_unused]] constexpr const char* kCoreNames[] = {
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Vimshottari"),
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Yogini"),
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Ashtottari"),
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Kalachakra"),
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Narayana"),
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "B. V. Raman's table"),
    QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Parashara's table (R. Santhanam)"),
};

// The five systems begin with five different letters, their access keys, and so do the two
// tables.
QString Keyed(std::string_view name) { return KeyedName(kContext, name); }

constexpr std::pair<double, const char*> kYears[] = {
    {kDashaYearJulian, QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Julian year, 365.25 days")},
    {kDashaYearTropical, QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Tropical year, 365.2422 days")},
    {kDashaYearSavana, QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Savana year, 360 days")}};

constexpr MenuCaption kCaptions[] = {
    {"mnuReadingOptions", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Reading &Options")},
    {"mnuDashaSystem", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Dasha System")},
    {"mnuDashaYear", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Dasha &Year")},
    {"mnuSunrise", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Sunrise")},
    {"mnuAshtakavargaTable", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "Ashtakavarga &Table")},
    {"mnuSunriseCentre", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Centre of the disc, no refraction")},
    {"mnuSunriseLimb", QT_TRANSLATE_NOOP("velakor::ReadingMenus", "&Upper limb, with refraction")},
};

}  // namespace

ReadingMenus::ReadingMenus(QMenu* view, Program& program, QObject* parent) : QObject(parent), program_(program) {
    ProgramSettings::LoadReading(program_.Reading);
    auto* options = new QMenu(view);
    options_ = options;
    options->setObjectName(QStringLiteral("mnuReadingOptions"));
    QMenu* system = options->addMenu(QString());
    system->setObjectName(QStringLiteral("mnuDashaSystem"));
    QMenu* year = options->addMenu(QString());
    year->setObjectName(QStringLiteral("mnuDashaYear"));
    QMenu* sunrise = options->addMenu(QString());
    sunrise->setObjectName(QStringLiteral("mnuSunrise"));
    QMenu* table = options->addMenu(QString());
    table->setObjectName(QStringLiteral("mnuAshtakavargaTable"));
    view->addMenu(options);

    for (const DashaSystem s : kSystems) {
        systems_ << Choice(system, QStringLiteral("mnuDashaSystem_") + QText(DashaSystemName(s)),
                           QString(), program_.Reading.Dasha == s);
    }

    int i = 0;
    for (const auto& entry : kYears) {
        years_ << Choice(year, QStringLiteral("mnuDashaYear_%1").arg(i++), QString(),
                         program_.Reading.DashaYearDays == entry.first);
    }
    rules_ << Choice(sunrise, QStringLiteral("mnuSunriseCentre"), QString(),
                     program_.Reading.Sunrise == SunriseRule::Centre)
           << Choice(sunrise, QStringLiteral("mnuSunriseLimb"), QString(),
                     program_.Reading.Sunrise == SunriseRule::Limb);
    for (int k = 0; k < kAshtakavargaTableCount; ++k) {
        const auto t = static_cast<AshtakavargaTable>(k);
        tables_ << Choice(table, QStringLiteral("mnuAshtakavargaTable_") + QText(AshtakavargaTableKey(t)),
                          QString(), program_.Reading.Ashtakavarga == t);
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
    options_->installEventFilter(this);
    Retranslate();
}

bool ReadingMenus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == options_ && event->type() == QEvent::LanguageChange) Retranslate();
    return QObject::eventFilter(watched, event);
}

void ReadingMenus::Retranslate() {
    SetMenuCaptions(options_, kContext, kCaptions);
    for (int k = 0; k < systems_.size(); ++k) systems_[k]->setText(Keyed(DashaSystemName(kSystems[k])));
    for (int k = 0; k < tables_.size(); ++k) tables_[k]->setText(Keyed(AshtakavargaTableName(static_cast<AshtakavargaTable>(k))));
    for (int k = 0; k < years_.size(); ++k) years_[k]->setText(QCoreApplication::translate(kContext, kYears[k].second));
}

void ReadingMenus::Choose(const QList<QAction*>& group, QAction* chosen) {
    for (QAction* other : group) other->setChecked(other == chosen);
    ProgramSettings::ReportNotStored(qobject_cast<QWidget*>(parent()), ProgramSettings::SaveReading(program_.Reading));
    emit changed();
}

}  // namespace velakor
