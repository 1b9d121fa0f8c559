#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QPrinter;
class QWidget;

namespace tablicznik {

class SoundCues;

// What the auxiliary windows share, handed to them by the main window: the
// sound cues, the way a link reaches the desktop, and the windows opened
// without a modal loop. Such a window is only hidden when it is closed and
// stays until the program ends; they all go when this object goes, with the
// main window.
class AuxiliaryWindows : public QObject {
    Q_OBJECT

public:
    // Hands a mailto: or web address to the desktop; the result is not
    // examined. An empty address goes nowhere.
    using UrlOpener = std::function<void(const QUrl &)>;

    // Lets the user choose the printer and paper; false when cancelled.
    using PrinterSetup = std::function<bool(QPrinter &printer, QWidget *parent)>;

    explicit AuxiliaryWindows(SoundCues &cues, QObject *parent = nullptr);
    ~AuxiliaryWindows() override;

    SoundCues &cues() const { return m_cues; }

    void openUrl(const QUrl &url) const;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // The system's print dialog unless set otherwise.
    bool setUpPrinter(QPrinter &printer, QWidget *parent) const;
    void setPrinterSetup(PrinterSetup setup) { m_printerSetup = std::move(setup); }

    // Takes a new top-level window over and shows it, not modally.
    template <typename Window>
    Window *show(Window *window)
    {
        keep(window);
        window->show();
        return window;
    }
    // The one window of its kind: made by `make` and shown the first time,
    // brought forward (shown again, restored, raised) every later time.
    template <typename Window, typename Make>
    Window *showOne(Make make)
    {
        const QList<Window *> open = windows<Window>();
        if (open.isEmpty())
            return show(make());
        Window *window = open.first();
        const bool shown = window->isVisible();
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        if (shown)
            window->raise(); // a window shown anew is on top already
        window->activateWindow();
        return window;
    }
    // Takes a window over without showing it. A kept window does not keep
    // the program running: it ends when the main window closes.
    void keep(QWidget *window);

    // The main window has closed: every kept window goes at once, without
    // the cues its own closing would play.
    void discardAll();

    // The kept windows that still exist, oldest first, shown or hidden.
    QList<QWidget *> windows() const;
    template <typename Window>
    QList<Window *> windows() const
    {
        QList<Window *> found;
        for (QWidget *w : windows())
            if (auto *window = qobject_cast<Window *>(w))
                found << window;
        return found;
    }

private:
    SoundCues &m_cues;
    UrlOpener m_openUrl;
    PrinterSetup m_printerSetup;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace tablicznik
