#include "ui/views/PanchangaView.h"

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <utility>
#include <vector>

#include "astro/CivilTime.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ViewSources.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kWidth = frmDisplay::kWidth - 2 * frmDisplay::kChartLeft;

// The table's column headers, on the page and in print, in the interface's language.
QStringList Headers() { return {PanchangaView::tr("Item"), PanchangaView::tr("At birth"), PanchangaView::tr("Ends")}; }

}  // namespace

PanchangaView::PanchangaView(QWidget* parent) : ReadingView(parent) {
    title_->setObjectName(QStringLiteral("lblPanchangaTitle"));
    note_ = ViewLine(this, QStringLiteral("lblPanchangaNote"), QRect(kLeft, 74, kWidth, 24), 8.25, true);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("tblPanchanga"));
    table_->setAccessibleName(tr("Panchanga"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels(Headers());
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setGeometry(kLeft, kBodyTop, kWidth, 7 * 30 + 32);
    table_->setColumnWidth(0, 160);
    table_->setColumnWidth(1, 360);
    table_->horizontalHeader()->setStretchLastSection(true);
}

void PanchangaView::Show(const Program& program, const Readings& r) {
    table_->setHorizontalHeaderLabels(Headers());
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
              Headers());
}

}  // namespace velakor
