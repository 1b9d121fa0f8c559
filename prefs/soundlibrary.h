#pragma once

#include "cueplayer.h"

#include <QStringList>

namespace tablicznik {

// The program's cue players, Qt Multimedia's, live in the sound library
// (libtablicznik-sound.so), which is loaded when the first player is made,
// after the window's first frame, and never unloaded: linked to the
// program, Qt Multimedia and what it brings were loaded at every start
// before the first line of main(). A program that links the library itself
// (the tests) uses it as it is. Without the library every player fails to
// open, so the cues stay silent, and the reason is noted once under
// "tablicznik.cues".
CuePlayerFactory soundLibraryPlayers();

// Where the library is looked for, in order: the program's own folder (the
// build tree), then the installed library folder, found from the program's
// folder (<prefix>/bin/../lib/<arch>/tablicznik).
QStringList soundLibraryFiles();

} // namespace tablicznik
