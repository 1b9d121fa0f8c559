#include "animationview.h"

#include "controls/colours.h"

#include <QPainter>

namespace tablicznik {

AnimationView::AnimationView(QWidget *parent) : QWidget(parent), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("AnimationTimer"));
    m_timer.setTimerType(Qt::PreciseTimer); // 40 ms frames would drift by a coarse timer's 5 %
    connect(&m_timer, &QTimer::timeout, this, &AnimationView::advance);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool AnimationView::open(const QString &fileName)
{
    setAnimation(readAviFile(fileName));
    if (!m_error.isEmpty())
        m_error = fileName + QStringLiteral(": ") + m_error;
    return m_error.isEmpty();
}

void AnimationView::setAnimation(AviAnimation animation)
{
    const bool wasActive = isActive();
    m_timer.stop();
    m_frames = animation.isValid() ? std::move(animation.frames) : QList<QImage>();
    m_error = animation.isValid() ? QString() : animation.error;
    m_current = 0;
    if (!m_frames.isEmpty()) {
        // Rounded to whole milliseconds: 40,000 microseconds give 25 frames a second.
        const quint32 ms = (animation.microSecondsPerFrame + 500) / 1000;
        m_timer.setInterval(int(qBound<quint32>(1, ms, 60000)));
    }
    setActive(wasActive);
    update();
}

void AnimationView::setActive(bool on)
{
    if (on && !m_frames.isEmpty())
        m_timer.start();
    else
        m_timer.stop();
}

void AnimationView::advance()
{
    if (m_frames.isEmpty())
        return;
    m_current = (m_current + 1) % int(m_frames.size());
    update();
}

void AnimationView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour(clSilver));
    if (m_frames.isEmpty())
        return;
    const QImage &frame = m_frames.at(m_current);
    QRect place(QPoint(0, 0), frame.size());
    place.moveCenter(rect().center());
    painter.drawImage(place.topLeft(), frame);
}

} // namespace tablicznik
