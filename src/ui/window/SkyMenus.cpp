#include "ui/window/SkyMenus.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

#include "ui/window/MenuCaptions.h"

namespace velakor {
namespace {

QMenu* Submenu(QMenu* view, const QString& name, const QStringList& entries, QList<QAction*>& actions) {
    auto* menu = new QMenu(view);
    menu->setObjectName(name);
    for (const QString& entryName : entries) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(entryName);
        action->setCheckable(true);
        actions << action;
    }
    view->addMenu(menu);
    return menu;
}

constexpr const char* kContext = "velakor::SkyMenus";

constexpr MenuCaption kCaptions[] = {
    {"mnuPositions", QT_TRANSLATE_NOOP("velakor::SkyMenus", "&Positions")},
    {"mnuBuiltinSky", QT_TRANSLATE_NOOP("velakor::SkyMenus", "&Built-in formulas")},
    {"mnuPreciseSky", QT_TRANSLATE_NOOP("velakor::SkyMenus", "P&recise (JPL ephemeris)")},
    {"mnuAyanamsa", QT_TRANSLATE_NOOP("velakor::SkyMenus", "A&yanamsa")},
    {"mnuNode", QT_TRANSLATE_NOOP("velakor::SkyMenus", "&Node")},
    {"mnuMeanNode", QT_TRANSLATE_NOOP("velakor::SkyMenus", "&Mean")},
    {"mnuTrueNode", QT_TRANSLATE_NOOP("velakor::SkyMenus", "&True")},
};

// The names the core gives the ayanamsas, for the catalogues.
[[maybe_unused]] constexpr const char* kAyanamsaNames[] = {
    QT_TRANSLATE_NOOP("velakor::SkyMenus", "Lahiri"), QT_TRANSLATE_NOOP("velakor::SkyMenus", "Raman"),
    QT_TRANSLATE_NOOP("velakor::SkyMenus", "Krishnamurti"), QT_TRANSLATE_NOOP("velakor::SkyMenus", "True Chitra")};

// The four ayanamsas begin with four different letters, their access keys.
QString Name(SkyAyanamsa a) { return KeyedName(kContext, AyanamsaName(a)); }

}  // namespace

SkyMenus::SkyMenus(QMenu* view, QObject* parent) : QObject(parent) {
    positionsMenu_ = Submenu(view, QStringLiteral("mnuPositions"), {QStringLiteral("mnuBuiltinSky"), QStringLiteral("mnuPreciseSky")},
                             positions_);
    ayanamsaMenu_ = Submenu(view, QStringLiteral("mnuAyanamsa"),
                            {QStringLiteral("mnuLahiri"), QStringLiteral("mnuRaman"), QStringLiteral("mnuKrishnamurti"),
                             QStringLiteral("mnuTrueChitra")},
                            ayanamsas_);
    nodeMenu_ = Submenu(view, QStringLiteral("mnuNode"), {QStringLiteral("mnuMeanNode"), QStringLiteral("mnuTrueNode")}, nodes_);
    for (const QList<QAction*>* group : {&positions_, &ayanamsas_, &nodes_}) {
        for (QAction* entry : *group) connect(entry, &QAction::triggered, this, [this, entry] { Pick(entry); });
    }
    positionsMenu_->installEventFilter(this);
    Retranslate();
}

bool SkyMenus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == positionsMenu_ && event->type() == QEvent::LanguageChange) Retranslate();
    return QObject::eventFilter(watched, event);
}

void SkyMenus::Retranslate() {
    for (QMenu* menu : {positionsMenu_, ayanamsaMenu_, nodeMenu_}) SetMenuCaptions(menu, kContext, kCaptions);
    for (int i = 0; i < ayanamsas_.size(); ++i) ayanamsas_[i]->setText(Name(kAyanamsas[static_cast<std::size_t>(i)]));
}

void SkyMenus::Show(const SkyChoice& choice) {
    const auto check = [](const QList<QAction*>& group, int index) {
        for (int i = 0; i < group.size(); ++i) group[i]->setChecked(i == index);
    };
    check(positions_, static_cast<int>(choice.Positions));
    check(ayanamsas_, static_cast<int>(choice.Ayanamsa));
    check(nodes_, static_cast<int>(choice.Node));
    const bool isPrecise = choice.Positions == SkyPositions::Precise;
    for (QMenu* menu : {ayanamsaMenu_, nodeMenu_}) {
        menu->setEnabled(isPrecise);
        for (QAction* entry : menu->actions()) entry->setEnabled(isPrecise);
    }
}

void SkyMenus::Pick(QAction* entry) {
    // The checked entries of the other groups make the rest of the choice.
    SkyChoice choice;
    for (int i = 0; i < positions_.size(); ++i) {
        if (positions_[i] == entry || (positions_.indexOf(entry) < 0 && positions_[i]->isChecked()))
            choice.Positions = static_cast<SkyPositions>(i);
    }
    for (int i = 0; i < ayanamsas_.size(); ++i) {
        if (ayanamsas_[i] == entry || (ayanamsas_.indexOf(entry) < 0 && ayanamsas_[i]->isChecked()))
            choice.Ayanamsa = static_cast<SkyAyanamsa>(i);
    }
    for (int i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i] == entry || (nodes_.indexOf(entry) < 0 && nodes_[i]->isChecked())) choice.Node = static_cast<SkyNode>(i);
    }
    Show(choice);
    emit chosen(choice);
}

}  // namespace velakor
