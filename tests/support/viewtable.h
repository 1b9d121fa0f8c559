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
