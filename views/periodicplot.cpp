#include "periodicplot.h"

#include "controls/colours.h"
#include "data/stringtofloat.h"
#include "scale.h"
#include "legend.h"
#include "viewpasses.h"
#include "viewtables.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace tablicznik {
namespace {

constexpr QSizeF kReadableSize{700, 420}; // fonts and lines grow beyond this
constexpr quint32 kNobleGasColour = 0x8F3F00; // dark blue
constexpr quint32 kAlkaliColour = 0x00008F;   // dark red
constexpr quint32 kShadeColour = 0xF0F0F0;
constexpr quint32 kPinColour = 0x00DF88;      // the table's pin

QLocale polish()
{
    QLocale locale(QLocale::Polish, QLocale::Poland);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// The legend's title as an axis label: no framing blanks, no colon.
QString axisTitleOf(const char *title)
{
    QString text = QString::fromUtf8(title).trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return withSuperscripts(text.trimmed());
}

template <typename View>
PlotSeries seriesOf(const View &view, const Catalogue &catalogue)
{
    PlotSeries series;
    series.handler = handlerName(view.trigger);
    series.caption = QString::fromUtf8(view.caption);
    series.axisTitle = axisTitleOf(view.Title);
    series.placements = placementsOf(view, catalogue, [](QStringView text, const ElementRecord &, Field) {
        return tablicznik::StringToFloat(text);
    });
    const LegendContent legend = legendOf(view);
    for (const LegendEntry &entry : legend.entries)
        series.entryColours.push_back(colour(entry.colour));
    for (const QColor &face : readableFaces(legend))
        series.entryFaces.push_back(face);
    for (int numer = 1; numer <= series.count(); ++numer)
        series.symbols << catalogue.element(numer).Symbol;
    series.logarithmic = logarithmicAxis(boundValues(view.bounds), series);
    return series;
}

// A row of numbers read from a field (the Curie points have none: they are placed by hand).
template <typename Rows>
std::optional<PlotSeries> findSeries(const Rows &rows, const QString &handler, const Catalogue &catalogue)
{
    for (const auto &row : rows)
        if (handler == handlerName(row.trigger) && row.field)
            return seriesOf(row, catalogue);
    return std::nullopt;
}

// Round steps of 1, 2 and 5 times a power of ten.
double niceStep(double span, int wanted)
{
    const double raw = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power)
            return factor * power;
    return 10 * power;
}

bool isNobleGas(int numer)
{
    return std::ranges::find(PeriodicPlot::kNobleGases, numer) != std::end(PeriodicPlot::kNobleGases);
}

} // namespace

double PlotSeries::plotted(int numer) const
{
    if (numer < 1 || numer > count())
        return qQNaN();
    const Placement &placement = placements[std::size_t(numer) - 1];
    return placement.greyed ? qQNaN() : placement.value;
}

std::optional<PlotSeries> plotSeries(const QString &handler, const Catalogue &catalogue)
{
    if (auto series = findSeries(kNumericScaleViews, handler, catalogue))
        return series;
    if (auto series = findSeries(kFilteredScaleViews, handler, catalogue))
        return series;
    return findSeries(kSusceptibilityViews, handler, catalogue);
}

