#pragma once

// The suite's check that the committed pictures, animation, sounds and icon
// are what the generator makes. Most files must match byte for byte. The
// pictures with text in them are compared by their decoded pixels instead:
// the edges of glyphs come out of the machine's font rasteriser (hinting,
// antialiasing), which differs by a few pixels between machines.

#include <QImage>
#include <QString>

namespace assets {

// The tolerance for pictures with text. Rasterisers differ in where they put
// an edge within a pixel (hinting rounds it by up to half a pixel) and in
// how they shade it, never in the colours of areas: so a pixel whose
// neighbourhood (3 x 3) is one colour in the committed picture may differ by
// no more than kFlatLevel in any channel (premultiplied ARGB, of 255); a
// pixel on an edge may differ by up to kMovedLevel (an edge moved by half a
// pixel) and beyond that only in kMovedPerMille pixels per thousand (the
// places where hinting snapped an edge by a whole pixel).
inline constexpr int kFlatLevel = 24;
inline constexpr int kMovedLevel = 128;
inline constexpr int kMovedPerMille = 2;

// Whether the file (a path below RESOURCES) holds text drawn with a font.
bool holdsText(const QString &relativePath);

// Empty when `made` equals `committed` within the tolerance above;
// otherwise what differs, in a sentence.
QString pictureDifference(const QImage &made, const QImage &committed);

// Compares every file under `made` with its namesake under `resources`,
// printing one line per difference; true when all match.
bool compareWithCommitted(const QString &made, const QString &resources);

} // namespace assets
