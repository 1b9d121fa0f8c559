#include "documentaccessible.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace tablicznik {
namespace {

QAccessibleInterface *documentFactory(const QString &, QObject *object)
{
    auto *view = qobject_cast<QTextEdit *>(object);
    if (view && view->property("accessibleDocument").toBool())
        return new DocumentAccessible(view);
    return nullptr;
}

} // namespace

DocumentAccessible::DocumentAccessible(QTextEdit *view) : QAccessibleWidget(view, QAccessible::Document) {}

void DocumentAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(documentFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QTextEdit *DocumentAccessible::view() const { return static_cast<QTextEdit *>(widget()); }

void *DocumentAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State DocumentAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = view()->isReadOnly();
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

// The document's positions, as the text interface counts characters.
int DocumentAccessible::characterCount() const { return view()->document()->characterCount() - 1; }

QString DocumentAccessible::text(int startOffset, int endOffset) const
{
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(startOffset, 0, characterCount()));
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    // Paragraph ends as the plain text has them.
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void DocumentAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = view()->textCursor();
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int DocumentAccessible::selectionCount() const { return view()->textCursor().hasSelection() ? 1 : 0; }

void DocumentAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void DocumentAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = view()->textCursor();
    cursor.clearSelection();
    view()->setTextCursor(cursor);
}

void DocumentAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(startOffset, 0, characterCount()));
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    view()->setTextCursor(cursor);
}

int DocumentAccessible::cursorPosition() const { return view()->textCursor().position(); }

void DocumentAccessible::setCursorPosition(int position)
{
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(position, 0, characterCount()));
    view()->setTextCursor(cursor);
}

QRect DocumentAccessible::characterRect(int offset) const
{
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    const QRect caret = view()->cursorRect(cursor);
    const int width = view()->fontMetrics().horizontalAdvance(view()->document()->characterAt(offset));
    return QRect(view()->viewport()->mapToGlobal(caret.topLeft()), QSize(std::max(width, 1), caret.height()));
}

int DocumentAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = view()->viewport()->mapFromGlobal(point);
    if (!view()->viewport()->rect().contains(local))
        return -1;
    return view()->cursorForPosition(local).position();
}

void DocumentAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(endIndex, 0, characterCount()));
    view()->setTextCursor(cursor);
    view()->ensureCursorVisible();
    cursor.setPosition(std::clamp(startIndex, 0, characterCount()));
    view()->setTextCursor(cursor);
    view()->ensureCursorVisible();
}

QString DocumentAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return QString();
}

} // namespace tablicznik
