#include "richtext/printdocument.h"
#include "richtext/rtfreader.h"
#include "support/richtext.h"
#include "support/testmain.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using namespace tablicznik::testing;

// Printing a description: pages, the job's title, the printable area.
class PrintDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void longDescriptionOverSeveralPages()
    {
        QTextDocument doc;
        tablicznik::readRtf(longDescription(200), &doc);
        const QString before = doc.toPlainText();
        const QString path = print(doc, u"dlugi.pdf"_s);

        const QByteArray pdf = readFile(path);
        QVERIFY(pageCount(pdf) > 1);
        // The job's title is the PDF's title, written in UTF-16 with a byte-order mark.
        QByteArray title("/Title (\xFE\xFF");
        for (const QChar c : u"Tablicznik"_s)
            title += char(c.unicode() >> 8), title += char(c.unicode() & 0xFF);
        QVERIFY(pdf.contains(title));

        // The document printed from is left as it was.
        QCOMPARE(doc.toPlainText(), before);
        QCOMPARE(doc.pageSize(), QTextDocument().pageSize());

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = run(pdftotext, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QVERIFY(text.contains(u"Miedź (Cu)"_s));
        QVERIFY(text.contains(u"Akapit 1:"_s));
        QVERIFY(text.contains(u"Akapit 200:"_s));
        // Every paragraph is there. (A line that opens a page is also drawn,
        // clipped away, at the foot of the page before; text extraction sees
        // it twice, paper does not.)
        QSet<int> numbers;
        static const QRegularExpression paragraph(u"Akapit (\\d+):"_s);
        for (auto it = paragraph.globalMatch(text); it.hasNext();)
            numbers << it.next().captured(1).toInt();
        QCOMPARE(numbers.size(), 200);
        QVERIFY(numbers.contains(1) && numbers.contains(200));
    }

    void shortDescriptionOnOnePage()
    {
        QTextDocument doc;
        tablicznik::readRtf(longDescription(3), &doc);
        QCOMPARE(pageCount(readFile(print(doc, u"krotki.pdf"_s))), 1);
    }

    // The text starts at the corner of the page's margins, 15 mm in: no
    // margins of the document's own, no page numbers.
    void usesTheWholePrintableArea()
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTextDocument doc;
        tablicznik::readRtf(uR"({\rtf1\fs24 Pierwsze s\'b3owo\par })"_s, &doc);
        const QString path = print(doc, u"obszar.pdf"_s);
        const QString words = run(pdftotext, {u"-bbox"_s, path, u"-"_s});
        static const QRegularExpression word(uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"_s);
        QStringList texts;
        QList<QPointF> corners;
        for (auto it = word.globalMatch(words); it.hasNext();) {
            const auto match = it.next();
            texts << match.captured(3);
            corners << QPointF(match.captured(1).toDouble(), match.captured(2).toDouble());
        }
        QCOMPARE(texts, (QStringList{u"Pierwsze"_s, u"słowo"_s}));
        const qreal margin = 15 / 25.4 * 72; // the 15 mm page margins, in points
        QVERIFY2(qAbs(corners[0].x() - margin) < 3, qPrintable(QString::number(corners[0].x())));
        QVERIFY2(qAbs(corners[0].y() - margin) < 6, qPrintable(QString::number(corners[0].y())));
    }

private:
    QString print(const QTextDocument &doc, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        tablicznik::printDocument(doc, &printer, u"Tablicznik"_s);
        return path;
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static int pageCount(const QByteArray &pdf)
    {
        return int(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
    }

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000))
            return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir m_dir;
};

TABLICZNIK_TEST_MAIN(PrintDocumentTest)
#include "printdocument_test.moc"
