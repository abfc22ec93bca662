// The dasha of one chart, in the system chosen, as an item model: the mahadashas, each with
// its antardashas, each with its pratyantardashas. The tree on screen, its picture, its
// printout and the chart sheet all read these rows.
#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <vector>

#include "app/Readings.h"

namespace velakor {

// The background of the periods running today, on screen and on paper.
inline const QColor kRunningColour{255, 236, 170};

class DashaModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { kLord, kStart, kEnd, kAge, kNow, kColumnCount };
    // The period's lord (whether a sign, its index), start and end as values under this role.
    static constexpr int kPeriodRole = Qt::UserRole;
    // True for the periods running "today".
    static constexpr int kRunningRole = Qt::UserRole + 1;

    explicit DashaModel(QObject* parent = nullptr);
    void SetReadings(const Readings& r);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The first column's header: "Lord", "Yogini" or "Sign".
    static QString LordHeader(DashaSystem system);
    DashaSystem system() const { return readings_.Tree.System; }

    // The running period at level 0 (mahadasha), 1 or 2, or an invalid index.
    QModelIndex RunningIndex(int level) const;
    // The texts of a row, column by column.
    QStringList RowTexts(const QModelIndex& index) const;

private:
    // The nodes are laid out level by level, a period's parts one after another, so that a
    // node knows its children by where they begin: a long dasha makes thousands of nodes.
    struct Node {
        TreePeriod Period;
        int Parent = -1;  // node number, -1 at the top
        int Row = 0;      // among its parent's children
        bool Running = false;
        int FirstChild = 0;
        int ChildCount = 0;
    };
    int NodeOf(const QModelIndex& index) const;
    void Add(const TreePeriod& period, int parent, int row);

    Readings readings_;
    std::vector<Node> nodes_;  // the mahadashas first
    int topCount_ = 0;
};

}  // namespace velakor
