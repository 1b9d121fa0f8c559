#include "tablekeyboard.h"

#include "app/toknoglowne.h"
#include "controls/accessiblenames.h"
#include "controls/tmyspeedbutton.h"
#include "data/catalogue.h"
#include "data/tablelayout.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>

namespace tablicznik {
namespace {

qint64 monotonicMilliseconds()
{
    static const QElapsedTimer start = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return start.elapsed();
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool isTableMove(int key) { return isArrow(key) || key == Qt::Key_Home || key == Qt::Key_End; }

// The rectangle around every element button.
QRect tableArea()
{
    QRect area;
    for (int numer = 1; numer <= Catalogue::kModernCount; ++numer)
        area |= elementRect(numer);
    return area;
}

} // namespace

TableKeyboard::TableKeyboard(TOknoGlowne &window, const std::vector<QAbstractButton *> &commandButtons)
    : QWidget(&window), m_window(window), m_commands(commandButtons), m_clock(monotonicMilliseconds)
{
    setObjectName(QStringLiteral("Tablica"));
    setAccessibleName(QStringLiteral("Układ okresowy"));
    setAccessibleDescription(QStringLiteral("Układ okresowy"));
    // It lies beneath the buttons and is never hit by the pointer; it only
    // takes the keyboard.
    setGeometry(tableArea());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    lower();

    for (int numer = 1; numer <= Catalogue::kModernCount; ++numer) {
        TMySpeedButton *button = m_window.elementButton(numer);
        connect(button, &TMySpeedButton::mouseMoved, this, [this](TMySpeedButton *b) { placeCursor(b->numer()); });
        button->installEventFilter(this);
    }
    for (QAbstractButton *command : m_commands) {
        command->setFocusPolicy(Qt::TabFocus);
        command->installEventFilter(this);
    }
    m_window.installEventFilter(this);
}

int TableKeyboard::neighbour(int from, int key, int count)
{
    const QRect here = elementRect(from);
    if (here.isNull())
        return from;
    int best = from;
    QRect bestRect;
    for (int numer = 1; numer <= count; ++numer) {
        const QRect there = elementRect(numer);
        const bool sameRow = there.top() < here.bottom() && here.top() < there.bottom();
        const bool sameColumn = there.left() < here.right() && here.left() < there.right();
        bool better = false;
        switch (key) {
        case Qt::Key_Right:
            better = sameRow && there.left() > here.left() && (best == from || there.left() < bestRect.left());
            break;
        case Qt::Key_Left:
            better = sameRow && there.left() < here.left() && (best == from || there.left() > bestRect.left());
            break;
        case Qt::Key_Down:
            better = sameColumn && there.top() > here.top() && (best == from || there.top() < bestRect.top());
            break;
        case Qt::Key_Up:
            better = sameColumn && there.top() < here.top() && (best == from || there.top() > bestRect.top());
            break;
        case Qt::Key_Home:
            better = sameRow && there.left() < (best == from ? here : bestRect).left();
            break;
        case Qt::Key_End:
            better = sameRow && there.left() > (best == from ? here : bestRect).left();
            break;
        default:
            break;
        }
        if (better) {
            best = numer;
            bestRect = there;
        }
    }
    return best;
}

QString TableKeyboard::folded(const QString &text)
{
    QString result;
    for (const QChar c : text.toLower().normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        result += c == u'ł' ? QChar(u'l') : c;
    }
    return result;
}

int TableKeyboard::typedElement(const Catalogue &catalogue, const QString &typed)
{
    const QString wanted = folded(typed);
    if (wanted.isEmpty())
        return 0;
    for (const ElementRecord &record : catalogue)
        if (folded(record.Symbol) == wanted)
            return record.Numer;
    for (const ElementRecord &record : catalogue)
        if (folded(record.Nazwa).startsWith(wanted))
            return record.Numer;
    return 0;
}

void TableKeyboard::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event->key();
    if (modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    TMySpeedButton *button = m_cursor ? m_window.elementButton(m_cursor) : nullptr;
    const bool live = button && button->isEnabled();
    const QString text = event->text();
    const bool letter = !text.isEmpty() && text.at(0).isLetter();
    if (!letter)
        m_typed.clear(); // any other key ends the typed word
    if (isTableMove(key)) {
        // At an edge nothing happens, not even pointing again.
        if (const int target = m_cursor ? neighbour(m_cursor, key, m_window.catalogue().count()) : 1; target != m_cursor)
            moveCursor(target);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (live)
            m_window.MySpeedButton1Click(button);
    } else if (key == Qt::Key_Space) {
        if (live)
            m_window.MySpeedButton1MouseDown(button, Qt::RightButton);
    } else if (key == Qt::Key_Escape) {
        m_window.ResetBitBtnClick();
    } else if (letter) {
        typeAhead(text);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    m_keyboardUsed = true;
    updateMark();
}

void TableKeyboard::typeAhead(const QString &text)
{
    const qint64 now = m_clock();
    if (now - m_lastTyped > kTypingPause)
        m_typed.clear();
    m_lastTyped = now;
    m_typed += text;
    if (const int numer = typedElement(m_window.catalogue(), m_typed))
        moveCursor(numer);
}

void TableKeyboard::moveCursor(int numer)
{
    if (!m_window.catalogue().contains(numer))
        return;
    TMySpeedButton *button = m_window.elementButton(numer);
    if (button->isEnabled()) {
        button->CMMouseEnter();
        m_window.MySpeedButton1MouseMove(button);
    } else {
        m_window.FormMouseMove();
    }
    placeCursor(numer);
}

void TableKeyboard::placeCursor(int numer)
{
    if (numer == m_cursor)
        return;
    m_cursor = numer;
    // A screen reader follows the focused table by its name.
    setAccessibleName(spokenElementName(m_window.elementButton(numer)->record()));
    updateMark();
}

void TableKeyboard::tableChanged()
{
    if (m_window.catalogue().contains(m_cursor))
        return;
    m_cursor = 0;
    setAccessibleName(QStringLiteral("Układ okresowy"));
    updateMark();
}

void TableKeyboard::updateMark()
{
    const int marked = m_keyboardUsed && hasFocus() ? m_cursor : 0;
    if (marked == m_marked)
        return;
    if (m_marked)
        m_window.elementButton(m_marked)->setFocusMark(false);
    m_marked = marked;
    if (m_marked)
        m_window.elementButton(m_marked)->setFocusMark(true);
}

void TableKeyboard::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateMark();
}

void TableKeyboard::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateMark();
}

bool TableKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A press on an element or on the window's own background (disabled
        // elements pass theirs there).
        if (watched == &m_window || qobject_cast<TMySpeedButton *>(watched))
            setFocus(Qt::MouseFocusReason);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool command = std::find(m_commands.begin(), m_commands.end(), watched) != m_commands.end();
        if (command && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            static_cast<QAbstractButton *>(watched)->click();
            return true;
        }
        if (command && isTableMove(key->key())) {
            setFocus(Qt::OtherFocusReason);
            keyPressEvent(key);
            return true;
        }
        // Escape that no control of the window wanted climbs to the window:
        // the reset, wherever the focus was. An open menu or list is a window
        // of its own and takes its Escape before.
        if (watched == &m_window && key->key() == Qt::Key_Escape && !hasFocus()) {
            setFocus(Qt::OtherFocusReason);
            keyPressEvent(key);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tablicznik
