#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

namespace tablicznik {

// Prints the whole document as one job named `title`, laid out over the
// full printable area of the printer's pages, as many pages as it takes.
// The document itself is left as it is.
void printDocument(const QTextDocument &doc, QPrinter *printer, const QString &title);

} // namespace tablicznik