bool logarithmicAxis(std::span<const double> bounds, const PlotSeries &series)
{
    double lowest = qInf(), highest = 0;
    for (int numer = 1; numer <= series.count(); ++numer) {
        const double value = series.plotted(numer);
        if (std::isnan(value))
            continue;
        if (value <= 0)
            return false;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    if (highest == 0)
        return false;
    const bool geometricScale = !bounds.empty() && bounds.front() > 0 && bounds.back() / bounds.front() >= 50;
    return geometricScale || highest / lowest > 1000;
}

QString withSuperscripts(QString text)
{
    static const QRegularExpression power(QStringLiteral("\\^\\(?(-?\\d+)\\)?"));
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QRegularExpressionMatch match;
    while ((match = power.match(text)).hasMatch()) {
        QString raised;
        for (QChar c : match.captured(1))
            raised += c == u'-' ? QChar(0x207B) : digits.at(c.digitValue());
        text.replace(match.capturedStart(), match.capturedLength(), raised);
    }
    return text;
}

// --- the plot's geometry for one size -----------------------------------------

struct PeriodicPlot::Frame {
    qreal grow = 1;
    QFont font, bold, heading;
    qreal line = 1;
    QRectF headingRect, area, periodBand;
    bool log = false;
    double lo = 0, hi = 1; // the axis range; on a logarithmic axis, powers of ten
    std::vector<double> ticks;
    int decimals = 0;
    int count = 0;

    qreal slot() const { return count ? area.width() / count : area.width(); }
    qreal left(int numer) const { return area.left() + (numer - 1) * slot(); }
    qreal y(double value) const
    {
        const double v = log ? std::log10(value) : value;
        return area.bottom() - (v - lo) / (hi - lo) * area.height();
    }
    qreal baseline() const { return log ? area.bottom() : y(0); }
    QString tickText(double tick) const
    {
        return log ? polish().toString(std::pow(10.0, tick), 'f', std::max(0, int(-tick)))
                   : polish().toString(tick, 'f', decimals);
    }
};

PeriodicPlot::Frame PeriodicPlot::frame(QSizeF size) const
{
    Frame f;
    f.count = m_series.count();
    f.log = m_series.logarithmic;
    f.grow = std::max(1.0, std::min(size.width() / kReadableSize.width(), size.height() / kReadableSize.height()));
    f.font = pixelFont(QStringLiteral("Arial"), qRound(11 * f.grow));
    f.bold = pixelFont(QStringLiteral("Arial"), qRound(11 * f.grow), true);
    f.heading = pixelFont(QStringLiteral("Arial"), qRound(14 * f.grow), true);
    f.line = f.grow;

    // The value range: from zero (or the decade below the least value) to the greatest value.
    double lowest = 0, highest = 0;
    bool any = false;
    for (int numer = 1; numer <= f.count; ++numer) {
        const double value = m_series.plotted(numer);
        if (std::isnan(value))
            continue;
        lowest = any ? std::min(lowest, value) : value;
        highest = any ? std::max(highest, value) : value;
        any = true;
    }
    if (f.log && any) {
        f.lo = std::floor(std::log10(lowest));
        f.hi = std::max(f.lo + 1, std::ceil(std::log10(highest)));
        const int every = int(f.hi - f.lo) > 8 ? 2 : 1;
        for (double decade = f.lo; decade <= f.hi; decade += every)
            f.ticks.push_back(decade);
    } else {
        lowest = std::min(lowest, 0.0);
        highest = std::max(highest, 0.0);
        if (highest == lowest)
            highest = lowest + 1;
        const double step = niceStep(highest - lowest, 6);
        f.lo = std::floor(lowest / step) * step;
        f.hi = std::ceil(highest / step) * step;
        f.decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
        for (double tick = f.lo; tick <= f.hi + step / 2; tick += step)
            f.ticks.push_back(std::abs(tick) < step / 2 ? 0.0 : tick);
    }

    const QFontMetricsF metrics(f.font), headingMetrics(f.heading);
    qreal labelWidth = 0;
    for (double tick : f.ticks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(f.tickText(tick)));
    const qreal pad = 6 * f.grow, text = metrics.height();
    f.headingRect = QRectF(pad, pad / 2, size.width() - 2 * pad, headingMetrics.height() * 1.4);
    f.periodBand = QRectF(0, f.headingRect.bottom(), size.width(), text * 1.3);
    const qreal top = f.periodBand.bottom() + text * 1.2; // room for the names above the highest bars
    const qreal left = pad + text * 1.4 + labelWidth + 4 * f.grow;
    const qreal bottom = size.height() - pad - text * 2.6;
    f.area = QRectF(QPointF(left, top), QPointF(size.width() - pad * 2, bottom));
    f.periodBand.setLeft(f.area.left());
    f.periodBand.setRight(f.area.right());
    return f;
}

// --- the widget -----------------------------------------------------------------

PeriodicPlot::PeriodicPlot(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PeriodicPlot::setSeries(PlotSeries series, std::vector<QColor> colours)
{
    m_series = std::move(series);
    m_colours = std::move(colours);
    m_colours.resize(std::size_t(m_series.count()), colour(clBlack));
    m_cursor = 0;
    setAccessibleName(m_series.caption);
    setAccessibleDescription(m_series.axisTitle);
    update();
}

QColor PeriodicPlot::barColour(int numer) const
{
    return numer >= 1 && numer <= int(m_colours.size()) ? m_colours[std::size_t(numer) - 1] : QColor();
}

void PeriodicPlot::setPinned(int numer)
{
    m_pinned = numer;
    update();
}

QRectF PeriodicPlot::columnRect(int numer) const
{
    const Frame f = frame(size());
    if (numer < 1 || numer > f.count)
        return {};
    return QRectF(f.left(numer), f.area.top(), f.slot(), f.area.height());
}

QRectF PeriodicPlot::barRect(int numer) const
{
    const double value = m_series.plotted(numer);
    if (std::isnan(value))
        return {};
    const Frame f = frame(size());
    const qreal inset = f.slot() > 4 ? f.slot() * 0.15 : 0;
    const qreal top = f.y(value), base = f.baseline();
    return QRectF(QPointF(f.left(numer) + inset, std::min(top, base)),
                  QPointF(f.left(numer) + f.slot() - inset, std::max(top, base)));
}

int PeriodicPlot::numerAt(QPointF point) const
{
    const Frame f = frame(size());
    if (!f.count || point.x() < f.area.left() || point.x() >= f.area.right() || point.y() < f.periodBand.top()
        || point.y() > f.area.bottom())
        return 0;
    const int numer = std::clamp(int((point.x() - f.area.left()) / f.slot()) + 1, 1, f.count);
    return std::isnan(m_series.plotted(numer)) ? 0 : numer;
}

qreal PeriodicPlot::valueY(double value) const { return frame(size()).y(value); }

QImage PeriodicPlot::picture(qreal scale) const
{
    QImage image((QSizeF(size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paint(painter, size());
    return image;
}

void PeriodicPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, size());
}

void PeriodicPlot::paint(QPainter &p, QSizeF size) const
{
    const Frame f = frame(size);
    const QColor ink = colour(SystemColour::WindowText);
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);

    p.setFont(f.heading);
    p.setPen(ink);
    p.drawText(f.headingRect, Qt::AlignCenter | Qt::TextSingleLine,
               QFontMetricsF(f.heading).elidedText(withSuperscripts(m_series.caption), Qt::ElideRight, f.headingRect.width()));
    if (!f.count)
        return;

    // The periods: every other one shaded, a line where one ends, its number above.
    p.setFont(f.bold);
    int first = 1;
    for (int period = 1; period <= int(std::size(kNobleGases)) && first <= f.count; ++period) {
        const int last = std::min(kNobleGases[period - 1], f.count);
        const QRectF band(QPointF(f.left(first), f.area.top()), QPointF(f.left(last) + f.slot(), f.area.bottom()));
        if (period % 2 == 0)
            p.fillRect(band, colour(kShadeColour));
        p.setPen(ink);
        p.drawText(QRectF(band.left(), f.periodBand.top(), band.width(), f.periodBand.height()), Qt::AlignCenter,
                   QString::number(period));
        if (last < f.count) {
            p.setPen(QPen(colour(SystemColour::BtnShadow), f.line, Qt::DashLine));
            p.drawLine(QPointF(band.right(), f.periodBand.top()), QPointF(band.right(), f.area.bottom()));
        }
        first = last + 1;
    }
    p.setFont(f.font);
    p.setPen(ink);
    p.drawText(QRectF(0, f.periodBand.top(), f.area.left() - 4 * f.grow, f.periodBand.height()),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("okres"));

    // The value axis: grid lines and numbers, the title turned along it.
    const QFontMetricsF metrics(f.font);
    for (double tick : f.ticks) {
        const qreal y = f.log ? f.area.bottom() - (tick - f.lo) / (f.hi - f.lo) * f.area.height() : f.y(tick);
        p.setPen(QPen(colour(0xD8D8D8), f.line * 0.5));
        p.drawLine(QPointF(f.area.left(), y), QPointF(f.area.right(), y));
        p.setPen(ink);
        p.drawText(QRectF(0, y - metrics.height() / 2, f.area.left() - 4 * f.grow, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, f.tickText(tick));
    }
    p.save();
    p.translate(metrics.height() * 0.3, f.area.center().y());
    p.rotate(-90);
    const QString valueTitle =
        f.log ? m_series.axisTitle + QStringLiteral(" (skala logarytmiczna)") : m_series.axisTitle;
    p.drawText(QRectF(-f.area.height(), 0, 2 * f.area.height(), metrics.height() * 1.2), Qt::AlignHCenter | Qt::AlignTop,
               metrics.elidedText(valueTitle, Qt::ElideRight, f.area.height() + f.periodBand.height()));
    p.restore();

    // The bars, outlined so that a white one shows; nothing where there is no value.
    const qreal inset = f.slot() > 4 ? f.slot() * 0.15 : 0;
    for (int numer = 1; numer <= f.count; ++numer) {
        const double value = m_series.plotted(numer);
        if (std::isnan(value))
            continue;
        const QRectF bar(QPointF(f.left(numer) + inset, std::min(f.y(value), f.baseline())),
                         QPointF(f.left(numer) + f.slot() - inset, std::max(f.y(value), f.baseline())));
        const bool marked = numer == m_cursor || numer == m_pinned;
        const QColor edge = numer == m_pinned ? colour(kPinColour) : numer == m_cursor ? ink : colour(0x606060);
        p.setPen(QPen(edge, marked ? 2.5 * f.line : 0.5 * f.line));
        p.setBrush(barColour(numer));
        p.drawRect(bar);
    }
    p.setBrush(Qt::NoBrush);

    // The atomic number axis.
    p.setPen(QPen(ink, f.line));
    p.drawLine(QPointF(f.area.left(), f.baseline()), QPointF(f.area.right(), f.baseline()));
    p.drawLine(f.area.bottomLeft(), f.area.topLeft());
    for (int numer = 1; numer <= f.count; ++numer) {
        if (numer != 1 && numer % 10 != 0)
            continue;
        const qreal x = f.left(numer) + f.slot() / 2;
        p.drawLine(QPointF(x, f.area.bottom()), QPointF(x, f.area.bottom() + 3 * f.grow));
        p.drawText(QRectF(x - 30 * f.grow, f.area.bottom() + 3 * f.grow, 60 * f.grow, metrics.height()),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(numer));
    }
    const QRectF axisLine(f.area.left(), f.area.bottom() + metrics.height() * 1.3, f.area.width(), metrics.height() * 1.2);
    p.drawText(axisLine, Qt::AlignHCenter | Qt::AlignVCenter, kAtomicNumberAxis);

    // The noble gases and the alkali metals named above their bars, and the key to the names.
    for (int numer = 1; numer <= f.count; ++numer) {
        const bool noble = isNobleGas(numer);
        const bool alkali = numer > 2 && isNobleGas(numer - 1);
        const double value = m_series.plotted(numer);
        if ((!noble && !alkali) || std::isnan(value))
            continue;
        // Beyond the bar's end, on a light ground so that it reads over a neighbour's bar.
        const QString symbol = m_series.symbols.value(numer - 1);
        p.setFont(noble ? f.bold : f.font);
        const QSizeF textSize = QFontMetricsF(p.font()).size(Qt::TextSingleLine, symbol) + QSizeF(2 * f.grow, 0);
        const bool below = !f.log && value < 0;
        const qreal end = below ? f.y(value) + f.grow : f.y(value) - f.grow - textSize.height();
        const QRectF label(QPointF(f.left(numer) + (f.slot() - textSize.width()) / 2, end), textSize);
        p.fillRect(label, QColor(255, 255, 255, 200));
        p.setPen(colour(noble ? kNobleGasColour : kAlkaliColour));
        p.drawText(label, Qt::AlignCenter, symbol);
    }
    p.setFont(f.bold);
    p.setPen(colour(kNobleGasColour));
    p.drawText(axisLine, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("gazy szlachetne"));
    p.setFont(f.font);
    p.setPen(colour(kAlkaliColour));
    p.drawText(axisLine, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("litowce"));

    // The pin: a mark under its column.
    if (m_pinned >= 1 && m_pinned <= f.count) {
        const qreal x = f.left(m_pinned) + f.slot() / 2, y = f.area.bottom() + 1, s = 5 * f.grow;
        QPainterPath mark;
        mark.moveTo(x, y);
        mark.lineTo(x - s, y + 1.6 * s);
        mark.lineTo(x + s, y + 1.6 * s);
        mark.closeSubpath();
        p.fillPath(mark, colour(kPinColour));
    }

    // The element under the cursor, in words.
    if (const double value = m_series.plotted(m_cursor); !std::isnan(value)) {
        p.setFont(f.bold);
        p.setPen(ink);
        p.drawText(f.area.adjusted(0, 2 * f.grow, -4 * f.grow, 0), Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("%1 %2: %3")
                       .arg(m_cursor)
                       .arg(m_series.symbols.value(m_cursor - 1), polish().toString(value, 'g', 6)));
    }
}

void PeriodicPlot::point(int numer)
{
    if (numer == m_cursor)
        return;
    m_cursor = numer;
    update();
    // What a screen reader says of the plot: the element under the cursor.
    const double value = m_series.plotted(numer);
    setAccessibleDescription(std::isnan(value) ? m_series.axisTitle
                                               : QStringLiteral("%1 (%2), %3: %4")
                                                     .arg(m_series.symbols.value(numer - 1))
                                                     .arg(numer)
                                                     .arg(m_series.axisTitle, polish().toString(value, 'g', 6)));
    emit pointed(numer);
}

void PeriodicPlot::mouseMoveEvent(QMouseEvent *event) { point(numerAt(event->position())); }

void PeriodicPlot::leaveEvent(QEvent *) { point(0); }

void PeriodicPlot::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        if (const int numer = numerAt(event->position()))
            emit pinRequested(numer);
}

// The next element with a value in that direction; `from` when there is none.
int PeriodicPlot::nextWithValue(int from, int step) const
{
    for (int numer = from + step; numer >= 1 && numer <= m_series.count(); numer += step)
        if (!std::isnan(m_series.plotted(numer)))
            return numer;
    return from;
}

void PeriodicPlot::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right: point(nextWithValue(m_cursor, 1)); break;
    case Qt::Key_Left: point(m_cursor ? nextWithValue(m_cursor, -1) : nextWithValue(0, 1)); break;
    case Qt::Key_Home: point(nextWithValue(0, 1)); break;
    case Qt::Key_End:
        if (const int last = nextWithValue(m_series.count() + 1, -1); last <= m_series.count())
            point(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_cursor)
            emit pinRequested(m_cursor);
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace tablicznik
