// The chart window: a frame (toolbar, heading band, client area, button band) holding the
// one frameless chart display frmDisplay.
#pragma once

#include <QMainWindow>

#include "app/Program.h"

class QMdiArea;

namespace velakor {

class frmDisplay;

class MDI : public QMainWindow {
    Q_OBJECT
public:
    // Creates the frame and its chart display. The display composes the birth details
    // from the birth record, which the calculation has already filled.
    explicit MDI(Program& program, QWidget* parent = nullptr);
    ~MDI() override;

    frmDisplay* display() const { return display_; }

    // Writes every caption the calculation command fills: the summary cells, the planet
    // table and the sign number and planets of each house.
    void WriteChart();

signals:
    // Back or New: the frame closes itself (it is deleted on close); the main form shows.
    void mainFormRequested();
    // Exit, or the close box: the program ends.
    void exitRequested();

private:
    Program& program_;
    QMdiArea* area_ = nullptr;
    frmDisplay* display_ = nullptr;
};

}  // namespace velakor
