#pragma once

// The generators of the program's pictures, sound cues and atom animation.
// Every function writes its files into the folder it is given and returns
// false (after a message on standard error) when a file cannot be written.

#include <QColor>
#include <QImage>
#include <QString>

#include <initializer_list>

namespace assets {

// --- pixel art -------------------------------------------------------------

// One colour per letter; '.' and ' ' are transparent. The same palette
// serves every hand-drawn glyph, so the icons match each other.
QColor paletteColour(char key);

// Builds an image from rows of palette letters (all rows the same length).
QImage pixelArt(std::initializer_list<const char *> rows);

// The hand-drawn 16 x 16 glyphs by file stem ("menu0", "drukuj", ...).
struct Glyph {
    const char *stem;
    QImage image;
};
QList<Glyph> glyphs();

// --- writers ---------------------------------------------------------------

bool saveImage(const QImage &image, const QString &path, const char *format = nullptr, int quality = -1);

bool writeGlyphs(const QString &pictures);      // menu0..10, buttons, card buttons
bool writeBackground(const QString &pictures);  // back.bmp
bool writeLogos(const QString &pictures);       // logo, about_logo, icon, icon16
bool writeHelpPicture(const QString &pictures); // help.png
bool writeAuthorPicture(const QString &pictures); // author.jpg
bool writeAtomAnimation(const QString &pictures); // atom.avi
bool writeSounds(const QString &sounds);        // the four KTX*.wav cues

// A preview sheet of everything, scaled up, for looking at the art.
bool writePreview(const QString &path, const QString &pictures);

} // namespace assets
