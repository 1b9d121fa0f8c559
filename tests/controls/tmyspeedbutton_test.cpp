#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "support/pixels.h"
#include "support/testmain.h"

#include <QMouseEvent>
#include <QTest>

using namespace tablicznik;
using tablicznik::testing::holds;

namespace {

// A window stand-in that records the pointer events reaching it.
class Surface : public QWidget {
public:
    int presses = 0, moves = 0;
    Surface() { setMouseTracking(true); resize(100, 100); }

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
};

ElementRecord iron()
{
    ElementRecord r;
    r.Numer = 26;
    r.Symbol = QStringLiteral("Fe");
    r.Nazwa = QStringLiteral("Żelazo");
    r.PromAtom = QStringLiteral("126");
    r.OporWlas = QStringLiteral("9,71•10{\\super -8}");
    r.Opis = QStringLiteral("{\\rtf1\\ansi }");
    return r;
}

QRect bounds(const QImage &image, const QColor &c)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == c)
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TMySpeedButtonTest : public QObject {
    Q_OBJECT

    ElementRecord m_record = iron();
    Surface *m_surface = nullptr;
    TMySpeedButton *m_button = nullptr;

    // What the button shows on its parent's surface (it draws no background).
    QImage look() { return m_surface->grab(m_button->geometry()).toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void init()
    {
        m_surface = new Surface;
        m_button = new TMySpeedButton(m_record, m_surface);
        m_button->setGeometry(10, 10, 33, 32);
        m_surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_surface));
    }
    void cleanup() { delete m_surface; }

    void publishesTheRecord()
    {
        QCOMPARE(m_button->objectName(), QStringLiteral("MySpeedButton26"));
        QCOMPARE(m_button->text(), QStringLiteral("Fe"));
        QCOMPARE(m_button->toolTip(), QStringLiteral("Żelazo"));
        QCOMPARE(m_button->property("Numer").toInt(), 26);
        QCOMPARE(m_button->property("PromAtom").toString(), QStringLiteral("126"));
        QCOMPARE(m_button->property("OporWlas").toString(), m_record.OporWlas);
        QCOMPARE(m_button->property("Opis").toString(), m_record.Opis.text());
        QCOMPARE(m_button->property("IsUp").toBool(), false);
        QCOMPARE(m_button->property("textColor").value<QColor>(), colour(SystemColour::BtnText));
        QCOMPARE(m_button->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(m_button->font().pixelSize(), 20);
        QVERIFY(m_button->font().bold());
    }

    // Three-letter symbols (the systematic ones of 104 ... 112) are
    // smaller; a two-letter one is not, on any element, and the size
    // follows the symbol when the names change.
    void smallerThreeLetterSymbols()
    {
        ElementRecord r = m_record;
        r.Numer = 104;
        r.Symbol = QStringLiteral("Unq");
        TMySpeedButton b(r, nullptr);
        QCOMPARE(b.font().pixelSize(), 15);
        r.Symbol = QStringLiteral("Rf");
        b.showNames();
        QCOMPARE(b.text(), QStringLiteral("Rf"));
        QCOMPARE(b.font().pixelSize(), 20);
        QVERIFY(b.font().bold());
        r.Symbol = QStringLiteral("Unq");
        b.showNames();
        QCOMPARE(b.font().pixelSize(), 15);
    }

    // The corner line runs down the left from a third of the height, along
    // the bottom and up the bevel, whatever state the button is in.
    void cornerLineInEveryState()
    {
        auto check = [this](const char *state) {
            const QImage image = look();
            for (int y = 10; y <= 28; ++y)
                QVERIFY2(image.pixelColor(1, y) == Qt::black, state);
            for (int x = 4; x <= 29; ++x)
                QVERIFY2(image.pixelColor(x, 31) == Qt::black, state);
            QVERIFY2(image.pixelColor(2, 30) == Qt::black || image.pixelColor(3, 30) == Qt::black, state);
            QVERIFY2(image.pixelColor(32, 29) == Qt::black, state);
            QVERIFY2(image.pixelColor(1, 5) != Qt::black, state); // above a third of the height
        };
        check("rest");
        m_button->CMMouseEnter();
        check("hover");
        m_button->setDown(true);
        check("pressed");
        m_button->setDown(false);
        m_button->setEnabled(false);
        check("disabled");
    }

    void edges()
    {
        const QColor white(255, 255, 255), grey = colour(SystemColour::BtnShadow);
        QImage rest = look();
        QVERIFY(rest.pixelColor(5, 0) != white);

        m_button->CMMouseEnter();
        QImage hover = look();
        QCOMPARE(hover.pixelColor(5, 0), white);         // raised: light top edge
        QCOMPARE(hover.pixelColor(32, 5), grey);         // dark right edge

        m_button->setDown(true);
        QImage pressed = look();
        QCOMPARE(pressed.pixelColor(5, 0), grey);        // sunken: dark top edge
        QCOMPARE(pressed.pixelColor(32, 5), white);
    }

    // Pressed, the caption moves one pixel right and down.
    void pressedCaptionMoves()
    {
        const QColor red(255, 0, 0);
        m_button->setTextColor(red);
        const QRect atRest = bounds(look(), red);
        m_button->setDown(true);
        QCOMPARE(bounds(look(), red), atRest.translated(1, 1));
    }

    void disabledIsEmbossedGreyWhateverItsColour()
    {
        const QColor red(255, 0, 0);
        m_button->setTextColor(red);
        QVERIFY(holds(look(), red));
        m_button->setEnabled(false);
        const QImage disabled = look();
        QVERIFY(!holds(disabled, red));
        QVERIFY(holds(disabled, colour(SystemColour::BtnShadow)));
        QVERIFY(holds(disabled, QColor(255, 255, 255)));
        m_button->setEnabled(true);
        QVERIFY(holds(look(), red));
        QCOMPARE(m_button->textColor(), red);
    }

    void hoverFlag()
    {
        QTest::mouseMove(m_surface, QPoint(80, 80));
        QTest::mouseMove(m_button, QPoint(15, 15));
        QTRY_VERIFY(m_button->isUp());
        QTest::mouseMove(m_surface, QPoint(80, 80));
        QTRY_VERIFY(!m_button->isUp());
    }

    // A disabled element is table background for the pointer; an enabled
    // one keeps its own moves and presses.
    void pointerPassesOnlyThroughDisabled()
    {
        int moved = 0, pressed = 0;
        connect(m_button, &TMySpeedButton::mouseMoved, this, [&] { ++moved; });
        connect(m_button, &TMySpeedButton::mousePressed, this, [&](auto *, Qt::MouseButton b) {
            pressed += b == Qt::RightButton;
        });
        QTest::mouseMove(m_button, QPoint(12, 12));
        QTest::mousePress(m_button, Qt::RightButton, {}, QPoint(12, 12));
        QCOMPARE(moved, 1);
        QCOMPARE(pressed, 1);
        QCOMPARE(m_surface->presses, 0);
        const int movesBefore = m_surface->moves;
        QTest::mouseMove(m_button, QPoint(14, 14));
        QCOMPARE(m_surface->moves, movesBefore);

        m_button->setEnabled(false);
        QTest::mousePress(m_button, Qt::RightButton, {}, QPoint(12, 12));
        QTest::mouseMove(m_button, QPoint(16, 16));
        QCOMPARE(m_surface->presses, 1);
        QVERIFY(m_surface->moves > movesBefore);
        QCOMPARE(pressed, 1);
    }
};

TABLICZNIK_TEST_MAIN(TMySpeedButtonTest)
#include "tmyspeedbutton_test.moc"
