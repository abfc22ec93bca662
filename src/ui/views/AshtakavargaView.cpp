#include "ui/views/AshtakavargaView.h"

#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <vector>

#include "strength/Ashtakavarga.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/StrengthTable.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;

}  // namespace

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
    table_ = MakeStrengthTable(this, QStringLiteral("tblAshtakavarga"), kLeft, headers, widths, kAshtakavargaPlanets + 1);
    table_->setAccessibleName(tr("Ashtakavarga"));
    // Blank on the page (the planets' names speak for themselves), but heard with every cell.
    table_->horizontalHeaderItem(0)->setData(Qt::AccessibleTextRole, tr("Planet"));
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
    chart_->setGeometry(frmDisplay::kWidth - 40 - frmDisplay::kChartWidth, kStrengthTableTop, frmDisplay::kChartWidth,
                        frmDisplay::kChartHeight);
    chart_->SetName(QStringLiteral("Sarvashtakavarga"));
}

void AshtakavargaView::Show(const Program& program) {
    // The classical tables differ in three cells: the one counted by is named with the points.
    const AshtakavargaTable rules = program.Reading.Ashtakavarga;
    heading_.Show(program,
                  QStringLiteral("Ashtakavarga of the Rashi chart (D1) by ") + QText(AshtakavargaTableName(rules)));
    const Ashtakavarga a = ComputeAshtakavarga(program.Chart, rules);
    auto fill = [this](int row, const QString& name, const SignPoints& points, bool bold) {
        SetStrengthCell(table_, row, 0, name, true);
        for (int s = 0; s < kSignCount; ++s) SetStrengthCell(table_, row, s + 1, QString::number(points[std::size_t(s)]), bold);
        SetStrengthCell(table_, row, kSignCount + 1, QString::number(TotalPoints(points)), true);
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
    return tr("Ashtakavarga, %1").arg(ViewSources::StyleName(sources.style()));
}

void AshtakavargaView::Fill(ViewSources& sources) {
    chart_->SetStyle(sources.style());
    chart_->SetColour(sources.colour());
    Show(sources.program());
}

void AshtakavargaView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    heading_.Paint(painter);
    PaintTableGrid(painter, table_, kStrengthRowHeight);
    PaintViewLine(painter, legend_);
    painter.save();
    painter.translate(chart_->pos());
    chart_->Paint(painter);
    painter.restore();
}

}  // namespace velakor
