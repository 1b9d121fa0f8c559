#pragma once

#include "data/element.h"

#include <QAbstractButton>
#include <QColor>

namespace tablicznik {

// One element on the table: a flat, transparent button showing the symbol,
// with a dark corner line along its left and bottom edges. Views recolour
// its symbol and enable or disable it; a disabled element shows its symbol
// embossed in grey and lets the pointer through to the window beneath.
// The record's fields are readable as properties by name ("PromAtom" ...).
class TMySpeedButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(int Numer READ numer CONSTANT)
    Q_PROPERTY(bool IsUp READ isUp)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    TMySpeedButton(const ElementRecord &record, QWidget *parent);

    const ElementRecord &record() const { return *m_record; }
    int numer() const { return m_record->Numer; }
    bool isUp() const { return m_isUp; }

    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &colour);

    QSize sizeHint() const override { return {33, 32}; }

    // Pointer-enter and pointer-leave handling; the window calls the latter
    // for a button the pointer left without the toolkit noticing.
    void CMMouseEnter();
    void CMMouseLeave();

signals:
    // Pointer movement over an enabled element (any buttons held).
    void mouseMoved(tablicznik::TMySpeedButton *button);
    // A press of any mouse button on an enabled element.
    void mousePressed(tablicznik::TMySpeedButton *button, Qt::MouseButton which);

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    const ElementRecord *m_record;
    QColor m_textColor;
    bool m_isUp = false;
    bool m_hot = false; // the raised edge of an enabled button under the pointer
};

} // namespace tablicznik
