#include "prefs/settings.h"
#include "support/settingsfile.h"
#include "support/testmain.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace tablicznik;
using tablicznik::testing::storedGroup;

namespace {

const QByteArray kUsedStore = "[2.00]\nShowed=1\nPlaySounds=0\nShowTime=1\nShowAVI=0\nShowHelp=1\n";
const QString kAbsent = QStringLiteral("<absent>");

} // namespace

// The switches stored only once used, the naming of elements 104 ... 112
// and the readable colours, beside the four preferences.
class SettingsNazwyIUPACTest : public QObject {
    Q_OBJECT

    testing::FreshStore m_store;
    QString m_file;

    void writeStore(const QByteArray &content) { QVERIFY(testing::writeStoreFile(m_file, content)); }
    QString stored(const QString &key) const { return storedGroup(m_file).value(key, kAbsent); }
    static bool &flagOf(Preferences &flags, const QString &key)
    {
        return key == u"NazwyIUPAC" ? flags.NazwyIUPAC : flags.WyrazneKolory;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_file = m_store.open();
        QVERIFY(!m_file.isEmpty());
    }
    void cleanup() { m_store.close(); }

    // What a stored value reads as, and what the store holds after the
    // start and after closing with the option unchanged. The other
    // preferences read as stored whatever it holds.
    void storedValue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // kAbsent: no such line
        QTest::addColumn<bool>("readsAs");
        QTest::addColumn<QString>("afterClose");

        for (const char *key : {"NazwyIUPAC", "WyrazneKolory"}) {
            const auto row = [key](const char *name) -> QTestData & { return QTest::addRow("%s %s", key, name) << QString::fromLatin1(key); };
            row("missing: off, and not written") << kAbsent << false << kAbsent;
            row("0") << "0" << false << "0";
            row("2 reads on, stored back as 1") << "2" << true << "1";
            row("abc reads off, stored back as 0") << "abc" << false << "0";
            row("past 32 bits reads off") << "4294967296" << false << "0";
        }
    }
    void storedValue()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, readsAs);
        QFETCH(QString, afterClose);
        writeStore(kUsedStore + (value == kAbsent ? QByteArray() : key.toLatin1() + "=" + value.toUtf8() + "\n"));
        const QMap<QString, QString> before = storedGroup(m_file);

        Preferences flags;
        bool aboutShown = false;
        QVERIFY(SprawdzRejestr(flags, [&] { aboutShown = true; }));
        QVERIFY(!aboutShown);
        Preferences expected{false, true, false, true};
        flagOf(expected, key) = readsAs;
        QCOMPARE(flags, expected);
        QCOMPARE(storedGroup(m_file), before); // reading writes nothing

        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(stored(key), afterClose);
        QCOMPARE(stored(key == u"NazwyIUPAC" ? QStringLiteral("WyrazneKolory") : QStringLiteral("NazwyIUPAC")), kAbsent);
        QCOMPARE(storedGroup(m_file).value("PlaySounds"), QStringLiteral("0"));
        QCOMPARE(storedGroup(m_file).value("ShowAVI"), QStringLiteral("0"));
    }

    // A first run never meets the option: the store holds the five values
    // it always held. Switched on, it is stored and read back at the next
    // start; switched off again, it is stored as 0.
    void switchingOnAndOffAcrossRuns_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("NazwyIUPAC") << QStringLiteral("NazwyIUPAC");
        QTest::newRow("WyrazneKolory") << QStringLiteral("WyrazneKolory");
    }
    void switchingOnAndOffAcrossRuns()
    {
        QFETCH(QString, key);
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, {}));
        QCOMPARE(flags, Preferences::defaults());
        QVERIFY(!flagOf(flags, key));
        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(storedGroup(m_file).keys(),
                 (QStringList{"PlaySounds", "ShowAVI", "ShowHelp", "ShowTime", "Showed"}));

        flagOf(flags, key) = true;
        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(stored(key), QStringLiteral("1"));
        Preferences next;
        QVERIFY(SprawdzRejestr(next, {}));
        QCOMPARE(next, flags);

        flagOf(next, key) = false;
        QVERIFY(ZapiszRejestr(next));
        QCOMPARE(stored(key), QStringLiteral("0"));
        Preferences third;
        QVERIFY(SprawdzRejestr(third, {}));
        QCOMPARE(third, Preferences::defaults());
    }
};

TABLICZNIK_TEST_MAIN(SettingsNazwyIUPACTest)
#include "settings_nazwyiupac_test.moc"
