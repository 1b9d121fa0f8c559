#pragma once

#include <QProxyStyle>
#include <QRectF>

class QPainter;

namespace tablicznik {

// The keyboard focus frame of every control, drawn to be seen on a
// projector: two pixels wide, black dashes on white, so that it stands out
// from a dark face, a light face and the grey window alike.
void drawFocusFrame(QPainter &painter, const QRectF &frame);

// A style that draws its focus frames so; the rest is the base style's.
class FocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace tablicznik
