#include "compare.h"

#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace assets {

bool holdsText(const QString &relativePath)
{
    static const QStringList withText = {
        QStringLiteral("pictures/about_logo.png"), QStringLiteral("pictures/author.jpg"),
        QStringLiteral("pictures/help.png"), QStringLiteral("pictures/help@2x.png"),
        QStringLiteral("pictures/help@3x.png")};
    return withText.contains(relativePath);
}

static int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Whether the pixel's neighbourhood (3 x 3) is one colour.
static bool inFlatArea(const QImage &image, int x, int y)
{
    const QRgb centre = image.pixel(x, y);
    for (int ny = std::max(0, y - 1); ny <= std::min(image.height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(image.width() - 1, x + 1); ++nx)
            if (image.pixel(nx, ny) != centre)
                return false;
    return true;
}

QString pictureDifference(const QImage &madeImage, const QImage &committedImage)
{
    if (committedImage.isNull())
        return QStringLiteral("cannot be read as a picture");
    if (madeImage.size() != committedImage.size())
        return QStringLiteral("is %1 x %2 pixels, the generator makes %3 x %4")
            .arg(committedImage.width()).arg(committedImage.height())
            .arg(madeImage.width()).arg(madeImage.height());
    const QImage made = madeImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage committed = committedImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    qsizetype moved = 0;
    for (int y = 0; y < made.height(); ++y)
        for (int x = 0; x < made.width(); ++x) {
            const int distance = channelDistance(made.pixel(x, y), committed.pixel(x, y));
            if (distance > kFlatLevel && inFlatArea(committed, x, y))
                return QStringLiteral("differs at pixel (%1, %2), inside an area of one colour").arg(x).arg(y);
            if (distance > kMovedLevel)
                ++moved;
        }
    const qsizetype allowed = qsizetype(made.width()) * made.height() * kMovedPerMille / 1000;
    if (moved > allowed)
        return QStringLiteral("differs in %1 edge pixels by more than half a pixel's shade, "
                              "more than the %2 where hinting may snap an edge").arg(moved).arg(allowed);
    return {};
}

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool compareWithCommitted(const QString &made, const QString &resources)
{
    bool same = true;
    int count = 0;
    QDirIterator files(made, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = path.mid(made.size() + 1);
        const QString committed = resources + u'/' + relative;
        ++count;
        QString problem;
        if (!QFile::exists(committed))
            problem = QStringLiteral("is missing");
        else if (holdsText(relative))
            problem = pictureDifference(QImage(path), QImage(committed));
        else if (contents(path) != contents(committed))
            problem = QStringLiteral("differs from what the generator makes");
        if (!problem.isEmpty()) {
            std::printf("resources/%s %s\n", qPrintable(relative), qPrintable(problem));
            same = false;
        }
    }
    if (count == 0) {
        std::printf("the generator wrote nothing\n");
        return false;
    }
    std::printf("%d files, each as the generator makes it (those with text within the "
                "tolerance of compare.h)\n", count);
    return same;
}

} // namespace assets
