#include "cues/soundcues.h"
#include "cues/soundlibrary.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace tablicznik;

namespace {
QStringList g_messages;
void keepMessage(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    g_messages << QLatin1StringView(context.category) + QLatin1StringView(": ") + message;
}
} // namespace

// This program does not link the sound library, and none lies where the
// program looks: the cues stay silent and say why, once.
class SoundLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void looksBesideTheProgramThenInTheLibraryFolder()
    {
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList files = soundLibraryFiles();
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0], program + QStringLiteral("/libtablicznik-sound.so"));
        QVERIFY2(files[1].endsWith(QStringLiteral("/tablicznik/libtablicznik-sound.so")), qPrintable(files[1]));
        QVERIFY(QDir::isAbsolutePath(files[1]) && !files[1].contains(QStringLiteral("/../")));
    }

    void withoutTheLibraryTheCuesAreSilent()
    {
        for (const QString &file : soundLibraryFiles())
            QVERIFY2(!QFileInfo::exists(file), qPrintable(file + QStringLiteral(" exists: the case cannot be made")));
        const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
        SoundCues cues(soundLibraryPlayers());
        cues.setPlaySounds(true);
        cues.open();
        const bool made = soundLibraryPlayers()() != nullptr; // asked again: no second note
        qInstallMessageHandler(previous);
        QVERIFY(!made);
        QVERIFY(!cues.soundsReady());
        QVERIFY(!cues.loading());
        cues.PlayClick();
        cues.PlayExit(); // nothing to wait for
        QCOMPARE(g_messages.size(), 1);
        QVERIFY2(g_messages[0].startsWith(QStringLiteral("tablicznik.cues: no sound library, the cues are silent: ")),
                 qPrintable(g_messages[0]));
        for (const QString &file : soundLibraryFiles())
            QVERIFY2(g_messages[0].contains(file + QStringLiteral(" not found")), qPrintable(g_messages[0]));
    }
};

TABLICZNIK_TEST_MAIN(SoundLibraryTest)
#include "soundlibrary_test.moc"
