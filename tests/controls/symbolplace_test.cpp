#include "controls/tmyspeedbutton.h"
#include "data/catalogue.h"
#include "data/tablelayout.h"
#include "support/testmain.h"

#include <QImage>
#include <QTest>

using namespace tablicznik;

namespace {

const QColor kInk(255, 0, 0);

// Where the symbol's ink lies, drawn red on white; the corner line is
// black, so a pixel counts as ink whatever the anti-aliasing made of it.
QRect inkOf(TMySpeedButton &button)
{
    QWidget paper;
    QPalette white = paper.palette();
    white.setColor(QPalette::Window, Qt::white);
    paper.setPalette(white);
    paper.setAutoFillBackground(true);
    paper.resize(button.size());
    button.setParent(&paper);
    button.move(0, 0);
    button.setTextColor(kInk);
    const QImage picture = paper.grab().toImage();
    button.setParent(nullptr);
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() - c.green() > 40 && c.red() - c.blue() > 40)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

} // namespace

// Every element's symbol stands clear of its button's corner line: right of
// the line down the left edge, above the bottom line, inside the right edge.
class SymbolPlaceTest : public QObject {
    Q_OBJECT

    Catalogue m_catalogue;

private slots:
    void initTestCase() { m_catalogue = Catalogue::load(); }

    void symbolsClearTheCornerLine()
    {
        for (const ElementRecord &element : m_catalogue) {
            TMySpeedButton button(element, nullptr);
            button.resize(elementRect(element.Numer).size());
            const int w = button.width(), h = button.height();
            const QRect ink = inkOf(button);
            const QString where = QStringLiteral("%1: ink %2,%3 to %4,%5 on %6 x %7")
                                      .arg(element.Symbol).arg(ink.left()).arg(ink.top()).arg(ink.right())
                                      .arg(ink.bottom()).arg(w).arg(h);
            QVERIFY2(!ink.isEmpty(), qPrintable(where));
            QVERIFY2(ink.left() >= 2, qPrintable(where));      // the line is at x = 1
            QVERIFY2(ink.right() <= w - 2, qPrintable(where)); // the raised edge at w - 1
            QVERIFY2(ink.bottom() <= h - 2, qPrintable(where)); // the bottom line at h - 1
            // Still centred: as much blank on either side, within the few
            // pixels that the glyphs' metrics and their ink differ by.
            QVERIFY2(qAbs((ink.left() - 2) - (w - 2 - ink.right())) <= 3, qPrintable(where));
        }
    }

    // Only a symbol that would not fit is drawn tighter or smaller, and then
    // by no more than it takes.
    void onlyWideSymbolsAreTightened()
    {
        int tightened = 0;
        for (const ElementRecord &element : m_catalogue) {
            TMySpeedButton button(element, nullptr);
            button.resize(elementRect(element.Numer).size());
            const QFont own = button.font(), drawn = button.symbolFont();
            const int room = button.width() - 3;
            if (QFontMetrics(own).tightBoundingRect(element.Symbol).width() <= room) {
                QCOMPARE(drawn, own);
                continue;
            }
            ++tightened;
            QVERIFY2(QFontMetrics(drawn).tightBoundingRect(element.Symbol).width() <= room, qPrintable(element.Symbol));
            // One step less would not have fitted.
            QFont looser = drawn;
            if (drawn.pixelSize() < own.pixelSize())
                looser.setPixelSize(drawn.pixelSize() + 1);
            else
                looser.setLetterSpacing(QFont::AbsoluteSpacing, drawn.letterSpacing() + 1);
            QVERIFY2(QFontMetrics(looser).tightBoundingRect(element.Symbol).width() > room, qPrintable(element.Symbol));
            QVERIFY2(drawn.pixelSize() >= own.pixelSize() - 1, qPrintable(element.Symbol)); // a pixel smaller at most
        }
        QVERIFY(tightened > 0);
        for (int numer : {1, 26, 53}) { // H, Fe, I: as they always were
            TMySpeedButton button(m_catalogue.element(numer), nullptr);
            button.resize(elementRect(numer).size());
            QCOMPARE(button.symbolFont(), button.font());
        }
    }
};

TABLICZNIK_TEST_MAIN(SymbolPlaceTest)
#include "symbolplace_test.moc"
