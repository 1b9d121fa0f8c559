#pragma once

#include <QLabel>

namespace tablicznik {

// A label that works as a link: hand pointer, red while a mouse button is
// held down on it, the window-text colour again on release, and clicked()
// when the left button is released over it.
class LinkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor)

public:
    static constexpr quint32 kPressedColour = 0x000000FF; // red, 0x00BBGGRR

    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    QColor textColor() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColour(quint32 value);
};

} // namespace tablicznik
