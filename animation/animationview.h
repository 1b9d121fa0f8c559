#pragma once

#include "avireader.h"

#include <QTimer>
#include <QWidget>

namespace tablicznik {

// A small control that plays a silent animation in a loop on a silver
// background, one frame per tick at the file's own rate.
class AnimationView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive)
    Q_PROPERTY(int currentFrame READ currentFrame)

public:
    explicit AnimationView(QWidget *parent = nullptr);

    // Reads an AVI file (a resource path such as ":/pictures/atom.avi") and
    // shows its first frame. On failure the control stays silver and error()
    // says why.
    bool open(const QString &fileName);
    void setAnimation(AviAnimation animation);
    const QString &error() const { return m_error; }

    // Plays from the frame shown now; stopping keeps that frame on screen.
    void setActive(bool on);
    bool isActive() const { return m_timer.isActive(); }

    int frameCount() const { return int(m_frames.size()); }
    int currentFrame() const { return m_current; } // 0 ... frameCount() - 1
    int frameInterval() const { return m_timer.interval(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void advance();

    QList<QImage> m_frames;
    QString m_error;
    int m_current = 0;
    QTimer m_timer;
};

} // namespace tablicznik
