#include "ui/views/MatchingView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

#include "ui/drawing/Fonts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kWidth = frmDisplay::kWidth - 2 * frmDisplay::kChartLeft;
constexpr int kTableTop = 134;
constexpr int kHeaderHeight = 25;
// Two lines of the table's font, for the notes that need them.
constexpr int kRowHeight = 30;
constexpr int kColumns = 6;
// Where each column begins, from the table's left edge: kuta, bride, groom, points, maximum, note.
constexpr std::array<int, kColumns> kColumnLefts{0, 110, 240, 370, 430, 490};
const QColor kNothing(255, 228, 225);  // a kuta that gave no points

QLabel* Line(QWidget* parent, const QString& name, int top, double points, bool bold) {
    return ViewLine(parent, name, QRect(kLeft, top, kWidth, 20), points, bold);
}

// "Moon in Cancer, Pushya pada 2".
QString MoonText(const Chart& c) {
    const BodyPosition& moon = c[Body::Moon];
    return QStringLiteral("Moon in %1, %2 pada %3")
        .arg(QText(SignEnglishName(moon.Rashi)), QText(NakshatraName(moon.Star)))
        .arg(moon.Pada);
}

// What a kuta looked at in one partner's chart.
QString ValueText(const KutaScore& s, int value) {
    if (s.Which == Kuta::Tara) return QText(NakshatraName(static_cast<Nakshatra>(value)));
    if (s.Which == Kuta::Bhakoot) return QText(SignEnglishName(SignFromIndex(value)));
    return QText(KutaValueName(s.Which, value));
}

// "Manglik: Mars in the 2nd house from the lagna; 7th from the Moon (Manglik from the Moon
// as well); 11th from Venus".
QString MarsText(const QString& who, const MarsCheck& m) {
    auto from = [](int house, const char* point) {
        QString text = QText(Ordinal(house)) + QStringLiteral(" from ") + QLatin1String(point);
        if (IsMarsHouse(house)) text += QStringLiteral(" (Manglik from there)");
        return text;
    };
    return who + (m.Manglik ? QStringLiteral(": Manglik. ") : QStringLiteral(": not Manglik. ")) +
           QStringLiteral("Mars in the ") + QText(Ordinal(m.FromLagna)) + QStringLiteral(" house from the lagna; ") +
           from(m.FromMoon, "the Moon") + QStringLiteral("; ") + from(m.FromVenus, "Venus") + QLatin1Char('.');
}

}  // namespace

// The kutas' column headers in the interface's language.
QStringList MatchingView::Headers() {
    return {tr("Kuta"), tr("Bride"), tr("Groom"), tr("Points"), tr("Out of"), tr("Why")};
}

MatchingView::MatchingView(QWidget* parent) : ReadingView(parent) {
    MakeViewPage(this);

    // The inherited heading's title, placed for this page.
    title_->setObjectName(QStringLiteral("lblMatchingTitle"));
    title_->setGeometry(kLeft, 10, kWidth, 26);
    // A partner's line takes two lines when a long name or place needs them.
    bride_ = Line(this, QStringLiteral("lblMatchingBride"), 40, 8.25, false);
    groom_ = Line(this, QStringLiteral("lblMatchingGroom"), 74, 8.25, false);
    for (QLabel* partner : {bride_, groom_}) {
        partner->setWordWrap(true);
        partner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        partner->resize(kWidth, 32);
    }
    sky_ = Line(this, QStringLiteral("lblMatchingSky"), 108, 8.25, false);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("tblKutas"));
    table_->setAccessibleName(tr("Kutas"));
    table_->setColumnCount(kColumns);
    table_->setHorizontalHeaderLabels(Headers());
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setFixedHeight(kHeaderHeight);
    table_->setWordWrap(true);
    table_->setGeometry(kLeft, kTableTop, kWidth, kHeaderHeight + kRowHeight * kKutaCount + 2);
    for (int c = 0; c + 1 < kColumns; ++c) table_->setColumnWidth(c, kColumnLefts[c + 1] - kColumnLefts[c]);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setRowCount(kKutaCount);
    for (int r = 0; r < kKutaCount; ++r) table_->setRowHeight(r, kRowHeight);

    const int below = kTableTop + kHeaderHeight + kRowHeight * kKutaCount + 12;
    total_ = Line(this, QStringLiteral("lblMatchingTotal"), below, 10, true);
    total_->setGeometry(kLeft, below, kWidth, 24);
    marsTitle_ = Line(this, QStringLiteral("lblMarsTitle"), below + 34, 8.25, true);
    marsTitle_->setText(QStringLiteral("Mars (Manglik) check: Mars counted from the lagna, the Moon and Venus"));
    marsBride_ = Line(this, QStringLiteral("lblMarsBride"), below + 54, 8.25, false);
    marsGroom_ = Line(this, QStringLiteral("lblMarsGroom"), below + 74, 8.25, false);
    marsConclusion_ = Line(this, QStringLiteral("lblMarsConclusion"), below + 94, 8.25, true);
    note_ = Line(this, QStringLiteral("lblMatchingNote"), below + 118, 7, false);
    note_->setText(QStringLiteral("The exceptions named beside a kuta do not change its points. The tables and the "
                                  "readings not followed are in the user guide."));
}

