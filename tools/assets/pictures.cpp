// The larger pictures: the background tile, the program's mark in its two
// sizes (window logo, about-window logo) and the window icon, the help
// button's question mark and the author window's illustration.
#include "assets.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <cstdint>

namespace assets {
namespace {

// --- deterministic noise ---------------------------------------------------

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t salt)
{
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ salt * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double unit(std::uint32_t x, std::uint32_t y, std::uint32_t salt) // in [-1, 1)
{
    return double(hash(x, y, salt) >> 8) / double(1u << 23) - 1.0;
}

// Value noise on a cells.x by cells.y lattice wrapped around a width by
// height tile, so the tile repeats without a seam.
double tiledNoise(double x, double y, int width, int height, int cellsX, int cellsY, std::uint32_t salt)
{
    const double fx = x * cellsX / width, fy = y * cellsY / height;
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    auto at = [&](int cx, int cy) {
        return unit(std::uint32_t((cx % cellsX + cellsX) % cellsX), std::uint32_t((cy % cellsY + cellsY) % cellsY), salt);
    };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

// --- the mark: a small periodic table ---------------------------------------

// The table as this program shows it, periods 1 to 7 (up to element 112)
// and, set apart below, the lanthanide and actinide rows. Column 3 of
// periods 6 and 7 points to the f rows.
Block blockAt(int period, int column)
{
    switch (period) {
    case 1: return column == 1 || column == 18 ? Block::S : Block::None;
    case 2:
    case 3: return column <= 2 ? Block::S : column >= 13 ? Block::P : Block::None;
    case 4:
    case 5:
    case 6: return column <= 2 ? Block::S : column == 3 && period == 6 ? Block::F : column <= 12 ? Block::D : Block::P;
    case 7: return column <= 2 ? Block::S : column == 3 ? Block::F : column <= 12 ? Block::D : Block::None;
    case 8:
    case 9: return column >= 3 && column <= 17 ? Block::F : Block::None;
    }
    return Block::None;
}

// One tile of the mark: a flat square for tiny cells, lit from the top left
// once there is room for an edge.
void drawCell(QImage &image, int left, int top, int size, const QColor &base)
{
    const QColor light = base.lighter(135), dark = base.darker(150);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            QColor c = base;
            if (size >= 3) {
                if (x == size - 1 || y == size - 1)
                    c = dark;
                else if (x == 0 || y == 0)
                    c = light;
            }
            image.setPixelColor(left + x, top + y, c);
        }
}

struct MarkGeometry {
    int pitch; // distance between neighbouring cells
    int cell;  // cell side
    int gap;   // extra space between period 7 and the f rows
};

QSize markSize(const MarkGeometry &g)
{
    return {17 * g.pitch + g.cell, 8 * g.pitch + g.cell + g.gap};
}

void drawMark(QImage &image, QPoint origin, const MarkGeometry &g)
{
    for (int period = 1; period <= 9; ++period)
        for (int column = 1; column <= 18; ++column) {
            const Block block = blockAt(period, column);
            if (block == Block::None)
                continue;
            const int left = origin.x() + (column - 1) * g.pitch;
            const int top = origin.y() + (period - 1) * g.pitch + (period >= 8 ? g.gap : 0);
            drawCell(image, left, top, g.cell, blockColour(block));
        }
}

// A soft shadow under everything opaque in the image, offset down right.
QImage withShadow(const QImage &art, QPoint offset, int alpha)
{
    QImage out(art.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            const int sx = x - offset.x(), sy = y - offset.y();
            if (sx >= 0 && sy >= 0 && sx < art.width() && sy < art.height() && qAlpha(art.pixel(sx, sy)) > 0)
                out.setPixelColor(x, y, QColor(0x40, 0x40, 0x40, alpha));
        }
    QPainter p(&out);
    p.drawImage(0, 0, art);
    return out;
}

QFont pixelFont(const QString &family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

bool writeBackground(const QString &pictures)
{
    // Light silver paper: soft clouds, a fine grain and faint fibres, all
    // wrapped around the tile's edges so that the window's twelve copies
    // join without a seam.
    const int width = 159, height = 160;
    std::array<double, 159 * 160> lum{};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double v = 0.0;
            v += 3.2 * tiledNoise(x, y, width, height, 3, 3, 1);
            v += 2.0 * tiledNoise(x, y, width, height, 6, 6, 2);
            v += 1.2 * tiledNoise(x, y, width, height, 12, 12, 3);
            v += 0.8 * tiledNoise(x, y, width, height, 32, 32, 4);
            v += 1.4 * unit(std::uint32_t(x), std::uint32_t(y), 5);
            lum[std::size_t(y * width + x)] = v;
        }
    // Fibres: short faint strokes, lighter or darker than the paper.
    for (std::uint32_t i = 0; i < 70; ++i) {
        double x = (hash(i, 0, 11) % 1000) * width / 1000.0;
        double y = (hash(i, 1, 11) % 1000) * height / 1000.0;
        const double angle = (hash(i, 2, 11) % 1000) * M_PI / 1000.0;
        const int length = 6 + int(hash(i, 3, 11) % 10);
        const double strength = (hash(i, 4, 11) & 1) ? 2.2 : -1.8;
        for (int step = 0; step < length; ++step) {
            const int px = ((int(std::lround(x)) % width) + width) % width;
            const int py = ((int(std::lround(y)) % height) + height) % height;
            lum[std::size_t(py * width + px)] += strength;
            x += std::cos(angle);
            y += std::sin(angle) * 0.6;
        }
    }
    QImage tile(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double v = 209.0 + lum[std::size_t(y * width + x)];
            auto channel = [](double c) { return qBound(0, int(std::lround(c)), 255); };
            tile.setPixelColor(x, y, QColor(channel(v - 1.0), channel(v), channel(v + 2.0)));
        }
    return saveImage(tile, pictures + QStringLiteral("/back.bmp"), "BMP");
}

bool writeLogos(const QString &pictures)
{
    bool ok = true;

    // The main window's logo. It stands below the version label, left of the
    // lanthanide row and above the group label "IA" and hydrogen, so the mark
    // keeps to the top left of its 70 x 70 square; the rest is transparent.
    {
        QImage logo(70, 70, QImage::Format_ARGB32);
        logo.fill(Qt::transparent);
        const MarkGeometry g{3, 3, 2};
        const QSize size = markSize(g);
        drawMark(logo, QPoint((56 - size.width()) / 2, 3), g);
        ok = saveImage(withShadow(logo, {1, 1}, 70), pictures + QStringLiteral("/logo.png")) && ok;
    }

    // The about window's logo: the mark and what it shows.
    {
        QImage about(148, 67, QImage::Format_ARGB32);
        about.fill(Qt::transparent);
        const MarkGeometry g{5, 4, 3};
        const QSize size = markSize(g);
        drawMark(about, QPoint((148 - size.width()) / 2, 3), g);
        about = withShadow(about, {1, 1}, 80);
        QPainter p(&about);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 10, true));
        p.setPen(QColor(0x00, 0x00, 0x80));
        p.drawText(QRect(0, 3 + size.height() + 3, 148, 14), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("układ okresowy pierwiastków"));
        p.end();
        ok = saveImage(about, pictures + QStringLiteral("/about_logo.png")) && ok;
    }

