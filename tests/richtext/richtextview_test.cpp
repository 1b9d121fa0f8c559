#include "richtext/printdocument.h"
#include "richtext/richtextview.h"
#include "richtext/rtfreader.h"
#include "richtexttesthelpers.h"
#include "testmain.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using tablicznik::RichTextView;
using namespace tablicznik::testing;

namespace {

// A description long enough for several printed pages and a scrolled view:
// a heading and `count` numbered paragraphs.
QString longDescription(int count)
{
    QString rtf = uR"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0 Times New Roman;}{\f1 Arial;}})"_s
                  uR"(\pard\qc\plain\f1\fs32\b Mied\'9f (Cu)\par )"_s;
    for (int i = 1; i <= count; ++i)
        rtf += uR"(\pard\qj\plain\f0\fs22 Akapit %1: mied\'9f przewodzi pr\'b9d i ciep\'b3o lepiej )"
               uR"(ni\'bf wi\'eakszo\'9c\'e6 metali.\par )"_s.arg(i);
    return rtf + u'}';
}

QList<Qt::Alignment> alignments(const QTextDocument &doc)
{
    QList<Qt::Alignment> result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        result << (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    return result;
}

} // namespace

class RichTextViewTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheDocumentOnSilverWithoutBorder()
    {
        RichTextView view;
        view.resize(200, 80);
        view.load(uR"({\rtf1\b\fs20 1s{\super 1}\par })"_s);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QCOMPARE(describe(*view.document()), u"{b 10pt}1s{b 10pt sup}1"_s);
        QCOMPARE(view.frameWidth(), 0);
        const QImage image = view.grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(image.pixelColor(0, 0), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void pointerStaysAnArrow()
    {
        RichTextView view;
        view.resize(300, 100);
        view.load(uR"({\rtf1\fs20 tekst nad kt\'f3rym przesuwa si\'ea wska\'9fnik\par })"_s);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        for (const QPoint at : {QPoint(10, 8), QPoint(60, 9), QPoint(250, 80)}) {
            QTest::mouseMove(view.viewport(), at);
            QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        }
    }

    void typingChangesNothing()
    {
        RichTextView view;
        view.load(uR"({\rtf1 warto\'9c\'e6\par })"_s);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        QTest::keyClicks(&view, u"abc"_s);
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&view, Qt::Key_Delete);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(paragraphs(*view.document()), QStringList{u"wartość"_s});
    }

    void loadReplacesTheContentAndShowsItsBeginning()
    {
        RichTextView view;
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.resize(200, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        view.load(longDescription(40));
        QScrollBar *bar = view.verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        bar->setValue(bar->maximum());
        QVERIFY(bar->value() > 0);

        view.load(longDescription(30));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(view.document()->blockCount(), 31);
        QCOMPARE(view.document()->begin().text(), u"Miedź (Cu)"_s);
        QVERIFY(view.document()->lastBlock().text().startsWith(u"Akapit 30:"_s));

        view.load(uR"({\rtf1 kr\'f3tki})"_s);
        QCOMPARE(paragraphs(*view.document()), QStringList{u"krótki"_s});
        QCOMPARE(bar->value(), 0);
    }

    void centredParagraphs()
    {
        const QString rtf = uR"({\rtf1\ql lewy\par\qr prawy\par\qj wyjustowany\par})"_s;
        const QList<Qt::Alignment> own{Qt::AlignLeft, Qt::AlignRight, Qt::AlignJustify};
        const QList<Qt::Alignment> centred(3, Qt::AlignHCenter);
        RichTextView view;
        QCOMPARE(view.property("centred"), QVariant(false));
        view.load(rtf);
        QCOMPARE(alignments(*view.document()), own);

        QVERIFY(view.setProperty("centred", true));
        QCOMPARE(alignments(*view.document()), centred);
        view.load(rtf);
        QCOMPARE(alignments(*view.document()), centred);
        QCOMPARE(paragraphs(*view.document()), (QStringList{u"lewy"_s, u"prawy"_s, u"wyjustowany"_s}));

        view.setCentred(false);
        QCOMPARE(alignments(*view.document()), own);
    }
};

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

TABLICZNIK_REGISTER_TEST(RichTextViewTest)
TABLICZNIK_REGISTER_TEST(PrintDocumentTest)
#include "richtextview_test.moc"
