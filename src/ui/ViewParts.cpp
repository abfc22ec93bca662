#include "ui/ViewParts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTextLayout>
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

void SetLineText(QLabel* label, const QString& text, int lines) {
    const QFontMetrics metrics(label->font());
    const int width = label->width() - 2;  // a little room for the label's own rounding
    QString shown = text;
    if (lines <= 1) {
        shown = metrics.elidedText(text, Qt::ElideRight, width);
    } else {
        QTextLayout layout(text, label->font());
        layout.beginLayout();
        int lastStart = -1;
        for (int n = 0;; ++n) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(width);
            if (n == lines - 1) lastStart = line.textStart();
            if (n == lines) {
                // More lines than there is room for: the last one takes the rest, cut.
                shown = text.left(lastStart) + metrics.elidedText(text.mid(lastStart), Qt::ElideRight, width);
                break;
            }
        }
        layout.endLayout();
    }
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

}  // namespace velakor
