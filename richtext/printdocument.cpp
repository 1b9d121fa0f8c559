#include "printdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace tablicznik {

void printDocument(const QTextDocument &doc, QPrinter *printer, const QString &title)
{
    printer->setDocName(title);
    // A copy laid out for the printer itself, one page the size of the
    // printable area; with a page size of its own QTextDocument::print
    // neither adds margins nor numbers the pages.
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->documentLayout()->setPaintDevice(printer);
    copy->setDocumentMargin(0);
    copy->setPageSize(QSizeF(printer->width(), printer->height()));
    copy->print(printer);
}

} // namespace tablicznik
