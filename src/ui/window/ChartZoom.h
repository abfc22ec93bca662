// The chart window's views scaled to the room the window gives them: larger in a larger
// window, smaller down to kSmallestChartScale before the client area scrolls. The views
// themselves keep their size, so the saved picture and the print are what they always were;
// a lens over each draws it at the scale.
#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace velakor {

inline constexpr double kSmallestChartScale = 0.8;

// The scale at which a view of `natural` size fills `room` keeping its proportions, never
// below kSmallestChartScale; a scale within 2% of 1 is 1 (the view as it is).
double ChartScaleFor(QSize room, QSize natural);

// Draws another widget (and its children) at a scale, as vectors: text stays sharp.
class ChartLens : public QWidget {
    Q_OBJECT
public:
    ChartLens(QWidget* source, QWidget* parent);
    void setScale(double scale);
    double scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* source_;
    double scale_ = 1.0;
};

class ChartZoom : public QObject {
    Q_OBJECT
public:
    // Watches the area's size; its sub-windows that are added hold one view each, of
    // `natural` size.
    ChartZoom(QMdiArea* area, QSize natural);
    // A sub-window whose view is drawn at the scale.
    void Add(QMdiSubWindow* window);

    double scale() const { return scale_; }
    // Redraws the lenses after the views changed.
    void Refresh();
    // Takes the scale for the area's present size.
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiArea* area_;
    QList<QMdiSubWindow*> windows_;
    QList<ChartLens*> lenses_;
    QSize natural_;
    double scale_ = 1.0;
};

}  // namespace velakor
