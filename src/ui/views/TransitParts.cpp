#include "ui/views/TransitParts.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "astro/CivilTime.h"
#include "ui/views/DashaModel.h"
#include "ui/views/frmDisplay.h"

namespace velakor {

void PlaceTransitHeading(QLabel* title, QLabel* who, const QString& prefix, const QString& text) {
    const int width = frmDisplay::kWidth - 2 * kTransitMargin;
    title->setObjectName(prefix + QStringLiteral("Title"));
    title->setGeometry(kTransitMargin, 8, width, 24);
    title->setText(text);
    constexpr int kTitleRoom = 200;
    who->setObjectName(prefix + QStringLiteral("Who"));
    who->setGeometry(kTransitMargin + kTitleRoom, 10, width - kTitleRoom, 20);
    who->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QTableWidget* MakeTransitTable(QWidget* parent, const QString& name, const QStringList& headers) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetTransitRow(QTableWidget* table, int row, const QStringList& cells, bool running) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* cell = new QTableWidgetItem(cells[c]);
        if (running || c == 0) {
            QFont bold = cell->font();
            bold.setBold(true);
            cell->setFont(bold);
        }
        if (running) cell->setBackground(kRunningColour);
        table->setItem(row, c, cell);
    }
}

QString BirthClockText(double jd, int offset) { return QString::fromStdString(ClockText(jd, offset)); }

}  // namespace velakor
