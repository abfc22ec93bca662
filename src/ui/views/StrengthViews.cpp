#include "ui/views/StrengthViews.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <vector>

#include "chart/DivisionalCharts.h"
#include "sky/Sky.h"
#include "strength/Ashtakavarga.h"
#include "strength/VargaTable.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/drawing/Fonts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kTableTop = frmDisplay::kChartTop;
constexpr int kRowHeight = 24;
const QColor kDignified(214, 238, 214);  // own sign or exaltation
const QColor kGrid(160, 160, 160);

// A table of fixed rows and columns, laid out so that the printer can draw it where the
// screen shows it: every row and the header kRowHeight high, the columns as wide as given.
QTableWidget* MakeTable(QWidget* parent, const QString& name, int left, const QStringList& headers,
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
    table->horizontalHeader()->setFixedHeight(kRowHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    int width = 0;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        table->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        width += widths[static_cast<std::size_t>(c)];
    }
    for (int r = 0; r < rows; ++r) table->setRowHeight(r, kRowHeight);
    table->setGeometry(left, kTableTop, width + 1, kRowHeight * (rows + 1) + 1);
    return table;
}

QTableWidgetItem* SetCell(QTableWidget* table, int row, int column, const QString& text, bool bold = false,
                          const QColor& background = QColor()) {
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

// A point size means something else on a printer; the views are laid out in screen pixels.
QFont InPixels(QFont font) {
    if (font.pixelSize() <= 0) font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    return font;
}


// The table as it stands on screen: header, cells with their shading and weight, grid.
void PaintTable(QPainter& painter, const QTableWidget* table) {
    const QPoint origin = table->geometry().topLeft();
    const QFont plain = InPixels(table->font());
    QFont bold = plain;
    bold.setBold(true);
    std::vector<int> lefts{0};
    for (int c = 0; c < table->columnCount(); ++c) lefts.push_back(lefts.back() + table->columnWidth(c));
    const int width = lefts.back();
    const int height = kRowHeight * (table->rowCount() + 1);
    painter.save();
    painter.translate(origin);
    painter.fillRect(QRect(0, 0, width, kRowHeight), QColor(236, 236, 236));
    painter.setPen(Qt::black);
    painter.setFont(bold);
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* header = table->horizontalHeaderItem(c);
        painter.drawText(QRect(lefts[std::size_t(c)], 0, table->columnWidth(c), kRowHeight), Qt::AlignCenter,
                         header ? header->text() : QString());
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const int top = kRowHeight * (r + 1);
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            if (!item) continue;
            const QRect cell(lefts[std::size_t(c)], top, table->columnWidth(c), kRowHeight);
            if (item->background().style() != Qt::NoBrush) painter.fillRect(cell, item->background());
            painter.setFont(item->font().bold() ? bold : plain);
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(4, 0, -4, 0), item->textAlignment(), item->text());
        }
    }
    painter.setPen(QPen(kGrid, 1.0));
    for (int r = 0; r <= table->rowCount() + 1; ++r) painter.drawLine(0, kRowHeight * r, width, kRowHeight * r);
    for (int x : lefts) painter.drawLine(x, 0, x, height);
    painter.restore();
}

}  // namespace

StrengthHeading::StrengthHeading(QLabel* title, QLabel* birth, QLabel* sky, const QString& prefix)
    : title_(title), birth_(birth), sky_(sky) {
    const int width = frmDisplay::kWidth - 2 * kLeft;
    title_->setObjectName(QStringLiteral("lbl%1Title").arg(prefix));
    title_->setGeometry(kLeft, 16, width, 24);
    // Two lines for the birth when a long name or place needs them.
    birth_->setObjectName(QStringLiteral("lbl%1Birth").arg(prefix));
    birth_->setGeometry(kLeft, 44, width, 34);
    birth_->setWordWrap(true);
    birth_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sky_->setObjectName(QStringLiteral("lbl%1Sky").arg(prefix));
    sky_->setGeometry(kLeft, 80, width, 20);
}

void StrengthHeading::Show(const Program& program, const QString& title) {
    title_->setText(title);
    SetLineText(birth_, BirthLineText(program.Birth), 2);
    sky_->setText(QStringLiteral("Positions: ") + QString::fromStdString(DescribeSky(program.SkyInUse)));
}

void StrengthHeading::Paint(QPainter& painter) const {
    for (const QLabel* label : {title_, birth_, sky_}) PaintViewLine(painter, label);
}

VargasView::VargasView(QWidget* parent) : ReadingView(parent), heading_(title_, who_, born_, QStringLiteral("Vargas")) {
    MakeViewPage(this);
    QStringList headers{QString()};
    std::vector<int> widths{100};
    for (const Division& v : kVargas) {
        headers << QText(v.Key);
        widths.push_back(35);
    }
    headers << QStringLiteral("Vargottama") << QStringLiteral("Own/Exalted");
    widths.push_back(80);
    widths.push_back(82);
    table_ = MakeTable(this, QStringLiteral("tblVargas"), kLeft, headers, widths, kDivisionalPoints);
    legend_ = ViewLine(this, QStringLiteral("lblVargasLegend"),
                   QRect(kLeft, table_->geometry().bottom() + 14, frmDisplay::kWidth - 2 * kLeft, 60), 8.25, false);
    legend_->setWordWrap(true);
    legend_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legend_->setText(QStringLiteral(
        "The sign of each body and of the ascendant in the sixteen vargas. Vargottama: the same sign in "
        "D1 and D9 (both in bold). Shaded: the body in its own sign or its exaltation; the last column "
        "counts those vargas."));
}

