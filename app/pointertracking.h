#pragma once

#include <QObject>
#include <QSet>

#include <functional>

class QMouseEvent;
class QWidget;

namespace tablicznik {

// Decides which controls of the window hand pointer movement and presses on
// to the window's own handling. Every control keeps its pointer events to
// itself, except the element buttons, which let them through to the window
// while disabled; the controls named here report them to the window as
// well, after or instead of their own handling.
class PointerRouting : public QObject {
    Q_OBJECT

public:
    using MoveHandler = std::function<void()>;
    using PressHandler = std::function<void(QMouseEvent *)>;

    PointerRouting(QWidget *window, MoveHandler onMove, PressHandler onPress);

    // Stops pointer events from climbing from a control to the window; call
    // once the window's controls exist.
    void holdEvents();

    // The control's pointer movement reaches the window's movement handling.
    void passMoves(QWidget *control);
    // The control's presses reach the window's press handling.
    void passPresses(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *receiver(QWidget *control);

    QWidget *m_window;
    MoveHandler m_onMove;
    PressHandler m_onPress;
    QSet<QObject *> m_moves, m_presses;
};

} // namespace tablicznik
