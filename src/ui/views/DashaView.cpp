#include "ui/views/DashaView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTreeView>
#include <algorithm>
#include <utility>
#include <vector>

#include "astro/CivilTime.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ViewSources.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kWidth = frmDisplay::kWidth - 2 * frmDisplay::kChartLeft;
// Below the balance, the variant (two lines) and the condition: the same place in every
// system, so that switching systems does not move the tree.
constexpr int kTreeTop = 146;

}  // namespace

DashaView::DashaView(QWidget* parent) : ReadingView(parent) {
    title_->setObjectName(QStringLiteral("lblDashaTitle"));
    title_->setText(DashaTitle(DashaSystem::Vimshottari));
    balance_ = ViewLine(this, QStringLiteral("lblDashaBalance"), QRect(kLeft, 74, kWidth, 24), 8.25, true);
    variant_ = ViewLine(this, QStringLiteral("lblDashaVariant"), QRect(kLeft, 96, kWidth, 30), 8.25, false);
    variant_->setWordWrap(true);
    variant_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    condition_ = ViewLine(this, QStringLiteral("lblDashaCondition"), QRect(kLeft, 124, kWidth, 20), 8.25, false);
    model_ = new DashaModel(this);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
    tree_->setAccessibleName(tr("Dasha periods"));
    tree_->setModel(model_);
    tree_->setGeometry(kLeft, kTreeTop, kWidth, frmDisplay::kHeight - kTreeTop - 20);
    tree_->setUniformRowHeights(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->header()->setStretchLastSection(true);
    for (int c = 0; c < 4; ++c) tree_->setColumnWidth(c, c == 0 ? 190 : 160);
}

QString DashaView::Title(const ViewSources& sources) const { return DashaTitle(sources.program().Reading.Dasha); }

void DashaView::Show(const Program& program, const Readings& r) {
    (void)program;
    const DashaSystem system = r.Tree.System;
    balance_->setText(QStringLiteral("Balance at birth: ") + BalanceText(system, r.TreeBalance) +
                      QStringLiteral("    ") + YearLengthText(r.Tree.YearDays) + QStringLiteral("    Times in UTC") +
                      QText(OffsetText(r.Offset)));
    SetLineText(variant_, QStringLiteral("Variant followed: ") + QText(DashaVariantText(system)), 2);
    condition_->setVisible(r.Tree.ConditionMet.has_value());
    SetLineText(condition_, r.Tree.ConditionMet ? QText(AshtottariConditionText(*r.Tree.ConditionMet)) : QString());
    model_->SetReadings(r);
    for (int c = 0; c < 4; ++c) tree_->setColumnWidth(c, c == 0 ? 190 : 160);
    // The running mahadasha opens on its antardashas.
    const QModelIndex running = model_->RunningIndex(0);
    if (running.isValid()) tree_->setExpanded(running, true);
}

void DashaView::Fill(ViewSources& sources) {
    SetHeadingFor(sources, Title(sources));
    Show(sources.program(), sources.readings());
}

void DashaView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintHeading(painter);
    for (const QLabel* line : {balance_, variant_, condition_}) PaintViewLine(painter, line);
    // The rows open on screen, as they stand.
    std::vector<std::pair<QStringList, int>> rows;
    auto add = [&](const QModelIndex& parent, int level, auto&& self) -> void {
        for (int r = 0; r < model_->rowCount(parent); ++r) {
            const QModelIndex i = model_->index(r, 0, parent);
            const bool running = model_->data(i, DashaModel::kRunningRole).toBool();
            rows.emplace_back(model_->RowTexts(i), level | (running ? 4 : 0));
            if (tree_->isExpanded(i)) self(i, level + 1, self);
        }
    };
    add(QModelIndex(), 0, add);
    const QRectF room(kLeft, kTreeTop, kWidth, height() - kTreeTop - 10);
    const double rowHeight = std::min(18.0, room.height() / static_cast<double>(rows.size() + 1));
    PaintRows(painter, room, rows, {0, 190, 350, 510, 670}, rowHeight,
              {DashaModel::LordHeader(model_->system()), DashaModel::tr("Start"), DashaModel::tr("End"),
               DashaModel::tr("Age at start"), {}});
}

}  // namespace velakor
