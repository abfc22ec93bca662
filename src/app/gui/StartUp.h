// Start-up: one running copy, then the main form.
#pragma once

#include <QString>
#include <memory>

#include "app/Program.h"

namespace velakor {

class frmMain;
class SingleInstance;

// What the program sets up before any window: its name, its icon, that it ends when the
// main form closes (not when no window is visible: the main form hides while a chart is
// shown), and a clean end on the system's termination signals.
void PrepareApplication();

// When another copy of the program is running, hands it fileToOpen when one is given (that
// copy opens it), or else tells the user so, and returns null: this copy is to end. Otherwise
// loads the main form (its lists filled), shows it, opens fileToOpen (a reading named on the
// command line) as Open would, and opens the readings that later starts hand over.
std::unique_ptr<frmMain> StartUp(Program& program, SingleInstance& instance, const QString& fileToOpen = {});

}  // namespace velakor