void MatchingView::Fill(ViewSources& sources) {
    if (!sources.partner()) return;
    const Program& program = sources.program();
    Program other;
    other.SkyInUse = program.SkyInUse;
    RunCalculation(other, *sources.partner());
    const Partner self{program.Birth, program.Chart};
    const Partner them{other.Birth, other.Chart};
    const bool bride = sources.partnerIsBride();
    Show(bride ? them : self, bride ? self : them, program.SkyInUse);
}

void MatchingView::Show(const Partner& bride, const Partner& groom, const SkyChoice& sky) {
    title_->setText(tr("Ashtakoota Matching"));
    table_->setHorizontalHeaderLabels(Headers());
    match_ = MatchCharts(bride.Chart, groom.Chart);
    SetLineText(bride_, QStringLiteral("Bride: ") + BirthLineText(bride.Birth) + QStringLiteral(". ") + MoonText(bride.Chart), 2);
    SetLineText(groom_, QStringLiteral("Groom: ") + BirthLineText(groom.Birth) + QStringLiteral(". ") + MoonText(groom.Chart), 2);
    sky_->setText(QStringLiteral("Positions: ") + QText(DescribeSky(sky)));
    for (int r = 0; r < kKutaCount; ++r) {
        const KutaScore& s = match_.Kutas[static_cast<std::size_t>(r)];
        const QStringList cells{QText(KutaName(s.Which)),          ValueText(s, s.Bride),
                                ValueText(s, s.Groom),         QText(PointsText(s.Points)),
                                QText(PointsText(KutaMaximum(s.Which))), QText(KutaNote(match_, s.Which))};
        for (int c = 0; c < kColumns; ++c) {
            auto* cell = new QTableWidgetItem(cells[c]);
            if (c == 0) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            if (c == 3 || c == 4) cell->setTextAlignment(Qt::AlignCenter);
            if (s.Points == 0.0) cell->setBackground(kNothing);
            cell->setToolTip(cells[c]);
            table_->setItem(r, c, cell);
        }
    }
    total_->setText(QStringLiteral("Total: ") + QText(TotalInWords(match_.Total)));
    marsBride_->setText(MarsText(QStringLiteral("Bride"), match_.Bride));
    marsGroom_->setText(MarsText(QStringLiteral("Groom"), match_.Groom));
    marsConclusion_->setText(QText(MarsConclusion(match_)));
}

QList<QLabel*> MatchingView::Lines() const {
    return {title_, bride_, groom_, sky_, total_, marsTitle_, marsBride_, marsGroom_, marsConclusion_, note_};
}

void MatchingView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    for (const QLabel* line : Lines()) PaintViewLine(painter, line);
    painter.setPen(Qt::black);
    // The table as rows of text between lines, the kutas that gave nothing shaded.
    QFont font = VerdanaFont(8.25);
    font.setPixelSize(11);
    QFont bold = font;
    bold.setBold(true);
    const double left = table_->x();
    const double right = left + table_->width();
    double y = table_->y();
    auto rule = [&](double at) { painter.drawLine(QPointF(left, at), QPointF(right, at)); };
    painter.setFont(bold);
    for (int c = 0; c < kColumns; ++c) {
        painter.drawText(QRectF(left + kColumnLefts[c] + 4, y, 400, kHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         table_->horizontalHeaderItem(c)->text());
    }
    y += kHeaderHeight;
    rule(y);
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (match_.Kutas[static_cast<std::size_t>(r)].Points == 0.0)
            painter.fillRect(QRectF(left, y, right - left, kRowHeight), kNothing);
        for (int c = 0; c < kColumns; ++c) {
            const QTableWidgetItem* cell = table_->item(r, c);
            painter.setFont(c == 0 ? bold : font);
            const double width = (c + 1 < kColumns ? kColumnLefts[c + 1] : right - left) - kColumnLefts[c] - 4;
            painter.drawText(QRectF(left + kColumnLefts[c] + 4, y, width, kRowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, cell ? cell->text() : QString());
        }
        y += kRowHeight;
        rule(y);
    }
}

}  // namespace velakor
