#include "ui/window/MenuCaptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace velakor {

void SetMenuCaptions(QObject* root, const char* context, std::span<const MenuCaption> captions) {
    for (const MenuCaption& c : captions) {
        const QString text = QCoreApplication::translate(context, c.Text);
        const QString name = QString::fromLatin1(c.Object);
        if (root->objectName() == name) {
            if (auto* menu = qobject_cast<QMenu*>(root)) menu->setTitle(text);
        }
        if (auto* menu = root->findChild<QMenu*>(name)) menu->setTitle(text);
        else if (auto* action = root->findChild<QAction*>(name)) action->setText(text);
        else if (auto* button = root->findChild<QAbstractButton*>(name)) button->setText(text);
    }
}

QString KeyedName(const char* context, std::string_view english) {
    const QString name = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    const QString shown = QCoreApplication::translate(context, name.toUtf8().constData());
    if (shown == name) return QLatin1Char('&') + name;
    return shown + QStringLiteral("(&") + name.front() + QLatin1Char(')');
}

}  // namespace velakor
