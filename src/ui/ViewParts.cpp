#include "ui/ViewParts.h"

#include <QLabel>
#include <QPalette>

#include "ui/Fonts.h"
#include "ui/frmDisplay.h"

namespace velakor {

void MakeViewPage(QWidget* w) {
    QPalette white = w->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(white);
    w->setAutoFillBackground(true);
    w->setFixedSize(frmDisplay::kWidth, frmDisplay::kHeight);
    w->setFont(VerdanaFont(8.25));
}

QLabel* ViewLine(QWidget* parent, const QString& name, QRect where, double points, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(VerdanaFont(points, bold));
    label->setGeometry(where);
    return label;
}

}  // namespace velakor
