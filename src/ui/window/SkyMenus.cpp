#include "ui/window/SkyMenus.h"

#include <QAction>
#include <QMenu>

namespace velakor {
namespace {

QMenu* Submenu(QMenu* view, const QString& name, const QString& caption, const QList<std::pair<QString, QString>>& entries,
               QList<QAction*>& actions) {
    auto* menu = new QMenu(caption, view);
    menu->setObjectName(name);
    for (const auto& [entryName, entryCaption] : entries) {
        QAction* action = menu->addAction(entryCaption);
        action->setObjectName(entryName);
        action->setCheckable(true);
        actions << action;
    }
    view->addMenu(menu);
    return menu;
}

// The ayanamsa's name with its first letter as the access key: the four begin with four
// different letters.
QString Name(SkyAyanamsa a) {
    const std::string_view name = AyanamsaName(a);
    return QLatin1Char('&') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

SkyMenus::SkyMenus(QMenu* view, QObject* parent) : QObject(parent) {
    Submenu(view, QStringLiteral("mnuPositions"), QStringLiteral("&Positions"),
            {{QStringLiteral("mnuBuiltinSky"), QStringLiteral("&Built-in formulas")},
             {QStringLiteral("mnuPreciseSky"), QStringLiteral("P&recise (JPL ephemeris)")}},
            positions_);
    ayanamsaMenu_ = Submenu(view, QStringLiteral("mnuAyanamsa"), QStringLiteral("A&yanamsa"),
                            {{QStringLiteral("mnuLahiri"), Name(SkyAyanamsa::Lahiri)},
                             {QStringLiteral("mnuRaman"), Name(SkyAyanamsa::Raman)},
                             {QStringLiteral("mnuKrishnamurti"), Name(SkyAyanamsa::Krishnamurti)},
                             {QStringLiteral("mnuTrueChitra"), Name(SkyAyanamsa::TrueChitra)}},
                            ayanamsas_);
    nodeMenu_ = Submenu(view, QStringLiteral("mnuNode"), QStringLiteral("&Node"),
                        {{QStringLiteral("mnuMeanNode"), QStringLiteral("&Mean")},
                         {QStringLiteral("mnuTrueNode"), QStringLiteral("&True")}},
                        nodes_);
    for (const QList<QAction*>* group : {&positions_, &ayanamsas_, &nodes_}) {
        for (QAction* entry : *group) connect(entry, &QAction::triggered, this, [this, entry] { Pick(entry); });
    }
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
