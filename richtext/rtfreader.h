#pragma once

#include <QStringView>

class QTextDocument;

namespace tablicznik {

// Replaces the whole content of `doc` with the RTF document `rtf`.
//
// Shown: groups, bold and italic (\b \i), size in half-points (\fs), font
// and colour from the document's tables (\f \cf, \deff), raised and lowered
// text (\super \sub \nosupersub, \up \dn), paragraphs and line breaks
// (\par \line), alignment (\qc \qj \ql \qr, reset by \pard), \plain,
// Windows-1250 escapes (\'xx), the typographic quotes and dashes, \uN with
// its fallback, and the escapes \\ \{ \}. Everything else (information
// group, style sheet, list numbering, page layout, \* destinations) is
// passed over. Text that is not in an escape is taken as it stands.
//
// Any input gives a document: unbalanced braces, broken escapes and
// unknown words lose only what they touch, nesting beyond a fixed depth
// keeps the formatting of the deepest group held, and numbers saturate.
void readRtf(QStringView rtf, QTextDocument *doc);

} // namespace tablicznik
