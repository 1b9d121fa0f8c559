#include "data/stringtofloat.h"
#include "support/testmain.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <clocale>

using tablicznik::StringToFloat;

class StringToFloatTest : public QObject {
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("decimal comma") << "13,59843" << 13.59843;
        QTest::newRow("negative") << "-252,88" << -252.88;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("estimate in parentheses") << "(0,077)" << 0.077;
        QTest::newRow("second year in parentheses") << "1810 (1866)" << 1866.0;
        QTest::newRow("rarer valence") << "2,3,(6)" << 6.0;
        QTest::newRow("nested parentheses") << "a(b(2,5)c)d" << 2.5;
        QTest::newRow("doubly wrapped") << "((2,0))" << 2.0;
        QTest::newRow("power of ten") << "2,5*10{super 3}" << 2500.0;
        QTest::newRow("negative power of ten") << "1,5*10{super -8}" << 1.5e-8;
        QTest::newRow("blanks around") << "  42 " << 42.0;
        QTest::newRow("exponent") << "1,2E3" << 1200.0;
        QTest::newRow("zero") << "0" << 0.0;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const auto result = StringToFloat(text);
        QVERIFY(!result.noNumber);
        QVERIFY(!result.malformed);
        QCOMPARE(result.value, expected);
    }

    void noData_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("malformed");
        QTest::newRow("dash") << "-" << false;
        QTest::newRow("question mark") << "?" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("two commas") << "+4,-4" << true;
        QTest::newRow("era word") << "starożytność" << true;
        QTest::newRow("bullet power of ten") << "9,3•10{\\super -8}" << true;
        QTest::newRow("less than zero") << "<0" << true;
        QTest::newRow("unit inside") << "108,1 kg" << true;
        QTest::newRow("unclosed parenthesis") << "(2,5" << true;
        QTest::newRow("empty parentheses") << "()" << true;
        QTest::newRow("closing before opening") << ")2(" << true;
        QTest::newRow("overflow") << "1E999" << true;
        QTest::newRow("point instead of comma") << "1,5.3" << true;
        QTest::newRow("lone sign") << "+" << true;
        QTest::newRow("long text") << QString(5000, u'7') + u'x' << true;
        QTest::newRow("control bytes") << QString::fromLatin1("\x01\x02\xff") << true;
    }
    void noData()
    {
        QFETCH(QString, text);
        QFETCH(bool, malformed);
        const auto result = StringToFloat(text);
        QVERIFY(result.noNumber);
        QCOMPARE(result.malformed, malformed);
    }

    // Signs, digits, separators, exponents and blanks in every arrangement
    // up to six characters: a number exactly when the text, its first comma
    // read as the point, is " *[+-]?(D+.?D*|.D+)([eE][+-]?D+)? *".
    void plainNumberGrammar()
    {
        static const QRegularExpression grammar(QStringLiteral(R"(^ *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)? *$)"));
        const QString alphabet = QStringLiteral(" +-0,.e"); // zeros: no exponent overflows
        QStringList texts{QString()};
        for (qsizetype from = 0, level = 0; level < 6; ++level) {
            const qsizetype to = texts.size();
            for (qsizetype i = from; i < to; ++i)
                for (QChar c : alphabet)
                    texts << texts[i] + c;
            from = to;
        }
        int numbers = 0;
        for (const QString &text : texts) {
            if (text.isEmpty() || text == u"-")
                continue; // no data, not a number
            QString read = text;
            if (const auto comma = read.indexOf(u','); comma >= 0)
                read[comma] = u'.';
            const bool expected = grammar.match(read).hasMatch();
            QVERIFY2(StringToFloat(text).noNumber != expected, qPrintable(u'"' + text + u'"'));
            numbers += expected;
        }
        QCOMPARE(numbers, 847); // as many as another regular-expression engine counts
    }

    // Any length: a long run of digits is still one number.
    void longNumber()
    {
        const auto result = StringToFloat(QStringLiteral("1") + QString(150, u'0'));
        QVERIFY(!result.noNumber);
        QCOMPARE(result.value, 1e150);
    }

    // The reading must not depend on the user's own decimal separator.
    void sameUnderEveryLocale()
    {
        const QStringList samples = {"13,59843", "-252,88", "(0,077)", "1,5*10{super -8}", "0,0837"};
        QList<double> underC, underPolish;
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
        for (const QString &s : samples)
            underC << StringToFloat(s).value;
        // The build makes this locale for the test (tests/data/CMakeLists.txt);
        // without it the Polish half would read under "C" again and prove nothing.
        if (!std::setlocale(LC_NUMERIC, "pl_PL.UTF-8"))
            QSKIP("the pl_PL.UTF-8 locale is missing: install Debian's \"locales\" package, "
                  "which lets the build make it for this test, or generate it on the machine");
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(",")); // the C library reads Polish now
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        for (const QString &s : samples)
            underPolish << StringToFloat(s).value;
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(underPolish, underC);
        QCOMPARE(underC.first(), 13.59843);
    }
};

TABLICZNIK_TEST_MAIN(StringToFloatTest)
#include "stringtofloat_test.moc"
