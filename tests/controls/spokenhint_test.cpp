#include "controls/accessiblenames.h"
#include "support/testmain.h"

#include <QTest>

using tablicznik::spokenHint;

class SpokenHintTest : public QObject {
    Q_OBJECT

private slots:
    void examples()
    {
        QCOMPARE(spokenHint(QStringLiteral("Koloruje pierwiastki według:\npromienia atomu.")),
                 QStringLiteral("Koloruje pierwiastki według: promienia atomu."));
        QCOMPARE(spokenHint(QStringLiteral("  a \t\r\n\n  b  c \n")), QStringLiteral("a b  c"));
        QCOMPARE(spokenHint(QString()), QString());
    }
};

TABLICZNIK_TEST_MAIN(SpokenHintTest)
#include "spokenhint_test.moc"
