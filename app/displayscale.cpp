#include "displayscale.h"

#include "prefs/settings.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tablicznik::zoom {
namespace {

constexpr char kScaleFactorVariable[] = "QT_SCALE_FACTOR";

int g_percent = 100;
std::optional<QByteArray> g_userFactor; // QT_SCALE_FACTOR as the user set it, when set

int zoomed(int length, int percent) { return (length * percent + 99) / 100; }

QMargins scaled(const QMargins &m, double by)
{
    const auto up = [by](int v) { return int(std::ceil(v * by - 1e-9)); };
    return {up(m.left()), up(m.top()), up(m.right()), up(m.bottom())};
}

// The frame the window manager has given a window, in its logical pixels.
// None before it has (and without a window manager): the usual one is
// assumed then, as a window shown for the first time has its frame later.
std::optional<QMargins> measuredDecoration(const QWidget *window)
{
    if (!window || !window->isVisible())
        return std::nullopt;
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    return margins.isNull() ? std::nullopt : std::optional(margins);
}

// Fits a window that is about to show into its screen's work area.
class OnScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !object->isWidgetType())
            return false;
        auto *window = static_cast<QWidget *>(object);
        const Qt::WindowType type = window->windowType();
        if (window->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            keepOnScreen(window);
        return false;
    }
};

} // namespace

void applyBeforeApplication(int percent)
{
    if (!settings::isScaleChoice(percent))
        return;
    g_percent = percent;
    g_userFactor = qEnvironmentVariableIsSet(kScaleFactorVariable) ? std::optional(qgetenv(kScaleFactorVariable))
                                                                   : std::nullopt;
    bool ok = false;
    double user = g_userFactor ? g_userFactor->toDouble(&ok) : 1.0;
    if (!ok || !(user > 0))
        user = 1.0;
    if (percent != 100 || g_userFactor)
        qputenv(kScaleFactorVariable, QByteArray::number(user * percent / 100.0, 'g', 6));
}

void restoreEnvironment()
{
    if (g_userFactor)
        qputenv(kScaleFactorVariable, *g_userFactor);
    else
        qunsetenv(kScaleFactorVariable);
}

int percentInEffect() { return g_percent; }

void setPercentInEffect(int percent)
{
    if (settings::isScaleChoice(percent))
        g_percent = percent;
}

bool fits(QSize client, int percent, const ScreenRoom &room)
{
    const QSize frame = QSize(zoomed(client.width(), percent), zoomed(client.height(), percent)).grownBy(room.decoration);
    return frame.width() <= room.available.width() && frame.height() <= room.available.height();
}

std::vector<int> fittingChoices(QSize client, const ScreenRoom &room)
{
    std::vector<int> choices;
    for (int percent : settings::kScaleChoices)
        if (percent == settings::kDefaultScale || fits(client, percent, room))
            choices.push_back(percent);
    return choices;
}

int largestFitting(int wanted, QSize client, const ScreenRoom &room)
{
    if (fits(client, wanted, room))
        return wanted;
    int largest = settings::kDefaultScale;
    for (int percent : fittingChoices(client, room))
        if (percent < wanted)
            largest = std::max(largest, percent);
    return largest;
}

QPoint keptInside(const QRect &frame, const QRect &available)
{
    const auto along = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength)
            return areaStart;
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return {along(frame.x(), frame.width(), available.x(), available.width()),
            along(frame.y(), frame.height(), available.y(), available.height())};
}

ScreenRoom roomOf(const QScreen *screen, const QWidget *window)
{
    const double factor = percentInEffect() / 100.0;
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect available(QPoint(int(area.x() * factor), int(area.y() * factor)),
                          QSize(int(area.width() * factor), int(area.height() * factor)));
    if (const std::optional<QMargins> measured = measuredDecoration(window))
        return {available, scaled(*measured, factor)};
    return {available, kUsualDecoration};
}

void keepOnScreen(QWidget *window)
{
    if (!window->screen())
        return;
    const QRect available = window->screen()->availableGeometry();
    const QMargins decoration =
        measuredDecoration(window).value_or(scaled(kUsualDecoration, 100.0 / percentInEffect()));
    const QSize room = available.size().shrunkBy(decoration);
    const QSize size = window->size();
    const QSize fitted = size.boundedTo(room).expandedTo(window->minimumSize());
    if (fitted != size)
        window->resize(fitted);
    const QRect frame(window->pos(), fitted.grownBy(decoration));
    if (const QPoint inside = keptInside(frame, available); inside != frame.topLeft())
        window->move(inside);
}

void keepWindowsOnScreen()
{
    static QPointer<OnScreenKeeper> keeper;
    if (keeper || !qApp)
        return;
    keeper = new OnScreenKeeper(qApp);
    qApp->installEventFilter(keeper);
}

} // namespace tablicznik::zoom
