#include "ui/views/VargasView.h"

#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <vector>

#include "chart/DivisionalCharts.h"
#include "strength/VargaTable.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/StrengthTable.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
const QColor kDignified(214, 238, 214);  // own sign or exaltation

}  // namespace

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
    table_ = MakeStrengthTable(this, QStringLiteral("tblVargas"), kLeft, headers, widths, kDivisionalPoints);
    table_->setAccessibleName(tr("Vargas"));
    // The page leaves the first heading blank, the body names speaking for themselves; a
    // screen reader announces a heading with every cell, so it hears one.
    table_->horizontalHeaderItem(0)->setData(Qt::AccessibleTextRole, tr("Body"));
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
        SetStrengthCell(table_, i, 0, QText(EnglishName(body)), true);
        for (int v = 0; v < kVargaCount; ++v) {
            const Sign s = t.Signs[static_cast<std::size_t>(v)][point];
            const bool dignified = !ascendant && (IsExalted(body, s) || IsOwnSign(body, s));
            const bool mark = t.Vargottama[point] && (v == kRashi || v == kNavamsa);
            SetStrengthCell(table_, i, v + 1, QText(SignAbbrev(s)), mark, dignified ? kDignified : QColor());
        }
        SetStrengthCell(table_, i, kVargaCount + 1, t.Vargottama[point] ? QStringLiteral("yes") : QString(), true);
        SetStrengthCell(table_, i, kVargaCount + 2, ascendant ? QString() : QString::number(t.Dignified[point]));
    }
}

void VargasView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    heading_.Paint(painter);
    PaintTableGrid(painter, table_, kStrengthRowHeight);
    PaintViewLine(painter, legend_);
}

}  // namespace velakor
