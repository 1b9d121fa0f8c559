#include "printdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace tablicznik {

namespace {

// Each margin becomes the largest of its own, the least the program keeps
// and the least the printer can print at. The printer draws from the
// corner of its margins, not of the paper.
void keepMargins(QPrinter *printer)
{
    printer->setFullPage(false);
    QPageLayout layout = printer->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF own = layout.margins(), least = layout.minimumMargins();
    auto side = [](qreal a, qreal b) { return std::max({a, b, kPrintMarginMm}); };
    const QMarginsF kept(side(own.left(), least.left()), side(own.top(), least.top()),
                         side(own.right(), least.right()), side(own.bottom(), least.bottom()));
    if (kept != own)
        printer->setPageMargins(kept, QPageLayout::Millimeter);
}

} // namespace

void printDocument(const QTextDocument &doc, QPrinter *printer, const QString &title)
{
    printer->setDocName(title);
    keepMargins(printer);
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
