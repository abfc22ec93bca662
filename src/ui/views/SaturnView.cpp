#include "ui/views/SaturnView.h"

#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>

#include "astro/CivilTime.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/TransitParts.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

const QString kMark = QStringLiteral("\u25C0 at the moment");
constexpr int kTableTop = 104;
constexpr int kRowHeight = 22;
constexpr int kColumnLefts[] = {0, 220, 350, 520, 690};

QString PhaseText(SaturnPhase p) {
    switch (p) {
        case SaturnPhase::Rising: return QStringLiteral("Rising (sade sati, 12th)");
        case SaturnPhase::Peak: return QStringLiteral("Peak (sade sati, 1st)");
        case SaturnPhase::Setting: return QStringLiteral("Setting (sade sati, 2nd)");
        case SaturnPhase::Kantaka: return QStringLiteral("Kantaka (4th)");
        case SaturnPhase::Ashtama: return QStringLiteral("Ashtama (8th)");
    }
    return {};
}

}  // namespace

SaturnView::SaturnView(QWidget* parent) : ReadingView(parent) {
    MakeViewPage(this);
    const int width = frmDisplay::kWidth - 2 * kTransitMargin;
    PlaceTransitHeading(title_, who_, QStringLiteral("lblSaturn"), tr("Saturn's Periods"));
    note_ = ViewLine(this, QStringLiteral("lblSaturnNote"), QRect(kTransitMargin, 34, width, 40), 8.25, false);
    note_->setWordWrap(true);
    table_ = MakeTransitTable(this, QStringLiteral("tblSaturn"), Headers());
    table_->setAccessibleName(tr("Saturn's periods"));
    // The running period's mark has no heading on the page; a screen reader hears one.
    table_->horizontalHeaderItem(4)->setData(Qt::AccessibleTextRole, tr("Running now"));
    sadeSati_ = ViewLine(this, QStringLiteral("lblSaturnSadeSati"), QRect(kTransitMargin, 78, width, 20), 8.25, true);
    table_->setGeometry(kTransitMargin, kTableTop, width, frmDisplay::kHeight - kTableTop - 10);
    const int widths[] = {220, 130, 170, 170};
    for (int c = 0; c < 4; ++c) table_->setColumnWidth(c, widths[c]);
}

QStringList SaturnView::Headers() {
    return {tr("Phase"), tr("Sign"), tr("Saturn enters"), tr("Saturn leaves"), QString()};
}

void SaturnView::Show(const Program& program, const TransitReading& r) {
    title_->setText(tr("Saturn's Periods"));
    table_->setHorizontalHeaderLabels(Headers());
    SetLineText(who_, BirthLineText(program.Birth));
    running_ = r.RunningSaturn;
    note_->setText(QStringLiteral("Saturn in the 12th, 1st and 2nd signs from the natal Moon's sign (%1), and in its "
                                  "4th and 8th, from the birth to a century after it; each return of a retrograde "
                                  "Saturn is a row of its own. Positions: %2. Times in UTC%3.")
                       .arg(QText(SignSanskritName(program.Chart[Body::Moon].Rashi)), r.Sky, QText(OffsetText(r.Offset))));
    sadeSati_->setText(SadeSatiText(r));
    table_->setRowCount(static_cast<int>(r.Saturn.size()));
    for (int i = 0; i < static_cast<int>(r.Saturn.size()); ++i) {
        const SaturnPeriod& s = r.Saturn[static_cast<std::size_t>(i)];
        const bool running = i == r.RunningSaturn;
        SetTransitRow(table_, i,
                      {PhaseText(s.Phase), QText(SignSanskritName(s.Rashi)),
                       s.StartJd ? BirthClockText(*s.StartJd, r.Offset) : QStringLiteral("before 1900"),
                       s.EndJd ? BirthClockText(*s.EndJd, r.Offset) : QStringLiteral("after 2150"), running ? kMark : QString()},
                      running);
        table_->setRowHeight(i, kRowHeight);
    }
    if (r.RunningSaturn >= 0) {
        // Laid out now, not at the next event loop, so that the scroll lands before any paint.
        table_->doItemsLayout();
        table_->scrollToItem(table_->item(r.RunningSaturn, 0), QAbstractItemView::PositionAtCenter);
    }
}

void SaturnView::Paint(QPainter& painter) const { PaintRowsOf(painter, 0, RowsPerPage()); }

int SaturnView::RowsPerPage() const { return std::max(1, (height() - kTableTop - 10) / kRowHeight - 1); }

int SaturnView::PrintedPages() const {
    return std::max(1, (table_->rowCount() + RowsPerPage() - 1) / RowsPerPage());
}

void SaturnView::PaintPrintedPage(QPainter& painter, int index) {
    PaintRowsOf(painter, index * RowsPerPage(), RowsPerPage());
}

void SaturnView::PaintRowsOf(QPainter& painter, int first, int count) const {
    painter.fillRect(rect(), Qt::white);
    PaintViewLine(painter, title_);
    PaintViewLine(painter, who_);
    PaintViewLine(painter, note_);
    PaintViewLine(painter, sadeSati_);
    const QRectF room(kTransitMargin, kTableTop, frmDisplay::kWidth - 2 * kTransitMargin, height() - kTableTop - 10);
    PaintTableRows(painter, *table_, room, std::vector<double>(std::begin(kColumnLefts), std::end(kColumnLefts)),
                   kRowHeight, running_, first, count);
}

}  // namespace velakor
