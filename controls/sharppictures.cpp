#include "sharppictures.h"

#include "picture.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace tablicznik {

QString variantPath(const QString &path, int times)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype at = dot > slash ? dot : path.size();
    return QString(path).insert(at, QStringLiteral("@%1x").arg(times));
}

QIcon sharpIcon(const QString &path)
{
    QIcon icon;
    icon.addPixmap(loadPicture(path));
    for (int times : {2, 3})
        if (const QString variant = variantPath(path, times); QFile::exists(variant)) {
            QPixmap large = loadPicture(variant);
            large.setDevicePixelRatio(times);
            icon.addPixmap(large);
        }
    return icon;
}

QPixmap sharpPixmap(const QString &path, qreal devicePixelRatio)
{
    const int wanted = std::clamp(int(std::ceil(devicePixelRatio - 0.01)), 1, 3);
    for (int times = wanted; times > 1; --times)
        if (const QString variant = variantPath(path, times); QFile::exists(variant)) {
            QPixmap large = loadPicture(variant);
            large.setDevicePixelRatio(times);
            return large;
        }
    QPixmap picture = loadPicture(path);
    if (wanted == 1 || picture.isNull())
        return picture;
    QPixmap large = picture.scaled(picture.size() * wanted, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    large.setDevicePixelRatio(wanted);
    return large;
}

} // namespace tablicznik
