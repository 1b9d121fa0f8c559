#pragma once

#include <QString>

#include <functional>

namespace tablicznik {

// The four preferences as run-time flags, the naming of elements 104 ... 112
// and the zoom of every window in per cent. The flags stay false until the
// settings are read.
struct Preferences {
    bool PlaySounds = false;
    bool ShowTime = false;
    bool ShowAVI = false;
    bool ShowHelp = false;
    bool NazwyIUPAC = false; // today's names in place of the systematic ones; off by default
    int Skala = 100;
    bool WyrazneKolory = false; // the colour maps' readable look; off by default

    static Preferences defaults() { return {true, true, true, true}; }
    friend bool operator==(const Preferences &, const Preferences &) = default;
};

// The stored settings: the user's own native store QSettings(kOrganisation
// of data/appinfo.h, "Tablicznik"), group "2.00", five integer values, 1 for true and 0 for
// false. A value that is missing or is not an integer gets its default.
//
// A store that cannot be read gives the defaults and is not written; one that
// cannot be written leaves the flags as they are. Both are reported on
// standard error, and a write never leaves a half-written file. A store whose
// file is garbage, or far too large to be settings (it is then not read at
// all), is replaced by a clean one when the settings are stored; a read-only
// file or a directory is never replaced.
namespace settings {

inline constexpr char kApplication[] = "Tablicznik";
inline constexpr char kGroup[] = "2.00";

// The five values in the order their defaults are written.
struct StoredValue {
    const char *name;
    int defaultValue;
};
inline constexpr StoredValue kValues[] = {
    {"Showed", 0}, {"PlaySounds", 1}, {"ShowTime", 1}, {"ShowAVI", 1}, {"ShowHelp", 1},
};

// Today's names of elements 104 ... 112: read like the values above (missing
// or not an integer counts as 0), but its default is never written, and it
// is stored only once it has been switched on, so that the store of a user
// who never used it stays as it was.
inline constexpr StoredValue kNazwyIUPAC = {"NazwyIUPAC", 0};
// The readable look of the colour maps, read and stored like NazwyIUPAC.
inline constexpr StoredValue kWyrazneKolory = {"WyrazneKolory", 0};
// The zoom, "Skala", one of the menu's choices. Unlike the five values it
// is written only once it differs from 100 (or is there already), so a store
// of a program that was never zoomed keeps exactly its five values. Missing,
// not an integer or not a choice, it reads as 100.
inline constexpr char kScaleName[] = "Skala";
inline constexpr int kScaleChoices[] = {100, 125, 150, 200, 250, 300};
inline constexpr int kDefaultScale = 100;
bool isScaleChoice(qint64 percent);

// The file (or registry key) the store lives in.
QString location();

// The stored zoom alone, read before the application object is made; 100
// when it is missing, not a choice or the store cannot be read. Reports
// nothing: the settings' reading reports the faults.
int storedScale();

} // namespace settings

// Reads the four flags, NazwyIUPAC, WyrazneKolory and the zoom. When "Showed" is 0, runs `showAboutWindow` (which
// shows the about window modally and returns when it is closed) and then
// stores "Showed" = 1. Returns false when the store could not be read or
// written; the flags are usable either way.
bool SprawdzRejestr(Preferences &flags, const std::function<void()> &showAboutWindow);

// Stores the four flags (and the defaults of missing values), and NazwyIUPAC,
// WyrazneKolory and the zoom when they differ from their defaults or were
// stored before.
// Returns false
// when nothing could be stored; the caller closes anyway.
bool ZapiszRejestr(const Preferences &flags);

} // namespace tablicznik
