#include "assets.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace assets {

QColor paletteColour(char key)
{
    switch (key) {
    // the classic desktop greys
    case 'K': return QColor(0x00, 0x00, 0x00);
    case 'd': return QColor(0x40, 0x40, 0x40);
    case 'g': return QColor(0x80, 0x80, 0x80);
    case 's': return QColor(0xC0, 0xC0, 0xC0);
    case 'h': return QColor(0xE0, 0xE0, 0xE0);
    case 'w': return QColor(0xFF, 0xFF, 0xFF);
    // blues: navy is the window's caption and outline colour
    case 'n': return QColor(0x00, 0x00, 0x80);
    case 'b': return QColor(0x1C, 0x5C, 0xD8);
    case 'l': return QColor(0x8C, 0xB8, 0xF0);
    case 'c': return QColor(0x00, 0x80, 0x80);
    case 'S': return QColor(0x8C, 0xA0, 0xC4); // steel
    case 'x': return QColor(0x50, 0x64, 0x8C); // dark steel
    // reds and pinks
    case 'r': return QColor(0x90, 0x10, 0x10);
    case 'R': return QColor(0xE0, 0x30, 0x20);
    case 'P': return QColor(0xE8, 0x68, 0x88);
    case 'p': return QColor(0xF8, 0xB0, 0xC0);
    // yellows and browns
    case 'y': return QColor(0xB0, 0x80, 0x00);
    case 'Y': return QColor(0xFF, 0xD8, 0x20);
    case 'v': return QColor(0xFF, 0xFF, 0xE1); // tooltip and paper
    case 'o': return QColor(0xE8, 0x80, 0x10);
    case 'm': return QColor(0x60, 0x30, 0x08);
    case 't': return QColor(0xA0, 0x58, 0x20);
    case 'T': return QColor(0xD8, 0x98, 0x58);
    // greens
    case 'q': return QColor(0x1E, 0x50, 0x30); // school board
    case 'e': return QColor(0x00, 0x78, 0x00);
    case 'E': return QColor(0x30, 0xB8, 0x30);
    case 'G': return QColor(0xB8, 0xE8, 0xB0);
    case '.':
    case ' ': return QColor(0, 0, 0, 0);
    }
    std::fprintf(stderr, "pixel art: no colour for '%c'\n", key);
    std::abort();
}

QImage pixelArt(std::initializer_list<const char *> rows)
{
    const int height = int(rows.size());
    const int width = height ? int(std::strlen(*rows.begin())) : 0;
    QImage image(width, height, QImage::Format_ARGB32);
    int y = 0;
    for (const char *row : rows) {
        if (int(std::strlen(row)) != width) {
            std::fprintf(stderr, "pixel art: row %d \"%s\" is not %d wide\n", y, row, width);
            std::abort();
        }
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, paletteColour(row[x]));
        ++y;
    }
    return image;
}

bool saveImage(const QImage &image, const QString &path, const char *format, int quality)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool writeGlyphs(const QString &pictures)
{
    bool ok = true;
    for (const Glyph &glyph : glyphs()) {
        const QString stem = pictures + QLatin1Char('/') + QLatin1StringView(glyph.stem);
        ok = saveImage(glyph.image, stem + QStringLiteral(".png")) && ok;
        // For zoomed windows: each pixel of the art a square of 2 x 2 or
        // 3 x 3, so that the glyph stays crisp instead of being smoothed.
        for (int times : {2, 3})
            ok = saveImage(glyph.image.scaled(glyph.image.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                           stem + QStringLiteral("@%1x.png").arg(times)) &&
                 ok;
    }
    return ok;
}

} // namespace assets
