// The heading of the strength views (the vargas and the ashtakavarga): what the view shows
// of which chart, the birth, the sky, each on a line of its own and drawn for the printer
// where it stands.
#pragma once

#include <QString>

#include "app/Program.h"

class QLabel;
class QPainter;

namespace velakor {

// The three lines at the head of a strength view: what it shows of which chart, the birth,
// the sky. They are the view's inherited heading labels, placed and named for it.
class StrengthHeading {
public:
    StrengthHeading(QLabel* title, QLabel* birth, QLabel* sky, const QString& prefix);
    void Show(const Program& program, const QString& title);
    void Paint(QPainter& painter) const;
    QLabel* title() const { return title_; }
    QLabel* birth() const { return birth_; }
    QLabel* sky() const { return sky_; }

private:
    QLabel* title_ = nullptr;
    QLabel* birth_ = nullptr;
    QLabel* sky_ = nullptr;
};

}  // namespace velakor
