// The program's icon. One layout function places the cells of a small
// periodic table for a given size; the PNG renderer and the SVG writer both
// paint exactly what it returns, so every size shows the same picture and
// the scalable icon is that picture at 256 pixels.
#include "assets.h"

#include <QPainter>
#include <QDir>
#include <QFile>
#include <QRect>

#include <cmath>
#include <cstdio>
#include <vector>

namespace assets {

QColor blockColour(Block block)
{
    switch (block) {
    case Block::S: return QColor(0xE0, 0x48, 0x48);
    case Block::P: return QColor(0xF0, 0xB4, 0x28);
    case Block::D: return QColor(0x3C, 0x74, 0xD4);
    case Block::F: return QColor(0x38, 0xA8, 0x58);
    case Block::None: break;
    }
    return Qt::transparent;
}

namespace {

// The picture on a grid of 8 columns: s (1, 2), d (3 to 5), p (6 to 8);
// six periods, and the f row (columns 3 to 7) set apart below them.
constexpr int kColumns = 8, kPeriods = 6;

Block blockAt(int period, int column)
{
    const bool s = column <= 2, p = column >= 6;
    if (period == 1)
        return column == 1 || column == kColumns ? Block::S : Block::None;
    if (period <= 3)
        return s ? Block::S : p ? Block::P : Block::None;
    return s ? Block::S : p ? Block::P : Block::D;
}

// One filled rectangle of the picture, in pixels of the icon's size.
struct Fill {
    QRect rect;
    QColor colour;
};

// The pitch is an eighth of the size; a quarter of it (at least a pixel)
// is the gap between cells, half of it the space above the f row. Cells of
// three pixels and more are lit from the top left: a light edge along the
// top and left, a dark one along the bottom and right, about an eighth of
// the cell wide; the dark edge takes the two corners it shares.
std::vector<Fill> layout(int size)
{
    const int pitch = size / kColumns;
    const int cell = pitch - pitch / 4;
    const int fSpace = pitch / 2;
    const int bevel = cell >= 3 ? std::max(1, int(std::lround(cell / 8.0))) : 0;
    const int width = kColumns * pitch - (pitch - cell);
    const int height = kPeriods * pitch + fSpace + cell;
    const int left = (size - width) / 2, top = (size - height + 1) / 2;

    std::vector<Fill> fills;
    auto addCell = [&](int x, int y, Block block) {
        const QColor base = blockColour(block);
        fills.push_back({QRect(x, y, cell, cell), base});
        if (bevel == 0)
            return;
        const QColor light = base.lighter(135), dark = base.darker(150);
        fills.push_back({QRect(x, y, cell, bevel), light});
        fills.push_back({QRect(x, y, bevel, cell), light});
        fills.push_back({QRect(x, y + cell - bevel, cell, bevel), dark});
        fills.push_back({QRect(x + cell - bevel, y, bevel, cell), dark});
    };
    for (int period = 1; period <= kPeriods; ++period)
        for (int column = 1; column <= kColumns; ++column)
            if (const Block block = blockAt(period, column); block != Block::None)
                addCell(left + (column - 1) * pitch, top + (period - 1) * pitch, block);
    const int fTop = top + kPeriods * pitch + fSpace;
    for (int column = 3; column <= kColumns - 1; ++column)
        addCell(left + (column - 1) * pitch, fTop, Block::F);
    return fills;
}

constexpr int kSvgSize = 256;

} // namespace

QImage renderAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (const Fill &fill : layout(size))
        p.fillRect(fill.rect, fill.colour);
    p.end();
    return image;
}

QByteArray appIconSvg()
{
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + QByteArray::number(kSvgSize) + "\" height=\"" +
           QByteArray::number(kSvgSize) + "\" viewBox=\"0 0 " + QByteArray::number(kSvgSize) + ' ' +
           QByteArray::number(kSvgSize) + "\">\n";
    svg += "  <title>Tablicznik</title>\n";
    svg += "  <g shape-rendering=\"crispEdges\">\n";
    for (const Fill &fill : layout(kSvgSize)) {
        const QRect &r = fill.rect;
        svg += "    <rect x=\"" + QByteArray::number(r.x()) + "\" y=\"" + QByteArray::number(r.y()) + "\" width=\"" +
               QByteArray::number(r.width()) + "\" height=\"" + QByteArray::number(r.height()) + "\" fill=\"" +
               fill.colour.name().toLatin1() + "\"/>\n";
    }
    svg += "  </g>\n</svg>\n";
    return svg;
}

bool writeAppIcons(const QString &icons)
{
    QDir().mkpath(icons);
    bool ok = true;
    for (int size : kAppIconSizes)
        ok = saveImage(renderAppIcon(size), icons + QStringLiteral("/%1x%1.png").arg(size)) && ok;
    const QString svgPath = icons + QStringLiteral("/scalable.svg");
    QFile file(svgPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(appIconSvg()) < 0 || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        return false;
    }
    return ok;
}

} // namespace assets
