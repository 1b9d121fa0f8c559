#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace tablicznik::testing {

// Whether any pixel of the area (the whole image by default) has the colour.
inline bool holds(const QImage &image, const QColor &wanted, QRect area = {})
{
    area = area.isNull() ? image.rect() : area & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == wanted)
                return true;
    return false;
}

} // namespace tablicznik::testing
