// The View menu's "Transit Mom&ent": the steps of the moment of the views of the sky at a
// moment (a day, a month, a year back and forward, and now), menu entries with shortcuts that
// those views offer as buttons too. They move the sources' moment and are enabled only while
// such a view is on show.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace velakor {

class ViewSources;

class MomentMenu : public QObject {
    Q_OBJECT
public:
    MomentMenu(QMenu* view, ViewSources& sources, QObject* parent);

    const QList<QAction*>& steps() const { return steps_; }
    void setEnabled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();

    QMenu* moment_ = nullptr;
    QList<QAction*> steps_;  // year, month, day back; day, month, year forward; now
};

}  // namespace velakor
