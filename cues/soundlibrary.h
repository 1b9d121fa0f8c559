#pragma once

#include "cueplayer.h"

#include <QStringList>

namespace tablicznik {

// Where the plugin is looked for, in order: the program's own folder (the
// build tree), then the installed library folder, found from the program's
// folder (<prefix>/bin/../lib/<arch>/tablicznik).
QStringList soundLibraryFiles();

// The program's cue players, Qt Multimedia's, live in a Qt plugin
// (libtablicznik-sound.so, sound/), which QPluginLoader loads when the first
// player is made, after the window's first frame, and never unloads: linked
// to the program, Qt Multimedia and what it brings were loaded at every start
// before the first line of main(). The loader checks that the plugin was
// built for this Qt. Without the plugin every player fails to open, so the
// cues stay silent, and the reason is noted once under "tablicznik.cues".
// The plugin is looked for in `files`, the first that loads is kept for the
// rest of the process.
CuePlayerFactory soundLibraryPlayers(const QStringList &files = soundLibraryFiles());

// At the end of the program: stops the thread the cues play on. False when
// a call into the audio library has not come back: the caller then ends the
// process without the usual teardown, which would wait on it or abort.
// True when no plugin was loaded.
bool stopSoundLibrary();

} // namespace tablicznik
