#include "legend.h"

#include "controls/colours.h"
#include "controls/readablefaces.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace tablicznik {

TShape::TShape(QWidget *parent) : QWidget(parent), m_brush(Qt::white)
{
    resize(Legenda::kSwatchSize);
}

void TShape::setBrushColor(const QColor &c)
{
    if (c == m_brush)
        return;
    m_brush = c;
    update();
}

void TShape::setFace(const QColor &face, bool hatched)
{
    m_face = face;
    m_hatched = hatched;
    if (m_readable)
        update();
}

void TShape::setReadable(bool on)
{
    if (on == m_readable)
        return;
    m_readable = on;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect block = rect().adjusted(0, 0, -1, -1);
    if (!m_readable) {
        p.setPen(QPen(colour(SystemColour::BtnFace), 0));
        p.setBrush(m_brush);
        p.drawRect(block);
        return;
    }
    // A dark outline, so that a pale face stands out from the legend's grey.
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(m_face);
    p.drawRect(block);
    if (m_hatched)
        p.fillRect(block.adjusted(1, 1, 0, 0), readablefaces::noDataHatch());
}

std::array<QColor, 16> readableFaces(const LegendContent &content)
{
    const int steps = std::clamp(content.Count, 0, int(content.entries.size()) - 1);
    const QList<QColor> palette = content.palette == FacePalette::Qualitative
                                      ? readablefaces::qualitativePalette(steps)
                                      : readablefaces::sequentialPalette(steps);
    std::array<QColor, 16> faces;
    for (std::size_t k = 0; k + 1 < faces.size(); ++k)
        faces[k] = qsizetype(k) < palette.size() ? palette[qsizetype(k)] : colour(content.entries[k].colour);
    faces.back() = readablefaces::noDataFace();
    return faces;
}

namespace {

constexpr int kColumnLeft[] = {5, 111, 222};
constexpr int kLabelLeft[] = {38, 144, 255};
constexpr int kFirstTop = 13, kRowPitch = 15, kLabelDrop = 2, kPerColumn = 5;
constexpr QPoint kNoDataSwatch{416, 193}, kNoDataLabel{449, 194};

QLabel *entryLabel(QWidget *parent, int entry, const QPoint &place)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Shape%1Label").arg(entry));
    label->setFont(pixelFont(QStringLiteral("Arial"), 11));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour(SystemColour::WindowText));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(place);
    label->adjustSize();
    label->hide();
    return label;
}

} // namespace

Legenda::Legenda(QGroupBox *box, QWidget *window) : m_box(box)
{
    for (int entry = 1; entry <= kEntries; ++entry) {
        const bool noData = entry == kEntries;
        QWidget *parent = noData ? window : box;
        auto *swatch = new TShape(parent);
        swatch->setObjectName(QStringLiteral("Shape%1").arg(entry));
        const int column = (entry - 1) / kPerColumn, row = (entry - 1) % kPerColumn;
        swatch->move(noData ? kNoDataSwatch : QPoint(kColumnLeft[column], kFirstTop + row * kRowPitch));
        swatch->hide();
        m_swatches[entry - 1] = swatch;
        m_labels[entry - 1] = entryLabel(
            parent, entry,
            noData ? kNoDataLabel : QPoint(kLabelLeft[column], kFirstTop + kLabelDrop + row * kRowPitch));
    }
}

void Legenda::fill(const LegendContent &content)
{
    for (int entry = 1; entry < kEntries; ++entry) {
        const bool shown = content.Count >= entry;
        swatch(entry)->setVisible(shown);
        label(entry)->setVisible(shown);
    }
    const bool noDataShown = !content.entries[kEntries - 1].text.isEmpty();
    swatch(kEntries)->setVisible(noDataShown);
    label(kEntries)->setVisible(noDataShown);

    const std::array<QColor, kEntries> faces = readableFaces(content);
    for (int entry = 1; entry <= kEntries; ++entry) {
        swatch(entry)->setBrushColor(tablicznik::colour(content.entries[entry - 1].colour));
        swatch(entry)->setFace(faces[entry - 1], entry == kEntries);
    }
    for (int entry = 1; entry <= kEntries; ++entry) {
        QLabel *text = label(entry);
        text->setText(content.entries[entry - 1].text);
        text->adjustSize();
    }
    m_box->setTitle(content.Title);
}

void Legenda::setReadable(bool on)
{
    for (TShape *shape : m_swatches)
        shape->setReadable(on);
}

} // namespace tablicznik
