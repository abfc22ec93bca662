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

QString DashaModel::LordHeader(DashaSystem system) {
    if (system == DashaSystem::Yogini) return tr("Yogini");
    return IsSignDasha(system) ? tr("Sign") : tr("Lord");
}

DashaModel::DashaModel(QObject* parent) : QAbstractItemModel(parent) {}

void DashaModel::Add(const TreePeriod& period, int parent, int row) {
    const bool parentRuns = parent < 0 || nodes_[static_cast<std::size_t>(parent)].Running;
    nodes_.push_back(Node{period, parent, row,
                          parentRuns && readings_.TodayJd >= period.StartJd && readings_.TodayJd < period.EndJd, 0, 0});
}

void DashaModel::SetReadings(const Readings& r) {
    beginResetModel();
    readings_ = r;
    nodes_.clear();
    // Twelve parts at most to a period.
    nodes_.reserve(r.Tree.Periods.size() * (1 + 12 * (1 + 12)));
    int row = 0;
    for (const TreePeriod& m : r.Tree.Periods) Add(m, -1, row++);
    topCount_ = row;
    // The antardashas, then the pratyantardashas.
    std::size_t levelBegin = 0;
    for (int level = 0; level < 2; ++level) {
        const std::size_t levelEnd = nodes_.size();
        for (std::size_t n = levelBegin; n < levelEnd; ++n) {
            const PeriodList parts = SubPeriods(readings_.Tree, nodes_[n].Period);
            nodes_[n].FirstChild = static_cast<int>(nodes_.size());
            nodes_[n].ChildCount = parts.Count;
            row = 0;
            for (const TreePeriod& part : parts) Add(part, static_cast<int>(n), row++);
        }
        levelBegin = levelEnd;
    }
    endResetModel();
}

int DashaModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex DashaModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= rowCount(parent) || column < 0 || column >= kColumnCount) return {};
    const int p = NodeOf(parent);
    const int first = p < 0 ? 0 : nodes_[static_cast<std::size_t>(p)].FirstChild;
    return createIndex(row, column, static_cast<quintptr>(first + row));
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
    return p < 0 ? topCount_ : nodes_[static_cast<std::size_t>(p)].ChildCount;
}

int DashaModel::columnCount(const QModelIndex&) const { return kColumnCount; }

QVariant DashaModel::data(const QModelIndex& index, int role) const {
    const int n = NodeOf(index);
    if (n < 0) return {};
    const Node& node = nodes_[static_cast<std::size_t>(n)];
    const TreePeriod& d = node.Period;
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case kLord: return PeriodLordText(readings_.Tree.System, d.Lord);
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
            return QVariant::fromValue(QVariantList{d.Lord.IsSign, static_cast<int>(d.Lord.Index), d.StartJd, d.EndJd});
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
        case kLord: return LordHeader(readings_.Tree.System);
        case kStart: return tr("Start");
        case kEnd: return tr("End");
        case kAge: return tr("Age at start");
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
