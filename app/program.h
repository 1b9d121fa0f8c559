#pragma once

#include "toknoglowne.h"
#include "zoomrestart.h"

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
// Every window is kept on its screen. With a view `carried` from the run
// before, the window shows it, without the first-run window; without one,
// a zoom at which the window does not fit its screen starts the program
// again at the largest that fits, the stored zoom unchanged.
int runProgram(WindowServices services, const std::function<void(TOknoGlowne &)> &shown = {},
               std::future<Catalogue> catalogue = {}, std::optional<CarriedView> carried = {});

} // namespace tablicznik
