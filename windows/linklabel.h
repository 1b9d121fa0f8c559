#pragma once

#include <QLabel>
#include <QUrl>

namespace tablicznik {

// A label that works as a link to its target: hand pointer, red while a
// mouse button is held down on it, the window-text colour again on release,
// and clicked() when the left button is released over it. Without a target
// it is a plain label: no hand, no colour, no click.
class LinkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor)
    Q_PROPERTY(QUrl target READ target)

public:
    static constexpr quint32 kPressedColour = 0x000000FF; // red, 0x00BBGGRR

    LinkLabel(const QString &text, const QUrl &target, QWidget *parent = nullptr);

    QColor textColor() const;
    QUrl target() const { return m_target; }
    bool isLink() const { return !m_target.isEmpty(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColour(quint32 value);

    QUrl m_target;
};

} // namespace tablicznik
