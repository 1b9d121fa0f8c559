#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <vector>

class QScreen;
class QWidget;

namespace tablicznik::zoom {

// The program's zoom: every window drawn at a percentage on top of the
// desktop's own scale factor, its layout unchanged in logical pixels. Qt
// takes a scale factor only before the application object is made
// (QT_SCALE_FACTOR), so the zoom is chosen then for the whole run; another
// choice starts the program again (zoomrestart.h).

// Sets the factor for the application object about to be made: the
// user's own QT_SCALE_FACTOR, if any, times `percent` / 100. Call it before
// the QApplication exists; `percent` is one of the menu's choices.
void applyBeforeApplication(int percent);
// Once the application object exists: QT_SCALE_FACTOR as the user had it,
// so that the programs started from the menu are not zoomed.
void restoreEnvironment();
// The zoom this run was started with (100 when applyBeforeApplication was
// not called, as in tests).
int percentInEffect();
// Tests: a run that was started at `percent`.
void setPercentInEffect(int percent);

// Room on a screen, in pixels at 100 %: the desktop's pixels divided by
// the desktop's own scale factor, as the window's layout is measured at 100 %.
struct ScreenRoom {
    QRect available;    // the screen's work area (without panels)
    QMargins decoration; // the window manager's frame around a window
};

// The frame a window manager gives an ordinary window, used while a
// window has not been shown yet: the measured one where it was shown.
inline constexpr QMargins kUsualDecoration{4, 30, 4, 4};

// Whether a window of `client` size (logical pixels) with its frame lies
// wholly within the room at `percent`. The frame is the desktop's and is not
// zoomed.
bool fits(QSize client, int percent, const ScreenRoom &room);
// The menu's choices that fit, smallest first; 100 always, the least the
// program can show.
std::vector<int> fittingChoices(QSize client, const ScreenRoom &room);
// `wanted` where it fits, else the largest choice that fits.
int largestFitting(int wanted, QSize client, const ScreenRoom &room);

// Where a frame goes so that it lies on the work area: moved in as little
// as possible, its top-left corner (with the title bar) kept on the area
// when the frame is larger than the area.
QPoint keptInside(const QRect &frame, const QRect &available);

// A screen's room at the zoom in effect, and the decoration of `window`
// (measured when it has been shown, else the usual one).
ScreenRoom roomOf(const QScreen *screen, const QWidget *window = nullptr);

// Keeps every window and dialog of the program wholly on its screen when
// it is shown: smaller where it can be, moved in. Installed once on the
// application; a file or print dialog at a large zoom fits the screen.
void keepWindowsOnScreen();
// The same for one window, now.
void keepOnScreen(QWidget *window);

} // namespace tablicznik::zoom
