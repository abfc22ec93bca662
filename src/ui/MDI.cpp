// Placeholder until the chart window is built.
#include "ui/MDI.h"

namespace velakor {

MDI::MDI(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
}

MDI::~MDI() = default;

void MDI::WriteChart() {}

}  // namespace velakor
