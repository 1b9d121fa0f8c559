#include "support/testmain.h"
#include "windows/tprzedrostkiform.h"
#include "windows/tstaleform.h"
#include "support/auxiliarywindows.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QTableWidget>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// One piece of text as painted: where its line starts, how wide it is.
struct PaintedText {
    QString text;
    QPointF at;
    qreal width;
};

// A paint device that keeps the texts drawn on it and nothing else.
class TextRecorder : public QPaintDevice {
public:
    QList<PaintedText> texts;

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: case PdmHeight: return 2000;
        case PdmWidthMM: case PdmHeightMM: return 529;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder *device) : QPaintEngine(AllFeatures), m_device(device) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                m_transform = state.transform();
        }
        // Everything but text is dropped.
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
        void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawRects(const QRectF *, int) override {}
        void drawRects(const QRect *, int) override {}
        void drawLines(const QLineF *, int) override {}
        void drawLines(const QLine *, int) override {}
        void drawEllipse(const QRectF &) override {}
        void drawEllipse(const QRect &) override {}
        void drawPoints(const QPointF *, int) override {}
        void drawPoints(const QPoint *, int) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            m_device->texts << PaintedText{item.text(), m_transform.map(p), item.width()};
        }
        Type type() const override { return User; }

    private:
        TextRecorder *m_device;
        QTransform m_transform;
    };
    mutable Engine m_engine{this};
};

// Every text the window paints, in the window's coordinates: recorded as a
// picture, played back onto the recorder.
QList<PaintedText> paintedTexts(QWidget *window)
{
    QPicture picture;
    window->render(&picture);
    TextRecorder recorder;
    QPainter painter(&recorder);
    picture.play(&painter);
    painter.end();
    return recorder.texts;
}

// A cell's rectangle in the window's coordinates.
QRectF cellRect(QTableWidget *grid, int row, int column)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    return QRectF(grid->viewport()->mapTo(grid->window(), cell.topLeft()), cell.size());
}

// The pieces painted within a cell's rectangle, left to right.
QList<PaintedText> inCell(const QList<PaintedText> &texts, const QRectF &cell)
{
    QList<PaintedText> found;
    for (const PaintedText &t : texts)
        if (t.at.y() > cell.top() && t.at.y() <= cell.bottom() + 1 && t.at.x() >= cell.left() && t.at.x() < cell.right())
            found << t;
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.at.x() < b.at.x(); });
    return found;
}

QString joined(const QList<PaintedText> &pieces)
{
    QString text;
    for (const PaintedText &p : pieces)
        text += p.text;
    return text;
}

} // namespace

// The tables paint every text whole inside its cell, and the prefixes'
// equals signs stand one under the other.
class GridTextsTest : public QObject {
    Q_OBJECT

private slots:
    // Every cell of the constants, at the window's own size: nothing runs
    // past the cell's edge, "(0°C, 1atm)" keeps its ")".
    void constantsFitTheirCells()
    {
        WindowsFixture f;
        TStaleForm window(f.cues);
        window.resize(TStaleForm::kClientWidth, 800); // every row in sight, the columns as they are
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        const QList<PaintedText> texts = paintedTexts(&window);
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QRectF cell = cellRect(grid, row, column);
                const QList<PaintedText> pieces = inCell(texts, cell);
                const QString shown = grid->item(row, column)->text();
                QCOMPARE(joined(pieces), shown);
                const qreal right = pieces.last().at.x() + pieces.last().width;
                QVERIFY2(right <= cell.right() + 1, qPrintable(shown + QStringLiteral(" ends at %1 in a cell to %2")
                                                                          .arg(right).arg(cell.right() + 1)));
            }
        // Only a text that needs it is drawn closer together.
        const QRectF cell = cellRect(grid, 0, 1);
        const PaintedText unit = inCell(texts, cell).first();
        QCOMPARE(unit.width, QFontMetricsF(grid->font()).horizontalAdvance(unit.text));
    }

    void prefixesEqualsSignsLineUp()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        const QList<PaintedText> texts = paintedTexts(&window);
        qreal equals = -1;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QRectF cell = cellRect(grid, row, 2);
            const QList<PaintedText> pieces = inCell(texts, cell);
            const QString meaning = grid->item(row, 2)->text();
            // The power (in pieces where a raised digit comes from a
            // fallback font), then everything from " = " on in one piece.
            const auto tail = std::find_if(pieces.begin(), pieces.end(),
                                           [](const PaintedText &p) { return p.text.startsWith(QStringLiteral(" = ")); });
            QVERIFY2(tail != pieces.begin() && tail == pieces.end() - 1, qPrintable(meaning));
            const QList<PaintedText> power(pieces.begin(), tail);
            QCOMPARE(joined(power), meaning.section(u'=', 0, 0).trimmed());
            QCOMPARE(joined(pieces), meaning.trimmed());
            if (equals < 0)
                equals = tail->at.x();
            QCOMPARE(tail->at.x(), equals);
            QVERIFY(qAbs(power.last().at.x() + power.last().width - equals) < 0.01); // the power set right against it
            QVERIFY(tail->at.x() + tail->width <= cell.right() + 1);
        }
    }
};

TABLICZNIK_TEST_MAIN(GridTextsTest)
#include "gridtexts_test.moc"
