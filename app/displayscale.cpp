#include "displayscale.h"

#include "prefs/settings.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>

#include <vector>

namespace tablicznik {
namespace {

QtMessageHandler g_previousHandler = nullptr;

// Qt warns that the factor is meant to be set before any window exists;
// what that warning is about is done here, window by window.
void quietAboutTheFactor(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1StringView("QHighDpiScaling::setFactor")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

void setGlobalFactor(qreal factor)
{
    g_previousHandler = qInstallMessageHandler(quietAboutTheFactor);
    QHighDpiScaling::setGlobalFactor(factor);
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
}

// Every control of the window painted again, not only what lies open on
// the window's own surface.
void updateAll(QWidget *window)
{
    window->update();
    for (QWidget *child : window->findChildren<QWidget *>())
        if (!child->isWindow())
            child->update();
}

// Where the desktop resizes a window later (X11 answers the request in its
// own time), the part of the window it keeps is still the old picture and
// only the new part is reported as uncovered: the whole window is painted
// again at each uncovering for a short while after the change.
class RepaintWhenUncovered : public QObject {
public:
    static constexpr int kWatchMs = 1500;
    RepaintWhenUncovered(QWindow *window, QWidget *widget) : QObject(window), m_widget(widget)
    {
        window->installEventFilter(this);
        QTimer::singleShot(kWatchMs, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Resize)
            updateAll(m_widget);
        return false;
    }

private:
    QWidget *m_widget;
};

// A visible window that the new size pushes over the screen's edge comes
// back within it, as far as it fits.
void keepOnScreen(QWidget *window)
{
    if (!window->isVisible() || !window->screen())
        return;
    const QRect screen = window->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    if (screen.contains(frame))
        return;
    frame.moveRight(std::min(frame.right(), screen.right()));
    frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
    frame.moveLeft(std::max(frame.left(), screen.left()));
    frame.moveTop(std::max(frame.top(), screen.top()));
    window->move(frame.topLeft());
}

} // namespace

DisplayScale &DisplayScale::instance()
{
    static DisplayScale scale;
    return scale;
}

void DisplayScale::setPercent(int percent)
{
    if (!settings::isScaleChoice(percent) || percent == m_percent)
        return;
    m_percent = percent;

    struct Kept {
        QWidget *widget;
        QSize size; // logical, as it is to stay
    };
    std::vector<Kept> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (QWindow *window = widget->windowHandle(); window && window->handle())
            windows.push_back({widget, widget->size()});

    setGlobalFactor(percent / 100.0);

    // The window-less platforms (tests, benches) have no window manager to
    // tell the sizes to, and warn when asked to.
    const QString platform = QGuiApplication::platformName();
    const bool windowManager = platform != u"offscreen" && platform != u"minimal";

    for (const Kept &kept : windows) {
        QWindow *window = kept.widget->windowHandle();
        if (windowManager)
            window->handle()->propagateSizeHints(); // the fixed sizes, in the new native pixels
        window->resize(kept.size);               // the same logical size, where the window is
        QEvent screenChange(QEvent::ScreenChangeInternal);
        QCoreApplication::sendEvent(window, &screenChange); // device pixel ratio, backing store, repaint
        // The backing store follows a change of logical size only; its
        // logical size stays, its pixels do not.
        if (QBackingStore *store = kept.widget->backingStore())
            store->resize(kept.size);
        updateAll(kept.widget);
        new RepaintWhenUncovered(window, kept.widget);
    }
    for (const Kept &kept : windows)
        keepOnScreen(kept.widget);
    emit changed(percent);
}

} // namespace tablicznik
