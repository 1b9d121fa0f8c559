#include "richtext/richtextview.h"
#include "richtext/rtfreader.h"
#include "support/richtext.h"
#include "support/testmain.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using tablicznik::RichTextView;
using namespace tablicznik::testing;

namespace {

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

TABLICZNIK_TEST_MAIN(RichTextViewTest)
#include "richtextview_test.moc"
