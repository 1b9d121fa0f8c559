#include "data/appinfo.h"
#include "prefs/settings.h"
#include "support/settingsfile.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace tablicznik;
using tablicznik::testing::storedGroup;

namespace {

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QMap<QString, QString> kFirstRunStore{
    {"Showed", "1"}, {"PlaySounds", "1"}, {"ShowTime", "1"}, {"ShowAVI", "1"}, {"ShowHelp", "1"}};

} // namespace

Q_DECLARE_METATYPE(Preferences)

class SettingsTest : public QObject {
    Q_OBJECT

    testing::FreshStore m_store;
    QString m_file;
    int m_aboutShown = 0;

    std::function<void()> countAbout()
    {
        return [this] { ++m_aboutShown; };
    }
    void writeStore(const QByteArray &content) { QVERIFY(testing::writeStoreFile(m_file, content)); }
    static QByteArray group(const QByteArray &lines) { return "[2.00]\n" + lines; }
    bool runningAsRootCanWrite() const { return QFileInfo(m_file).isWritable(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every case gets a store of its own in an empty folder.
    void init()
    {
        m_file = m_store.open();
        QVERIFY(!m_file.isEmpty());
        QVERIFY(m_file.endsWith(kOrganisation.toString() + QStringLiteral("/Tablicznik.conf")));
        m_aboutShown = 0;
    }
    void cleanup() { m_store.close(); }

    void firstRunCreatesTheStoreAndShowsTheAboutWindowOnce()
    {
        QVERIFY(!QFile::exists(m_file));
        QMap<QString, QString> storedWhileAboutShows;
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, [&] {
            ++m_aboutShown;
            storedWhileAboutShows = storedGroup(m_file);
        }));
        QCOMPARE(m_aboutShown, 1);
        // The defaults are in the store before the about window shows, "Showed" still 0.
        QCOMPARE(storedWhileAboutShows, (QMap<QString, QString>{{"Showed", "0"},
                                                               {"PlaySounds", "1"},
                                                               {"ShowTime", "1"},
                                                               {"ShowAVI", "1"},
                                                               {"ShowHelp", "1"}}));
        QCOMPARE(flags, Preferences::defaults());
        QCOMPARE(storedGroup(m_file), kFirstRunStore);

        // The second run finds "Showed" = 1 and writes nothing.
        const QByteArray before = contentOf(m_file);
        Preferences again;
        QVERIFY(SprawdzRejestr(again, countAbout()));
        QCOMPARE(m_aboutShown, 1);
        QCOMPARE(again, Preferences::defaults());
        QCOMPARE(contentOf(m_file), before);
    }

    void missingValuesGetTheirDefaults_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Preferences>("flags");
        QTest::addColumn<bool>("aboutShown");
        QTest::addColumn<QString>("storedAfter"); // Showed, PlaySounds, ShowTime, ShowAVI, ShowHelp

