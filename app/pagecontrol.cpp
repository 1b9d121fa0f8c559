#include "pagecontrol.h"

#include "controls/colours.h"
#include "controls/focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStackedWidget>

namespace tablicznik {

TPageControl::TPageControl(QWidget *parent) : QWidget(parent), m_stack(new QStackedWidget(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // hot tracking of the tabs
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TPageControl::addPage(QWidget *page, const QString &caption)
{
    m_tabs.push_back({caption, {}});
    m_stack->addWidget(page);
    if (page->accessibleName().isEmpty())
        page->setAccessibleName(caption);
    layoutTabs();
    if (m_current < 0)
        setCurrentIndex(0);
    return count() - 1;
}

QWidget *TPageControl::widget(int index) const
{
    return m_stack->widget(index);
}

QWidget *TPageControl::currentWidget() const
{
    return m_stack->currentWidget();
}

QRect TPageControl::pageArea() const
{
    const int top = m_rows * kTabHeight;
    return {0, top, width(), std::max(0, height() - top)};
}

void TPageControl::setTabPainter(TabPainter painter)
{
    m_painter = std::move(painter);
    update();
}

void TPageControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    m_stack->setCurrentIndex(index);
    setAccessibleName(tabText(index)); // spoken as the page it shows
    update();
    emit currentChanged(index);
}

// The tabs fill the rows in order; a tab that would cross the right edge
// starts the next row. Rows keep their order whichever page is active.
void TPageControl::layoutTabs()
{
    const QFontMetrics metrics(font());
    int x = 0, row = 0;
    for (Tab &tab : m_tabs) {
        if (tab.width < 0) // every page added lays the row out again
            tab.width = metrics.horizontalAdvance(tab.caption) + 2 * kTabPadding;
        const int w = tab.width;
        if (x > 0 && x + w > width()) {
            x = 0;
            ++row;
        }
        tab.rect = QRect(x, row * kTabHeight, w, kTabHeight);
        x += w + kTabGap;
    }
    m_rows = m_tabs.empty() ? 0 : row + 1;
    m_stack->setGeometry(pageArea());
    update();
}

int TPageControl::tabAt(const QPoint &pos) const
{
    for (int i = 0; i < count(); ++i)
        if (m_tabs[i].rect.contains(pos))
            return i;
    return -1;
}

void TPageControl::setHot(int index)
{
    if (index == m_hot)
        return;
    m_hot = index;
    update();
}

void TPageControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(QRect(0, 0, width(), m_rows * kTabHeight), colour(clSilver));
    const QColor light = colour(SystemColour::BtnHighlight), shadow = colour(SystemColour::BtnShadow),
                 dark = colour(clBlack);
    for (int i = 0; i < count(); ++i) {
        const QRect r = m_tabs[i].rect;
        const bool pressed = i == m_current;
        p.save();
        p.setClipRect(r);
        const QRect face = pressed ? r.translated(1, 1) : r;
        if (m_painter) {
            m_painter(p, i, face);
        } else {
            p.fillRect(face, colour(clSilver));
            p.setFont(font());
            p.setPen(colour(SystemColour::WindowText));
            p.drawText(face.adjusted(kTabPadding, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_tabs[i].caption);
        }
        p.restore();

        // The button's edges: pressed for the active page, fully raised
        // under the pointer, a thin raised edge otherwise.
        const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
        if (pressed) {
            p.setPen(shadow);
            p.drawLine(l, t, rr, t);
            p.drawLine(l, t, l, b);
            p.setPen(dark);
            p.drawLine(l + 1, t + 1, rr - 1, t + 1);
            p.drawLine(l + 1, t + 1, l + 1, b - 1);
            p.setPen(light);
            p.drawLine(l, b, rr, b);
            p.drawLine(rr, t, rr, b);
            if (hasFocus()) {
                const int textWidth = QFontMetrics(font()).horizontalAdvance(m_tabs[i].caption);
                drawFocusFrame(p, QRectF(face.left() + kTabPadding - 2, face.top() + 1.5, textWidth + 3, kTabHeight - 4));
            }
        } else {
            p.setPen(light);
            p.drawLine(l, t, rr, t);
            p.drawLine(l, t, l, b);
            if (i == m_hot) {
                p.setPen(dark);
                p.drawLine(l, b, rr, b);
                p.drawLine(rr, t, rr, b);
                p.setPen(shadow);
                p.drawLine(l + 1, b - 1, rr - 1, b - 1);
                p.drawLine(rr - 1, t + 1, rr - 1, b - 1);
            } else {
                p.setPen(shadow);
                p.drawLine(l, b, rr, b);
                p.drawLine(rr, t, rr, b);
            }
        }
    }
}

void TPageControl::resizeEvent(QResizeEvent *)
{
    layoutTabs();
}

void TPageControl::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange) {
        for (Tab &tab : m_tabs)
            tab.width = -1;
        layoutTabs();
    }
    QWidget::changeEvent(e);
}

void TPageControl::mousePressEvent(QMouseEvent *e)
{
    const int index = tabAt(e->position().toPoint());
    if (index < 0 || e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    setCurrentIndex(index);
    e->accept();
}

void TPageControl::mouseMoveEvent(QMouseEvent *e)
{
    setHot(tabAt(e->position().toPoint()));
    e->ignore();
}

void TPageControl::leaveEvent(QEvent *)
{
    setHot(-1);
}

void TPageControl::keyPressEvent(QKeyEvent *e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    int index = m_current;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: index = std::max(0, m_current - 1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: index = std::min(count() - 1, m_current + 1); break;
    case Qt::Key_Home: index = 0; break;
    case Qt::Key_End: index = count() - 1; break;
    case Qt::Key_Tab:
        if (!ctrl)
            return QWidget::keyPressEvent(e);
        index = (m_current + 1) % count();
        break;
    case Qt::Key_Backtab:
        if (!ctrl)
            return QWidget::keyPressEvent(e);
        index = (m_current + count() - 1) % count();
        break;
    default: return QWidget::keyPressEvent(e);
    }
    setCurrentIndex(index);
}

void TPageControl::focusInEvent(QFocusEvent *e)
{
    update();
    QWidget::focusInEvent(e);
}

void TPageControl::focusOutEvent(QFocusEvent *e)
{
    update();
    QWidget::focusOutEvent(e);
}

} // namespace tablicznik
