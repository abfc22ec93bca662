#include "ui/window/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

#include "ui/dialogs/Seams.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/ProgramSettings.h"

namespace velakor {

LanguageMenu::LanguageMenu(QMenu* view, QObject* parent) : QObject(parent) {
    menu_ = new QMenu(view);
    menu_->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu_);
    for (const Language lang : kLanguages) {
        // Each language under its own name, with its first letter as the access key.
        const std::string_view name = LanguageOwnName(lang);
        QAction* entry = menu_->addAction(QLatin1Char('&') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        entry->setObjectName(QStringLiteral("mnuLanguage_") + QString::fromLatin1(LanguageCode(lang)));
        entry->setCheckable(true);
        group->addAction(entry);
        entries_ << entry;
        connect(entry, &QAction::triggered, this, [this, lang] {
            if (!UseInterfaceLanguage(lang)) return;
            ProgramSettings::ReportNotStored(menu_->parentWidget(), RememberLanguage(lang));
        });
    }
    // The check mark follows the language in use, whichever window switched it.
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        for (std::size_t i = 0; i < kLanguages.size(); ++i)
            entries_[static_cast<qsizetype>(i)]->setChecked(kLanguages[i] == InterfaceLanguage());
    });
    view->addMenu(menu_);
    menu_->installEventFilter(this);
    Retranslate();
}

bool LanguageMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_ && event->type() == QEvent::LanguageChange) Retranslate();
    return QObject::eventFilter(watched, event);
}

void LanguageMenu::Retranslate() {
    menu_->setTitle(QCoreApplication::translate("velakor::LanguageMenu", "&Language"));
}

}  // namespace velakor
