#include "sharppictures.h"

#include "picture.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>

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

namespace {

// An icon that reads its larger variants only when a device pixel ratio
// above 1 asks for them: at 100 % the program starts without decoding
// pictures it does not show.
class SharpIconEngine : public QIconEngine {
public:
    explicit SharpIconEngine(QString path) : m_path(std::move(path)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return forSize(size).pixmap(size, mode, state);
    }
    // Qt asks for `size` times the ratio in device pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return (scale > 1 ? variants() : plain()).pixmap(size, scale, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return plain().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return plain().availableSizes(mode, state);
    }
    bool isNull() override { return plain().isNull(); }
    QString key() const override { return QStringLiteral("tablicznik.sharp"); }
    QIconEngine *clone() const override { return new SharpIconEngine(m_path); }

private:
    const QIcon &plain()
    {
        if (!m_plainMade) {
            m_plain.addPixmap(loadPicture(m_path));
            m_plainMade = true;
        }
        return m_plain;
    }
    const QIcon &variants()
    {
        if (!m_variantsMade) {
            m_variants = plain();
            for (int times : {2, 3})
                if (const QString variant = variantPath(m_path, times); QFile::exists(variant)) {
                    QPixmap large = loadPicture(variant);
                    large.setDevicePixelRatio(times);
                    m_variants.addPixmap(large);
                }
            m_variantsMade = true;
        }
        return m_variants;
    }
    // A request larger than the picture itself is for a higher ratio.
    const QIcon &forSize(const QSize &size)
    {
        const QSize own = plain().actualSize(QSize(4096, 4096));
        return size.width() > own.width() || size.height() > own.height() ? variants() : plain();
    }

    QString m_path;
    QIcon m_plain, m_variants;
    bool m_plainMade = false, m_variantsMade = false;
};

} // namespace

QIcon sharpIcon(const QString &path) { return QIcon(new SharpIconEngine(path)); }

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
