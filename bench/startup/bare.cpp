// The floor for the start-up benchmark: what a plain Qt 6 Widgets program of
// the main window's shape costs to start. A fixed 625 x 429 window with an
// eleven-page tab widget across the top and 112 tool buttons laid out as the
// periodic table, nothing else: no resources, no settings, no media.
// Built a second time with BARE_CUE (bench_bare_cue): the same window that
// plays one cue through Qt Multimedia once its first frame is up, the floor
// for a program with sound.

#include <QApplication>
#ifdef BARE_CUE
#include <QSoundEffect>
#include <QEvent>
#include <functional>
#include <utility>
#include <QTimer>
#include <QUrl>
#endif
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

namespace {

// Column (1 ... 18) and row (0 ... 8, rows 7 and 8 for the f-block) of an
// element of the long form with the lanthanides and actinides set apart.
void place(int z, int &column, int &row)
{
    static const int periodStarts[] = {1, 3, 11, 19, 37, 55, 87, 113};
    int period = 0;
    while (z >= periodStarts[period + 1])
        ++period;
    const int offset = z - periodStarts[period];
    row = period;
    if (period == 0)
        column = offset == 0 ? 1 : 18;
    else if (period <= 2)
        column = offset < 2 ? offset + 1 : offset + 11;
    else if (period <= 4)
        column = offset + 1;
    else if (offset < 2)
        column = offset + 1;
    else if (offset < 17) { // La ... Lu, Ac ... Lr
        column = offset + 2;
        row = period + 2;
    } else
        column = offset - 14;
}

#ifdef BARE_CUE
// Runs `then` from the event loop after the watched widget's first paint.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> then) : m_then(std::move(then)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_then)
            QTimer::singleShot(0, this, std::exchange(m_then, {}));
        return false;
    }

private:
    std::function<void()> m_then;
};
#endif

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(625, 429);

    auto *tabs = new QTabWidget(&window);
    tabs->setGeometry(88, 2, 532, 107);
    for (int page = 1; page <= 11; ++page)
        tabs->addTab(new QWidget, QStringLiteral("Strona %1").arg(page));

    for (int z = 1; z <= 112; ++z) {
        int column = 0, row = 0;
        place(z, column, row);
        const int top = row <= 6 ? 194 + row * 33 : 116 + (row - 7) * 33;
        auto *button = new QToolButton(&window);
        button->setText(QString::number(z));
        button->setAutoRaise(true);
        button->setGeometry(6 + (column - 1) * 34, top, 32, 31);
    }

    window.show();
#ifdef BARE_CUE
    // As Tablicznik opens its cues: once the first frame is painted.
    QSoundEffect cue;
    AfterFirstPaint play([&cue] {
        cue.setSource(QUrl::fromLocalFile(QStringLiteral(BARE_CUE)));
        cue.play();
    });
    window.installEventFilter(&play);
#endif
    return app.exec();
}
