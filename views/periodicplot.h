#pragma once

#include "colouringpass.h"

#include "data/catalogue.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

namespace tablicznik {

// A view of numbers as the periodicity plot shows it: the elements 1 ...
// catalogue.count() placed exactly as the view places them on the table.
struct PlotSeries {
    QString handler;   // "PotJon1ButtonClick"
    QString caption;   // the view's caption, the plot window's title
    QString axisTitle; // the legend's title as an axis label: "Promień atomu [pm]"
    std::vector<Placement> placements; // element n at n - 1
    std::vector<QColor> entryColours;  // the legend's, entry k at k - 1
    std::vector<QColor> entryFaces;    // the legend's readable faces, entry k at k - 1
    QStringList symbols;
    bool logarithmic = false;

    int count() const { return int(placements.size()); }
    // The value drawn for an element; NaN for a gap, where the table greys it.
    double plotted(int numer) const;
};

// The series of the view started by that handler, read with the pure value
// reader; none when the view is no scale of numbers read from a field
// (categories, shells, eras, rankings, the Curie points placed by hand).
std::optional<PlotSeries> plotSeries(const QString &handler, const Catalogue &catalogue);

// The value axis is logarithmic when every value is above zero and either
// the view's own scale steps geometrically (its bounds, all above zero,
// span a factor of 50 or more) or the values span more than three orders
// of magnitude.
bool logarithmicAxis(std::span<const double> bounds, const PlotSeries &series);

// "g/cm^3" as "g/cm³", "10^(-8)" as "10⁻⁸".
QString withSuperscripts(QString text);

// The periodicity plot: one bar per element in atomic-number order, in the
// colour the table gives it, gaps where the table greys an element, the
// periods shaded and numbered and the noble gases and alkali metals named
// above their bars. Fonts and lines grow with the widget, so that it reads
// on a projector. Pointing at an element's column, or moving along the
// elements with the arrow keys (Home and End: the first and the last),
// reports it; a left click, Enter or Space asks to pin it.
class PeriodicPlot : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int CursorNumber READ cursorNumber)
    Q_PROPERTY(int PinnedNumber READ pinnedNumber WRITE setPinned)

public:
    static constexpr int kNobleGases[] = {2, 10, 18, 36, 54, 86, 118};
    static inline const QString kAtomicNumberAxis = QStringLiteral("Liczba atomowa Z");

    explicit PeriodicPlot(QWidget *parent = nullptr);

    // The series and the colour of each element, element n at n - 1.
    void setSeries(PlotSeries series, std::vector<QColor> colours);
    const PlotSeries &series() const { return m_series; }
    QColor barColour(int numer) const;

    int cursorNumber() const { return m_cursor; }
    int pinnedNumber() const { return m_pinned; }
    void setPinned(int numer); // 0: none

    // The element's column and bar in the widget; the bar is empty for a gap.
    QRectF columnRect(int numer) const;
    QRectF barRect(int numer) const;
    // The element whose column holds the point, 0 for none or a gap.
    int numerAt(QPointF point) const;
    // Where a value stands on the value axis.
    qreal valueY(double value) const;

    // The plot drawn alone at `scale` times the widget's size, under its caption.
    QImage picture(qreal scale) const;

signals:
    void pointed(int numer); // 0: no element
    void pinRequested(int numer);

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Frame; // the parts of the plot for one size
    Frame frame(QSizeF size) const;
    void paint(QPainter &painter, QSizeF size) const;
    void point(int numer);
    int nextWithValue(int from, int step) const;

    PlotSeries m_series;
    std::vector<QColor> m_colours;
    int m_cursor = 0;
    int m_pinned = 0;
};

} // namespace tablicznik
