#pragma once

#include <QRectF>
#include <QString>

class QImage;
class QPrinter;
class QTextDocument;

namespace tablicznik {

// Prints the whole document as one job named `title`, laid out over the
// full printable area of the printer's pages, as many pages as it takes.
// The document itself is left as it is.
void printDocument(const QTextDocument &doc, QPrinter *printer, const QString &title);

// Prints a picture on one page as a job named `title`: the title in bold
// across the top of the printable area, the picture below it as large as
// it fits, in its own proportions, centred. False when the printer (or the
// PDF file) could not be started.
bool printImage(const QImage &image, QPrinter *printer, const QString &title);

// The largest rectangle of `picture`'s proportions within `area`, centred.
QRectF fittedRect(const QSizeF &picture, const QRectF &area);

} // namespace tablicznik
