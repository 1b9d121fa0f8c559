#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace tablicznik {

// Small helpers shared by the auxiliary windows, which are laid out in pixels.

// Places the window in the middle of its screen.
void centreOnScreen(QWidget *window);
// Fixes the client area and centres the window.
void setClientSizeCentred(QWidget *window, int width, int height);

// The frame every auxiliary window shares: its object name, title, a title
// bar with the system menu and the close button (`buttons` adds minimise,
// maximise or a fixed size), the text font and the silver face.
void setUpWindow(QWidget *window, const char *objectName, const QString &title, int fontPixels,
                 Qt::WindowFlags buttons = {}, Qt::WindowType kind = Qt::Window);
// Escape closes a window that is not a dialog, as it closes the dialogs.
void closeOnEscape(QWidget *window);

// Silver background, and silver text areas inside it.
void makeSilver(QWidget *widget);

QFont arial(int pixels, bool bold = false);

// A plain label at a place, in a font, left or as aligned.
QLabel *placeLabel(QWidget *parent, const QString &text, const QRect &place, const QFont &font,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

} // namespace tablicznik
