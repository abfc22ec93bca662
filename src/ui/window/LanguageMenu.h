// The View menu's "Language" entry: English, हिन्दी, தமிழ், each in its own script, one
// checked. A pick switches every open window at once and is remembered.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace velakor {

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to view.
    LanguageMenu(QMenu* view, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();

    QMenu* menu_ = nullptr;
    QList<QAction*> entries_;  // in the order of kLanguages
};

}  // namespace velakor
