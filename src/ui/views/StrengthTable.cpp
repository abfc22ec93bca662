#include "ui/views/StrengthTable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace velakor {

QTableWidget* MakeStrengthTable(QWidget* parent, const QString& name, int left, const QStringList& headers,
                                const std::vector<int>& widths, int rows) {
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFrameShape(QFrame::NoFrame);
    table->setGridStyle(Qt::SolidLine);
    table->horizontalHeader()->setFixedHeight(kStrengthRowHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kStrengthRowHeight);
    int width = 0;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        table->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        width += widths[static_cast<std::size_t>(c)];
    }
    for (int r = 0; r < rows; ++r) table->setRowHeight(r, kStrengthRowHeight);
    table->setGeometry(left, kStrengthTableTop, width + 1, kStrengthRowHeight * (rows + 1) + 1);
    return table;
}

QTableWidgetItem* SetStrengthCell(QTableWidget* table, int row, int column, const QString& text, bool bold,
                                 const QColor& background) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(column == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter));
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    if (background.isValid()) item->setBackground(background);
    table->setItem(row, column, item);
    return item;
}

}  // namespace velakor
