#pragma once

#include "toknoglowne.h"

#include <functional>
#include <future>

namespace tablicznik {

// Reads the program's catalogue on a second thread, and loads the font
// configuration there first, while main() makes the application object and
// its connection to the display, which need neither. Call it before the
// QApplication is made; runProgram takes the result.
std::future<Catalogue> startReadingCatalogue();

// The program's run, from the catalogue to the end of the event loop: takes
// the catalogue (read here when `catalogue` holds none; a fault ends the
// program with its one box), builds and shows the main window, and turns
// SIGTERM and SIGINT into a normal close. `shown`, when given, runs once
// the window is shown (tests drive it). Returns the program's exit code.
int runProgram(WindowServices services, const std::function<void(TOknoGlowne &)> &shown = {},
               std::future<Catalogue> catalogue = {});

} // namespace tablicznik
