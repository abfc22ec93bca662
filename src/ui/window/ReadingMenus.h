// The View menu's "Reading &Options": the dasha system and its year length, the panchanga's
// sunrise rule and the ashtakavarga's table, each a group with one check mark. A choice
// changes the program's reading options, is remembered, and says so, so that the views made
// from them are filled again.
#pragma once

#include <QList>
#include <QObject>

#include "app/Program.h"

class QAction;
class QMenu;

namespace velakor {

class ReadingMenus : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to view, checked as program's options stand (read from the settings).
    ReadingMenus(QMenu* view, Program& program, QObject* parent);

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    void Choose(const QList<QAction*>& group, QAction* chosen);

    Program& program_;
    QMenu* options_ = nullptr;
    QList<QAction*> systems_, years_, rules_, tables_;
};

}  // namespace velakor
