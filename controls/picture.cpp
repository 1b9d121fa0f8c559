#include "picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace tablicznik {

QPixmap loadPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace tablicznik
