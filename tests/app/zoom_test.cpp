#include "support/mainwindow.h"
#include "support/settingsfile.h"
#include "support/testmain.h"

#include "app/displayscale.h"
#include "app/optionsmenu.h"
#include "controls/sharppictures.h"
#include "data/tablelayout.h"
#include "prefs/settings.h"
#include "views/legend.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <qpa/qplatformwindow.h>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The window's size on the desktop, in device pixels.
QSize nativeSize(QWidget *window)
{
    return window->windowHandle()->handle()->geometry().size();
}

QMap<QString, QString> storedGroup()
{
    QSettings file(settings::location(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("2.00"));
    QMap<QString, QString> values;
    for (const QString &key : file.childKeys())
        values.insert(key, file.value(key).toString());
    return values;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;
    FreshStore m_store;

    QAction *choice(int percent) const
    {
        return f.window->optionsMenu().Powiekszenie1()->findChild<QAction *>(QStringLiteral("Skala%1").arg(percent));
    }
    // As the user does: the menu opens, the item is chosen, the menu closes.
    void chooseInMenu(int percent)
    {
        QMenu *menu = f.window->optionsMenu().SetupPopupMenu();
        emit menu->aboutToShow();
        choice(percent)->trigger();
        QTRY_COMPARE(f.window->Skala(), percent);
    }
    void writeStore(const QByteArray &lines) { QVERIFY(writeStoredGroup(settings::location(), lines)); }
    std::unique_ptr<TOknoGlowne> storedWindow()
    {
        WindowServices services;
        services.settingsStore = true;
        return makeMainWindow(f.log, std::move(services));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }
    void init()
    {
        QVERIFY(!m_store.open().isEmpty());
        f.open(programCatalogue(), MainWindowFixture::pointerDriven());
    }
    void cleanup()
    {
        DisplayScale::instance().setPercent(100);
        f.close();
        m_store.close();
    }

    void menuOffersTheChoicesWithOneChecked()
    {
        QMenu *zoom = f.window->optionsMenu().Powiekszenie1();
        QCOMPARE(zoom->menuAction()->text(), QStringLiteral("Powiększenie"));
        QStringList captions, checked;
        emit f.window->optionsMenu().SetupPopupMenu()->aboutToShow();
        for (QAction *a : zoom->actions()) {
            captions << a->text();
            if (a->isChecked())
                checked << a->text();
        }
        QCOMPARE(captions, (QStringList{"100 %", "125 %", "150 %", "200 %", "250 %", "300 %"}));
        QCOMPARE(checked, QStringList{"100 %"});
        chooseInMenu(250);
        emit f.window->optionsMenu().SetupPopupMenu()->aboutToShow();
        QVERIFY(choice(250)->isChecked());
        QVERIFY(!choice(100)->isChecked());
        QCOMPARE(f.log.played, QStringList{kOver});
    }

    // Twice the device pixels, the same logical layout, and what the user
    // had (a pin, a view's legend, a card) still there.
    void zoomKeepsLayoutAndState()
    {
        f.pin(26);
        LegendContent legend;
        legend.Count = 1;
        legend.entries[0] = {0x0000FFu, QStringLiteral("- jedyny")};
        f.window->Maluj(legend);
        f.pin(8);
        AuxiliaryWindows &windows = f.window->auxiliaryWindows();
        auto *card = windows.show(new TFiszka(windows, programCatalogue(), f.window.get(), QStringLiteral("Tlen")));
        QVERIFY(QTest::qWaitForWindowExposed(card));
        card->resize(500, 520);
        QTRY_COMPARE(card->size(), QSize(500, 520));
        const QString description = card->findChild<QTextEdit *>(QStringLiteral("RichEdit1"))->toPlainText();
        QCOMPARE(nativeSize(f.window.get()), QSize(625, 429));

        chooseInMenu(200);
        QCOMPARE(f.window->devicePixelRatioF(), 2.0);
        QTRY_COMPARE(nativeSize(f.window.get()), QSize(1250, 858));
        QCOMPARE(f.window->size(), QSize(625, 429));
        QCOMPARE(f.window->grab().size(), QSize(1250, 858));
        QCOMPARE(f.element(26)->geometry(), elementRect(26));
        QCOMPARE(f.element(112)->geometry(), elementRect(112));
        QCOMPARE(f.find("SpeedButton4")->geometry(), QRect(560, 397, 57, 25));
        QVERIFY(f.pinned());
        QCOMPARE(f.state("PinnedNumber").toInt(), 8);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik - Tlen"));
        QCOMPARE(f.state("LastShownName").toString(), QStringLiteral("Tlen"));
        QVERIFY(windows.windows<TFiszka>().contains(card));
        QVERIFY(card->isVisible());
        QCOMPARE(card->size(), QSize(500, 520));
        QTRY_COMPARE(nativeSize(card), QSize(1000, 1040));
        QCOMPARE(card->windowTitle(), QStringLiteral("Fiszka - Tlen"));
        QCOMPARE(card->findChild<QTextEdit *>(QStringLiteral("RichEdit1"))->toPlainText(), description);

        // A view's legend shows at the new scale too.
        f.window->Maluj(legend);
        QVERIFY(f.find("LegendaBox")->isVisible());

        chooseInMenu(125);
        QCOMPARE(f.window->devicePixelRatioF(), 1.25);
        QTRY_COMPARE(nativeSize(f.window.get()), QSize(781, 536)); // 625 × 1.25 and 429 × 1.25, rounded
        QCOMPARE(f.window->size(), QSize(625, 429));
        chooseInMenu(100);
        QTRY_COMPARE(nativeSize(f.window.get()), QSize(625, 429));
        QTRY_COMPARE(nativeSize(card), QSize(500, 520));
    }

    // What the table shows is drawn anew at the device's resolution, not
    // enlarged from the picture at 100 %.
    void textAndPicturesAreSharp()
    {
        const QImage small = f.window->grab().toImage();
        chooseInMenu(200);
        const QImage large = f.window->grab().toImage();
        QCOMPARE(large.size(), QSize(1250, 858));
        const QRect iron = elementRect(26);
        const QImage enlarged = small.copy(iron).scaled(iron.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage drawn = large.copy(QRect(iron.topLeft() * 2, iron.size() * 2)).convertToFormat(enlarged.format());
        QVERIFY(drawn != enlarged);

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
        const QPixmap help = sharpPixmap(QStringLiteral(":/pictures/help.png"), 2.0);
        QCOMPARE(help.devicePixelRatio(), 2.0);
        QCOMPARE(help.size(), QSize(48, 96));
        // A picture without variants is enlarged pixel by pixel.
        const QPixmap logo = sharpPixmap(QStringLiteral(":/pictures/logo.png"), 3.0);
        QCOMPARE(logo.size(), QSize(210, 210));
        QCOMPARE(logo.toImage().pixelColor(31, 31), QImage(QStringLiteral(":/pictures/logo.png")).pixelColor(10, 10));
    }

    // The stored choice, read at start; anything but a choice reads as 100.
    void storedScale_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("percent");
        QTest::newRow("missing") << QByteArray() << 100;
        QTest::newRow("150") << QByteArray("Skala=150\n") << 150;
        QTest::newRow("300") << QByteArray("Skala=300\n") << 300;
        QTest::newRow("not a number") << QByteArray("Skala=duzo\n") << 100;
        QTest::newRow("not a choice") << QByteArray("Skala=175\n") << 100;
        QTest::newRow("too large") << QByteArray("Skala=400\n") << 100;
        QTest::newRow("negative") << QByteArray("Skala=-200\n") << 100;
    }
    void storedScale()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, percent);
        f.close();
        writeStore("Showed=1\nPlaySounds=0\nShowTime=1\nShowAVI=1\nShowHelp=1\n" + stored);
        auto window = storedWindow();
        QCOMPARE(window->Skala(), percent);
        QCOMPARE(DisplayScale::instance().percent(), percent);
        QCOMPARE(window->PlaySounds(), false); // the other values as before
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(nativeSize(window.get()), QSize(625, 429) * (percent / 100.0));
        QCOMPARE(window->size(), QSize(625, 429));
    }

    // Written when the window closes; a store never zoomed keeps its five values.
    void scaleIsStored()
    {
        f.close();
        writeStore("Showed=1\nPlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n");
        auto window = storedWindow();
        window->close();
        QVERIFY(!storedGroup().contains(QStringLiteral("Skala")));
        window = storedWindow();
        window->setSkala(200);
        window->setSkala(175); // no choice: ignored
        QCOMPARE(window->Skala(), 200);
        window->close();
        QCOMPARE(storedGroup().value(QStringLiteral("Skala")), QStringLiteral("200"));
        window = storedWindow();
        QCOMPARE(window->Skala(), 200);
        window->setSkala(100);
        window->close();
        QCOMPARE(storedGroup().value(QStringLiteral("Skala")), QStringLiteral("100"));
        QCOMPARE(storedGroup().size(), 6);
    }
};

TABLICZNIK_TEST_MAIN(ZoomTest)
#include "zoom_test.moc"
