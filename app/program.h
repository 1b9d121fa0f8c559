#pragma once

#include "toknoglowne.h"

#include <functional>

namespace tablicznik {

// The program's run, from the catalogue to the end of the event loop: loads
// the catalogue (a fault ends the program with its one box), builds and
// shows the main window, and turns SIGTERM and SIGINT into a normal close.
// `shown`, when given, runs once the window is shown (tests drive it).
// Returns the program's exit code.
int runProgram(WindowServices services, const std::function<void(TOknoGlowne &)> &shown = {});

} // namespace tablicznik