    // The window icon: the program's icon (appicon.cpp) at its two small sizes.
    ok = saveImage(renderAppIcon(32), pictures + QStringLiteral("/icon.png")) && ok;
    ok = saveImage(renderAppIcon(16), pictures + QStringLiteral("/icon16.png")) && ok;
    return ok;
}

// A tall question mark for the flat help button (30 x 57), drawn `times`
// as large for zoomed windows.
static QImage helpPicture(int times)
{
    const int width = 24, height = 48;
    QFont font = pixelFont(QStringLiteral("Liberation Serif"), 100, true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QStringLiteral("?"));
    const QRectF box = glyph.boundingRect();
    const QRectF target(2, 2, width - 5, height - 5);
    const double scale = std::min(target.width() / box.width(), target.height() / box.height());
    QTransform fit;
    fit.translate(target.center().x(), target.center().y());
    fit.scale(scale, scale);
    fit.translate(-box.center().x(), -box.center().y());
    const QPainterPath shape = fit.map(glyph);

    QImage image(width * times, height * times, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(times, times);
    p.fillPath(shape.translated(1.5, 1.5), QColor(0x30, 0x30, 0x30, 90));
    QLinearGradient fill(0, 0, width, height);
    fill.setColorAt(0.0, QColor(0x4C, 0x84, 0xF0));
    fill.setColorAt(0.55, QColor(0x1C, 0x4C, 0xC8));
    fill.setColorAt(1.0, QColor(0x00, 0x10, 0x80));
    p.fillPath(shape, fill);
    p.setPen(QPen(QColor(0x00, 0x00, 0x60), 1.0));
    p.drawPath(shape);
    p.end();
    return image;
}

bool writeHelpPicture(const QString &pictures)
{
    bool ok = saveImage(helpPicture(1), pictures + QStringLiteral("/help.png"));
    for (int times : {2, 3})
        ok = saveImage(helpPicture(times), pictures + QStringLiteral("/help@%1x.png").arg(times)) && ok;
    return ok;
}

bool writeAuthorPicture(const QString &pictures)
{
    // The author is the project itself: a wall of element tiles and a
    // chemist's bench instead of a portrait.
    const int width = 180, height = 240;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient wall(0, 0, 0, height);
    wall.setColorAt(0.0, QColor(0xEC, 0xF0, 0xF6));
    wall.setColorAt(1.0, QColor(0xC4, 0xCE, 0xDC));
    p.fillRect(image.rect(), wall);

    // The tile wall: the first twenty elements.
    struct Tile {
        const char *symbol;
        Block block;
    };
    const Tile tiles[] = {
        {"H", Block::S},  {"He", Block::S}, {"Li", Block::S}, {"Be", Block::S}, {"B", Block::P},
        {"C", Block::P},  {"N", Block::P},  {"O", Block::P},  {"F", Block::P},  {"Ne", Block::P},
        {"Na", Block::S}, {"Mg", Block::S}, {"Al", Block::P}, {"Si", Block::P}, {"P", Block::P},
        {"S", Block::P},  {"Cl", Block::P}, {"Ar", Block::P}, {"K", Block::S},  {"Ca", Block::S},
    };
    const QFont symbolFont = pixelFont(QStringLiteral("Liberation Sans"), 14, true);
    const QFont numberFont = pixelFont(QStringLiteral("Liberation Sans"), 8);
    for (int i = 0; i < 20; ++i) {
        const QRectF r(6 + (i % 5) * 34, 8 + (i / 5) * 34, 30, 30);
        const QColor base = blockColour(tiles[i].block);
        QLinearGradient face(r.topLeft(), r.bottomRight());
        face.setColorAt(0.0, base.lighter(165));
        face.setColorAt(1.0, base.lighter(120));
        p.setPen(QPen(base.darker(140), 1.0));
        p.setBrush(face);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(QColor(0x20, 0x20, 0x40));
        p.setFont(numberFont);
        p.drawText(r.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(i + 1));
        p.setFont(symbolFont);
        p.drawText(r.adjusted(0, 6, 0, 0), Qt::AlignCenter, QString::fromLatin1(tiles[i].symbol));
    }

    // The lower rows fade into the wall, so that the glassware stands out.
    const int benchTop = 176;
    QLinearGradient wash(0, 96, 0, benchTop);
    wash.setColorAt(0.0, QColor(0xDC, 0xE2, 0xEC, 0));
    wash.setColorAt(1.0, QColor(0xD0, 0xD8, 0xE4, 190));
    p.fillRect(QRectF(0, 96, width, benchTop - 96), wash);

    // The bench.
    QLinearGradient bench(0, benchTop, 0, height);
    bench.setColorAt(0.0, QColor(0xB8, 0x7C, 0x48));
    bench.setColorAt(1.0, QColor(0x74, 0x44, 0x20));
    p.fillRect(QRectF(0, benchTop, width, height - benchTop), bench);
    p.fillRect(QRectF(0, benchTop, width, 2), QColor(0xE0, 0xB0, 0x80));
    p.fillRect(QRectF(0, benchTop + 2, width, 2), QColor(0x80, 0x50, 0x28, 160));
    p.setPen(QPen(QColor(0x6A, 0x3C, 0x1C, 90), 1.0));
    for (int i = 0; i < 6; ++i) {
        const double y = benchTop + 12 + i * 9.5;
        p.drawLine(QPointF(0, y), QPointF(width, y + (i % 2 ? 2 : -1)));
    }

    const QColor glassEdge(0x50, 0x60, 0x78);
    auto glass = [&](const QPainterPath &shape, const QPainterPath &liquid, const QColor &colour, double surface) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x20, 0x10, 60)); // shadow on the bench
        const QRectF box = shape.boundingRect();
        p.drawEllipse(QRectF(box.left() + 4, box.bottom() - 4, box.width(), 9));
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawPath(shape);
        QLinearGradient depth(box.left(), 0, box.right(), 0);
        depth.setColorAt(0.0, colour.lighter(125));
        depth.setColorAt(1.0, colour.darker(125));
        p.setBrush(depth);
        p.drawPath(liquid.intersected(shape));
        const QPainterPath level = shape.intersected(
            [&] {
                QPainterPath band;
                band.addRect(QRectF(box.left() - 1, surface - 2, box.width() + 2, 4));
                return band;
            }());
        p.setBrush(colour.lighter(150));
        p.drawPath(level);
        p.setPen(QPen(glassEdge, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    };
    auto bubbles = [&](std::initializer_list<QPointF> centres, double radius) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.setBrush(QColor(255, 255, 255, 70));
        for (const QPointF &c : centres)
            p.drawEllipse(c, radius, radius);
    };

    // A beaker with blue solution, left.
    {
        QPainterPath beaker;
        beaker.moveTo(10, 150);
        beaker.lineTo(12, 150);
        beaker.lineTo(12, 196);
        beaker.quadTo(12, 200, 16, 200);
        beaker.lineTo(42, 200);
        beaker.quadTo(46, 200, 46, 196);
        beaker.lineTo(46, 150);
        beaker.lineTo(48, 148);
        QPainterPath closed = beaker;
        closed.lineTo(10, 148);
        closed.closeSubpath();
        QPainterPath liquid;
        liquid.addRect(QRectF(0, 172, 60, 40));
        glass(closed, liquid, QColor(0x30, 0x70, 0xE0), 172);
        p.setPen(QPen(glassEdge, 1.0));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(14, 160 + i * 8), QPointF(i % 2 ? 20 : 24, 160 + i * 8));
    }

    // The Erlenmeyer flask with green solution, centre.
    {
        QPainterPath flask;
        flask.moveTo(78, 96);
        flask.lineTo(102, 96);
        flask.lineTo(100, 100);
        flask.lineTo(100, 136);
        flask.lineTo(136, 202);
        flask.quadTo(140, 210, 130, 210);
        flask.lineTo(50, 210);
        flask.quadTo(40, 210, 44, 202);
        flask.lineTo(80, 136);
        flask.lineTo(80, 100);
        flask.closeSubpath();
        QPainterPath liquid;
        liquid.addRect(QRectF(30, 168, 120, 50));
        glass(flask, liquid, QColor(0x38, 0xB0, 0x48), 168);
        bubbles({{84, 190}, {96, 182}, {108, 196}, {76, 200}, {118, 202}, {90, 160}, {92, 140}, {88, 118}}, 2.6);
        bubbles({{99, 176}, {70, 192}, {103, 150}, {86, 128}, {96, 108}}, 1.6);
        // the reflection on the glass
        p.setPen(QPen(QColor(255, 255, 255, 190), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(84, 104), QPointF(84, 132));
        p.drawLine(QPointF(80, 146), QPointF(58, 190));
    }

    // Test tubes in a rack, right.
    {
        const QColor liquids[] = {QColor(0xE0, 0x40, 0x40), QColor(0xF0, 0xC0, 0x20), QColor(0x90, 0x50, 0xD0)};
        for (int i = 0; i < 3; ++i) {
            const double x = 148 + i * 10;
            QPainterPath tube;
            tube.moveTo(x, 132);
            tube.lineTo(x + 7, 132);
            tube.lineTo(x + 7, 186);
            tube.arcTo(QRectF(x, 182.5, 7, 7), 0, -180);
            tube.closeSubpath();
            QPainterPath liquid;
            liquid.addRect(QRectF(x - 1, 160 + i * 5, 10, 40));
            glass(tube, liquid, liquids[i], 160 + i * 5);
        }
        // the rack's front and its feet
        p.setPen(QPen(QColor(0x5A, 0x34, 0x14), 1.0));
        p.setBrush(QColor(0xC8, 0x8C, 0x50));
        p.drawRect(QRectF(143.5, 164.5, 34, 6));
        p.drawRect(QRectF(143.5, 170.5, 3, 29));
        p.drawRect(QRectF(174.5, 170.5, 3, 29));
        p.drawRect(QRectF(143.5, 196.5, 34, 4));
    }
    p.end();
    return saveImage(image, pictures + QStringLiteral("/author.jpg"), "JPG", 85);
}

