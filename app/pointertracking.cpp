#include "pointertracking.h"

#include "controls/tmyspeedbutton.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace tablicznik {

PointerRouting::PointerRouting(QWidget *window, MoveHandler onMove, PressHandler onPress)
    : QObject(window), m_window(window), m_onMove(std::move(onMove)), m_onPress(std::move(onPress))
{
}

void PointerRouting::holdEvents()
{
    for (QWidget *control : m_window->findChildren<QWidget *>())
        if (!qobject_cast<TMySpeedButton *>(control) && !control->isWindow())
            control->setAttribute(Qt::WA_NoMousePropagation);
}

// A scroll area gets its pointer events on its viewport.
QWidget *PointerRouting::receiver(QWidget *control)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        return area->viewport();
    return control;
}

void PointerRouting::passMoves(QWidget *control)
{
    QWidget *target = receiver(control);
    target->setMouseTracking(true);
    target->installEventFilter(this);
    m_moves.insert(target);
}

void PointerRouting::passPresses(QWidget *control)
{
    QWidget *target = receiver(control);
    target->installEventFilter(this);
    m_presses.insert(target);
}

bool PointerRouting::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_moves.contains(watched))
            m_onMove();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_presses.contains(watched))
            m_onPress(static_cast<QMouseEvent *>(event));
        break;
    default: break;
    }
    return false;
}

} // namespace tablicznik
