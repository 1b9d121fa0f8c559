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

// The stored naming of elements 104 ... 112 beside the four preferences.
class SettingsNazwyIUPACTest : public QObject {
    Q_OBJECT

    testing::FreshStore m_store;
    QString m_file;

    void writeStore(const QByteArray &content) { QVERIFY(testing::writeStoreFile(m_file, content)); }
    QString stored() const { return storedGroup(m_file).value(QStringLiteral("NazwyIUPAC"), kAbsent); }

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
        QTest::addColumn<QString>("value"); // kAbsent: no such line
        QTest::addColumn<bool>("readsAs");
        QTest::addColumn<QString>("afterClose");

        QTest::newRow("missing: off, and not written") << kAbsent << false << kAbsent;
        QTest::newRow("0") << "0" << false << "0";
        QTest::newRow("2 reads on, stored back as 1") << "2" << true << "1";
        QTest::newRow("abc reads off, stored back as 0") << "abc" << false << "0";
        QTest::newRow("past 32 bits reads off") << "4294967296" << false << "0";
    }
    void storedValue()
    {
        QFETCH(QString, value);
        QFETCH(bool, readsAs);
        QFETCH(QString, afterClose);
        writeStore(kUsedStore + (value == kAbsent ? QByteArray() : "NazwyIUPAC=" + value.toUtf8() + "\n"));
        const QMap<QString, QString> before = storedGroup(m_file);

        Preferences flags;
        bool aboutShown = false;
        QVERIFY(SprawdzRejestr(flags, [&] { aboutShown = true; }));
        QVERIFY(!aboutShown);
        QCOMPARE(flags, (Preferences{false, true, false, true, readsAs}));
        QCOMPARE(storedGroup(m_file), before); // reading writes nothing

        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(stored(), afterClose);
        QCOMPARE(storedGroup(m_file).value("PlaySounds"), QStringLiteral("0"));
        QCOMPARE(storedGroup(m_file).value("ShowAVI"), QStringLiteral("0"));
    }

    // A first run never meets the option: the store holds the five values
    // it always held. Switched on, it is stored and read back at the next
    // start; switched off again, it is stored as 0.
    void switchingOnAndOffAcrossRuns()
    {
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, {}));
        QCOMPARE(flags, Preferences::defaults());
        QVERIFY(!flags.NazwyIUPAC);
        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(storedGroup(m_file).keys(),
                 (QStringList{"PlaySounds", "ShowAVI", "ShowHelp", "ShowTime", "Showed"}));

        flags.NazwyIUPAC = true;
        QVERIFY(ZapiszRejestr(flags));
        QCOMPARE(stored(), QStringLiteral("1"));
        Preferences next;
        QVERIFY(SprawdzRejestr(next, {}));
        QCOMPARE(next, flags);

        next.NazwyIUPAC = false;
        QVERIFY(ZapiszRejestr(next));
        QCOMPARE(stored(), QStringLiteral("0"));
        Preferences third;
        QVERIFY(SprawdzRejestr(third, {}));
        QCOMPARE(third, Preferences::defaults());
    }
};

TABLICZNIK_TEST_MAIN(SettingsNazwyIUPACTest)
#include "settings_nazwyiupac_test.moc"
