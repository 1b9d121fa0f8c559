#include "tableimage.h"

#include "app/toknoglowne.h"
#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "richtext/printdocument.h"
#include "windows/auxiliarywindows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace tablicznik {

TableImage::TableImage(TOknoGlowne &window, AuxiliaryWindows &windows)
    : QObject(&window), m_window(window), m_windows(windows),
      m_choose([](QWidget *parent, const QString &suggested) {
          return QFileDialog::getSaveFileName(parent, kSaveTitle, suggested, QStringLiteral("Obraz PNG (*.png)"));
      }),
      m_warn([](QWidget *parent, const QString &text) {
          QMessageBox::warning(parent, QStringLiteral("Tablicznik"), text);
      })
{
}

TableImage::~TableImage() = default;

QString TableImage::titleOf(const QString &caption)
{
    QString title = caption.trimmed();
    if (title.endsWith(u'.'))
        title.chop(1);
    static const QRegularExpression bracketed(QStringLiteral("\\[[^\\]]*\\]"));
    if (QString outside = QString(title).remove(bracketed); outside != outside.toUpper())
        return title; // not written in capitals: "Tablicznik - Żelazo"
    // Lowered: words of capitals, and a lone capital that stands before a
    // blank ("W", "I"); kept: a lone capital before anything else (the shell
    // "O", the units "W/(m•K)", "°C", "mol•K"), and names keep their first.
    static const QRegularExpression capitals(QStringLiteral("(?<!\\p{L})\\p{Lu}+(?!\\p{L})"));
    static const QStringList names = {QStringLiteral("Younga"), QStringLiteral("Curie")};
    for (QRegularExpressionMatchIterator words = capitals.globalMatch(title); words.hasNext();) {
        const QRegularExpressionMatch found = words.next();
        const qsizetype after = found.capturedEnd();
        if (found.capturedLength() == 1 && (after == title.size() || title[after] != u' '))
            continue;
        QString word = found.captured().toLower();
        if (names.contains(word, Qt::CaseInsensitive))
            word[0] = word[0].toUpper();
        title.replace(found.capturedStart(), found.capturedLength(), word);
    }
    if (!title.isEmpty())
        title[0] = title[0].toUpper();
    return title;
}

QImage TableImage::render(qreal scale, bool withCaption) const
{
    const int band = withCaption ? kCaptionBand : 0;
    const QRect area = m_window.worksheetArea();
    const QSize logical(kPeriodMargin + area.width(), area.height() + band);
    QImage image(logical * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(colour(clSilver));

    // Paper shows the readable look and no keyboard cursor.
    TMySpeedButton *marked = nullptr;
    for (int numer = 1; numer <= m_window.catalogue().count() && !marked; ++numer)
        if (m_window.elementButton(numer)->focusMark())
            marked = m_window.elementButton(numer);
    if (marked)
        marked->setFocusMark(false);
    m_window.showReadableLook(true);

    QPainter p(&image);
    const QPoint origin(kPeriodMargin, band);
    m_window.render(&p, origin, QRegion(area), QWidget::DrawWindowBackground); // the tiles and outlines
    for (QWidget *part : m_window.worksheetParts())
        if (part->isVisibleTo(&m_window))
            part->render(&p, origin + part->pos() - area.topLeft(), QRegion(), QWidget::DrawChildren);

    m_window.showReadableLook(m_window.WyrazneKolory());
    if (marked)
        marked->setFocusMark(true);

    // The period numbers' strip continues the window's background: its
    // first column of pixels, clear of the table's outline, stretched.
    const int firstColumn = qRound((kPeriodMargin + 1) * scale), top = qRound(band * scale);
    p.drawImage(QRectF(0, band, kPeriodMargin, area.height()),
                image.copy(firstColumn, top, 1, image.height() - top));

    // The period numbers, level with the first element of each period.
    p.setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    p.setPen(colour(SystemColour::ActiveCaption));
    int period = 0;
    for (int first : {1, 3, 11, 19, 37, 55, 87}) {
        const QRect button = m_window.elementButton(first)->geometry().translated(origin - area.topLeft());
        p.drawText(QRect(0, button.top(), kPeriodMargin + 4, button.height()), Qt::AlignCenter,
                   QString::number(++period));
    }

    if (withCaption) {
        const QRect strip(0, 0, logical.width(), band);
        p.fillRect(strip, colour(clSilver));
        p.setPen(colour(SystemColour::BtnShadow));
        p.drawLine(strip.bottomLeft(), strip.bottomRight());
        p.setFont(pixelFont(QStringLiteral("Arial"), 13, true));
        p.setPen(colour(SystemColour::WindowText));
        p.drawText(strip.adjusted(6, 0, -6, -1), Qt::AlignLeft | Qt::AlignVCenter, titleOf(m_window.windowTitle()));
    }
    return image;
}

QImage TableImage::picture() const
{
    return render(2 * m_window.devicePixelRatioF(), true);
}

QString TableImage::writePng(const QImage &image, const QString &fileName)
{
    const QFileInfo target(fileName);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("Folder %1 nie istnieje.").arg(QDir::toNativeSeparators(folder.filePath()));
    if (target.isDir())
        return QStringLiteral("Pod tą nazwą jest już folder.");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("Plik jest tylko do odczytu.");
    if (image.isNull())
        return QStringLiteral("Nie ma obrazu do zapisania.");

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Brak prawa zapisu w folderze %1.").arg(QDir::toNativeSeparators(folder.filePath()));
    QImageWriter writer(&file, "png");
    // Light compression: the file is written in a fraction of the default's
    // time and is hardly larger, the picture being mostly flat colour.
    writer.setQuality(80);
    if (!writer.write(image)) {
        file.cancelWriting();
        return QStringLiteral("Błąd zapisu; być może na dysku brak miejsca.");
    }
    if (!file.commit())
        return QStringLiteral("Błąd zapisu; być może na dysku brak miejsca.");
    return QString();
}

QString TableImage::save()
{
    m_window.PlayOver();
    // The picture as the window is now, before a dialog covers it.
    const QImage image = picture();
    QString suggested = m_lastFile;
    if (suggested.isEmpty()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        suggested = QDir(pictures.isEmpty() ? QDir::homePath() : pictures).filePath(QStringLiteral("tablica.png"));
    }
    QString fileName = m_choose ? m_choose(&m_window, suggested) : QString();
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".png");
    if (const QString fault = writePng(image, fileName); !fault.isEmpty()) {
        if (m_warn)
            m_warn(&m_window, QStringLiteral("Nie można zapisać obrazu tablicy w pliku\n%1\n\n%2")
                                  .arg(QDir::toNativeSeparators(fileName), fault));
        return QString();
    }
    m_lastFile = fileName;
    return fileName;
}

bool TableImage::print()
{
    m_window.PlayOver();
    const QImage image = render(2 * m_window.devicePixelRatioF(), false);
    const QString title = titleOf(m_window.windowTitle());
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape); // the table is wider than high
    }
    offerPdfFile(*m_printer, title, QStringLiteral("tablica"));
    if (!m_windows.setUpPrinter(*m_printer, &m_window))
        return false;
    if (!printImage(image, m_printer.get(), title)) {
        if (m_warn)
            m_warn(&m_window, QStringLiteral("Nie można wydrukować tablicy: drukarka albo plik wydruku są niedostępne."));
        return false;
    }
    return true;
}

} // namespace tablicznik
