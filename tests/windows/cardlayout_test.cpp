#include "data/catalogue.h"
#include "richtext/richtextview.h"
#include "support/auxiliarywindows.h"
#include "support/card.h"
#include "support/catalogue.h"
#include "support/testmain.h"
#include "windows/tfiszka.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QScrollBar>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

using Card = ShownCard;

// The columns of a picture with something dark in them: the text.
QList<int> inkedColumns(const QImage &picture)
{
    QList<int> columns;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (qGray(picture.pixel(x, y)) < 96) {
                columns << x;
                break;
            }
    return columns;
}

} // namespace

// The card's look on screen: a blank around its text, a least size that
// keeps its controls, a list of about twenty rows.
class CardLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // The text keeps about 8 pixels from the window's edge and from the
    // scroll bar, also after a resize has loaded it again.
    void textKeepsItsBlank()
    {
        Card c(QStringLiteral("Wodór"));
        for (const QSize size : {QSize(433, 448), QSize(560, 300)}) {
            c.card->resize(size);
            QWidget *page = c.view()->viewport();
            QCOMPARE(page->mapTo(c.card, QPoint(0, 0)).x(), 0); // the view starts at the window's edge
            QCOMPARE(page->width() + c.view()->verticalScrollBar()->width(), size.width()); // and ends at the bar
            const QList<int> ink = inkedColumns(page->grab().toImage());
            QVERIFY(!ink.isEmpty());
            QVERIFY2(ink.first() >= 7 && ink.first() <= 10, qPrintable(QString::number(ink.first())));
            QVERIFY2(ink.last() <= page->width() - 7, qPrintable(QString::number(ink.last())));
            QVERIFY2(ink.last() >= page->width() - 40, qPrintable(QString::number(ink.last()))); // the lines do run across
        }
    }

    // However small the user makes it, the card shows its whole panel and
    // a few lines of text with a usable scroll bar.
    void leastSizeKeepsTheControls()
    {
        Card c(QStringLiteral("Tlen"));
        c.card->resize(60, 40);
        QVERIFY(c.card->width() >= TFiszka::kClientWidth);
        QVERIFY(c.card->height() < TFiszka::kClientHeight);
        const QRect inside = c.card->rect();
        QList<QWidget *> controls = c.card->findChildren<QWidget *>();
        int checked = 0;
        for (QWidget *w : controls) {
            if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QComboBox *>(w) && !qobject_cast<QGroupBox *>(w)
                && !qobject_cast<RichTextView *>(w))
                continue;
            ++checked;
            const QRect place(w->mapTo(c.card, QPoint(0, 0)), w->size());
            QVERIFY2(inside.contains(place), qPrintable(w->objectName()));
        }
        QVERIFY(checked >= 10);
        QScrollBar *bar = c.view()->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->height() >= bar->minimumSizeHint().height() + 20);
        QVERIFY(c.view()->viewport()->height() >= 4 * c.view()->fontMetrics().lineSpacing());
    }

    // The element list opens about twenty rows tall, not the screen's height.
    void listOpensTwentyRows()
    {
        Card c(QStringLiteral("Wodór"));
        auto *box = child<QComboBox>(c.card, "ComboBox1");
        box->showPopup();
        QAbstractItemView *rows = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(rows->window()));
        const int row = rows->sizeHintForRow(0);
        QVERIFY(row > 0);
        const double shown = double(rows->viewport()->height()) / row;
        QVERIFY2(shown >= 18 && shown <= 21, qPrintable(QString::number(shown)));
        // It opens below the box, so the chosen name stays in sight.
        QVERIFY(rows->window()->geometry().top() >= box->mapToGlobal(QPoint(0, 0)).y());
        box->hidePopup();
    }
};

TABLICZNIK_TEST_MAIN(CardLayoutTest)
#include "cardlayout_test.moc"
