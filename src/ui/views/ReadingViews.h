// The chart window's reading views: the Vimshottari dasha as a tree of periods and the
// birth panchanga as a table. Each stands in the natal display's place, at its size, and
// draws itself with lines and text for the printer.
#pragma once

#include <QWidget>
#include <array>

#include "app/Program.h"
#include "ui/views/ReadingTexts.h"
#include "ui/window/ChartView.h"

class QLabel;
class QPainter;
class QTableWidget;
class QTreeView;

#include <QModelIndex>

#include "ui/views/DashaModel.h"

namespace velakor {

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

class DashaView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit DashaView(QWidget* parent = nullptr);
    void Show(const Program& program, const Readings& readings);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return QStringLiteral("Vimshottari Dasha"); }
    unsigned Inputs() const override { return kChartInput | kReadingInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QTreeView* tree() const { return tree_; }
    const DashaModel* model() const { return model_; }
    QLabel* lblBalance() const { return balance_; }

private:
    QLabel* balance_ = nullptr;
    QTreeView* tree_ = nullptr;
    DashaModel* model_ = nullptr;
};

class PanchangaView : public ReadingView, public ChartView {
    Q_OBJECT
public:
    explicit PanchangaView(QWidget* parent = nullptr);
    void Show(const Program& program, const Readings& readings);

    QWidget* page() override { return this; }
    QString Title(const ViewSources&) const override { return QStringLiteral("Panchanga"); }
    unsigned Inputs() const override { return kChartInput | kReadingInput; }
    void Fill(ViewSources& sources) override;
    void Paint(QPainter& painter) const override;

    QTableWidget* table() const { return table_; }

private:
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::vector<PanchangaRow> rows_;
};

}  // namespace velakor
