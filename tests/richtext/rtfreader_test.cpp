#include "richtext/rtfreader.h"
#include "support/richtext.h"
#include "support/testmain.h"
#include "tools/opis2rtf/opis.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using tablicznik::readRtf;
using namespace tablicznik::testing;

namespace {

// How a value is handed to a rich-text control on the details pages.
QString wrapped(const QString &field)
{
    return u"{\\rtf1\\b\\fs20 "_s + field + u"\\par }"_s;
}

QString read(const QString &rtf)
{
    QTextDocument doc;
    readRtf(rtf, &doc);
    return describe(doc);
}

int countOf(const QTextDocument &doc, QTextCharFormat::VerticalAlignment alignment)
{
    int count = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().verticalAlignment() == alignment)
                count += it.fragment().length();
    return count;
}

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void characterFormatting_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bold on and off") << uR"({\rtf1 a\b b\b0 c})"_s << u"{12pt}a{b 12pt}b{12pt}c"_s;
        QTest::newRow("bold with parameter") << uR"({\rtf1\b1 x\b0 y\b2 z})"_s << u"{b 12pt}x{12pt}y{b 12pt}z"_s;
        QTest::newRow("italic in a group") << uR"({\rtf1 a{\i b}c\i d\i0 e})"_s
                                           << u"{12pt}a{i 12pt}b{12pt}c{i 12pt}d{12pt}e"_s;
        QTest::newRow("group restores everything")
            << uR"({\rtf1{\b a{\i\fs20\super b}c}d})"_s << u"{b 12pt}a{b i 10pt sup}b{b 12pt}c{12pt}d"_s;
        QTest::newRow("size in half-points") << uR"({\rtf1\fs20 a\fs31 b\fs c\fs0 d})"_s
                                             << u"{10pt}a{15.5pt}b{12pt}cd"_s;
        QTest::newRow("superscript and subscript") << uR"({\rtf1 H{\sub 2}O{\super 2-}})"_s
                                                   << u"{12pt}H{12pt sub}2{12pt}O{12pt sup}2-"_s;
        QTest::newRow("nosupersub") << uR"({\rtf1\super a\nosupersub b\sub c\super d})"_s
                                    << u"{12pt sup}a{12pt}b{12pt sub}c{12pt sup}d"_s;
        QTest::newRow("raised and lowered") << uR"({\rtf1\fs20 a\up6 b\up0 c\dn4 d\up e})"_s
                                            << u"{10pt}a{10pt +30%}b{10pt}c{10pt -20%}d{10pt +30%}e"_s;
        QTest::newRow("plain resets character formatting")
            << uR"({\rtf1{\colortbl;\red255\green0\blue0;}\b\i\fs40\super\up4\cf1 a\plain b})"_s
            << u"{b i 20pt sup +10% #ff0000}a{12pt}b"_s;
        QTest::newRow("pard keeps character formatting") << uR"({\rtf1\b a\pard b})"_s << u"{b 12pt}ab"_s;
        QTest::newRow("fonts from the table")
            << uR"({\rtf1{\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss\fcharset238 Arial;}}\f1 a\f0 b})"_s
            << u"{12pt Arial}a{12pt Times New Roman}b"_s;
        QTest::newRow("default font")
            << uR"({\rtf1\deff1{\fonttbl{\f0 Times New Roman;}{\f1 Arial;}}a\f0 b\plain c})"_s
            << u"{12pt Arial}a{12pt Times New Roman}b{12pt Arial}c"_s;
        QTest::newRow("font table without entry groups")
            << uR"({\rtf1{\fonttbl\f0\fnil Courier New;\f3\fswiss Arial;}\f3 x})"_s << u"{12pt Arial}x"_s;
        QTest::newRow("font name with escapes and a panose group")
            << uR"({\rtf1{\fonttbl{\f0{\*\panose 02020603}Czcionka \'bf\'f3\'b3ta;}}x})"_s
            << u"{12pt Czcionka żółta}x"_s;
        QTest::newRow("font missing from the table") << uR"({\rtf1{\fonttbl{\f0 Arial;}}\f9 x})"_s << u"{12pt}x"_s;
        QTest::newRow("colours from the table")
            << uR"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green51\blue102;}\cf1 a\cf2 b\cf0 c})"_s
            << u"{12pt #ff0000}a{12pt #003366}b{12pt}c"_s;
        QTest::newRow("colour missing from the table") << uR"({\rtf1{\colortbl;\red1\green2\blue3;}\cf7 d})"_s
                                                       << u"{12pt}d"_s;
        QTest::newRow("colour with a missing component") << uR"({\rtf1{\colortbl;\green128;}\cf1 d})"_s
                                                         << u"{12pt #008000}d"_s;
        QTest::newRow("tables inside a passed-over group change nothing")
            << uR"({\rtf1{\colortbl;\red255\green0\blue0;}{\*\foo{\colortbl;\red0\green0\blue255;}}\cf1 x})"_s
            << u"{12pt #ff0000}x"_s;
        QTest::newRow("wrapped configuration") << wrapped(uR"([Ar]3d{\super 6}4s{\super 2})"_s)
                                               << u"{b 10pt}[Ar]3d{b 10pt sup}6{b 10pt}4s{b 10pt sup}2"_s;
        QTest::newRow("density caption") << uR"({\rtf1\fs16 Gęstość [g/cm{\super 3}]:\par })"_s
                                         << u"{8pt}Gęstość [g/cm{8pt sup}3{8pt}]:"_s;
    }
    void characterFormatting()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, expected);
        QCOMPARE(read(rtf), expected);
    }

    void paragraphs_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("par ends a paragraph") << uR"({\rtf1 a\par b\par })"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("text after the last par") << uR"({\rtf1 a\par b})"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("empty paragraph") << uR"({\rtf1 a\par\par b\par})"_s << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("par inside a group") << uR"({\rtf1 a{\b b\par c}d})"_s << QStringList{u"ab"_s, u"cd"_s};
        QTest::newRow("line break stays in the paragraph") << uR"({\rtf1 a\line b\par})"_s
                                                           << QStringList{u"a\u2028b"_s};
        QTest::newRow("line ends in the source are not text") << u"{\\rtf1 a\nb\r\nc\rd\\par}"_s
                                                              << QStringList{u"abcd"_s};
        QTest::newRow("backslash before a line end is a par") << u"{\\rtf1 a\\\r\nb}"_s
                                                              << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("tab") << uR"({\rtf1 a\tab b})"_s << QStringList{u"a\tb"_s};
        QTest::newRow("nothing to show") << uR"({\rtf1\ansi})"_s << QStringList{u""_s};
        QTest::newRow("empty input") << QString() << QStringList{u""_s};
    }
    void paragraphs()
    {
        QFETCH(QString, rtf);
        QFETCH(QStringList, expected);
        QTextDocument doc;
        readRtf(rtf, &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc), expected);
    }

    void alignment()
    {
        QTextDocument doc;
        readRtf(uR"({\rtf1\qc a\par\pard b\par\qj c\par\qr d\par\ql e\par f\qc\par\pard\qr\par g})"_s, &doc);
        QList<Qt::Alignment> alignments;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
            alignments << (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        // An alignment given before the paragraph's \par still counts; an
        // empty paragraph takes the alignment of its own \par.
        const QList<Qt::Alignment> expected{Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignJustify, Qt::AlignRight,
                                            Qt::AlignLeft,    Qt::AlignHCenter, Qt::AlignRight, Qt::AlignRight};
        QCOMPARE(alignments, expected);
        QCOMPARE(tablicznik::testing::paragraphs(doc),
                 (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u""_s, u"g"_s}));
    }

    // Spacing and indents in twips become margins in pixels (15 twips
    // each); \pard clears them.
    void spacingAndIndents()
    {
        QTextDocument doc;
        readRtf(uR"({\rtf1\sb150\sa300\li360\fi-180 a\par b\par\pard c\par})"_s, &doc);
        const QTextBlockFormat a = doc.begin().blockFormat(), c = doc.lastBlock().blockFormat();
        QCOMPARE(a.topMargin(), 10.0);
        QCOMPARE(a.bottomMargin(), 20.0);
        QCOMPARE(a.leftMargin(), 24.0);
        QCOMPARE(a.textIndent(), -12.0);
        QCOMPARE(doc.begin().next().blockFormat().leftMargin(), 24.0);
        QCOMPARE(c.topMargin(), 0.0);
        QCOMPARE(c.leftMargin(), 0.0);
        QCOMPARE(c.textIndent(), 0.0);
    }

    void characters_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Polish lower case") << uR"({\rtf1 \'b9\'e6\'ea\'b3\'f1\'f3\'9c\'9f\'bf})"_s << u"ąćęłńóśźż"_s;
        QTest::newRow("Polish upper case") << uR"({\rtf1 \'a5\'c6\'ca\'a3\'d1\'d3\'8c\'8f\'af})"_s << u"ĄĆĘŁŃÓŚŹŻ"_s;
        QTest::newRow("upper-case hex digits") << uR"({\rtf1 Mied\'9F i \'B9})"_s << u"Miedź i ą"_s;
        QTest::newRow("escape between letters") << uR"({\rtf1 wyst\'eapuje})"_s << u"występuje"_s;
        QTest::newRow("code page punctuation") << uR"({\rtf1 \'84a\'94 \'95 \'b0C \'b7 \'bb})"_s
                                               << u"„a” • °C · »"_s;
        QTest::newRow("quotes and dashes")
            << uR"({\rtf1 \ldblquote a\rdblquote  \lquote b\rquote  c\endash d\emdash e})"_s << u"“a” ‘b’ c–d—e"_s;
        QTest::newRow("escaped specials") << uR"({\rtf1 \\ \{x\}})"_s << uR"(\ {x})"_s;
        QTest::newRow("text already in Unicode") << u"{\\rtf1 Gęstość ·»• Żółw}"_s << u"Gęstość ·»• Żółw"_s;
        QTest::newRow("space ends a control word") << uR"({\rtf1\b x\b  y})"_s << u"x y"_s;
        QTest::newRow("digit ends a parameter") << uR"({\rtf1\fs20x})"_s << u"x"_s;
        QTest::newRow("no-break space and hyphen") << uR"({\rtf1 a\~b\_c})"_s << u"a\u00A0b\u2011c"_s;
        QTest::newRow("unicode with fallback") << uR"({\rtf1 \u8364?x})"_s << u"€x"_s;
        QTest::newRow("unicode with escaped fallback") << uR"({\rtf1 \u261\'b9x})"_s << u"ąx"_s;
        QTest::newRow("unicode without fallback") << uR"({\rtf1\uc0 \u8364 x})"_s << u"€x"_s;
        QTest::newRow("negative unicode") << uR"({\rtf1 \u-3? \u-26\'3f})"_s << u"\uFFFD \uFFE6"_s;
        QTest::newRow("two fallback characters") << uR"({\rtf1\uc2 \u322 l?y})"_s << u"ły"_s;
        QTest::newRow("fallback count is per group") << uR"({\rtf1{\uc2 \u322 l?x}\u322 ly})"_s << u"łxły"_s;
        QTest::newRow("binary data skipped") << uR"({\rtf1 a\bin3 {}\b})"_s << u"ab"_s;
        QTest::newRow("unused code page byte") << uR"({\rtf1 a\'81b})"_s << u"ab"_s;
    }
    void characters()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, expected);
        QTextDocument doc;
        readRtf(rtf, &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc).join(u'\n'), expected);
    }

    void destinations_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("information group") << uR"({\rtf1{\info{\title Tytu\'b3}{\author A}}x})"_s << u"x"_s;
        QTest::newRow("style sheet") << uR"({\rtf1{\stylesheet{\s0\f0\fs22 Normal;}{\s1 Heading;}}x})"_s << u"x"_s;
        QTest::newRow("font and colour tables")
            << uR"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}x})"_s << u"x"_s;
        QTest::newRow("starred destination") << uR"({\rtf1{\*\generator Writer 1.0;}x})"_s << u"x"_s;
        QTest::newRow("unknown starred destination with groups")
            << uR"({\rtf1{\*\foo a{\bar b}{\par c}\par}x\par y})"_s << u"x\ny"_s;
        QTest::newRow("list numbering text") << uR"({\rtf1{\pntext\'95\tab}x})"_s << u"x"_s;
        QTest::newRow("headers and footers") << uR"({\rtf1{\header h}{\footerl f}x})"_s << u"x"_s;
        QTest::newRow("picture") << uR"({\rtf1{\pict\pngblip 89504e47}x})"_s << u"x"_s;
        QTest::newRow("field result shown")
            << uR"({\rtf1{\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt strona}}.})"_s << u"strona."_s;
        QTest::newRow("page layout words")
            << uR"({\rtf1\paperw11906\margl1417\sectd\pnseclvl1\pnlvlblt\sb160\sa60\li360\fi-360 x})"_s << u"x"_s;
    }
    void destinations()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, expected);
        QTextDocument doc;
        readRtf(rtf, &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc).join(u'\n'), expected);
    }

    // Values from the catalogue, wrapped as the details pages wrap them.
    void catalogueFragments_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("configuration of hydrogen") << uR"(1s{\super 1})"_s << u"{b 10pt}1s{b 10pt sup}1"_s;
        QTest::newRow("electrode potentials of iron")
            << uR"(-0,44 Fe{\super 2+} » Fe{\super 0}; +0,771 Fe{\super 3+} » Fe{\super 2+})"_s
            << u"{b 10pt}-0,44 Fe{b 10pt sup}2+{b 10pt} » Fe{b 10pt sup}0{b 10pt}; +0,771 Fe{b 10pt sup}3+"
               u"{b 10pt} » Fe{b 10pt sup}2+"_s;
        QTest::newRow("minerals with a hydrate")
            << uR"(karnalit KMgCl{\sub 3}·6H{\sub 2}O, kizeryt MgSO{\sub 4}·H{\sub 2}O)"_s
            << u"{b 10pt}karnalit KMgCl{b 10pt sub}3{b 10pt}·6H{b 10pt sub}2{b 10pt}O, kizeryt MgSO{b 10pt sub}4"
               u"{b 10pt}·H{b 10pt sub}2{b 10pt}O"_s;
        QTest::newRow("resistivity with a negative power") << uR"(9,71•10{\super -8})"_s
                                                           << u"{b 10pt}9,71•10{b 10pt sup}-8"_s;
        QTest::newRow("isotopes") << uR"({\super 54}Fe (5,845%), {\super 60}Fe (2,6 mln lat).)"_s
                                  << u"{b 10pt sup}54{b 10pt}Fe (5,845%), {b 10pt sup}60{b 10pt}Fe (2,6 mln lat)."_s;
        QTest::newRow("no data") << u"-"_s << u"{b 10pt}-"_s;
        QTest::newRow("empty value") << QString() << u""_s;
    }
    void catalogueFragments()
    {
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(read(wrapped(field)), expected);
    }

    // Every value of the catalogue, wrapped: one bold 10 pt paragraph with
    // the text of the value and exactly its raised and lowered characters.
    void everyCatalogueValue()
    {
        static const QRegularExpression script(uR"(\{\\(super|sub) ([^{}\\]*)\})"_s);
        int values = 0;
        for (int number = 1; number <= 112; ++number) {
            const QString path = u":/catalogue/%1.json"_s.arg(number, 3, 10, QLatin1Char('0'));
            const QJsonObject record = QJsonDocument::fromJson(resource(path)).object();
            QVERIFY2(!record.isEmpty(), qPrintable(path));
            for (auto it = record.begin(); it != record.end(); ++it) {
                if (!it->isString())
                    continue;
                const QString value = it->toString();
                QString text = value;
                text.replace(script, u"\\2"_s);
                int raised = 0, lowered = 0;
                for (auto m = script.globalMatch(value); m.hasNext();) {
                    const auto match = m.next();
                    (match.captured(1) == u"super"_s ? raised : lowered) += int(match.capturedLength(2));
                }
                const QString where = path + u' ' + it.key() + u": "_s + value;
                QVERIFY2(!text.contains(u'\\') && !text.contains(u'{') && !text.contains(u'}'), qPrintable(where));

                QTextDocument doc;
                readRtf(wrapped(value), &doc);
                QVERIFY2(tablicznik::testing::paragraphs(doc) == QStringList{text}, qPrintable(where));
                QVERIFY2(countOf(doc, QTextCharFormat::AlignSuperScript) == raised, qPrintable(where));
                QVERIFY2(countOf(doc, QTextCharFormat::AlignSubScript) == lowered, qPrintable(where));
                if (!text.isEmpty()) {
                    const QTextCharFormat first = formatOf(doc, text.left(1));
                    QVERIFY2(first.fontWeight() == QFont::Bold && first.fontPointSize() == 10.0, qPrintable(where));
                }
                ++values;
            }
        }
        QVERIFY(values > 112 * 40);
    }

    // Every element description: the heading and the body read as written,
    // nothing of the tables or the information group in the text.
    void everyDescription()
    {
        static const QRegularExpression par(uR"(\\par(?![a-z]))"_s);
        for (int number = 1; number <= 112; ++number) {
            const QString stem = u":/catalogue/%1"_s.arg(number, 3, 10, QLatin1Char('0'));
            const QByteArray rtf = resource(stem + u".rtf"_s);
            const QJsonObject record = QJsonDocument::fromJson(resource(stem + u".json"_s)).object();
            QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"), qPrintable(stem));

            QTextDocument doc;
            readRtf(QString::fromLatin1(rtf), &doc);
            const QStringList texts = tablicznik::testing::paragraphs(doc);
            const QString all = texts.join(u'\n');
            const QString heading = record[u"Nazwa"_s].toString() + u" ("_s + record[u"Symbol"_s].toString() + u')';

            QCOMPARE(texts.size(), int(QString::fromLatin1(rtf).count(par)));
            QCOMPARE(texts.value(0), heading);
            QVERIFY2(texts.size() >= 2 && texts[1] != heading, qPrintable(stem));
            for (const QChar c : all)
                QVERIFY2(c == u'\n' || (c.isPrint() && c != QChar::ReplacementCharacter),
                         qPrintable(stem + u": U+"_s + QString::number(c.unicode(), 16)));
            for (const QString &stray : {u"\\"_s, u"{"_s, u"}"_s, u"Times New Roman"_s, u"Normal;"_s})
                QVERIFY2(!all.contains(stray), qPrintable(stem + u": "_s + stray));

            const QTextBlock first = doc.begin();
            QCOMPARE(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(formatTag(formatOf(doc, heading)), u"b 16pt Arial #003366"_s);
            const QTextCharFormat body = first.next().begin().fragment().charFormat();
            QCOMPARE(body.fontPointSize(), 11.0);
            QVERIFY2(body.fontFamilies().toStringList() == QStringList{u"Times New Roman"_s}
                         || body.fontFamilies().toStringList() == QStringList{u"Arial"_s},
                     qPrintable(stem));
        }
    }

    // What the description generator writes is what the reader shows.
    void generatedDescription()
    {
        const auto conversion = tablicznik::opisToRtf(u"= Żelazo (Fe)\n"
                                                      "\n"
                                                      "== Odkrycie i nazwa\n"
                                                      "\n"
                                                      "Zażółć gęślą jaźń – „cytat” — ‘x’, 25 °C.\n"
                                                      "ZAŻÓŁĆ GĘŚLĄ JAŹŃ: {klamry} i \\ ukośnik,\n"
                                                      "Fe_{2}O_{3}, ^{56}Fe, SO_{4}^{2-}, **mocno** i //lekko//.\n"
                                                      "\n"
                                                      "- hematyt Fe_{2}O_{3},\n"
                                                      "- magnetyt → α.\n"_s);
        QVERIFY2(conversion.error.isEmpty(), qPrintable(conversion.error));
        QTextDocument doc;
        readRtf(QString::fromLatin1(conversion.rtf), &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc),
                 (QStringList{u"Żelazo (Fe)"_s, u"Odkrycie i nazwa"_s,
                              u"Zażółć gęślą jaźń – „cytat” — ‘x’, 25 °C. ZAŻÓŁĆ GĘŚLĄ JAŹŃ: {klamry} i \\ ukośnik, "
                              "Fe2O3, 56Fe, SO42-, mocno i lekko."_s,
                              u"• hematyt Fe2O3,"_s, u"• magnetyt → α."_s}));
        QCOMPARE(formatTag(formatOf(doc, u"Żelazo"_s)), u"b 16pt Arial #003366"_s);
        QCOMPARE(formatTag(formatOf(doc, u"Odkrycie"_s)), u"b 11pt Arial #003366"_s);
        QCOMPARE(formatTag(formatOf(doc, u"Zażółć"_s)), u"11pt Times New Roman"_s);
        QCOMPARE(formatTag(formatOf(doc, u"2O3,"_s)), u"11pt sub Times New Roman"_s);
        QCOMPARE(formatTag(formatOf(doc, u"56"_s)), u"11pt sup Times New Roman"_s);
        QCOMPARE(formatTag(formatOf(doc, u"2-"_s)), u"11pt sup Times New Roman"_s);
        QCOMPARE(formatTag(formatOf(doc, u"mocno"_s)), u"b 11pt Times New Roman"_s);
        QCOMPARE(formatTag(formatOf(doc, u"lekko"_s)), u"i 11pt Times New Roman"_s);
        QCOMPARE(doc.begin().next().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    }

    void readingReplacesTheContent()
    {
        QTextDocument doc;
        doc.setPlainText(u"stare"_s);
        readRtf(uR"({\rtf1\b pierwszy\par drugi\par})"_s, &doc);
        readRtf(uR"({\rtf1 nowy})"_s, &doc);
        QCOMPARE(describe(doc), u"{12pt}nowy"_s);
        QVERIFY(doc.isUndoRedoEnabled());
        QVERIFY(!doc.isUndoAvailable());
    }

    // Broken input loses only what it breaks.
    void malformed_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("expected");
        const QString letters(10000, u'x');
        QTest::newRow("unclosed groups") << uR"({\rtf1 {\b abc)"_s << u"abc"_s;
        QTest::newRow("stray closing braces") << uR"({\rtf1 a}}} b})"_s << u"a b"_s;
        QTest::newRow("only braces") << u"}}}{{{"_s << u""_s;
        QTest::newRow("escape cut at the end") << uR"({\rtf1 x\'4)"_s << u"x"_s;
        QTest::newRow("escape cut by a letter") << uR"({\rtf1 x\'4zy})"_s << u"xzy"_s;
        QTest::newRow("escape without digits") << uR"({\rtf1 \'zz})"_s << u"zz"_s;
        QTest::newRow("backslash at the end") << u"{\\rtf1 abc\\"_s << u"abc"_s;
        QTest::newRow("unknown words") << uR"({\rtf1\foo\bar12\baz-3 text\qux})"_s << u"text"_s;
        QTest::newRow("huge numbers")
            << uR"({\rtf1\fs99999999999 a\f99999999999 b\cf-99999999999 c\u99999999 ?d\up99999999999 e\uc99999 f})"_s
            << u"abcdef"_s;
        QTest::newRow("negative numbers") << uR"({\rtf1\fs-4 a\cf-1 b\f-2 c\dn-3 d\b-1 e})"_s << u"abcde"_s;
        QTest::newRow("binary longer than the input") << uR"(a\bin999999999 abc)"_s << u"a"_s;
        QTest::newRow("negative binary length") << uR"(a\bin-5 bc)"_s << u"abc"_s;
        QTest::newRow("very long control word") << u"{\\rtf1 \\"_s + letters + u" y}"_s << u"y"_s;
        QTest::newRow("very long parameter") << u"{\\rtf1 \\fs"_s + QString(10000, u'9') + u" y}"_s << u"y"_s;
        QTest::newRow("very long font name") << u"{\\rtf1{\\fonttbl{\\f0 "_s + letters + u"}}y}"_s << u"y"_s;
        QTest::newRow("control characters")
            << u"{\\rtf1 a"_s + QChar(0) + u'b' + QChar(1) + u'c' + QChar(0x1F) + u"d\td}"_s << u"abcd\td"_s;
        QTest::newRow("broken colour table") << uR"({\rtf1{\colortbl\red999;\green-5\blue;;}\cf2 x\cf1 y})"_s
                                             << u"xy"_s;
        QTest::newRow("font table without end") << uR"({\rtf1{\fonttbl{\f0 Arial)"_s << u""_s;
        QTest::newRow("lone surrogates") << uR"({\rtf1 \u-10179?a\u-8704?b})"_s << QChar(0xD83D) + u"a"_s + QChar(0xDE00) + u'b';
        QTest::newRow("not RTF at all") << u"zwykły tekst"_s << u"zwykły tekst"_s;
    }
    void malformed()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, expected);
        QTextDocument doc;
        readRtf(rtf, &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc).join(u'\n'), expected);
    }

    void deepNesting()
    {
        const int depth = 100000;
        QTextDocument doc;
        readRtf(QString(depth, u'{') + uR"(\b x)"_s + QString(depth, u'}') + u" y"_s, &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc), QStringList{u"x y"_s});
        QCOMPARE(formatOf(doc, u"x"_s).fontWeight(), QFont::Bold);
        QCOMPARE(formatOf(doc, u"y"_s).fontWeight(), QFont::Normal);

        readRtf(QString(depth, u'{') + u"z"_s, &doc);
        QCOMPARE(tablicznik::testing::paragraphs(doc), QStringList{u"z"_s});
    }
};

TABLICZNIK_TEST_MAIN(RtfReaderTest)
#include "rtfreader_test.moc"
