#include "ui/views/ReadingViews.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QTreeView>
#include <array>

#include "astro/CivilTime.h"
#include "ui/drawing/Fonts.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ViewSources.h"
#include "chart/NameTables.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kWidth = frmDisplay::kWidth - 2 * frmDisplay::kChartLeft;

QLabel* Line(QWidget* parent, const QString& name, int top, double points, bool bold) {
    return ViewLine(parent, name, QRect(kLeft, top, kWidth, 24), points, bold);
}


}  // namespace

ReadingView::ReadingView(QWidget* parent) : QWidget(parent) {
    MakeViewPage(this);
    title_ = Line(this, QStringLiteral("lblReadingTitle"), 10, 12, true);
    who_ = Line(this, QStringLiteral("lblReadingWho"), 38, 8.25, true);
    born_ = Line(this, QStringLiteral("lblReadingBorn"), 56, 8.25, false);
}

void ReadingView::SetHeading(const QString& title, const QString& who, const QString& born) {
    title_->setText(title);
    SetLineText(who_, who);
    SetLineText(born_, born);
}

void ReadingView::SetHeadingFor(const ViewSources& sources, const QString& title) {
    const BirthRecord& b = sources.program().Birth;
    const QString zone = b.ZoneIndex >= 0 && b.ZoneIndex < kZoneCount ? QText(Zone(b.ZoneIndex).Name) : QString();
    SetHeading(sources.WithSky(title), WhoAndWhereText(b), BornText(b, zone));
}

void ReadingView::PaintHeading(QPainter& painter) const {
    for (const QLabel* line : {title_, who_, born_}) PaintViewLine(painter, line);
}

DashaView::DashaView(QWidget* parent) : ReadingView(parent) {
    title_->setObjectName(QStringLiteral("lblDashaTitle"));
    title_->setText(QStringLiteral("Vimshottari Dasha"));
    balance_ = Line(this, QStringLiteral("lblDashaBalance"), 74, 8.25, true);
    model_ = new DashaModel(this);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
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

PanchangaView::PanchangaView(QWidget* parent) : ReadingView(parent) {
    title_->setObjectName(QStringLiteral("lblPanchangaTitle"));
    title_->setText(QStringLiteral("Panchanga"));
    note_ = Line(this, QStringLiteral("lblPanchangaNote"), 74, 8.25, true);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("tblPanchanga"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("At birth"), QStringLiteral("Ends")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setGeometry(kLeft, kBodyTop, kWidth, 7 * 30 + 32);
    table_->setColumnWidth(0, 160);
    table_->setColumnWidth(1, 360);
    table_->horizontalHeader()->setStretchLastSection(true);
}

void PanchangaView::Show(const Program& program, const Readings& r) {
    const CivilMoment birth = CivilFromJd(r.BirthJd, r.Offset);
    note_->setText(QStringLiteral("For %1-%2-%3 at the birth place; sunrise by the %4; times in UTC%5")
                       .arg(birth.Year, 4, 10, QLatin1Char('0'))
                       .arg(birth.Month, 2, 10, QLatin1Char('0'))
                       .arg(birth.Day, 2, 10, QLatin1Char('0'))
                       .arg(SunriseRuleText(program.Reading.Sunrise), QText(OffsetText(r.Offset))));
    rows_ = PanchangaRows(r);
    const std::vector<PanchangaRow>& rows = rows_;
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const PanchangaRow& row = rows[static_cast<std::size_t>(i)];
        int c = 0;
        for (const QString& text : {row.Item, row.Value, row.Ends}) {
            auto* cell = new QTableWidgetItem(text);
            if (c == 0) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            table_->setItem(i, c++, cell);
        }
        table_->setRowHeight(i, 30);
    }
}

void PanchangaView::Fill(ViewSources& sources) {
    SetHeadingFor(sources, Title(sources));
    Show(sources.program(), sources.readings());
}

void PanchangaView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintHeading(painter);
    PaintViewLine(painter, note_);
    std::vector<std::pair<QStringList, int>> rows;
    for (const PanchangaRow& row : rows_) rows.emplace_back(QStringList{row.Item, row.Value, row.Ends}, 0);
    PaintRows(painter, QRectF(kLeft, kBodyTop, kWidth, height() - kBodyTop - 10), rows, {0, 160, 520}, 30,
              {QStringLiteral("Item"), QStringLiteral("At birth"), QStringLiteral("Ends")});
}

}  // namespace velakor
