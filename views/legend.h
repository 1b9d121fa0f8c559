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
// In the readable look it shows its readable face instead, the no-data
// entry's hatched.
class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    explicit TShape(QWidget *parent);
    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &colour);
    QColor face() const { return m_face; }
    void setFace(const QColor &face, bool hatched);
    void setReadable(bool on);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_brush;
    QColor m_face;
    bool m_hatched = false;
    bool m_readable = false;
};

// The readable faces of a legend's sixteen entries, entry k at k - 1: the
// first Count entries (at most fifteen) take evenly spaced steps of the
// content's palette, any further entry its own colour, and the no-data entry
// the neutral grey that is drawn hatched.
std::array<QColor, 16> readableFaces(const LegendContent &content);

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
    QColor face(int entry) const { return swatch(entry)->face(); }

    // Shows the first Count numbered entries and the no-data entry when it
    // has a text, sets every colour and text, then the box's title. Whether
    // the box itself shows is the caller's business.
    void fill(const LegendContent &content);
    // The swatches in their readable faces, or in the entries' own colours.
    void setReadable(bool on);

private:
    QGroupBox *m_box;
    std::array<TShape *, kEntries> m_swatches{};
    std::array<QLabel *, kEntries> m_labels{};
};

} // namespace tablicznik