        QTest::newRow("group without values") << group("") << Preferences{true, true, true, true} << true << "11111";
        QTest::newRow("only Showed") << group("Showed=1\n") << Preferences{true, true, true, true} << false
                                     << "11111";
        QTest::newRow("sounds off, the rest missing")
            << group("PlaySounds=0\n") << Preferences{false, true, true, true} << true << "10111";
        QTest::newRow("Showed missing, everything off")
            << group("PlaySounds=0\nShowTime=0\nShowAVI=0\nShowHelp=0\n") << Preferences{false, false, false, false}
            << true << "10000";
        QTest::newRow("clock and tooltips off, Showed kept")
            << group("ShowTime=0\nShowHelp=0\nShowed=1\n") << Preferences{true, false, true, false} << false
            << "11010";
        QTest::newRow("values in another group do not count")
            << QByteArray("[2.01]\nPlaySounds=0\nShowed=1\n") << Preferences{true, true, true, true} << true
            << "11111";
    }
    void missingValuesGetTheirDefaults()
    {
        QFETCH(QByteArray, stored);
        QFETCH(Preferences, flags);
        QFETCH(bool, aboutShown);
        QFETCH(QString, storedAfter);
        writeStore(stored);

        Preferences read;
        QVERIFY(SprawdzRejestr(read, countAbout()));
        QCOMPARE(read, flags);
        QCOMPARE(m_aboutShown, aboutShown ? 1 : 0);
        const QMap<QString, QString> values = storedGroup(m_file);
        QString digits;
        for (const char *name : {"Showed", "PlaySounds", "ShowTime", "ShowAVI", "ShowHelp"})
            digits += values.value(QLatin1String(name), QStringLiteral("?"));
        QCOMPARE(digits, storedAfter);
    }

    // What counts as an integer, and what a stored value of each kind reads as
    // and becomes at start-up and after closing.
    void storedValueKinds_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("readsAs");
        QTest::addColumn<QString>("afterStart");
        QTest::addColumn<QString>("afterClose");

        QTest::newRow("0") << "0" << false << "0" << "0";
        QTest::newRow("1") << "1" << true << "1" << "1";
        QTest::newRow("2 reads true, stored back as 1") << "2" << true << "2" << "1";
        QTest::newRow("-1") << "-1" << true << "-1" << "1";
        QTest::newRow("largest DWORD") << "4294967295" << true << "4294967295" << "1";
        QTest::newRow("past 32 bits counts as missing") << "4294967296" << true << "1" << "1";
        QTest::newRow("abc counts as missing") << "abc" << true << "1" << "1";
        QTest::newRow("empty counts as missing") << "" << true << "1" << "1";
        QTest::newRow("decimal counts as missing") << "0.5" << true << "1" << "1";
        QTest::newRow("true is not an integer") << "true" << true << "1" << "1";
        QTest::newRow("a list counts as missing") << "0, 0" << true << "1" << "1";
    }
    void storedValueKinds()
    {
        QFETCH(QString, stored);
        QFETCH(bool, readsAs);
        QFETCH(QString, afterStart);
        QFETCH(QString, afterClose);
        writeStore(group("Showed=1\nPlaySounds=1\nShowTime=1\nShowAVI=" + stored.toUtf8() + "\nShowHelp=1\n"));

        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, countAbout()));
        QCOMPARE(flags.ShowAVI, readsAs);
        QCOMPARE(storedGroup(m_file).value("ShowAVI"), afterStart);
        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(storedGroup(m_file).value("ShowAVI"), afterClose);
    }

    void showedIsLeftAsStored_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("aboutShown");
        QTest::addColumn<QString>("afterClose");
        QTest::newRow("2") << "2" << false << "2";
        QTest::newRow("0") << "0" << true << "1";
        QTest::newRow("abc") << "abc" << true << "1";
    }
    void showedIsLeftAsStored()
    {
        QFETCH(QString, stored);
        QFETCH(bool, aboutShown);
        QFETCH(QString, afterClose);
        writeStore(group("Showed=" + stored.toUtf8() + "\nPlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n"));
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, countAbout()));
        QCOMPARE(m_aboutShown, aboutShown ? 1 : 0);
        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(storedGroup(m_file).value("Showed"), afterClose);
    }

    void storingWritesTheFourFlags()
    {
        QVERIFY(ZapiszRejestr(Preferences{false, true, false, true}));
        // A store without "Showed" gets its default; the flags are 1 and 0.
        QCOMPARE(storedGroup(m_file), (QMap<QString, QString>{{"Showed", "0"},
                                                             {"PlaySounds", "0"},
                                                             {"ShowTime", "1"},
                                                             {"ShowAVI", "0"},
                                                             {"ShowHelp", "1"}}));
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, countAbout()));
        QCOMPARE(flags, (Preferences{false, true, false, true}));
        QCOMPARE(m_aboutShown, 1);
        QVERIFY(ZapiszRejestr(Preferences{true, false, true, false}));
        QCOMPARE(storedGroup(m_file).value("Showed"), QStringLiteral("1")); // not written back as 0
        QCOMPARE(storedGroup(m_file).value("ShowTime"), QStringLiteral("0"));
    }

    // Garbage cannot be read: the defaults, no about window, the file left
    // alone until the settings are stored, which replaces it by a clean one.
    void garbageStoreGivesDefaultsAndIsReplacedOnClose()
    {
        const QByteArray garbage("\x01\x02[[[\xff\xfe garbage \x00\x00\n=\n[2.00]\nPlaySounds=0\n", 40);
        writeStore(garbage);
        Preferences flags;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można odczytać ustawień z .*Tablicznik.conf"));
        QVERIFY(!SprawdzRejestr(flags, countAbout()));
        QCOMPARE(flags, Preferences::defaults());
        QCOMPARE(m_aboutShown, 0);
        QCOMPARE(contentOf(m_file), garbage);

        QVERIFY(ZapiszRejestr(Preferences{true, false, true, true}));
        QCOMPARE(storedGroup(m_file), (QMap<QString, QString>{{"Showed", "0"},
                                                             {"PlaySounds", "1"},
                                                             {"ShowTime", "0"},
                                                             {"ShowAVI", "1"},
                                                             {"ShowHelp", "1"}}));
        QVERIFY(!contentOf(m_file).contains("garbage"));
        Preferences next;
        QVERIFY(SprawdzRejestr(next, countAbout()));
        QCOMPARE(next, (Preferences{true, false, true, true}));
    }

    // Garbage that appears while the program runs is replaced as well.
    void garbageFoundOnlyWhenStoring()
    {
        writeStore(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20));
        QVERIFY(ZapiszRejestr(Preferences{false, true, true, false}));
        QCOMPARE(storedGroup(m_file), (QMap<QString, QString>{{"Showed", "0"},
                                                             {"PlaySounds", "0"},
                                                             {"ShowTime", "1"},
                                                             {"ShowAVI", "1"},
                                                             {"ShowHelp", "0"}}));
        QVERIFY(!contentOf(m_file).contains("PNG"));
    }

    // A directory where the file should be can be neither read nor written;
    // the program runs on the defaults and closes anyway.
    void directoryInPlaceOfTheFile()
    {
        QVERIFY(QDir().mkpath(m_file));
        Preferences flags;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można odczytać ustawień"));
        QVERIFY(!SprawdzRejestr(flags, countAbout()));
        QCOMPARE(flags, Preferences::defaults());
        QCOMPARE(m_aboutShown, 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień w .*Tablicznik.conf"));
        QVERIFY(!ZapiszRejestr(Preferences{false, false, false, false}));
        QVERIFY(QFileInfo(m_file).isDir());
        QVERIFY(QDir(m_file).isEmpty());
    }

    // A read-only file is read, never replaced: values it lacks are defaults
    // for this run only, and storing fails and reports it.
    void readOnlyStore()
    {
        const QByteArray stored = group("Showed=1\nPlaySounds=0\nShowAVI=0\n");
        writeStore(stored);
        QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QStringList filesBefore = QDir(QFileInfo(m_file).path()).entryList(QDir::Files);

        Preferences flags;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień"));
        QVERIFY(!SprawdzRejestr(flags, countAbout()));
        QCOMPARE(flags, (Preferences{false, true, false, true}));
        QCOMPARE(m_aboutShown, 0);
        QCOMPARE(contentOf(m_file), stored);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień"));
        QVERIFY(!ZapiszRejestr(Preferences{true, true, true, true}));
        QCOMPARE(contentOf(m_file), stored);
        QCOMPARE(QDir(QFileInfo(m_file).path()).entryList(QDir::Files), filesBefore); // no temporary left over
        QVERIFY(!(QFileInfo(m_file).permissions() & QFile::WriteOwner));
    }

    // A complete read-only store is simply read; on a first run the about
    // window still shows, and "Showed" cannot be recorded.
    void readOnlyStoreOnAFirstRun()
    {
        writeStore(group("Showed=0\nPlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n"));
        QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner));
        Preferences flags;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień"));
        QVERIFY(!SprawdzRejestr(flags, countAbout()));
        QCOMPARE(m_aboutShown, 1);
        QCOMPARE(flags, Preferences::defaults());
        QCOMPARE(storedGroup(m_file).value("Showed"), QStringLiteral("0"));
    }

    void theStoreIsTheUsersOwn()
    {
        // A value missing from the program's own store is not taken from the
        // organisation's store: it gets its default.
        writeStore(group("Showed=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n"));
        {
            QSettings organisationWide(QSettings::NativeFormat, QSettings::UserScope, kOrganisation.toString());
            organisationWide.setValue("2.00/PlaySounds", 0);
        }
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, countAbout()));
        QVERIFY(flags.PlaySounds);
        QCOMPARE(storedGroup(m_file).value("PlaySounds"), QStringLiteral("1"));
    }
};

TABLICZNIK_TEST_MAIN(SettingsTest)
#include "settings_test.moc"
