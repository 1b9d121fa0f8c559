#pragma once

// The real main window with the real catalogue and a recording cue player,
// driven by mouse events that enter through the window system, so that Qt
// finds the control under the pointer, sends enter and leave events and
// propagates what a control does not take, as it does for the user.

#include "app/detailspages.h"
#include "app/pagecontrol.h"
#include "app/toknoglowne.h"
#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "fakecueplayer.h"
#include "prefs/soundcues.h"
#include "richtext/richtextview.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <memory>

namespace tablicznik::testing {

inline const QString kClickCue = QStringLiteral("KTXbutton.wav");
inline const QString kPageCue = QStringLiteral("KTXPage.wav");
inline const QString kOverCue = QStringLiteral("KTXOverButton.wav");

class WindowFixture {
public:
    CueLog log;
    std::unique_ptr<TOknoGlowne> window;

    void open(const Catalogue &catalogue)
    {
        window = std::make_unique<TOknoGlowne>(Catalogue(catalogue), fakeCuePlayers(log));
        window->cues().open();
        window->cues().setPlaySounds(true);
        // The windows and menus that these requests open belong to other
        // parts; here only the requests themselves are watched.
        QObject::disconnect(window.get(), &TOknoGlowne::optionsMenuRequested, nullptr, nullptr);
        QObject::disconnect(window.get(), &TOknoGlowne::cardRequested, nullptr, nullptr);
        QObject::disconnect(window.get(), &TOknoGlowne::helpRequested, nullptr, nullptr);
        QObject::disconnect(window.get(), &TOknoGlowne::viewRequested, nullptr, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The pointer comes in over the background, so that Qt knows where
        // it is and sends enter and leave events from then on.
        moveTo(background());
        log.played.clear();
    }
    void close() { window.reset(); }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    TMySpeedButton *element(int numer) const { return window->elementButton(numer); }
    TPageControl *pages() const { return find<TPageControl>(QStringLiteral("PageControl1")); }

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
