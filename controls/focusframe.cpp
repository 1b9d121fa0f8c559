#include "focusframe.h"

#include <QPainter>
#include <QStyleOption>

namespace tablicznik {

void drawFocusFrame(QPainter &painter, const QRectF &frame)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
    painter.drawRect(frame);
    painter.restore();
}

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        drawFocusFrame(*painter, QRectF(option->rect).adjusted(1, 1, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace tablicznik
