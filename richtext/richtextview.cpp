#include "richtextview.h"

#include "rtfreader.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace tablicznik {

namespace {
const QColor kSilver(0xC0, 0xC0, 0xC0);
// The rich-text control of the old desktop keeps its text a pixel from the edge.
constexpr qreal kTextMargin = 1;
} // namespace

RichTextView::RichTextView(QWidget *parent) : QTextEdit(parent), m_textMargin(kTextMargin)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    QPalette silver = palette();
    silver.setColor(QPalette::Base, kSilver);
    silver.setColor(QPalette::Window, kSilver);
    setPalette(silver);
    viewport()->setCursor(Qt::ArrowCursor);
    document()->setDocumentMargin(kTextMargin);
}

void RichTextView::load(const QString &rtf)
{
    m_rtf = rtf;
    readRtf(rtf, document());
    document()->setDocumentMargin(m_textMargin);
    if (m_centred)
        centreParagraphs();
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void RichTextView::setTextMargin(qreal pixels)
{
    m_textMargin = pixels;
    document()->setDocumentMargin(pixels);
}

void RichTextView::setCentred(bool centred)
{
    if (centred == m_centred)
        return;
    m_centred = centred;
    load(m_rtf);
}

void RichTextView::centreParagraphs()
{
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setAlignment(Qt::AlignHCenter);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

} // namespace tablicznik
