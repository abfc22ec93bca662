#include "ui/views/StrengthHeading.h"

#include <QLabel>
#include <QPainter>

#include "sky/Sky.h"
#include "ui/drawing/ViewParts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/views/frmDisplay.h"

namespace velakor {
namespace {

constexpr int kLeft = frmDisplay::kChartLeft;

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

}  // namespace velakor
