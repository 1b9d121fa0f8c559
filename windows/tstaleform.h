#pragma once

#include <QWidget>

namespace tablicznik {

class SoundCues;

// The table of physical, chemical and astronomical constants. Each use of
// the menu or Ctrl+S opens a further one; closing hides it, with the exit cue.
class TStaleForm : public QWidget {
    Q_OBJECT

public:
    // The outer size of the window is 395 x 439 with the classic sizeable
    // frame (4 pixels each side, a 19-pixel caption); this is its client area.
    static constexpr int kClientWidth = 387;
    static constexpr int kClientHeight = 412;
    static constexpr QPoint kPlace{422, 96};

    struct Constant {
        const char *name, *value;
    };
    static const Constant kConstants[37];

    explicit TStaleForm(SoundCues &cues, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    SoundCues &m_cues;
};

} // namespace tablicznik
