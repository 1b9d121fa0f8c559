#pragma once

#include <QAccessibleWidget>

class QTextEdit;

namespace tablicznik {

// What a screen reader finds in a long read-only text, the element card's
// description: a document (not an edit field) with the whole text, its
// caret and selection, its lines and words, and where each character is.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextEdit *view);

    // Serves every text view whose "accessibleDocument" property is true;
    // installed once, by the first such view.
    static void install();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    using QAccessibleWidget::text;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QTextEdit *view() const;
};

} // namespace tablicznik
