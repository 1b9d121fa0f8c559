#include "tmyspeedbutton.h"

#include "accessiblenames.h"
#include "colours.h"
#include "focusframe.h"
#include "readablefaces.h"
#include "data/tablelayout.h"

#include <QMouseEvent>
#include <QPainter>

namespace tablicznik {

TMySpeedButton::TMySpeedButton(const ElementRecord &record, QWidget *parent)
    : QAbstractButton(parent), m_record(&record), m_textColor(colour(SystemColour::BtnText))
{
    setObjectName(record.Numer ? QStringLiteral("MySpeedButton%1").arg(record.Numer) : record.Symbol);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), symbolPixels(record.Symbol), true));
    showNames();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true); // moves must reach us, not the window beneath
    setAttribute(Qt::WA_NoSystemBackground);
}

void TMySpeedButton::showNames()
{
    // Today's two-letter symbols of 104 ... 112 take the size of every
    // other two-letter symbol; the systematic three-letter ones the smaller.
    if (const int pixels = symbolPixels(m_record->Symbol); pixels != font().pixelSize()) {
        QFont symbolFont = font();
        symbolFont.setPixelSize(pixels);
        setFont(symbolFont);
    }
    setText(m_record->Symbol);
    setToolTip(m_record->Nazwa);
    if (m_record->Numer)
        setAccessibleName(spokenElementName(*m_record));
}

void TMySpeedButton::setTextColor(const QColor &c)
{
    setSwatchColours(c, QColor());
}

void TMySpeedButton::setSwatchColours(const QColor &letters, const QColor &face)
{
    if (letters == m_textColor && face == m_face)
        return;
    m_textColor = letters;
    m_face = face;
    update();
}

void TMySpeedButton::setReadable(bool on)
{
    if (on == m_readable)
        return;
    m_readable = on;
    update();
}

void TMySpeedButton::setPinMark(bool on)
{
    if (on == m_pinMark)
        return;
    m_pinMark = on;
    update();
}

void TMySpeedButton::setFocusMark(bool on)
{
    if (on == m_focusMark)
        return;
    m_focusMark = on;
    update();
}

void TMySpeedButton::CMMouseEnter()
{
    m_hot = isEnabled();
    m_isUp = true;
    update();
}

void TMySpeedButton::CMMouseLeave()
{
    m_hot = false;
    m_isUp = false;
    update();
}

bool TMySpeedButton::event(QEvent *e)
{
    // A disabled button would swallow the pointer; hand it to the window so
    // a disabled element counts as table background.
    if (!isEnabled()) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            e->ignore();
            return false;
        default:
            break;
        }
    }
    return QAbstractButton::event(e);
}

void TMySpeedButton::enterEvent(QEnterEvent *)
{
    CMMouseEnter();
}

void TMySpeedButton::leaveEvent(QEvent *)
{
    CMMouseLeave();
}

void TMySpeedButton::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange && !isEnabled())
        m_hot = false;
    QAbstractButton::changeEvent(e);
}

void TMySpeedButton::mouseMoveEvent(QMouseEvent *e)
{
    QAbstractButton::mouseMoveEvent(e);
    e->accept();
    emit mouseMoved(this);
}

void TMySpeedButton::mousePressEvent(QMouseEvent *e)
{
    emit mousePressed(this, e->button());
    if (e->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(e);
    else
        e->accept();
}

// Clear of the corner line: right of the left edge's line, above the
// bottom line, a pixel in from the right edge.
QRect TMySpeedButton::symbolArea() const
{
    return QRect(2, 0, width() - 3, height() - 1);
}

// The button's font, unless the symbol is wider than its area: then its
// letters close up, a pixel at a time, and only then the font shrinks.
QFont TMySpeedButton::symbolFont() const
{
    return fitSymbol().font;
}

// The fitted font with the symbol's ink in it, measured once for both.
TMySpeedButton::FittedSymbol TMySpeedButton::fitSymbol() const
{
    FittedSymbol fitted{font(), {}};
    const int room = symbolArea().width();
    for (int tighter = 0;; ++tighter) {
        fitted.ink = QFontMetrics(fitted.font).tightBoundingRect(text());
        if (fitted.ink.width() <= room)
            break;
        if (tighter < kMostTightening)
            fitted.font.setLetterSpacing(QFont::AbsoluteSpacing, -(tighter + 1));
        else if (fitted.font.pixelSize() > 1)
            fitted.font.setPixelSize(fitted.font.pixelSize() - 1);
        else
            break;
    }
    return fitted;
}

// Where the symbol's baseline starts: its ink centred across the area,
// the text line centred down the button.
QPoint TMySpeedButton::symbolOrigin(const FittedSymbol &symbol) const
{
    const QFontMetrics metrics(symbol.font);
    const QRect area = symbolArea();
    const int inkLeft = area.left() + (area.width() - symbol.ink.width()) / 2;
    return {inkLeft - symbol.ink.left(), (height() - metrics.height()) / 2 + metrics.ascent()};
}

const TMySpeedButton::SymbolLayout &TMySpeedButton::symbolLayout() const
{
    if (!m_symbolLayout || m_symbolLayout->text != text() || m_symbolLayout->size != size() ||
        m_symbolLayout->font != font()) {
        const FittedSymbol fitted = fitSymbol();
        m_symbolLayout = SymbolLayout{text(), font(), size(), fitted.font, symbolOrigin(fitted)};
    }
    return *m_symbolLayout;
}

void TMySpeedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width(), h = height();
    const QColor light = colour(SystemColour::BtnHighlight), shadow = colour(SystemColour::BtnShadow);

    // The readable look's face: inside the raised edge, beneath the corner line.
    const QRect inside(1, 1, w - 2, h - 2);
    QColor letters = m_textColor;
    if (m_readable && !isEnabled()) {
        p.fillRect(inside, readablefaces::noDataFace());
        p.fillRect(inside, readablefaces::noDataHatch());
        letters = readablefaces::letterColour(readablefaces::noDataFace());
    } else if (m_readable && m_face.isValid()) {
        p.fillRect(inside, m_face);
        letters = readablefaces::letterColour(m_face);
    }

    const bool sunken = isDown();
    if (isEnabled() && (sunken || m_hot)) {
        const QColor topLeft = sunken ? shadow : light, bottomRight = sunken ? light : shadow;
        p.setPen(topLeft);
        p.drawLine(0, 0, w - 1, 0);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(bottomRight);
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 0, w - 1, h - 1);
    }

    const SymbolLayout &symbol = symbolLayout();
    p.setFont(symbol.fitted);
    const QPoint origin = symbol.origin;
    if (!isEnabled() && !m_readable) {
        p.setPen(light);
        p.drawText(origin + QPoint(1, 1), text());
        p.setPen(shadow);
        p.drawText(origin, text());
    } else {
        p.setPen(letters);
        p.drawText(sunken ? origin + QPoint(1, 1) : origin, text());
    }

    // The corner line: down the left edge from a third of the height, a
    // bevel, the bottom edge and a bevelled rise at the right.
    p.setPen(QPen(Qt::black, 0));
    const QPoint corner[] = {{1, h / 3}, {1, h - 4}, {4, h - 1}, {w - 4, h - 1}, {w - 1, h - 3}};
    p.drawPolyline(corner, 5);

    if (m_readable && m_pinMark) {
        // Black with a white core, three pixels in all: it reads on every
        // face and does not rest on colour.
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    }

    if (m_focusMark) // inside the edge: clear of the raised and sunken edges and of the corner line
        drawFocusFrame(p, QRectF(3, 3, w - 6, h - 7));
}

} // namespace tablicznik
