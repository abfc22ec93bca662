#include "ui/ReadingViews.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QTreeWidget>
#include <array>

#include "astro/CivilTime.h"
#include "ui/Fonts.h"
#include "ui/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kWidth = frmDisplay::kWidth - 2 * frmDisplay::kChartLeft;
const QColor kRunning(255, 236, 170);
const QString kNow = QStringLiteral("\u25C0 now");

void MakeWhite(QWidget* w) {
    QPalette white = w->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(white);
    w->setAutoFillBackground(true);
    w->setFixedSize(frmDisplay::kWidth, frmDisplay::kHeight);
    w->setFont(VerdanaFont(8.25));
}

QLabel* Line(QWidget* parent, const QString& name, int top, double points, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(VerdanaFont(points, bold));
    label->setGeometry(kLeft, top, kWidth, 24);
    return label;
}

QString AgeText(double birth, double start, int offset) {
    if (start < birth) return QStringLiteral("before birth");
    const CalendarSpan age = SpanBetween(birth, start, offset);
    return QStringLiteral("%1 y %2 m %3 d").arg(age.Years).arg(age.Months).arg(age.Days);
}

constexpr int kPeriodRole = Qt::UserRole;  // lord, start and end of an item's period

QTreeWidgetItem* PeriodItem(const DashaPeriod& d, const Readings& r, bool running) {
    auto* item = new QTreeWidgetItem(
        {QText(DashaLordName(d.Lord)), QText(ClockText(d.StartJd, r.Offset)), QText(ClockText(d.EndJd, r.Offset)),
         AgeText(r.BirthJd, d.StartJd, r.Offset), running ? kNow : QString()});
    item->setData(0, kPeriodRole, QVariantList{static_cast<int>(d.Lord), d.StartJd, d.EndJd});
    if (running) {
        for (int c = 0; c < 5; ++c) {
            item->setBackground(c, kRunning);
            QFont bold = item->font(c);
            bold.setBold(true);
            item->setFont(c, bold);
        }
    }
    return item;
}

// Rows drawn for the printer: one line per row, columns at fixed places.
void PaintRows(QPainter& painter, QRectF room, const std::vector<std::pair<QStringList, int>>& rows,
               const std::vector<double>& columns, double rowHeight, const QStringList& headers) {
    QFont font = VerdanaFont(8.25);
    font.setPixelSize(11);
    QFont bold = font;
    bold.setBold(true);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    double y = room.top();
    for (int c = 0; c < headers.size(); ++c) {
        painter.drawText(QRectF(room.left() + columns[static_cast<std::size_t>(c)], y, 400, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, headers[c]);
    }
    y += rowHeight;
    painter.drawLine(QPointF(room.left(), y), QPointF(room.right(), y));
    for (const auto& [cells, flags] : rows) {
        const int indent = flags & 3;
        const bool running = (flags & 4) != 0;
        if (running) painter.fillRect(QRectF(room.left(), y, room.width(), rowHeight), kRunning);
        painter.setFont(running ? bold : font);
        for (int c = 0; c < cells.size(); ++c) {
            const double x = room.left() + columns[static_cast<std::size_t>(c)] + (c == 0 ? indent * 16 : 0);
            painter.drawText(QRectF(x, y, 400, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        }
        y += rowHeight;
    }
}

void PaintLine(QPainter& painter, const QLabel* label) {
    painter.setFont(label->font());
    painter.drawText(label->geometry(), Qt::AlignLeft | Qt::AlignVCenter, label->text());
}

}  // namespace

ReadingView::ReadingView(QWidget* parent) : QWidget(parent) {
    MakeWhite(this);
    title_ = Line(this, QStringLiteral("lblReadingTitle"), 10, 12, true);
    who_ = Line(this, QStringLiteral("lblReadingWho"), 38, 8.25, true);
    born_ = Line(this, QStringLiteral("lblReadingBorn"), 56, 8.25, false);
}

void ReadingView::SetHeading(const QString& title, const QString& who, const QString& born) {
    title_->setText(title);
    who_->setText(who);
    born_->setText(born);
}

void ReadingView::PaintHeading(QPainter& painter) const {
    painter.setPen(Qt::black);
    for (const QLabel* line : {title_, who_, born_}) PaintLine(painter, line);
}

DashaView::DashaView(QWidget* parent) : ReadingView(parent) {
    title_->setObjectName(QStringLiteral("lblDashaTitle"));
    title_->setText(QStringLiteral("Vimshottari Dasha"));
    balance_ = Line(this, QStringLiteral("lblDashaBalance"), 74, 8.25, true);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
    tree_->setColumnCount(5);
    tree_->setHeaderLabels({QStringLiteral("Lord"), QStringLiteral("Start"), QStringLiteral("End"),
                            QStringLiteral("Age at start"), QString()});
    tree_->setGeometry(kLeft, kBodyTop, kWidth, frmDisplay::kHeight - kBodyTop - 20);
    tree_->setUniformRowHeights(true);
    tree_->header()->setStretchLastSection(true);
    for (int c = 0; c < 4; ++c) tree_->setColumnWidth(c, c == 0 ? 190 : 160);
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item->parent() && item->childCount() == 0) AddSubPeriods(item);
    });
}

