#include "support/mainwindow.h"
#include "support/testmain.h"

#include "app/displayscale.h"
#include "controls/sharppictures.h"
#include "data/tablelayout.h"

#include <QLabel>

using namespace tablicznik;
using namespace tablicznik::testing;

// A run started at 200 %, as main() starts one: the layout stays in
// logical pixels, and text and pictures are drawn for twice the pixels,
// not enlarged.
class ZoomSharpTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;

private slots:
    void init() { f.open(programCatalogue()); }
    void cleanup() { f.close(); }

    void layoutStaysLogical()
    {
        QCOMPARE(zoom::percentInEffect(), 200);
        QCOMPARE(f.window->devicePixelRatioF(), 2.0);
        QCOMPARE(f.window->size(), QSize(625, 429));
        QCOMPARE(f.window->grab().size(), QSize(1250, 858));
        QCOMPARE(f.element(26)->geometry(), elementRect(26));
        QCOMPARE(f.find("SpeedButton4")->geometry(), QRect(560, 397, 57, 25));
    }

    void textAndPicturesAreSharp()
    {
        TMySpeedButton *iron = f.element(26);
        QPixmap small(iron->size()); // the button drawn at 100 %
        small.setDevicePixelRatio(1.0);
        iron->render(&small);
        const QImage large = iron->grab().toImage();
        QCOMPARE(large.size(), iron->size() * 2);
        const QImage enlarged =
            small.toImage().scaled(iron->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QVERIFY(large.convertToFormat(enlarged.format()) != enlarged);

        // The logo is made for the run's pixel ratio.
        const QPixmap logo = f.find<QLabel>(QStringLiteral("Image1"))->pixmap();
        QCOMPARE(logo.devicePixelRatio(), 2.0);
        QCOMPARE(logo.size(), QSize(140, 140));

        // The icons are drawn from the generator's enlarged pixel art.
        for (const char *name : {":/pictures/opcje.png", ":/pictures/menu5.png", ":/pictures/drukuj.png"}) {
            const QString path = QString::fromLatin1(name);
            for (int times : {2, 3}) {
                const QImage variant(variantPath(path, times));
                QCOMPARE(variant.size(), QSize(16, 16) * times);
                QCOMPARE(sharpIcon(path).pixmap(QSize(16, 16), times).toImage().convertToFormat(variant.format()),
                         variant);
            }
        }
        // A picture without variants is enlarged pixel by pixel.
        const QPixmap big = sharpPixmap(QStringLiteral(":/pictures/logo.png"), 3.0);
        QCOMPARE(big.size(), QSize(210, 210));
        QCOMPARE(big.toImage().pixelColor(31, 31), QImage(QStringLiteral(":/pictures/logo.png")).pixelColor(10, 10));
    }
};

int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    zoom::applyBeforeApplication(200);
    return runTestClass<ZoomSharpTest>(argc, argv);
}
#include "zoomsharp_test.moc"
