// The View menu's sky entries: "Positions" (the built-in formulas or the precise sky),
// "Ayanamsa" and "Node" (for the precise sky only), each a group with one check mark.
#pragma once

#include <QList>
#include <QObject>

#include "sky/Sky.h"

class QAction;
class QMenu;

namespace velakor {

class SkyMenus : public QObject {
    Q_OBJECT
public:
    // Adds the three submenus to view.
    SkyMenus(QMenu* view, QObject* parent);

    // Checks the entries of a choice; the ayanamsa and node entries are enabled for the
    // precise sky only.
    void Show(const SkyChoice& choice);

signals:
    // The user picked an entry: the choice it makes.
    void chosen(const SkyChoice& choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pick(QAction* entry);
    void Retranslate();

    QList<QAction*> positions_, ayanamsas_, nodes_;
    QMenu* positionsMenu_ = nullptr;
    QMenu* ayanamsaMenu_ = nullptr;
    QMenu* nodeMenu_ = nullptr;
};

}  // namespace velakor
