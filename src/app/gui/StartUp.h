// Start-up: one running copy, then the main form.
#pragma once

#include <memory>

#include "app/Program.h"

namespace velakor {

class frmMain;
class SingleInstance;

// When another copy of the program is running, tells the user so and returns null: this
// copy is to end. Otherwise loads the main form (its lists filled) and shows it.
std::unique_ptr<frmMain> StartUp(Program& program, SingleInstance& instance);

}  // namespace velakor
