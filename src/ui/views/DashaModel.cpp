#include "ui/views/DashaModel.h"

#include <QFont>

#include "astro/CivilTime.h"
#include "ui/views/ReadingTexts.h"

namespace velakor {
namespace {

const QString kNowMark = QStringLiteral("\u25C0 now");

QString AgeText(double birth, double start, int offset) {
    if (start < birth) return QStringLiteral("before birth");
    const CalendarSpan age = SpanBetween(birth, start, offset);
    return QStringLiteral("%1 y %2 m %3 d").arg(age.Years).arg(age.Months).arg(age.Days);
}

}  // namespace

DashaModel::DashaModel(QObject* parent) : QAbstractItemModel(parent) {}

void DashaModel::Add(const DashaPeriod& period, int parent, int row, int level) {
    const int id = static_cast<int>(nodes_.size());
    const bool parentRuns = parent < 0 || nodes_[static_cast<std::size_t>(parent)].Running;
    nodes_.push_back(Node{period, parent, row,
                          parentRuns && readings_.TodayJd >= period.StartJd && readings_.TodayJd < period.EndJd, {}});
    if (parent < 0) {
        top_.push_back(id);
    } else {
        nodes_[static_cast<std::size_t>(parent)].Children.push_back(id);
    }
    if (level < 2) {
        int r = 0;
        for (const DashaPeriod& sub : SubPeriods(period)) Add(sub, id, r++, level + 1);
    }
}

void DashaModel::SetReadings(const Readings& r) {
    beginResetModel();
    readings_ = r;
    nodes_.clear();
    top_.clear();
    nodes_.reserve(kDashaLordCount * (1 + kDashaLordCount * (1 + kDashaLordCount)));
    int row = 0;
    for (const DashaPeriod& m : r.Periods.Mahadashas) Add(m, -1, row++, 0);
    endResetModel();
}

int DashaModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex DashaModel::index(int row, int column, const QModelIndex& parent) const {
    const int p = NodeOf(parent);
    const std::vector<int>& rows = p < 0 ? top_ : nodes_[static_cast<std::size_t>(p)].Children;
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= kColumnCount) return {};
    return createIndex(row, column, static_cast<quintptr>(rows[static_cast<std::size_t>(row)]));
}

QModelIndex DashaModel::parent(const QModelIndex& child) const {
    const int n = NodeOf(child);
    if (n < 0) return {};
    const int p = nodes_[static_cast<std::size_t>(n)].Parent;
    if (p < 0) return {};
    return createIndex(nodes_[static_cast<std::size_t>(p)].Row, 0, static_cast<quintptr>(p));
}

int DashaModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    const int p = NodeOf(parent);
    return static_cast<int>(p < 0 ? top_.size() : nodes_[static_cast<std::size_t>(p)].Children.size());
}

int DashaModel::columnCount(const QModelIndex&) const { return kColumnCount; }

QVariant DashaModel::data(const QModelIndex& index, int role) const {
    const int n = NodeOf(index);
    if (n < 0) return {};
    const Node& node = nodes_[static_cast<std::size_t>(n)];
    const DashaPeriod& d = node.Period;
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case kLord: return QText(DashaLordName(d.Lord));
                case kStart: return QText(ClockText(d.StartJd, readings_.Offset));
                case kEnd: return QText(ClockText(d.EndJd, readings_.Offset));
                case kAge: return AgeText(readings_.BirthJd, d.StartJd, readings_.Offset);
                case kNow: return node.Running ? kNowMark : QString();
                default: return {};
            }
        case Qt::BackgroundRole:
            return node.Running ? QVariant(kRunningColour) : QVariant();
        case Qt::FontRole:
            if (node.Running) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case kPeriodRole:
            return QVariant::fromValue(QVariantList{static_cast<int>(d.Lord), d.StartJd, d.EndJd});
        case kRunningRole:
            return node.Running;
        default:
            return {};
    }
}

QVariant DashaModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The mark's column has no heading on the page; a screen reader hears one with the mark.
    if (orientation == Qt::Horizontal && role == Qt::AccessibleTextRole && section == kNow) return tr("Running now");
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kLord: return QStringLiteral("Lord");
        case kStart: return QStringLiteral("Start");
        case kEnd: return QStringLiteral("End");
        case kAge: return QStringLiteral("Age at start");
        default: return QString();
    }
}

QModelIndex DashaModel::RunningIndex(int level) const {
    QModelIndex parent;
    for (int l = 0; l <= level; ++l) {
        QModelIndex found;
        for (int r = 0; r < rowCount(parent); ++r) {
            const QModelIndex i = index(r, 0, parent);
            if (data(i, kRunningRole).toBool()) found = i;
        }
        if (!found.isValid()) return {};
        parent = found;
    }
    return parent;
}

QStringList DashaModel::RowTexts(const QModelIndex& i) const {
    QStringList cells;
    for (int c = 0; c < kColumnCount; ++c) cells << data(index(i.row(), c, i.parent())).toString();
    return cells;
}

}  // namespace velakor
