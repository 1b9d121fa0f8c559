#pragma once

#include "cues/soundcues.h"
#include "support/fakecueplayer.h"
#include "windows/auxiliarywindows.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

namespace tablicznik::testing {

// Sound cues on fake players that log what they play, and the auxiliary
// windows' services with the links recorded instead of opened.
struct WindowsFixture {
    CueLog log;
    SoundCues cues{fakeCuePlayers(log)};
    AuxiliaryWindows windows{cues};
    QList<QUrl> opened;

    explicit WindowsFixture(bool soundsOpen = true)
    {
        if (soundsOpen)
            cues.open();
        cues.setPlaySounds(true);
        windows.setUrlOpener([this](const QUrl &url) { opened << url; });
    }
};

template <typename T = QWidget>
T *child(const QObject *parent, const char *name)
{
    auto *found = parent->findChild<T *>(QLatin1StringView(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// Runs `whileOpen` once the modal loop that `open` starts is running, on the
// window that loop shows. Whatever `whileOpen` does, a window still modal
// afterwards is closed, so a failed check cannot hang the test.
inline void duringModal(const std::function<void()> &open, const std::function<void(QWidget *)> &whileOpen)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        QWidget *modal = QApplication::activeModalWidget();
        if (modal)
            whileOpen(modal);
        if (QWidget *still = QApplication::activeModalWidget())
            still->close();
    });
    open();
    QVERIFY2(ran, "the modal loop never ran");
}

} // namespace tablicznik::testing
