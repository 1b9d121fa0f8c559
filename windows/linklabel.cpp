#include "linklabel.h"

#include "controls/colours.h"

#include <QMouseEvent>

namespace tablicznik {

LinkLabel::LinkLabel(const QString &text, const QUrl &target, QWidget *parent)
    : QLabel(text, parent), m_target(target)
{
    if (isLink())
        setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setTextColour(SystemColour::WindowText);
}

QColor LinkLabel::textColor() const { return palette().color(QPalette::WindowText); }

void LinkLabel::setTextColour(quint32 value)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour(value));
    setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (!isLink())
        return QLabel::mousePressEvent(event);
    setTextColour(kPressedColour);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isLink())
        return QLabel::mouseReleaseEvent(event);
    event->accept();
    setTextColour(SystemColour::WindowText);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace tablicznik