bool writePreview(const QString &path, const QString &pictures, const QString &version)
{
    // A sketch of the main window's furniture over the tiled background, and
    // every glyph enlarged, for judging the pictures together.
    const QImage tile(pictures + QStringLiteral("/back.bmp"));
    QImage sheet(625 + 20 + 6 * 112, 760, QImage::Format_RGB32);
    sheet.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&sheet);
    for (int top : {0, 160, 320})
        for (int left : {0, 159, 318, 477})
            p.drawImage(left, top, tile);
    p.fillRect(QRect(0, 0, 625, 112), QColor(0xC0, 0xC0, 0xC0));
    p.setPen(QColor(0x00, 0x00, 0x80));
    const QPoint outline[] = {{4, 192},     {4, 426},   {75, 426},  {75, 361},  {106, 361}, {106, 426}, {415, 426},
                              {415, 394},   {619, 394}, {619, 192}, {582, 192}, {582, 225}, {412, 225}, {412, 291},
                              {75, 291},    {75, 225},  {42, 225},  {42, 192},  {4, 192}};
    p.drawPolyline(outline, int(std::size(outline)));
    p.drawRect(QRect(72, 114, 513, 69));
    // a few element symbols where the table has them
    const char *symbols[] = {"H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al",
                             "Si", "P",  "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe",
                             "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr"};
    const int columns[] = {1, 18, 1, 2, 13, 14, 15, 16, 17, 18, 1, 2, 13, 14, 15, 16, 17, 18,
                           1, 2,  3, 4, 5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18};
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 20, true));
    for (int i = 0; i < 36; ++i) {
        const int period = i < 2 ? 1 : i < 10 ? 2 : i < 18 ? 3 : 4;
        const QRect r(6 + 34 * (columns[i] - 1), 194 + 33 * (period - 1), 33, 32);
        p.setPen(i % 7 == 3 ? QColor(0x80, 0x80, 0x80) : i % 5 == 1 ? QColor(0xC0, 0x00, 0x00) : Qt::black);
        p.drawText(r, Qt::AlignCenter, QString::fromLatin1(symbols[i]));
    }
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 9));
    p.setPen(Qt::black);
    p.drawText(QRect(1, 116, 72, 36), Qt::AlignHCenter | Qt::TextWordWrap, QStringLiteral("Tablicznik wersja %1").arg(version));
    p.drawImage(16, 139, QImage(pictures + QStringLiteral("/logo.png")));
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 11, true));
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(17, 179 + 11, QStringLiteral("IA"));
    const QImage help(pictures + QStringLiteral("/help.png"));
    p.drawImage(589 + (30 - help.width()) / 2, 119 + (57 - help.height()) / 2, help);
    const char *captions[] = {"Opcje", "Czyść", " Wyjdź"};
    const char *stems[] = {"opcje", "czysc", "wyjdz"};
    const int lefts[] = {419, 490, 560};
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 11));
    p.setPen(Qt::black);
    for (int i = 0; i < 3; ++i) {
        p.drawImage(lefts[i] + 3, 397 + 4, QImage(pictures + QLatin1Char('/') + QLatin1StringView(stems[i]) + ".png"));
        p.drawText(QRect(lefts[i] + 21, 397, 40, 25), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(captions[i]));
    }
    // the glyphs, eight times enlarged and at their size
    int x = 645, y = 10;
    for (const Glyph &glyph : glyphs()) {
        p.drawImage(QRect(x, y, 96, 96), glyph.image);
        p.drawImage(x + 4, y + 98, glyph.image);
        x += 112;
        if (x + 110 > sheet.width()) {
            x = 645;
            y += 120;
        }
    }
    // the logos, icons and the author picture at their size
    p.drawImage(10, 440, QImage(pictures + QStringLiteral("/about_logo.png")));
    p.drawImage(170, 440, QImage(pictures + QStringLiteral("/icon.png")));
    p.drawImage(210, 440, QImage(pictures + QStringLiteral("/icon16.png")));
    p.drawImage(QRect(10, 520, 148, 67), QImage(pictures + QStringLiteral("/about_logo.png")));
    p.drawImage(QRect(240, 440, 128, 128), QImage(pictures + QStringLiteral("/icon.png")));
    p.drawImage(QRect(380, 440, 64, 64), QImage(pictures + QStringLiteral("/icon16.png")));
    p.drawImage(QRect(460, 440, 128, 128), QImage(pictures + QStringLiteral("/../icons/128x128.png")));
    p.end();
    return saveImage(sheet, path);
}

} // namespace assets
