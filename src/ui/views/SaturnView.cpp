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
    PlaceTransitHeading(title_, who_, QStringLiteral("lblSaturn"), QStringLiteral("Saturn's Periods"));
    note_ = ViewLine(this, QStringLiteral("lblSaturnNote"), QRect(kTransitMargin, 34, width, 40), 8.25, false);
    note_->setWordWrap(true);
    table_ = MakeTransitTable(this, QStringLiteral("tblSaturn"),
                              {QStringLiteral("Phase"), QStringLiteral("Sign"), QStringLiteral("Saturn enters"),
                               QStringLiteral("Saturn leaves"), QString()});
    table_->setAccessibleName(tr("Saturn's periods"));
    // The running period's mark has no heading on the page; a screen reader hears one.
    table_->horizontalHeaderItem(4)->setData(Qt::AccessibleTextRole, tr("Running now"));
    table_->setGeometry(kTransitMargin, 80, width, frmDisplay::kHeight - 90);
    const int widths[] = {220, 130, 170, 170};
    for (int c = 0; c < 4; ++c) table_->setColumnWidth(c, widths[c]);
}

void SaturnView::Show(const Program& program, const TransitReading& r) {
    SetLineText(who_, BirthLineText(program.Birth));
    running_ = r.RunningSaturn;
    note_->setText(QStringLiteral("Saturn in the 12th, 1st and 2nd signs from the natal Moon's sign (%1), and in its "
                                  "4th and 8th, from the birth to a century after it; each return of a retrograde "
                                  "Saturn is a row of its own. Positions: %2. Times in UTC%3.")
                       .arg(QText(SignSanskritName(program.Chart[Body::Moon].Rashi)), r.Sky, QText(OffsetText(r.Offset))));
    table_->setRowCount(static_cast<int>(r.Saturn.size()));
    for (int i = 0; i < static_cast<int>(r.Saturn.size()); ++i) {
        const SaturnPeriod& s = r.Saturn[static_cast<std::size_t>(i)];
        const bool running = i == r.RunningSaturn;
        SetTransitRow(table_, i,
                      {PhaseText(s.Phase), QText(SignSanskritName(s.Rashi)),
                       s.StartJd ? BirthClockText(*s.StartJd, r.Offset) : QStringLiteral("before 1900"),
                       s.EndJd ? BirthClockText(*s.EndJd, r.Offset) : QStringLiteral("after 2150"), running ? kMark : QString()},
                      running);
        table_->setRowHeight(i, 22);
    }
    if (r.RunningSaturn >= 0) {
        // Laid out now, not at the next event loop, so that the scroll lands before any paint.
        table_->doItemsLayout();
        table_->scrollToItem(table_->item(r.RunningSaturn, 0), QAbstractItemView::PositionAtCenter);
    }
}

void SaturnView::Paint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    PaintViewLine(painter, title_);
    PaintViewLine(painter, who_);
    PaintViewLine(painter, note_);
    const QRectF room(kTransitMargin, 80, frmDisplay::kWidth - 2 * kTransitMargin, height() - 90);
    const double rowHeight = std::min(22.0, room.height() / static_cast<double>(table_->rowCount() + 1));
    PaintTableRows(painter, *table_, room, {0, 220, 350, 520, 690}, rowHeight, running_);
}

}  // namespace velakor
