#pragma once

#include <QObject>

namespace tablicznik {

// The program's zoom: every window, shown or hidden, drawn at a percentage
// on top of the desktop's own scale factor, its layout unchanged in logical
// pixels. A change takes effect at once on the windows that exist; nothing
// is created again, so the table's state, its views and the open cards
// stay as they are.
//
// Qt has no public way to change the scale of windows that exist. The
// global factor of Qt's high-DPI scaling (the one QT_SCALE_FACTOR sets at
// start) is changed, then every top-level window is told what follows:
// its size limits and its native size are set again for the new factor,
// so that its logical size stays, and it is sent the screen-change event
// on which Qt re-reads the device pixel ratio, resizes the backing store
// and repaints.
class DisplayScale : public QObject {
    Q_OBJECT

public:
    static DisplayScale &instance();

    int percent() const { return m_percent; }
    // One of the menu's choices; anything else is ignored.
    void setPercent(int percent);

signals:
    // After the windows have taken the new scale; pictures chosen for the
    // device pixel ratio are chosen again.
    void changed(int percent);

private:
    DisplayScale() = default;
    int m_percent = 100;
};

} // namespace tablicznik
