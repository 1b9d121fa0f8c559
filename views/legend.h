#pragma once

#include "canvas.h"

#include <QColor>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;

namespace tablicznik {

// A legend swatch: a plain block of its fill colour, outlined in the button
// face colour so that it reads as colour only. The colouring passes read
// the fill back from here.
class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    explicit TShape(QWidget *parent);
    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_brush;
};

// The legend's sixteen entries: swatches Shape1 ... Shape15 with their texts
// in three columns inside the legend box, and the no-data entry Shape16 with
// its text on the window just right of the box.
class Legenda {
public:
    static constexpr int kEntries = 16;
    static constexpr QSize kSwatchSize{30, 16};

    // Creates the entries, all hidden; the box and the window own them.
    Legenda(QGroupBox *box, QWidget *window);

    QGroupBox *box() const { return m_box; }
    TShape *swatch(int entry) const { return m_swatches.at(entry - 1); } // 1 ... 16
    QLabel *label(int entry) const { return m_labels.at(entry - 1); }
    QColor colour(int entry) const { return swatch(entry)->brushColor(); }

    // Shows the first Count numbered entries and the no-data entry when it
    // has a text, sets every colour and text, then the box's title. Whether
    // the box itself shows is the caller's business.
    void fill(const LegendContent &content);

private:
    QGroupBox *m_box;
    std::array<TShape *, kEntries> m_swatches{};
    std::array<QLabel *, kEntries> m_labels{};
};

} // namespace tablicznik
