#include "printdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
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

void offerPdfFile(QPrinter &printer, const QString &title, const QString &baseName)
{
    printer.setDocName(title);
    QString folder = QFileInfo(printer.outputFileName()).absolutePath();
    if (printer.outputFileName().isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QDir::homePath();
    }
    // Naming a file turns the printer into a PDF writer; the dialog shows
    // the file and, where a printer was chosen, still that printer.
    const QString printerName = printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString();
    printer.setOutputFileName(QDir(folder).filePath(baseName + QStringLiteral(".pdf")));
    if (!printerName.isEmpty())
        printer.setPrinterName(printerName);
}

QRectF fittedRect(const QSizeF &picture, const QRectF &area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSizeF size = picture.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF fitted(QPointF(), size);
    fitted.moveCenter(area.center());
    return fitted;
}

bool printImage(const QImage &image, QPrinter *printer, const QString &title)
{
    printer->setDocName(title);
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRectF page(0, 0, printer->width(), printer->height());
    // The title 14 points high whatever the printer's resolution.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14);
    font.setBold(true);
    painter.setFont(QFont(font, printer));
    const qreal titleHeight = QFontMetricsF(painter.font()).height() * 1.8;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop, title);
    const QRectF below(page.left(), page.top() + titleHeight, page.width(), page.height() - titleHeight);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fittedRect(image.deviceIndependentSize(), below), image);
    return painter.end();
}

} // namespace tablicznik
