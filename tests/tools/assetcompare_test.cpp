#include "tools/assets/compare.h"
#include "support/testmain.h"

#include <QPainter>
#include <QPainterPath>
#include <QTest>

using assets::pictureDifference;

namespace {

// A picture like the help button's: a thick antialiased stroke and a line
// on a transparent ground, drawn at a sub-pixel offset, as a rasteriser
// with other hinting would place the same edges.
struct Drawing {
    QSize size{72, 144};
    QPointF offset{0, 0};
    int stemWidth = 3;
    QColor colour{0x20, 0x40, 0xC0};
};

QImage draw(const Drawing &d)
{
    QImage image(d.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(d.offset);
    QPainterPath hook;
    hook.arcMoveTo(QRectF(14, 10, 44, 50), 180);
    hook.arcTo(QRectF(14, 10, 44, 50), 180, -250);
    p.strokePath(hook, QPen(d.colour, 10));
    p.fillRect(QRectF(31, 120, 10, 10), d.colour);
    p.fillRect(QRectF(34, 62, d.stemWidth, 43), d.colour); // a line 43 pixels long
    return image;
}

} // namespace

class AssetCompareTest : public QObject {
    Q_OBJECT

private slots:
    void equalPicturesMatch()
    {
        QCOMPARE(pictureDifference(draw({}), draw({})), QString());
    }

    // What another machine's rasteriser does: the same shapes with their
    // edges a fraction of a pixel away.
    void movedEdgesWithinAPixelMatch_data()
    {
        QTest::addColumn<QPointF>("offset");
        QTest::newRow("a fifth to the right") << QPointF(0.2, 0);
        QTest::newRow("a quarter down") << QPointF(0, 0.25);
        QTest::newRow("a fifth both ways") << QPointF(0.2, -0.2);
    }
    void movedEdgesWithinAPixelMatch()
    {
        QFETCH(QPointF, offset);
        QCOMPARE(pictureDifference(draw({.offset = offset}), draw({})), QString());
    }

    void aLineOnePixelWiderFails()
    {
        const QString difference = pictureDifference(draw({.stemWidth = 4}), draw({}));
        QVERIFY2(difference.contains(QLatin1String("more than the 20")), qPrintable(difference));
    }

    void aLineOnePixelAsideFails()
    {
        QImage moved = draw({});
        QPainter p(&moved);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRect(34, 62, 3, 43), Qt::transparent);
        p.fillRect(QRect(35, 62, 3, 43), QColor(0x20, 0x40, 0xC0));
        p.end();
        QVERIFY(!pictureDifference(moved, draw({})).isEmpty());
    }

    void anotherColourFails()
    {
        const QString difference = pictureDifference(draw({.colour = QColor(0x20, 0x80, 0x40)}), draw({}));
        QVERIFY2(!difference.isEmpty(), "a green question mark passed for a blue one");
    }

    void aSlightlyOtherColourFails()
    {
        // 40 levels of blue: more than shading differs inside an area.
        QVERIFY(!pictureDifference(draw({.colour = QColor(0x20, 0x40, 0x98)}), draw({})).isEmpty());
    }

    void anotherSizeFails()
    {
        QCOMPARE(pictureDifference(draw({.size = {72, 143}}), draw({})),
                 QStringLiteral("is 72 x 144 pixels, the generator makes 72 x 143"));
    }

    void aSpeckInAFlatAreaFails()
    {
        QImage speck = draw({});
        speck.setPixelColor(5, 140, Qt::black);
        QCOMPARE(pictureDifference(speck, draw({})),
                 QStringLiteral("differs at pixel (5, 140), inside an area of one colour"));
    }

    void anUnreadableFileFails()
    {
        QCOMPARE(pictureDifference(draw({}), QImage()), QStringLiteral("cannot be read as a picture"));
    }

    void onlyThePicturesWithTextAreComparedByPixels()
    {
        QVERIFY(assets::holdsText(QStringLiteral("pictures/help@3x.png")));
        QVERIFY(assets::holdsText(QStringLiteral("pictures/author.jpg")));
        QVERIFY(!assets::holdsText(QStringLiteral("pictures/logo.png")));
        QVERIFY(!assets::holdsText(QStringLiteral("pictures/atom.avi")));
        QVERIFY(!assets::holdsText(QStringLiteral("sounds/KTXExit.wav")));
        QVERIFY(!assets::holdsText(QStringLiteral("icons/16x16.png")));
    }
};

TABLICZNIK_TEST_MAIN(AssetCompareTest)
#include "assetcompare_test.moc"