void VargasView::Show(const Program& program) {
    heading_.Show(program, QStringLiteral("Vargas: the sixteen divisional charts"));
    const VargaTable t = ComputeVargaTable(program.Chart);
    constexpr int kRashi = VargaIndex(1), kNavamsa = VargaIndex(9);
    for (int i = 0; i < kDivisionalPoints; ++i) {
        const auto point = static_cast<std::size_t>(i);
        const Body body = static_cast<Body>(i);
        const bool ascendant = body == Body::Ascendant;
        SetCell(table_, i, 0, QText(EnglishName(body)), true);
        for (int v = 0; v < kVargaCount; ++v) {
            const Sign s = t.Signs[static_cast<std::size_t>(v)][point];
            const bool dignified = !ascendant && (IsExalted(body, s) || IsOwnSign(body, s));
            const bool mark = t.Vargottama[point] && (v == kRashi || v == kNavamsa);
            SetCell(table_, i, v + 1, QText(SignAbbrev(s)), mark, dignified ? kDignified : QColor());
        }
        SetCell(table_, i, kVargaCount + 1, t.Vargottama[point] ? QStringLiteral("yes") : QString(), true);
        SetCell(table_, i, kVargaCount + 2, ascendant ? QString() : QString::number(t.Dignified[point]));
    }
}

void VargasView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    heading_.Paint(painter);
    PaintTable(painter, table_);
    PaintViewLine(painter, legend_);
}

AshtakavargaView::AshtakavargaView(QWidget* parent) : ReadingView(parent), heading_(title_, who_, born_, QStringLiteral("Ashtakavarga")) {
    MakeViewPage(this);
    QStringList headers{QString()};
    std::vector<int> widths{68};
    for (int s = 0; s < kSignCount; ++s) {
        headers << QText(SignAbbrev(SignFromIndex(s)));
        widths.push_back(29);
    }
    headers << QStringLiteral("Total");
    widths.push_back(50);
    table_ = MakeTable(this, QStringLiteral("tblAshtakavarga"), kLeft, headers, widths, kAshtakavargaPlanets + 1);
    legend_ = ViewLine(this, QStringLiteral("lblAshtakavargaLegend"),
                   QRect(kLeft, table_->geometry().bottom() + 14, table_->width(), 90), 8.25, false);
    legend_->setWordWrap(true);
    legend_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legend_->setText(QStringLiteral(
        "Each planet's benefic points in each sign, given by the seven planets and the lagna counted "
        "from their own signs. Sarva: the seven rows added up, the lagna's points counted in each "
        "row; 337 in all. The chart shows the Sarva points of each sign in its house."));

    chart_ = new ChartCanvas(this);
    chart_->setObjectName(QStringLiteral("picAshtakavarga"));
    chart_->setGeometry(frmDisplay::kWidth - 40 - frmDisplay::kChartWidth, kTableTop, frmDisplay::kChartWidth,
                        frmDisplay::kChartHeight);
    chart_->SetName(QStringLiteral("Sarvashtakavarga"));
}

void AshtakavargaView::Show(const Program& program) {
    heading_.Show(program, QStringLiteral("Ashtakavarga of the Rashi chart (D1)"));
    const Ashtakavarga a = ComputeAshtakavarga(program.Chart);
    auto fill = [this](int row, const QString& name, const SignPoints& points, bool bold) {
        SetCell(table_, row, 0, name, true);
        for (int s = 0; s < kSignCount; ++s) SetCell(table_, row, s + 1, QString::number(points[std::size_t(s)]), bold);
        SetCell(table_, row, kSignCount + 1, QString::number(TotalPoints(points)), true);
    };
    for (int p = 0; p < kAshtakavargaPlanets; ++p)
        fill(p, QText(EnglishName(kAshtakavargaBodies[std::size_t(p)])), a.Bhinna[std::size_t(p)], false);
    fill(kAshtakavargaPlanets, QStringLiteral("Sarva"), a.Sarva, true);

    // Houses counted from the lagna's sign, each with its sign's points; the lagna's house
    // says so, as the South Indian chart does not show it otherwise.
    const Sign lagna = program.Chart[Body::Ascendant].Rashi;
    for (int h = 0; h < kHouseCount; ++h) {
        const Sign s = SignAdd(lagna, h);
        const QString points = QString::number(a.Sarva[static_cast<std::size_t>(SignIndex(s))]);
        // Points, not bodies: every line in the text's colour.
        chart_->SetHouse(h, SignNumber(s), h == 0 ? QStringLiteral("Asc\r\n") + points : points, {});
    }
}

QString AshtakavargaView::Title(const ViewSources& sources) const {
    return QStringLiteral("Ashtakavarga, ") + ViewSources::StyleName(sources.style());
}

void AshtakavargaView::Fill(ViewSources& sources) {
    chart_->SetStyle(sources.style());
    chart_->SetColour(sources.colour());
    Show(sources.program());
}

void AshtakavargaView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    heading_.Paint(painter);
    PaintTable(painter, table_);
    PaintViewLine(painter, legend_);
    painter.save();
    painter.translate(chart_->pos());
    chart_->Paint(painter);
    painter.restore();
}

}  // namespace velakor
