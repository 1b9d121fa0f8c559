#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace tablicznik {

class TOknoGlowne;

// What the user sees, carried into the program started again at another
// zoom: the main window's place, the details page, the pin or the view on
// the table (with its legend and caption, which the view makes again) and
// the open element cards. Places are in pixels at 100 % (the desktop's own),
// so that a window stands where it stood whatever the zoom; a card keeps its
// logical size and so grows with the zoom as the main window does.
struct CarriedView {
    struct Card {
        int element = 0; // atomic number
        QRect geometry;  // top-left at 100 %, size logical
        friend bool operator==(const Card &, const Card &) = default;
    };

    int percent = 100;   // the zoom of the new run
    bool chosen = false; // by the user: the new run's stored zoom (else a smaller one that fits the screen)
    qint64 madeAtMs = 0; // since the epoch; an old one is not taken
    std::optional<QPoint> position; // the main window's frame, top-left
    int page = 0;                   // the details page, 0 ... 10
    int pinned = 0;                 // the pinned element, 0 for none
    QString view;                   // the view's handler ("GestoscButtonClick"), empty for none
    std::vector<Card> cards;
    QString plot; // the view the open periodicity plot shows, empty for none

    friend bool operator==(const CarriedView &, const CarriedView &) = default;
};

namespace zoomrestart {

// The environment variable that carries the view into the new run.
inline constexpr char kVariable[] = "TABLICZNIK_CARRIED_VIEW";
// How long a carried view stays good: the new run reads it at once, so an
// older one was left behind by something else.
inline constexpr qint64 kLifetimeMs = 60'000;
inline constexpr int kMostCards = 64;

// A compact JSON object, and back. A text that is not one this version
// wrote, or that is older than kLifetimeMs at `nowMs`, gives nothing.
QByteArray serialise(const CarriedView &view);
std::optional<CarriedView> parse(const QByteArray &text, qint64 nowMs);

// The carried view of this run, taken out of the environment so that
// programs started from this one do not see it. Call it first in main().
std::optional<CarriedView> takeFromEnvironment();

// What `window` shows, for a run at `percent`.
CarriedView capture(const TOknoGlowne &window, int percent);
// Before the window shows: its place, page, pin or view. Parts that no
// longer apply (a view of another name) are left out.
void restore(TOknoGlowne &window, const CarriedView &view);
// Once it shows: the cards and the periodicity plot, over it.
void reopenCards(TOknoGlowne &window, const CarriedView &view);

// Starts this program again with `view`; false when it could not be started.
bool startAgain(const CarriedView &view);

// The zoom choice: the program started again at `percent` with what
// `window` shows, the settings stored meanwhile, and this run closed
// quietly. False (and this run goes on) when the program could not be
// started.
bool restartAt(TOknoGlowne &window, int percent);

} // namespace zoomrestart
} // namespace tablicznik
