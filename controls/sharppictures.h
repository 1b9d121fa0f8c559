#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tablicznik {

// Pictures for zoomed windows. Beside "name.png" the resources may hold
// "name@2x.png" and "name@3x.png", the same picture two and three times as
// large, made by the asset generator.

// An icon of all the variants there are; it is drawn from the one that
// suits the device pixel ratio of the moment, whatever it was when the
// icon was made.
QIcon sharpIcon(const QString &path);

// The variant for a device pixel ratio, marked with its own ratio so that
// it keeps its logical size. Where the generator made no variant, the
// picture is enlarged pixel by pixel, which keeps its edges hard.
QPixmap sharpPixmap(const QString &path, qreal devicePixelRatio);

// "name@2x.png" for "name.png".
QString variantPath(const QString &path, int times);

} // namespace tablicznik
