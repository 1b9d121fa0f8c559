#include "controls/accessiblenames.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QTest>

using tablicznik::spokenHint;

// Every string of up to `length` characters over `alphabet`.
static QStringList allStrings(QStringView alphabet, int length)
{
    QStringList strings{QString()};
    for (qsizetype from = 0, level = 0; level < length; ++level) {
        const qsizetype to = strings.size();
        for (qsizetype i = from; i < to; ++i)
            for (QChar c : alphabet)
                strings << strings[i] + c;
        from = to;
    }
    return strings;
}

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

    // Blanks and breaks in every arrangement read as the regular expression
    // "\s*\n\s*" -> " " and a trim read them.
    void asTheBreakPattern()
    {
        static const QRegularExpression breaks(QStringLiteral("\\s*\\n\\s*"));
        for (const QString &hint : allStrings(u"a \n\t\r\v", 6))
            QCOMPARE(spokenHint(hint), QString(hint).replace(breaks, QStringLiteral(" ")).trimmed());
    }
};

TABLICZNIK_TEST_MAIN(SpokenHintTest)
#include "spokenhint_test.moc"
