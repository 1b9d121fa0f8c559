#include "animation/avireader.h"
#include "support/mediafiles.h"
#include "support/testmain.h"

#include <QFile>
#include <QTest>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// A 5 × 3 picture, top row first: indexes 0 ... 3 in a pattern that tells
// every row and column apart.
QByteArray picture(int shift = 0)
{
    QByteArray p;
    for (int i = 0; i < 15; ++i)
        p += char((i / 5 + i % 5 + shift) % 4);
    return p;
}

AviRecipe threeFrames()
{
    AviRecipe recipe;
    recipe.frames = {picture(0), picture(1), picture(2)};
    return recipe;
}

// The picture of a frame as colour indexes, top row first.
QByteArray indexesOf(const QImage &frame)
{
    QByteArray p;
    for (int y = 0; y < frame.height(); ++y)
        p += QByteArray(reinterpret_cast<const char *>(frame.constScanLine(y)), frame.width());
    return p;
}

} // namespace

Q_DECLARE_METATYPE(AviRecipe)

class AviReaderTest : public QObject {
    Q_OBJECT

private slots:
    void readsFramesPaletteAndRate()
    {
        const AviAnimation a = readAvi(aviFile(threeFrames()));
        QVERIFY2(a.isValid(), qPrintable(a.error));
        QCOMPARE(a.frameSize, QSize(5, 3));
        QCOMPARE(a.microSecondsPerFrame, 40000u);
        QCOMPARE(a.frames.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QImage &frame = a.frames.at(i);
            QCOMPARE(frame.format(), QImage::Format_Indexed8);
            QCOMPARE(frame.size(), QSize(5, 3));
            QCOMPARE(indexesOf(frame), picture(i)); // rows stored bottom-up, shown top first, stride padding dropped
        }
        const QImage &first = a.frames.first();
        QCOMPARE(first.colorCount(), 256);
        QCOMPARE(first.color(0), qRgb(192, 192, 192));
        QCOMPARE(first.color(1), qRgb(255, 0, 0)); // the file keeps blue, green, red
        QCOMPARE(first.color(2), qRgb(0, 128, 255));
        QCOMPARE(first.color(3), qRgb(1, 2, 3));
        QCOMPARE(first.color(200), qRgb(0, 0, 0)); // past the palette
        QCOMPARE(first.pixel(0, 0), qRgb(192, 192, 192));
        QCOMPARE(first.pixel(1, 0), qRgb(255, 0, 0));
    }

