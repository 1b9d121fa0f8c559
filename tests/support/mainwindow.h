#pragma once

// The main window as every test builds it: the real window on the real
// catalogue (or a changed copy), its cues on recording players. A test drives
// it as the user does: buttons clicked, menu items chosen, and the mouse
// moved and pressed through the window system, so that Qt finds the control
// under the pointer, sends enter and leave events and propagates what a
// control does not take.

#include "app/pagecontrol.h"
#include "app/toknoglowne.h"
#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "cues/soundcues.h"
#include "richtext/richtextview.h"
#include "support/catalogue.h"
#include "support/fakecueplayer.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <memory>

namespace tablicznik::testing {

// The one way a test builds the main window: on that catalogue, with cue
// players that record into `log`, and whatever else `services` brings (a
// clock, the settings store, the first-run step). The window is not shown
// and its cues are not opened: start-up does that, as in the program.
inline std::unique_ptr<TOknoGlowne> makeMainWindow(CueLog &log, WindowServices services = {},
                                                   Catalogue catalogue = programCatalogue())
{
    services.players = fakeCuePlayers(log);
    return std::make_unique<TOknoGlowne>(std::move(catalogue), std::move(services));
}

// How a test wants the window opened.
struct MainWindowOptions {
    QStringList missingSounds;  // cue files that fail to open
    bool requestsCut = false;   // the options menu, card, help and view requests go nowhere
    bool pointerInside = false; // the pointer comes in over the background first
};

class MainWindowFixture {
public:
    using Options = MainWindowOptions;
    // For tests of the pointer: the windows and menus that its requests open
    // belong to other parts, and Qt knows where the pointer is from the start.
    static Options pointerDriven() { return {{}, true, true}; }

    CueLog log;
    std::unique_ptr<TOknoGlowne> window;

    MainWindowFixture() = default;
    explicit MainWindowFixture(Catalogue catalogue, const Options &options = {}) { open(std::move(catalogue), options); }

    // The window shown, its cues open and switched on, the cue log empty.
    void open(Catalogue catalogue = programCatalogue(), const Options &options = {})
    {
        log = CueLog();
        log.missing = options.missingSounds;
        window = makeMainWindow(log, {}, std::move(catalogue));
        window->cues().open();
        window->cues().setPlaySounds(true);
        if (options.requestsCut) {
            QObject::disconnect(window.get(), &TOknoGlowne::optionsMenuRequested, nullptr, nullptr);
            QObject::disconnect(window.get(), &TOknoGlowne::cardRequested, nullptr, nullptr);
            QObject::disconnect(window.get(), &TOknoGlowne::helpRequested, nullptr, nullptr);
            QObject::disconnect(window.get(), &TOknoGlowne::viewRequested, nullptr, nullptr);
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (options.pointerInside)
            moveTo(background());
        log.played.clear();
        log.calls.clear();
    }
    void close() { window.reset(); }

    // A control by its name; a warning names a control that is not there.
    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    bool hasAction(const QString &name) const { return window->findChild<QAction *>(name) != nullptr; }

    TMySpeedButton *element(int numer) const { return window->elementButton(numer); }
    TPageControl *pages() const { return find<TPageControl>(QStringLiteral("PageControl1")); }
    QColor colourOf(int numer) const { return element(numer)->property("textColor").value<QColor>(); }
    bool enabled(int numer) const { return element(numer)->isEnabled(); }
    QString caption() const { return window->windowTitle(); }

    QVariant state(const char *name) const { return window->property(name); }
    int hovered() const { return state("HoveredNumber").toInt(); }
    bool pinned() const { return state("Pinned").toBool(); }

    // What a value control shows: a label's text or a rich text's plain text.
    QString shown(const QString &name) const
    {
        QWidget *w = find(name);
        if (auto *label = qobject_cast<QLabel *>(w))
            return label->text();
        if (auto *rich = qobject_cast<RichTextView *>(w))
            return rich->toPlainText();
        return QStringLiteral("<no value %1>").arg(name);
    }

    // A view button on the details pages, or a command button, clicked.
    bool click(const QString &buttonName)
    {
        auto *button = find<QAbstractButton>(buttonName);
        if (!button)
            return false;
        button->click();
        return true;
    }
    // A menu item chosen, as the menu does it when the user picks it.
    bool choose(const QString &itemName)
    {
        auto *item = find<QAction>(itemName);
        if (!item)
            return false;
        item->trigger();
        return true;
    }
    // A view started by its trigger: a view button or a menu item.
    bool start(const QString &trigger) { return hasAction(trigger) ? choose(trigger) : click(trigger); }

    // A point of a control (its centre by default) in the window's coordinates.
    QPoint at(QWidget *control, QPoint local = {}) const
    {
        if (local.isNull())
            local = control->rect().center();
        return control->mapTo(window.get(), local);
    }
    QWindow *handle() const { return window->windowHandle(); }

    void moveTo(QPoint windowPoint) { QTest::mouseMove(handle(), windowPoint); }
    void moveTo(QWidget *control, QPoint local = {}) { moveTo(at(control, local)); }
    void moveOnto(int numer) { moveTo(element(numer)); }
    // The pointer goes there first, as the user's does.
    void press(QWidget *control, Qt::MouseButton button, QPoint local = {})
    {
        moveTo(control, local);
        QTest::mousePress(handle(), button, {}, at(control, local));
    }
    void release(QWidget *control, Qt::MouseButton button, QPoint local = {})
    {
        QTest::mouseRelease(handle(), button, {}, at(control, local));
    }
    void click(QWidget *control, Qt::MouseButton button = Qt::LeftButton, QPoint local = {})
    {
        press(control, button, local);
        release(control, button, local);
    }
    // A right press and release on an element: the pin.
    void pin(int numer) { click(element(numer), Qt::RightButton); }
    // A point of the table's background: the gap of the first period.
    static QPoint background() { return {540, 200}; }

    // The control of that name (the window itself for "OknoGlowne"),
    // checked to be the one under that point of it, so that a test moves or
    // presses where it means to. A scroll area is under the pointer through
    // its viewport.
    QWidget *on(const QString &name, QPoint &local) const
    {
        QWidget *control = name == u"OknoGlowne" ? window.get() : find(name);
        if (!control || !control->isVisible())
            return nullptr;
        if (local.isNull())
            local = control->rect().center();
        QWidget *hit = window->childAt(control->mapTo(window.get(), local));
        if (!hit)
            hit = window.get();
        const bool viewport = qobject_cast<QAbstractScrollArea *>(control) && hit->parentWidget() == control;
        if (hit != control && !viewport) {
            qWarning("%s is covered by %s there", qPrintable(name), qPrintable(hit->objectName()));
            return nullptr;
        }
        return control;
    }

    // The user picks a page with the mouse.
    void choosePage(int index) { click(pages(), Qt::LeftButton, pages()->tabRect(index).center()); }
};

} // namespace tablicznik::testing
