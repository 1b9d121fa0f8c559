#include "richtext/rtftokenizer.h"
#include "support/testmain.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tablicznik::rtf;

namespace {

// The tokens of `input` in a compact form: { } \word \word=12 sym:~ hex:e6 "text".
QString tokens(const QString &input)
{
    Tokenizer tokenizer(input);
    QStringList out;
    for (Token token = tokenizer.next(); token.kind != TokenKind::End; token = tokenizer.next()) {
        switch (token.kind) {
        case TokenKind::GroupOpen:
            out << u"{"_s;
            break;
        case TokenKind::GroupClose:
            out << u"}"_s;
            break;
        case TokenKind::ControlWord:
            out << u'\\' + token.word.toString()
                       + (token.hasParameter ? u'=' + QString::number(token.parameter) : QString());
            break;
        case TokenKind::ControlSymbol:
            out << u"sym:"_s + QChar(token.parameter);
            break;
        case TokenKind::HexByte:
            out << u"hex:"_s + QString::number(token.parameter, 16);
            break;
        case TokenKind::Text:
            out << u'"' + token.word.toString() + u'"';
            break;
        case TokenKind::End:
            break;
        }
    }
    return out.join(u' ');
}

} // namespace

class RtfTokenizerTest : public QObject {
    Q_OBJECT

private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("groups and text") << uR"({a}{b})"_s << uR"({ "a" } { "b" })"_s;
        QTest::newRow("word without parameter") << uR"(\par x)"_s << uR"(\par "x")"_s;
        QTest::newRow("only one space is the delimiter") << uR"(\b  x)"_s << uR"(\b " x")"_s;
        QTest::newRow("parameter") << uR"(\fs20 x)"_s << uR"(\fs=20 "x")"_s;
        QTest::newRow("negative parameter") << uR"(\li-360x)"_s << uR"(\li=-360 "x")"_s;
        QTest::newRow("hyphen without digits is text") << uR"(\b-x)"_s << uR"(\b "-x")"_s;
        QTest::newRow("saturated parameter") << uR"(\fs99999999999 \dn-99999999999)"_s
                                             << uR"(\fs=999999999 \dn=-999999999)"_s;
        QTest::newRow("words back to back") << uR"(\b\i0\fs20\super)"_s << uR"(\b \i=0 \fs=20 \super)"_s;
        QTest::newRow("control symbols") << uR"(\~\-\*\\\{\})"_s << uR"(sym:~ sym:- sym:* sym:\ sym:{ sym:})"_s;
        QTest::newRow("symbol keeps the space after it") << uR"(\{ x)"_s << uR"(sym:{ " x")"_s;
        QTest::newRow("hex escape") << uR"(\'e6\'B9z)"_s << uR"(hex:e6 hex:b9 "z")"_s;
        QTest::newRow("hex escape cut short") << uR"(\'4g\')"_s << uR"(sym:' "g" sym:')"_s;
        QTest::newRow("line ends dropped") << u"a\r\nb\nc"_s << uR"("a" "b" "c")"_s;
        QTest::newRow("tab is text") << u"a\tb"_s << u"\"a\tb\""_s;
        QTest::newRow("non-ASCII text") << u"Gęstość »"_s << u"\"Gęstość »\""_s;
        QTest::newRow("letters only in a word") << uR"(\fonttblż)"_s << uR"(\fonttbl "ż")"_s;
        QTest::newRow("backslash at the end") << u"a\\"_s << uR"("a")"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void tokens()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(::tokens(input), expected);
    }
};

TABLICZNIK_TEST_MAIN(RtfTokenizerTest)
#include "rtftokenizer_test.moc"
