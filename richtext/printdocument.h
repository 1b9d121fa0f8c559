#pragma once

#include <QRectF>
#include <QString>

class QImage;
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

// Prints a picture on one page as a job named `title`: the title in bold
// across the top of the printable area, the picture below it as large as
// it fits, in its own proportions, centred. False when the printer (or the
// PDF file) could not be started.
bool printImage(const QImage &image, QPrinter *printer, const QString &title);

// Before the print dialog: names the job `title` (the PDF's title) and
// offers the PDF file `baseName`.pdf in the folder of the file chosen last,
// else in the user's Documents folder (the home folder where there is
// none). A printer chosen before stays chosen.
void offerPdfFile(QPrinter &printer, const QString &title, const QString &baseName);

// The largest rectangle of `picture`'s proportions within `area`, centred.
QRectF fittedRect(const QSizeF &picture, const QRectF &area);

} // namespace tablicznik
