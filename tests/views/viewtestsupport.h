#pragma once

// The real window with the real catalogue, driven the way a user drives it:
// view buttons clicked, menu items chosen, and read back through the
// published names: each element's textColor and enabled state, the legend's
// swatches and texts, the window caption.

#include "app/toknoglowne.h"
#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "fakecueplayer.h"
#include "prefs/soundcues.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
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

// A change to one element's record, for the few rules that the catalogue
// itself gives no example of.
struct Patch {
    int numer;
    const char *field;
    QString value;
};

// The catalogue of the program with some fields changed, loaded from a copy.
inline Catalogue patchedCatalogue(const std::vector<Patch> &patches)
{
    QTemporaryDir dir;
    dir.setAutoRemove(true);
    for (int n = 1; n <= Catalogue::kCount; ++n) {
        const QString stem = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral(":/catalogue/%1.rtf").arg(stem), dir.filePath(stem + QStringLiteral(".rtf")));
        QFile in(QStringLiteral(":/catalogue/%1.json").arg(stem));
        in.open(QIODevice::ReadOnly);
        QJsonObject record = QJsonDocument::fromJson(in.readAll()).object();
        for (const Patch &p : patches)
            if (p.numer == n)
                record.insert(QLatin1StringView(p.field), p.value);
        QFile out(dir.filePath(stem + QStringLiteral(".json")));
        out.open(QIODevice::WriteOnly);
        out.write(QJsonDocument(record).toJson());
    }
    return Catalogue::load(dir.path());
}

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

class ViewTable {
public:
    explicit ViewTable(Catalogue catalogue = Catalogue::load())
        : window(std::make_unique<TOknoGlowne>(std::move(catalogue), fakeCuePlayers(log)))
    {
        window->cues().open();
        window->cues().setPlaySounds(true);
        window->show();
    }

    MessageWatcher messages; // the value reader's message boxes, answered
    CueLog log;
    std::unique_ptr<TOknoGlowne> window;

    template <typename T = QObject>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    // A view button on the details pages, or a command button, clicked.
    bool click(const QString &buttonName)
    {
        auto *button = find<QAbstractButton>(buttonName);
        if (!button)
            return false;
        button->click();
        return true;
    }
    // A menu item chosen, as the menu does it when the user picks it.
    bool choose(const QString &itemName)
    {
        auto *item = find<QAction>(itemName);
        if (!item)
            return false;
        item->trigger();
        return true;
    }
    // A view started by its trigger: a view button or a menu item.
    bool start(const QString &trigger) { return find<QAction>(trigger) ? choose(trigger) : click(trigger); }

    TMySpeedButton *element(int numer) const { return window->elementButton(numer); }
    QColor colourOf(int numer) const { return element(numer)->property("textColor").value<QColor>(); }
    bool enabled(int numer) const { return element(numer)->isEnabled(); }

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
    QString caption() const { return window->windowTitle(); }

    // Pins an element with a right press, as the user does.
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
