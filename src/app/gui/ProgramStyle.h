// The program's widget style: the desktop's own, with its standard pictures read only when
// they are first drawn.
#pragma once

#include <QProxyStyle>

namespace velakor {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    // The overflow buttons of menu bars and toolbars get their pictures when they are first
    // drawn: every menu bar and toolbar makes one, but it only shows in a window too narrow
    // for its entries, and reading its pictures at once cost about a tenth of the start.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace velakor
