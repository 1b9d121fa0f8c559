#include "auxiliarywindows.h"

#include "controls/accessiblenames.h"

#include <QDesktopServices>
#include <QPrintDialog>
#include <QWidget>

namespace tablicznik {

AuxiliaryWindows::AuxiliaryWindows(SoundCues &cues, QObject *parent)
    : QObject(parent), m_cues(cues), m_openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); }),
      m_printerSetup([](QPrinter &printer, QWidget *parent) {
          // Where no printer is installed the dialog still offers a PDF file.
          QPrintDialog dialog(&printer, parent);
          return dialog.exec() == QDialog::Accepted;
      })
{
}

AuxiliaryWindows::~AuxiliaryWindows() { discardAll(); }

void AuxiliaryWindows::discardAll()
{
    // Newest first: a window may have been opened from an older one.
    const QList<QPointer<QWidget>> windows = std::exchange(m_windows, {});
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        delete it->data();
}

void AuxiliaryWindows::openUrl(const QUrl &url) const
{
    if (m_openUrl && url.isValid() && !url.isEmpty())
        m_openUrl(url);
}

bool AuxiliaryWindows::setUpPrinter(QPrinter &printer, QWidget *parent) const
{
    return m_printerSetup && m_printerSetup(printer, parent);
}

void AuxiliaryWindows::keep(QWidget *window)
{
    m_windows.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
    window->setAttribute(Qt::WA_QuitOnClose, false);
    nameControls(window);
    m_windows << window;
}

QList<QWidget *> AuxiliaryWindows::windows() const
{
    QList<QWidget *> alive;
    for (const QPointer<QWidget> &w : m_windows)
        if (w)
            alive << w.data();
    return alive;
}

} // namespace tablicznik
