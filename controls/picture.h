#pragma once

#include <QPixmap>

namespace tablicznik {

// A picture of the program's own (":/pictures/logo.png"), read by the
// decoder that its suffix names. Left to guess, Qt's image reader first asks
// every image plugin whether it can read the file, which loads all of them,
// and the JPEG library with them, for one PNG. Null when it cannot be read.
QPixmap loadPicture(const QString &path);

} // namespace tablicznik