    // Layouts that writers produce: all give the same animation.
    void fileLayouts_data()
    {
        QTest::addColumn<AviRecipe>("recipe");
        AviRecipe topDown = threeFrames();
        topDown.height = -3;
        QTest::newRow("rows top first") << topDown;
        AviRecipe rec = threeFrames();
        rec.recLists = true;
        QTest::newRow("frames in 'rec ' lists") << rec;
        AviRecipe audio = threeFrames();
        audio.audioFirst = true;
        QTest::newRow("audio stream first, video as stream 01") << audio;
        AviRecipe junk = threeFrames();
        junk.junk = QByteArray(7, 'j'); // odd, so padded
        QTest::newRow("JUNK chunks of odd size") << junk;
        AviRecipe rateFromStream = threeFrames();
        rateFromStream.microSecondsPerFrame = 0;
        QTest::newRow("rate from the stream header") << rateFromStream;
        AviRecipe wholePalette = threeFrames();
        wholePalette.coloursUsed = 0; // as many colours as the format chunk holds
        QTest::newRow("palette size from the chunk") << wholePalette;
    }
    void fileLayouts()
    {
        QFETCH(AviRecipe, recipe);
        const AviAnimation a = readAvi(aviFile(recipe));
        QVERIFY2(a.isValid(), qPrintable(a.error));
        QCOMPARE(a.frameSize, QSize(5, 3));
        QCOMPARE(a.microSecondsPerFrame, 40000u);
        QCOMPARE(a.frames.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(indexesOf(a.frames.at(i)), picture(i));
        QCOMPARE(a.frames.first().color(2), qRgb(0, 128, 255));
    }

    void emptyFrameRepeatsTheOneBefore()
    {
        AviRecipe recipe = threeFrames();
        recipe.frames.insert(2, QByteArray());
        const AviAnimation a = readAvi(aviFile(recipe));
        QVERIFY2(a.isValid(), qPrintable(a.error));
        QCOMPARE(a.frames.size(), 4);
        QCOMPARE(indexesOf(a.frames.at(2)), picture(1));
        QCOMPARE(indexesOf(a.frames.at(3)), picture(2));
    }

    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");

        const QByteArray good = aviFile(threeFrames());
        const auto recipe = [](auto change) {
            AviRecipe s = threeFrames();
            change(s);
            return aviFile(s);
        };
        QTest::newRow("empty") << QByteArray() << "to nie jest plik AVI";
        QTest::newRow("a WAV file") << riff("WAVE", chunk("data", "x")) << "to nie jest plik AVI";
        QTest::newRow("cut short") << good.left(good.size() - 10) << "plik urwany";
        QByteArray past = good;
        past.replace(16, 4, le32(0x7FFFFFF0)); // the header list claims 2 GB
        QTest::newRow("list past the end") << past << "fragment 'LIST' od bajtu 12";
        QTest::newRow("no header list")
            << riff("AVI ", list("movi", chunk("00db", QByteArray(24, 0)))) << "przed opisem obrazu";
        QTest::newRow("list without type") << riff("AVI ", chunk("LIST", "ab")) << "nie ma typu";
        QTest::newRow("short main header")
            << riff("AVI ", list("hdrl", chunk("avih", QByteArray(20, 0)))) << "nagłówek 'avih'";
        QTest::newRow("no video stream")
            << riff("AVI ", list("hdrl", chunk("avih", QByteArray(56, 0)))) << "brak strumienia obrazu";
        QTest::newRow("24 bits per pixel") << recipe([](AviRecipe &s) { s.bits = 24; }) << "24 bitów na piksel";
        QTest::newRow("RLE compression") << recipe([](AviRecipe &s) { s.compression = 1; }) << "skompresowany";
        QTest::newRow("MJPG compression")
            << recipe([](AviRecipe &s) { s.compression = 0x47504A4D; }) << "skompresowany ('MJPG')";
        QTest::newRow("width 0") << recipe([](AviRecipe &s) { s.width = 0; }) << "obraz 0 × 3 poza zakresem";
        QTest::newRow("height 5000") << recipe([](AviRecipe &s) { s.height = 5000; }) << "poza zakresem";
        QTest::newRow("300 colours") << recipe([](AviRecipe &s) { s.coloursUsed = 300; }) << "300 kolorów";
        QTest::newRow("palette past its chunk")
            << recipe([](AviRecipe &s) { s.coloursUsed = 9; }) << "paleta obrazu w 'strf'";
        QTest::newRow("no palette") << recipe([](AviRecipe &s) {
            s.palette.clear();
            s.coloursUsed = 0;
        }) << "paleta obrazu";
        QTest::newRow("no frames") << recipe([](AviRecipe &s) { s.frames.clear(); }) << "nie zawiera żadnej klatki";
        QTest::newRow("short frame") << recipe([](AviRecipe &s) { s.frames[1].chop(1); })
                                     << "klatka 2 od bajtu";
        QTest::newRow("first frame empty") << recipe([](AviRecipe &s) { s.frames[0].clear(); }) << "pierwsza klatka";
        QTest::newRow("no frame rate") << recipe([](AviRecipe &s) {
            s.microSecondsPerFrame = 0;
            s.rate = 0;
        }) << "nieznany czas klatki";
        QByteArray deep = chunk("00db", QByteArray(24, 0));
        for (int i = 0; i < 6; ++i)
            deep = list("rec ", deep);
        AviRecipe header = threeFrames();
        QByteArray nested = aviFile(header);
        const qsizetype movi = nested.indexOf("movi");
        nested.truncate(movi - 8);
        nested += list("movi", deep);
        nested.replace(4, 4, le32(quint32(nested.size() - 8)));
        QTest::newRow("lists nested too deep") << nested << "zagnieżdżone zbyt głęboko";
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const AviAnimation a = readAvi(bytes);
        QVERIFY(!a.isValid());
        QVERIFY(a.frames.isEmpty());
        QVERIFY2(a.error.contains(error), qPrintable(a.error));
    }

    // However a good file is cut, the reader says so and never reads past
    // the end: first as it is, then with the RIFF size made to fit the cut,
    // so that every inner chunk meets the end in turn.
    void everyCutIsAnError()
    {
        const QByteArray good = aviFile(threeFrames());
        const qsizetype framesEnd = good.indexOf("idx1");
        for (qsizetype size = 0; size < good.size(); ++size) {
            const QByteArray cut = good.left(size); // its own buffer, so a read past it is caught by sanitizers
            const AviAnimation asCut = readAvi(cut);
            QVERIFY2(!asCut.isValid() && !asCut.error.isEmpty(), qPrintable(QString::number(size)));
            if (size < 12)
                continue;
            QByteArray fitted = cut;
            fitted.replace(4, 4, le32(quint32(size - 8)));
            const AviAnimation a = readAvi(fitted);
            if (size < framesEnd)
                QVERIFY2(!a.isValid() && !a.error.isEmpty(), qPrintable(QString::number(size)));
            else
                QVERIFY(a.isValid() ? a.frames.size() == 3 : !a.error.isEmpty());
        }
    }

    // The program's own atom: 60 × 60, 8 bits, 32 frames, 25 a second.
    void theAtomResource()
    {
        QFile file(QStringLiteral(":/pictures/atom.avi"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const AviAnimation a = readAvi(file.readAll());
        QVERIFY2(a.isValid(), qPrintable(a.error));
        QCOMPARE(a.frameSize, QSize(60, 60));
        QCOMPARE(a.frames.size(), 32);
        QCOMPARE(a.microSecondsPerFrame, 40000u);
        QCOMPARE(a.frames.first().format(), QImage::Format_Indexed8);
        QVERIFY(a.frames.at(0) != a.frames.at(8)); // the electrons move
        QVERIFY(a.frames.at(8) != a.frames.at(16));
    }
};

TABLICZNIK_TEST_MAIN(AviReaderTest)
#include "avireader_test.moc"
