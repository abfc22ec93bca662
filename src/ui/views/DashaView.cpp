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

}  // namespace

DashaView::DashaView(QWidget* parent) : ReadingView(parent) {
    title_->setObjectName(QStringLiteral("lblDashaTitle"));
    title_->setText(QStringLiteral("Vimshottari Dasha"));
    balance_ = ViewLine(this, QStringLiteral("lblDashaBalance"), QRect(kLeft, 74, kWidth, 24), 8.25, true);
    model_ = new DashaModel(this);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
    tree_->setAccessibleName(tr("Dasha periods"));
    tree_->setModel(model_);
    tree_->setGeometry(kLeft, kBodyTop, kWidth, frmDisplay::kHeight - kBodyTop - 20);
    tree_->setUniformRowHeights(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->header()->setStretchLastSection(true);
    for (int c = 0; c < 4; ++c) tree_->setColumnWidth(c, c == 0 ? 190 : 160);
}

void DashaView::Show(const Program& program, const Readings& r) {
    (void)program;
    balance_->setText(QStringLiteral("Balance at birth: ") + BalanceText(r.Balance) + QStringLiteral("    ") +
                      YearLengthText(r.Periods.YearDays) + QStringLiteral("    Times in UTC") + QText(OffsetText(r.Offset)));
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
    PaintViewLine(painter, balance_);
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
    const QRectF room(kLeft, kBodyTop, kWidth, height() - kBodyTop - 10);
    const double rowHeight = std::min(18.0, room.height() / static_cast<double>(rows.size() + 1));
    PaintRows(painter, room, rows, {0, 190, 350, 510, 670}, rowHeight,
              {QStringLiteral("Lord"), QStringLiteral("Start"), QStringLiteral("End"), QStringLiteral("Age at start"), {}});
}

}  // namespace velakor
