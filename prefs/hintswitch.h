#pragma once

#include <QObject>

namespace tablicznik {

// The switch of tooltips for the whole program: while it is off, no window
// shows one, the auxiliary windows included.
class HintSwitch : public QObject {
    Q_OBJECT

public:
    static constexpr int kHintDelay = 200; // ms from resting the pointer to the tooltip

    explicit HintSwitch(QObject *parent = nullptr); // watches the whole application

    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_enabled = true;
};

} // namespace tablicznik
