#include "support/settingsfile.h"
#include "support/testmain.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A logout, `kill` or Ctrl+C ends the real program through its closing
// steps, and a choice made in the options menu is in the store before any
// of that. Runs the program (tests/app/termination_child.cpp) as a child.
class TerminationTest : public QObject {
    Q_OBJECT

    static QString storeFile(const QTemporaryDir &home)
    {
        return home.filePath(QStringLiteral("Lumera/Tablicznik.conf"));
    }
    // Read from the file itself: QSettings keeps a parsed copy per file and
    // trusts it while size and modification time match, and the child's two
    // writes may differ in neither (1 -> 0 within one clock tick).
    static QVariant stored(const QTemporaryDir &home, const char *key)
    {
        return tablicznik::testing::storedGroup(storeFile(home)).value(QLatin1StringView(key));
    }

private slots:
    void signalEndsTheProgramThroughItsClosingSteps_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void signalEndsTheProgramThroughItsClosingSteps()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir home;
        QVERIFY(tablicznik::testing::writeStoredGroup(storeFile(home),
                                                      "Showed=1\nPlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(TERMINATION_CHILD), {});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
        while (!child.canReadLine())
            QVERIFY2(child.waitForReadyRead(60000), "the program did not come up");
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));

        // The menu's choice is stored already; the other change is not.
        QCOMPARE(stored(home, "ShowHelp").toInt(), 0);
        QCOMPARE(stored(home, "ShowAVI").toInt(), 1);

        ::kill(pid_t(child.processId()), signalNumber);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        // The closing steps stored everything.
        QCOMPARE(stored(home, "ShowAVI").toInt(), 0);
        QCOMPARE(stored(home, "ShowHelp").toInt(), 0);
        QCOMPARE(stored(home, "Showed").toInt(), 1);
    }
};

TABLICZNIK_TEST_MAIN(TerminationTest)
#include "termination_test.moc"
