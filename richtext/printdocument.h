#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

namespace tablicznik {

// The least blank kept around the text on every side of a printed page.
inline constexpr double kPrintMarginMm = 15;

// Prints the whole document as one job named `title`, laid out over the
// printable area of the printer's pages, as many pages as it takes. The
// page margins are widened where needed so that every side keeps at least
// kPrintMarginMm, whatever the printer reports; wider margins stay. The
// document itself is left as it is.
void printDocument(const QTextDocument &doc, QPrinter *printer, const QString &title);

} // namespace tablicznik
