#pragma once

// The main window as the property views leave it, read back through the
// published names: each element's textColor and enabled state, the legend's
// swatches and texts, the window caption.

#include "support/mainwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <memory>
#include <set>

namespace tablicznik::testing {

// 0x00BBGGRR as a colour, written out here rather than borrowed.
inline QColor bgr(quint32 v) { return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)); }
inline QColor greyText() { return colour(SystemColour::GrayText); }
inline QColor buttonText() { return colour(SystemColour::BtnText); }

struct LegendLine {
    bool shown;
    QString text;
    QColor colour;
};

// Answers every message box that opens while it lives and keeps its text.
class MessageWatcher : public QObject {
public:
    QStringList texts;
    MessageWatcher() { qApp->installEventFilter(this); }
    ~MessageWatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                texts << box->text();
                QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
            }
        return false;
    }
};

class ViewTable : public MainWindowFixture {
public:
    explicit ViewTable(Catalogue catalogue = programCatalogue()) { open(std::move(catalogue)); }

    MessageWatcher messages; // the value reader's message boxes, answered

    std::set<int> enabledElements() const
    {
        std::set<int> set;
        for (int n = 1; n <= Catalogue::kCount; ++n)
            if (enabled(n))
                set.insert(n);
        return set;
    }
    std::set<int> disabledElements() const
    {
        std::set<int> set;
        for (int n = 1; n <= Catalogue::kCount; ++n)
            if (!enabled(n))
                set.insert(n);
        return set;
    }
    // The enabled elements that show the given colour.
    std::set<int> enabledIn(const QColor &c) const
    {
        std::set<int> set;
        for (int n = 1; n <= Catalogue::kCount; ++n)
            if (enabled(n) && colourOf(n) == c)
                set.insert(n);
        return set;
    }

    LegendLine legend(int entry) const
    {
        auto *swatch = find<QWidget>(QStringLiteral("Shape%1").arg(entry));
        auto *label = find<QLabel>(QStringLiteral("Shape%1Label").arg(entry));
        if (!swatch || !label)
            return {false, QStringLiteral("<no entry %1>").arg(entry), {}};
        return {!swatch->isHidden() && !label->isHidden(), label->text(), swatch->property("brushColor").value<QColor>()};
    }
    QColor swatch(int entry) const { return legend(entry).colour; }
    // The numbered entries shown, 1 ... 15.
    QList<int> shownEntries() const
    {
        QList<int> shown;
        for (int k = 1; k <= 15; ++k)
            if (legend(k).shown)
                shown << k;
        return shown;
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (int k : shownEntries())
            texts << legend(k).text;
        return texts;
    }
    QList<QColor> shownColours() const
    {
        QList<QColor> colours;
        for (int k : shownEntries())
            colours << legend(k).colour;
        return colours;
    }
    QString title() const { return find<QGroupBox>(QStringLiteral("LegendaBox"))->title(); }
    bool legendShown() const { return !find<QWidget>(QStringLiteral("LegendaBox"))->isHidden(); }

    // Pins an element with a right press on it.
    void pin(int numer) { QTest::mousePress(element(numer), Qt::RightButton); QTest::mouseRelease(element(numer), Qt::RightButton); }
};

// A colour ramp runs from one end to the other through at most one turning
// colour: each of red, green and blue rises or falls and turns at most once,
// and at most one pair of neighbouring entries looks alike (the middle of a
// ramp through white, say). Steps of one or two do not count.
inline QString rampFault(const QList<QColor> &colours)
{
    const auto component = [](const QColor &c, int i) { return i == 0 ? c.red() : i == 1 ? c.green() : c.blue(); };
    for (int i = 0; i < 3; ++i) {
        int direction = 0, turns = 0;
        for (qsizetype k = 1; k < colours.size(); ++k) {
            const int step = component(colours[k], i) - component(colours[k - 1], i);
            if (std::abs(step) <= 2)
                continue;
            const int now = step > 0 ? 1 : -1;
            turns += direction != 0 && now != direction;
            direction = now;
        }
        if (turns > 1)
            return QStringLiteral("component %1 turns %2 times").arg("RGB"[i]).arg(turns);
    }
    int alike = 0;
    for (qsizetype k = 1; k < colours.size(); ++k) {
        bool same = true;
        for (int i = 0; i < 3; ++i)
            same &= std::abs(component(colours[k], i) - component(colours[k - 1], i)) <= 2;
        alike += same;
    }
    return alike > 1 ? QStringLiteral("%1 pairs of neighbours look alike").arg(alike) : QString();
}

inline std::set<int> range(int first, int last)
{
    std::set<int> set;
    for (int n = first; n <= last; ++n)
        set.insert(n);
    return set;
}

inline std::set<int> unite(std::set<int> a, const std::set<int> &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

inline std::set<int> without(std::set<int> a, const std::set<int> &b)
{
    for (int n : b)
        a.erase(n);
    return a;
}

} // namespace tablicznik::testing

Q_DECLARE_METATYPE(std::set<int>)
