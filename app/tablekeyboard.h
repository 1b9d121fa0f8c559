#pragma once

#include "data/catalogue.h"

#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;

namespace tablicznik {

class TOknoGlowne;

// The table as a keyboard target. It holds the keyboard cursor, one element
// (none at first), which the pointer moves as well: pointing at an element
// puts the cursor there. Every key does what the pointer does, through the
// window's own pointer handlers:
//
//   arrows       the nearest element in that direction on the screen, in
//                the same row or column (gaps are skipped; at an edge
//                nothing happens); the first arrow goes to hydrogen
//   Home, End    the first and last element of the cursor's row
//   Enter        a left click: the element's card
//   Space        a right press: pins the element (or moves the pin)
//   Escape       the table reset, as "Czyść"
//   letters      type-ahead: the typed text (keys at most a second apart)
//                picks the element whose symbol it is, else the first
//                whose Polish name begins with it, case and diacritics
//                aside; any other key ends the typed word
//
// The cursor's element carries a focus mark once the keyboard has been
// used on the table, while the table has the focus. The command buttons
// along the edges take the focus by Tab and click on Space or Enter; Escape
// on any other control of the window (which resets the table as well), an
// arrow on a command button, or a press on the table brings the focus back
// to the table.
class TableKeyboard : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int CursorNumber READ cursorNumber)

public:
    // Milliseconds from any fixed start, never going back; tests hand in their own.
    using Milliseconds = std::function<qint64()>;
    static constexpr qint64 kTypingPause = 1000; // longer between two keys starts a new text

    TableKeyboard(TOknoGlowne &window, const std::vector<QAbstractButton *> &commandButtons);

    int cursorNumber() const { return m_cursor; }
    // The table has grown or shrunk (112 or 118 elements): a cursor on an
    // element that has left goes, as at the start.
    void tableChanged();
    void setClock(Milliseconds clock) { m_clock = std::move(clock); }

    // Where a key takes the cursor from element `from`; `from` itself when
    // there is nothing in that direction. The geometry is the buttons' of
    // elements 1 ... `count`.
    static int neighbour(int from, int key, int count = Catalogue::kCount);
    // The element a typed text picks; 0 when none.
    static int typedElement(const Catalogue &catalogue, const QString &typed);
    // Lower case without diacritics: "Żelazo" -> "zelazo", "Łódź" -> "lodz".
    static QString folded(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Moves the cursor as the pointer would: onto an enabled element its
    // hover look and the window's move handler, onto a disabled one the
    // window's background handler.
    void moveCursor(int numer);
    void typeAhead(const QString &text);
    void placeCursor(int numer);
    void updateMark();

    TOknoGlowne &m_window;
    std::vector<QAbstractButton *> m_commands;
    Milliseconds m_clock;
    int m_cursor = 0;
    int m_marked = 0; // the element that shows the mark now
    bool m_keyboardUsed = false;
    QString m_typed;
    qint64 m_lastTyped = 0;
};

} // namespace tablicznik
