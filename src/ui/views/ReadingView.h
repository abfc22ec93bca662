// The base of the chart window's reading pages: a page that paints its own contents for the
// printer, under the heading every reading page has (what it is and from which sky, whose
// chart, and when and where).
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPainter;

namespace velakor {

class ViewSources;

// A view that paints its own contents for the printer (its child widgets are not drawn).
// Its heading says, as every page and picture does, what it is and from which sky, whose
// chart, and when and where.
class ReadingView : public QWidget {
    Q_OBJECT
public:
    explicit ReadingView(QWidget* parent = nullptr);
    virtual void Paint(QPainter& painter) const = 0;

    // The view's name with the sky ("Panchanga — Built-in formulas, ..."), the person and
    // place, and the birth's date, clock and zone.
    void SetHeading(const QString& title, const QString& who, const QString& born);
    // The heading of a view titled title: the title with the sky, the person and place, the
    // birth's date, clock and zone.
    void SetHeadingFor(const ViewSources& sources, const QString& title);
    QLabel* lblTitle() const { return title_; }

protected:
    // Draws the heading's lines where they stand on screen.
    void PaintHeading(QPainter& painter) const;

    static constexpr int kBodyTop = 100;  // where the view's own lines begin

    QLabel* title_ = nullptr;
    QLabel* who_ = nullptr;
    QLabel* born_ = nullptr;
};

}  // namespace velakor
