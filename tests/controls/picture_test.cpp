#include "controls/picture.h"
#include "support/testmain.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace tablicznik;

// Every picture of the program reads as Qt's own guessing reader reads it,
// each by the decoder its suffix names; what cannot be read is null.
class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void readsEveryPicture()
    {
        const QStringList names = QDir(QStringLiteral(":/pictures")).entryList({"*.png", "*.bmp", "*.jpg"});
        QVERIFY(names.size() >= 20);
        for (const QString &name : names) {
            const QString path = QStringLiteral(":/pictures/") + name;
            const QPixmap picture = loadPicture(path);
            QVERIFY2(!picture.isNull(), qPrintable(name));
            QCOMPARE(picture.toImage(), QPixmap(path).toImage());
        }
        QCOMPARE(loadPicture(QStringLiteral(":/pictures/back.bmp")).size(), QSize(159, 160));
        QCOMPARE(loadPicture(QStringLiteral(":/pictures/logo.png")).size(), QSize(70, 70));
    }

    void unreadablePictures()
    {
        QVERIFY(loadPicture(QStringLiteral(":/pictures/no-such.png")).isNull());
        QVERIFY(loadPicture(QString()).isNull());
        // The animation is no picture, and a suffix names no decoder it has.
        QVERIFY(loadPicture(QStringLiteral(":/pictures/atom.avi")).isNull());
    }
};

TABLICZNIK_TEST_MAIN(PictureTest)
#include "picture_test.moc"
