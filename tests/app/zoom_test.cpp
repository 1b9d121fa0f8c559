#include "support/mainwindow.h"
#include "support/settingsfile.h"
#include "support/testmain.h"

#include "app/detailspages.h"
#include "app/displayscale.h"
#include "app/optionsmenu.h"
#include "app/zoomrestart.h"
#include "prefs/settings.h"
#include "views/propertyviews.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"

#include <QAction>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

const QSize kClient(625, 429);
constexpr qint64 kNow = 1'800'000'000'000; // a moment, ms since the epoch

zoom::ScreenRoom room(int width, int height, QMargins decoration = zoom::kUsualDecoration)
{
    return {QRect(0, 0, width, height), decoration};
}

CarriedView fullView()
{
    CarriedView view;
    view.percent = 150;
    view.chosen = true;
    view.madeAtMs = kNow - 100;
    view.position = QPoint(-20, 35);
    view.page = 4;
    view.pinned = 26;
    view.view = QStringLiteral("GestoscButtonClick");
    view.cards = {{8, QRect(100, 120, 433, 448)}, {112, QRect(-5, 0, 500, 600)}};
    return view;
}

// The full view's text with one member replaced (or removed, for an
// undefined value).
QByteArray withMember(const char *name, const QJsonValue &value)
{
    QJsonObject object = QJsonDocument::fromJson(zoomrestart::serialise(fullView())).object();
    if (value.isUndefined())
        object.remove(QLatin1StringView(name));
    else
        object.insert(QLatin1StringView(name), value);
    return QJsonDocument(object).toJson();
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

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(!m_store.open().isEmpty()); }
    void cleanup()
    {
        zoom::setPercentInEffect(100);
        f.close();
        m_store.close();
    }

    // Window 625 × 429 at the zoom plus the frame, against the work area.
    void fittingChoices_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QList<int>>("choices");
        QTest::newRow("1280x1024") << QSize(1280, 1024) << QList<int>{100, 125, 150, 200};
        QTest::newRow("1920x1080 with a panel") << QSize(1920, 1053) << QList<int>{100, 125, 150, 200};
        QTest::newRow("1920x1200") << QSize(1920, 1200) << QList<int>{100, 125, 150, 200, 250};
        QTest::newRow("2560x1440") << QSize(2560, 1440) << QList<int>{100, 125, 150, 200, 250, 300};
        QTest::newRow("800x600") << QSize(800, 600) << QList<int>{100, 125};
        QTest::newRow("640x480") << QSize(640, 480) << QList<int>{100};
        QTest::newRow("smaller than the window") << QSize(320, 240) << QList<int>{100};
    }
    void fittingChoices()
    {
        QFETCH(QSize, screen);
        QFETCH(QList<int>, choices);
        const std::vector<int> fitting = zoom::fittingChoices(kClient, room(screen.width(), screen.height()));
        QCOMPARE(QList<int>(fitting.begin(), fitting.end()), choices);
    }

    void fitsCountsTheFrameAndRoundsUp()
    {
        // 200 %: 1250 × 858, with a frame of 8 × 34 pixels.
        QVERIFY(zoom::fits(kClient, 200, room(1258, 892)));
        QVERIFY(!zoom::fits(kClient, 200, room(1257, 892)));
        QVERIFY(!zoom::fits(kClient, 200, room(1258, 891)));
        QVERIFY(zoom::fits(kClient, 200, room(1250, 858, {})));
        // 125 %: 781,25 × 536,25 take 782 × 537 pixels.
        QVERIFY(zoom::fits(kClient, 125, room(782, 537, {})));
        QVERIFY(!zoom::fits(kClient, 125, room(781, 537, {})));
        QVERIFY(!zoom::fits(kClient, 125, room(782, 536, {})));
    }

    // A stored zoom too large for the screen starts at the largest that fits.
    void largestFitting()
    {
        QCOMPARE(zoom::largestFitting(300, kClient, room(1280, 1024)), 200);
        QCOMPARE(zoom::largestFitting(250, kClient, room(1920, 1053)), 200);
        QCOMPARE(zoom::largestFitting(150, kClient, room(1280, 1024)), 150);
        QCOMPARE(zoom::largestFitting(125, kClient, room(1280, 1024)), 125);
        QCOMPARE(zoom::largestFitting(200, kClient, room(640, 480)), 100);
        QCOMPARE(zoom::largestFitting(100, kClient, room(320, 240)), 100);
    }

    void keptInside()
    {
        const QRect screen(0, 0, 1280, 1024);
        QCOMPARE(zoom::keptInside(QRect(100, 50, 633, 463), screen), QPoint(100, 50));
        QCOMPARE(zoom::keptInside(QRect(171, 191, 1258, 892), screen), QPoint(22, 132)); // grown past both edges
        QCOMPARE(zoom::keptInside(QRect(-295, -92, 1000, 700), screen), QPoint(0, 0));
        QCOMPARE(zoom::keptInside(QRect(500, 400, 1883, 1321), screen), QPoint(0, 0)); // larger: title bar on screen
        QCOMPARE(zoom::keptInside(QRect(2000, 10, 300, 200), QRect(1280, 0, 1920, 1080)), QPoint(2000, 10));
        QCOMPARE(zoom::keptInside(QRect(3100, 10, 300, 200), QRect(1280, 0, 1920, 1080)), QPoint(2900, 10));
    }

    // The user's own factor is multiplied, and comes back for the programs
    // started from the menu.
    void scaleFactorEnvironment()
    {
        qputenv("QT_SCALE_FACTOR", "2");
        zoom::applyBeforeApplication(150);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("3"));
        QCOMPARE(zoom::percentInEffect(), 150);
        zoom::restoreEnvironment();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));

        qunsetenv("QT_SCALE_FACTOR");
        zoom::applyBeforeApplication(125);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.25"));
        zoom::restoreEnvironment();
        QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));

        zoom::applyBeforeApplication(175); // no choice: nothing changes
        QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
        QCOMPARE(zoom::percentInEffect(), 125);
    }

    void carriedViewRoundTrip()
    {
        const CarriedView view = fullView();
        QCOMPARE(zoomrestart::parse(zoomrestart::serialise(view), kNow), view);
        CarriedView plain;
        plain.madeAtMs = kNow;
        QCOMPARE(zoomrestart::parse(zoomrestart::serialise(plain), kNow), plain);
    }

    // Anything but a fresh view of this version gives a plain start.
    void malformedCarriedView_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("now");
        QTest::newRow("empty") << QByteArray() << kNow;
        QTest::newRow("not JSON") << QByteArray("{\"percent\": 150,") << kNow;
        QTest::newRow("an array") << QByteArray("[150]") << kNow;
        QTest::newRow("another version") << withMember("version", QStringLiteral("0.9")) << kNow;
        QTest::newRow("stale") << zoomrestart::serialise(fullView()) << kNow + zoomrestart::kLifetimeMs + 1000;
        QTest::newRow("from the future") << zoomrestart::serialise(fullView()) << kNow - 60'000;
        QTest::newRow("no time") << withMember("madeAt", QJsonValue::Undefined) << kNow;
        QTest::newRow("zoom no choice") << withMember("percent", 175) << kNow;
        QTest::newRow("zoom a text") << withMember("percent", QStringLiteral("150")) << kNow;
        QTest::newRow("page 11") << withMember("page", 11) << kNow;
        QTest::newRow("page fraction") << withMember("page", 1.5) << kNow;
        QTest::newRow("pin 113") << withMember("pinned", 113) << kNow;
        QTest::newRow("pin negative") << withMember("pinned", -1) << kNow;
        QTest::newRow("view a number") << withMember("view", 3) << kNow;
        QTest::newRow("chosen a number") << withMember("chosen", 1) << kNow;
        QTest::newRow("position of one") << withMember("position", QJsonArray{5}) << kNow;
        QTest::newRow("position far away") << withMember("position", QJsonArray{5, 1e12}) << kNow;
        QTest::newRow("cards missing") << withMember("cards", QJsonValue::Undefined) << kNow;
        QTest::newRow("card element 0") << withMember("cards", QJsonArray{QJsonArray{0, 1, 2, 300, 300}}) << kNow;
        QTest::newRow("card element 113") << withMember("cards", QJsonArray{QJsonArray{113, 1, 2, 300, 300}}) << kNow;
        QTest::newRow("card no size") << withMember("cards", QJsonArray{QJsonArray{8, 1, 2, 0, 300}}) << kNow;
        QTest::newRow("card short") << withMember("cards", QJsonArray{QJsonArray{8, 1, 2}}) << kNow;
        QJsonArray many;
        for (int i = 0; i <= zoomrestart::kMostCards; ++i)
            many.append(QJsonArray{8, i, i, 300, 300});
        QTest::newRow("too many cards") << withMember("cards", many) << kNow;
    }
    void malformedCarriedView()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint64, now);
        QCOMPARE(zoomrestart::parse(text, now), std::nullopt);
    }

    void carriedViewLeavesTheEnvironment()
    {
        qputenv(zoomrestart::kVariable, zoomrestart::serialise(fullView()));
        QCOMPARE(zoomrestart::takeFromEnvironment(), std::nullopt); // stale by now
        QVERIFY(!qEnvironmentVariableIsSet(zoomrestart::kVariable));
        CarriedView fresh = fullView();
        fresh.madeAtMs = QDateTime::currentMSecsSinceEpoch();
        qputenv(zoomrestart::kVariable, zoomrestart::serialise(fresh));
        QCOMPARE(zoomrestart::takeFromEnvironment(), fresh);
        QVERIFY(!qEnvironmentVariableIsSet(zoomrestart::kVariable));
    }

    // What the user sees, taken from one window and given to another made
    // as the new run makes it: a pin with its page and caption, the cards
    // with their elements and places.
    void pinAndCardsCarriedOver()
    {
        f.open(programCatalogue());
        f.pages()->setCurrentIndex(2);
        f.pin(26);
        AuxiliaryWindows &windows = f.window->auxiliaryWindows();
        for (const char *name : {"Tlen", "Złoto"})
            windows.show(new TFiszka(windows, programCatalogue(), f.window.get(), QString::fromUtf8(name)))
                ->move(40, 50);
        windows.windows<TFiszka>().last()->resize(480, 500);

        const CarriedView view = zoomrestart::capture(*f.window, 200);
        QCOMPARE(view.percent, 200);
        QVERIFY(view.chosen);
        QCOMPARE(view.page, 2);
        QCOMPARE(view.pinned, 26);
        QVERIFY(view.view.isEmpty());
        QCOMPARE(view.cards.size(), size_t(2));
        QCOMPARE(view.cards[0].element, 8);
        QCOMPARE(view.cards[1].element, 79);
        QCOMPARE(view.cards[1].geometry.size(), QSize(480, 500));

        const std::optional<CarriedView> carried =
            zoomrestart::parse(zoomrestart::serialise(view), QDateTime::currentMSecsSinceEpoch());
        QVERIFY(carried);
        CueLog log;
        auto again = makeMainWindow(log);
        zoomrestart::restore(*again, *carried);
        again->show();
        zoomrestart::reopenCards(*again, *carried);
        QCOMPARE(again->Skala(), 200); // stored at its close, whatever the run before managed
        QCOMPARE(again->details().currentPage(), 2);
        QVERIFY(again->property("Pinned").toBool());
        QCOMPARE(again->property("PinnedNumber").toInt(), 26);
        QCOMPARE(again->windowTitle(), f.window->windowTitle());
        QCOMPARE(again->property("LastShownName").toString(), QStringLiteral("Żelazo"));
        QStringList titles;
        for (TFiszka *card : again->auxiliaryWindows().windows<TFiszka>())
            titles << card->windowTitle();
        QCOMPARE(titles, (QStringList{QStringLiteral("Fiszka - Tlen"), QStringLiteral("Fiszka - Złoto")}));
        QCOMPARE(again->auxiliaryWindows().windows<TFiszka>().last()->size(), QSize(480, 500));
        QCOMPARE(again->auxiliaryWindows().windows<TFiszka>().last()->pos(), QPoint(40, 50));

        // A card carried to a place off the screen comes back onto it.
        CarriedView away = *carried;
        away.cards = {{8, QRect(5000, -300, 433, 448)}};
        auto moved = makeMainWindow(log);
        moved->show();
        zoomrestart::reopenCards(*moved, away);
        const QRect screen = moved->screen()->availableGeometry();
        QVERIFY(screen.contains(moved->auxiliaryWindows().windows<TFiszka>().last()->frameGeometry()));
        QCOMPARE(log.played, QStringList()); // no cue comes with the restored view
    }

    // A view comes back with its colours, legend and caption.
    void viewCarriedOver()
    {
        f.open(programCatalogue());
        f.pin(8);
        QVERIFY(f.window->views().run(QStringLiteral("PromAtomButtonClick")));
        const CarriedView view = zoomrestart::capture(*f.window, 125);
        QCOMPARE(view.view, QStringLiteral("PromAtomButtonClick"));
        QCOMPARE(view.pinned, 0); // the view unpinned

        CueLog log;
        auto again = makeMainWindow(log);
        zoomrestart::restore(*again, view);
        QCOMPARE(again->windowTitle(), f.window->windowTitle());
        QVERIFY(!again->findChild<QWidget *>(QStringLiteral("LegendaBox"))->isHidden());
        for (int entry = 1; entry <= 16; ++entry)
            QCOMPARE(again->swatchColour(entry), f.window->swatchColour(entry));
        for (int numer : {1, 26, 80, 112})
            QCOMPARE(again->elementButton(numer)->property("textColor"), f.colourOf(numer));

        // A view of a name this version does not have: a plain table.
        QCOMPARE(again->Skala(), 125);

        // A view of a name this version does not have: a plain table. A
        // zoom not chosen (the largest that fits the screen) is not stored.
        CarriedView unknown = view;
        unknown.view = QStringLiteral("NieMaTakiegoClick");
        unknown.chosen = false;
        auto plain = makeMainWindow(log);
        zoomrestart::restore(*plain, unknown);
        QVERIFY(plain->findChild<QWidget *>(QStringLiteral("LegendaBox"))->isHidden());
        QCOMPARE(plain->Skala(), 100);
    }

    // The offscreen screen is 800 × 800: 100 and 125 % fit, the others are
    // offered disabled with the reason. A choice starts the program again.
    void menuOffersWhatFits()
    {
        f.open(programCatalogue());
        QCOMPARE(f.window->screen()->availableGeometry().size(), QSize(800, 800));
        QMenu *zoomMenu = f.window->optionsMenu().Powiekszenie1();
        QCOMPARE(zoomMenu->menuAction()->text(), QStringLiteral("Powiększenie"));
        emit f.window->optionsMenu().SetupPopupMenu()->aboutToShow();
        QStringList captions, enabled, checked;
        for (QAction *a : zoomMenu->actions()) {
            captions << a->text();
            if (a->isEnabled())
                enabled << a->text();
            else
                QCOMPARE(a->toolTip(), QStringLiteral("Okno w tym powiększeniu nie zmieści się na ekranie"));
            if (a->isChecked())
                checked << a->text();
        }
        QCOMPARE(captions, (QStringList{"100 %", "125 %", "150 %", "200 %", "250 %", "300 %"}));
        QCOMPARE(enabled, (QStringList{"100 %", "125 %"}));
        QCOMPARE(checked, QStringList{"100 %"});

        // The run's own zoom is checked and choosable. (The screen, 800
        // pixels at 200 %, is 1600 pixels at 100 %.)
        zoom::setPercentInEffect(200);
        emit f.window->optionsMenu().SetupPopupMenu()->aboutToShow();
        QVERIFY(choice(200)->isChecked());
        QVERIFY(choice(200)->isEnabled());
        QVERIFY(!choice(300)->isEnabled());
    }

    void choiceRestartsAtTheNewZoom()
    {
        QList<int> restarts;
        WindowServices services;
        services.restartAtZoom = [&restarts](TOknoGlowne &, int percent) {
            restarts << percent;
            return true;
        };
        CueLog log;
        auto window = makeMainWindow(log, std::move(services));
        window->setSkala(125);
        window->setSkala(175); // no choice: ignored
        window->setSkala(100); // the zoom in effect: nothing to start
        QCOMPARE(restarts, QList<int>{125});
        QCOMPARE(window->Skala(), 100);
    }

    // A dialog larger than the screen is made smaller and moved onto it.
    void dialogsFitTheScreen()
    {
        zoom::keepWindowsOnScreen();
        QFileDialog dialog(nullptr, QStringLiteral("Zapisz obraz tablicy"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.resize(1500, 1200);
        dialog.move(400, 300);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY2(screen.contains(dialog.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                          .arg(dialog.x())
                                                                          .arg(dialog.y())
                                                                          .arg(dialog.width())
                                                                          .arg(dialog.height())));
    }

    // The stored choice, read before the application object; anything but
    // a choice reads as 100.
    void storedScale_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("percent");
        QTest::newRow("missing") << QByteArray() << 100;
        QTest::newRow("150") << QByteArray("Skala=150\n") << 150;
        QTest::newRow("300") << QByteArray("Skala=300\n") << 300;
        QTest::newRow("not a number") << QByteArray("Skala=duzo\n") << 100;
        QTest::newRow("not a choice") << QByteArray("Skala=175\n") << 100;
        QTest::newRow("negative") << QByteArray("Skala=-200\n") << 100;
    }
    void storedScale()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, percent);
        QVERIFY(writeStoredGroup(settings::location(),
                                 "Showed=1\nPlaySounds=0\nShowTime=1\nShowAVI=1\nShowHelp=1\n" + stored));
        QCOMPARE(settings::storedScale(), percent);
        WindowServices services;
        services.settingsStore = true;
        CueLog log;
        QCOMPARE(makeMainWindow(log, std::move(services))->Skala(), percent);
    }
};

TABLICZNIK_TEST_MAIN(ZoomTest)
#include "zoom_test.moc"
