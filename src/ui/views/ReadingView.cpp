#include "ui/views/ReadingView.h"

#include <QLabel>
#include <QPainter>

#include "chart/NameTables.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ViewSources.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;
constexpr int kWidth = frmDisplay::kWidth - 2 * frmDisplay::kChartLeft;

QLabel* Line(QWidget* parent, const QString& name, int top, double points, bool bold) {
    return ViewLine(parent, name, QRect(kLeft, top, kWidth, 24), points, bold);
}

}  // namespace

ReadingView::ReadingView(QWidget* parent) : QWidget(parent) {
    MakeViewPage(this);
    title_ = Line(this, QStringLiteral("lblReadingTitle"), 10, 12, true);
    who_ = Line(this, QStringLiteral("lblReadingWho"), 38, 8.25, true);
    born_ = Line(this, QStringLiteral("lblReadingBorn"), 56, 8.25, false);
}

void ReadingView::SetHeading(const QString& title, const QString& who, const QString& born) {
    title_->setText(title);
    SetLineText(who_, who);
    SetLineText(born_, born);
}

void ReadingView::SetHeadingFor(const ViewSources& sources, const QString& title) {
    const BirthRecord& b = sources.program().Birth;
    const QString zone = b.ZoneIndex >= 0 && b.ZoneIndex < kZoneCount ? QText(Zone(b.ZoneIndex).Name) : QString();
    SetHeading(sources.WithSky(title), WhoAndWhereText(b), BornText(b, zone));
}

void ReadingView::PaintHeading(QPainter& painter) const {
    for (const QLabel* line : {title_, who_, born_}) PaintViewLine(painter, line);
}

}  // namespace velakor
