#pragma once

// The generators of the program's pictures, sound cues and atom animation.
// Every function writes its files into the folder it is given and returns
// false (after a message on standard error) when a file cannot be written.

#include <QByteArray>
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

// --- the program's mark and icon --------------------------------------------

// The blocks of the periodic table, each with its colour in the mark.
enum class Block { None, S, P, D, F };
QColor blockColour(Block block);

// The program's icon: a small periodic table (s, d and p columns, the f row
// below), laid out from one geometry at every size. Cell edges fall on whole
// pixels, so every size is crisp; the SVG is the same layout at 256.
QImage renderAppIcon(int size);
QByteArray appIconSvg();
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

// --- writers ---------------------------------------------------------------

bool saveImage(const QImage &image, const QString &path, const char *format = nullptr, int quality = -1);

bool writeGlyphs(const QString &pictures);      // menu0..10, buttons, card buttons
bool writeBackground(const QString &pictures);  // back.bmp
bool writeLogos(const QString &pictures);       // logo, about_logo, icon, icon16
bool writeHelpPicture(const QString &pictures); // help.png
bool writeAuthorPicture(const QString &pictures); // author.jpg
bool writeAtomAnimation(const QString &pictures); // atom.avi
bool writeSounds(const QString &sounds);        // the four KTX*.wav cues
bool writeAppIcons(const QString &icons);       // NxN.png and scalable.svg for the hicolor theme

// A preview sheet of everything, scaled up, for looking at the art.
// `version` is the text after "Tablicznik wersja" in the sketch.
bool writePreview(const QString &path, const QString &pictures, const QString &version);

} // namespace assets
