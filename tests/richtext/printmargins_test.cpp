#include "richtext/printdocument.h"
#include "support/testmain.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <functional>

using namespace tablicznik;

namespace {

constexpr int kDpi = 72; // one pixel a point
constexpr double kPointsPerMm = 72 / 25.4;

// Paragraphs long enough to run from margin to margin, over several pages.
QTextDocument &longDocument(QTextDocument &doc)
{
    QStringList paragraphs;
    for (int i = 0; i < 40; ++i)
        paragraphs << QStringLiteral("Akapit %1. ").arg(i + 1)
                          + QStringLiteral("Zażółć gęślą jaźń, pchnąć w tę łódź jeża lub ośm skrzyń fig. ").repeated(6);
    doc.setPlainText(paragraphs.join(u'\n'));
    doc.setDocumentMargin(8); // the card's on-screen blank: not for paper
    return doc;
}

// The pages of a PDF file as grey pictures, one pixel a point.
QList<QImage> pages(const QString &pdf)
{
    const QString prefix = QFileInfo(pdf).absolutePath() + QStringLiteral("/page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"), pdf, prefix});
    QList<QImage> images;
    const QDir dir(QFileInfo(pdf).absolutePath());
    for (const QString &name : dir.entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name))
        images << QImage(dir.filePath(name));
    return images;
}

// The box of everything printed on a page (dark pixels), empty when blank.
QRect ink(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 160)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// Printed descriptions keep a blank of at least 15 mm on every side of
// every page, whatever margins the printer reports; wider margins stay.
class PrintMarginsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
    }

    void margins_data()
    {
        QTest::addColumn<std::function<void(QPrinter &)>>("setUp");
        QTest::addColumn<QMarginsF>("expected"); // millimetres
        const QMarginsF least(15, 15, 15, 15);
        QTest::newRow("PDF as it comes") << std::function<void(QPrinter &)>([](QPrinter &) {}) << least;
        QTest::newRow("no margins reported") << std::function<void(QPrinter &)>([](QPrinter &p) {
            p.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        }) << least;
        QTest::newRow("full page") << std::function<void(QPrinter &)>([](QPrinter &p) { p.setFullPage(true); })
                                   << least;
        QTest::newRow("Letter, landscape, small margins") << std::function<void(QPrinter &)>([](QPrinter &p) {
            p.setPageSize(QPageSize(QPageSize::Letter));
            p.setPageOrientation(QPageLayout::Landscape);
            p.setPageMargins(QMarginsF(3, 3, 3, 3), QPageLayout::Millimeter);
        }) << least;
        QTest::newRow("wider margins stay") << std::function<void(QPrinter &)>([](QPrinter &p) {
            p.setPageMargins(QMarginsF(30, 20, 15, 25), QPageLayout::Millimeter);
        }) << QMarginsF(30, 20, 15, 25);
    }
    void margins()
    {
        QFETCH(std::function<void(QPrinter &)>, setUp);
        QFETCH(QMarginsF, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("opis.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        setUp(printer);
        QTextDocument doc;
        printDocument(longDocument(doc), &printer, QStringLiteral("Tablicznik"));
        QCOMPARE(doc.documentMargin(), 8.0); // the document itself is left as it is

        const QList<QImage> printed = pages(file);
        QVERIFY(printed.size() > 1);
        // A pixel of anti-aliasing either way.
        const QMarginsF blank = expected * kPointsPerMm;
        for (int i = 0; i < printed.size(); ++i) {
            const QImage &page = printed[i];
            const QRect box = ink(page);
            QVERIFY2(!box.isEmpty(), qPrintable(QStringLiteral("page %1 is blank").arg(i + 1)));
            const QString where = QStringLiteral("page %1: ink %2,%3 to %4,%5 on %6 x %7 pt")
                                      .arg(i + 1).arg(box.left()).arg(box.top()).arg(box.right()).arg(box.bottom())
                                      .arg(page.width()).arg(page.height());
            QVERIFY2(box.left() >= blank.left() - 1, qPrintable(where));
            QVERIFY2(box.top() >= blank.top() - 1, qPrintable(where));
            QVERIFY2(box.right() <= page.width() - blank.right() + 1, qPrintable(where));
            QVERIFY2(box.bottom() <= page.height() - blank.bottom() + 1, qPrintable(where));
            // The text does use the page: it starts at the margin, not further in.
            QVERIFY2(box.left() <= blank.left() + 3, qPrintable(where));
            if (i == 0)
                QVERIFY2(box.top() <= blank.top() + 6, qPrintable(where));
            QVERIFY2(box.right() >= page.width() - blank.right() - 40, qPrintable(where));
        }
    }
};

TABLICZNIK_TEST_MAIN(PrintMarginsTest)
#include "printmargins_test.moc"
