#include "richtext/rtfreader.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The plain text a description source should show: markup gone, the lines
// of a paragraph joined, list items behind a bullet.
QString expectedText(const QString &source)
{
    static const QRegularExpression groups(QStringLiteral(R"([_^]\{([^}]*)\})"));
    QStringList paragraphs;
    QString current;
    auto close = [&] {
        if (!current.isEmpty())
            paragraphs << current;
        current.clear();
    };
    for (QString line : source.split(u'\n')) {
        line = line.trimmed();
        line.replace(groups, QStringLiteral("\\1"));
        line.remove(QStringLiteral("**"));
        line.remove(QStringLiteral("//"));
        if (line.isEmpty()) {
            close();
        } else if (line.startsWith(u"= ") || line.startsWith(u"== ")) {
            close();
            paragraphs << line.mid(line.indexOf(u' ') + 1);
        } else if (line.startsWith(u"- ")) {
            close();
            paragraphs << u'\u2022' + line.mid(1);
        } else {
            current += (current.isEmpty() ? QString() : QStringLiteral(" ")) + line;
        }
    }
    close();
    return paragraphs.join(u'\n');
}

} // namespace

// Every element's description: within its length bounds, read by the
// program's own RTF reader without loss, headed by the element's name.
class CatalogueDescriptionsTest : public QObject {
    Q_OBJECT

    const Catalogue &m_catalogue = programCatalogue();

private slots:
    void description_data()
    {
        QTest::addColumn<int>("numer");
        for (const ElementRecord &element : m_catalogue)
            QTest::newRow(qPrintable(element.Nazwa)) << element.Numer;
    }
    void description()
    {
        QFETCH(int, numer);
        const ElementRecord &element = m_catalogue.element(numer);
        const QString rtf = element.Opis.text();
        QVERIFY2(rtf.size() >= 2740 && rtf.size() <= 9835, qPrintable(QString::number(rtf.size())));
        QVERIFY(rtf.startsWith(QLatin1StringView("{\\rtf1\\ansi\\ansicpg1250")));
        QVERIFY(rtf.contains(QLatin1StringView("\\fcharset238 Times New Roman")));
        QVERIFY(rtf.contains(QLatin1StringView("\\fcharset238 Arial")));
        QVERIFY(rtf.contains(QLatin1StringView("{\\info{\\title ")));

        QTextDocument document;
        readRtf(rtf, &document);
        const QString text = document.toPlainText();
        for (QChar c : {u'\\', u'{', u'}', u'\uFFFD'})
            QVERIFY2(!text.contains(c), qPrintable(QStringLiteral("stray %1").arg(c)));

        // The heading: the element's name and symbol, bold.
        const QTextBlock heading = document.firstBlock();
        QCOMPARE(heading.text(), QStringLiteral("%1 (%2)").arg(element.Nazwa, element.Symbol));
        QVERIFY(heading.begin().fragment().charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(document.blockCount() >= 8);

        // Nothing lost between the source and what the reader shows.
        QFile source(QStringLiteral(TABLICZNIK_SOURCE_DIR "/resources/catalogue/%1.opis").arg(numer, 3, 10, QLatin1Char('0')));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString expected = expectedText(QString::fromUtf8(source.readAll()));
        QCOMPARE(text.trimmed(), expected);
        static const QRegularExpression polish(QStringLiteral("[ąćęłńóśźż]"));
        QVERIFY(text.contains(polish));
    }
};

TABLICZNIK_TEST_MAIN(CatalogueDescriptionsTest)
#include "catalogue_descriptions_test.moc"