void DashaView::AddSubPeriods(QTreeWidgetItem* antardasha) {
    const QVariantList period = antardasha->data(0, kPeriodRole).toList();
    if (period.size() != 3) return;
    const DashaPeriod a{static_cast<DashaLord>(period[0].toInt()), period[1].toDouble(), period[2].toDouble()};
    const double today = readings_.TodayJd;
    for (const DashaPeriod& pr : SubPeriods(a)) {
        const bool runs = antardasha == running_[1] && today >= pr.StartJd && today < pr.EndJd;
        QTreeWidgetItem* item = PeriodItem(pr, readings_, runs);
        if (runs) running_[2] = item;
        antardasha->addChild(item);
    }
}

QTreeWidgetItem* DashaView::runningItem(int level) const { return running_.at(static_cast<std::size_t>(level)); }

void DashaView::Show(const Program& program, const Readings& r) {
    (void)program;
    readings_ = r;
    balance_->setText(QStringLiteral("Balance at birth: ") + BalanceText(r.Balance) + QStringLiteral("    ") +
                      YearLengthText(r.Periods.YearDays) + QStringLiteral("    Times in UTC") + QText(OffsetText(r.Offset)));
    tree_->clear();
    running_ = {};
    QList<QTreeWidgetItem*> top;
    for (const DashaPeriod& m : r.Periods.Mahadashas) {
        const bool mRuns = r.TodayJd >= m.StartJd && r.TodayJd < m.EndJd;
        QTreeWidgetItem* mi = PeriodItem(m, r, mRuns);
        if (mRuns) running_[0] = mi;
        for (const DashaPeriod& a : SubPeriods(m)) {
            const bool aRuns = mRuns && r.TodayJd >= a.StartJd && r.TodayJd < a.EndJd;
            QTreeWidgetItem* ai = PeriodItem(a, r, aRuns);
            // The pratyantardashas wait until their antardasha is opened, but for today's.
            ai->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            mi->addChild(ai);
            if (aRuns) {
                running_[1] = ai;
                AddSubPeriods(ai);
            }
        }
        top << mi;
    }
    tree_->addTopLevelItems(top);
    // The running mahadasha opens on its antardashas.
    if (running_[0]) running_[0]->setExpanded(true);
}

void DashaView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintHeading(painter);
    PaintLine(painter, balance_);
    // The rows open on screen, as they stand.
    std::vector<std::pair<QStringList, int>> rows;
    auto add = [&](const QTreeWidgetItem* item, int level, auto&& self) -> void {
        QStringList cells;
        for (int c = 0; c < 5; ++c) cells << item->text(c);
        rows.emplace_back(cells, level | (item->text(4).isEmpty() ? 0 : 4));
        if (item->isExpanded()) {
            for (int i = 0; i < item->childCount(); ++i) self(item->child(i), level + 1, self);
        }
    };
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) add(tree_->topLevelItem(i), 0, add);
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
    const std::vector<PanchangaRow> rows = PanchangaRows(r);
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

void PanchangaView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintHeading(painter);
    PaintLine(painter, note_);
    std::vector<std::pair<QStringList, int>> rows;
    for (int i = 0; i < table_->rowCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < 3; ++c) cells << (table_->item(i, c) ? table_->item(i, c)->text() : QString());
        rows.emplace_back(cells, 0);
    }
    PaintRows(painter, QRectF(kLeft, kBodyTop, kWidth, height() - kBodyTop - 10), rows, {0, 160, 520}, 30,
              {QStringLiteral("Item"), QStringLiteral("At birth"), QStringLiteral("Ends")});
}

}  // namespace velakor
