#include "program.h"

#include "displayscale.h"
#include "terminationsignals.h"

#include "cues/soundlibrary.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

#include <QtGui/qtguiglobal.h>

#if defined(TABLICZNIK_FONTCONFIG) && QT_CONFIG(fontconfig)
#include <fontconfig/fontconfig.h>
#define TABLICZNIK_EARLY_FONTCONFIG 1
#endif

namespace tablicznik {

std::future<Catalogue> startReadingCatalogue()
{
    return std::async(std::launch::async, [] {
#ifdef TABLICZNIK_EARLY_FONTCONFIG
        // The configuration Qt's font database asks for at the first text it
        // measures; fontconfig loads it once per process, whoever asks first.
        FcInit();
#endif
        return Catalogue::load();
    });
}

int runProgram(WindowServices services, const std::function<void(TOknoGlowne &)> &shown,
               std::future<Catalogue> catalogue, std::optional<CarriedView> carried)
{
    if (!carried) {
        const QSize client(TOknoGlowne::kClientWidth, TOknoGlowne::kClientHeight);
        const int now = zoom::percentInEffect();
        const int fitting = zoom::largestFitting(now, client, zoom::roomOf(QGuiApplication::primaryScreen()));
        if (fitting != now) {
            CarriedView view;
            view.percent = fitting;
            view.madeAtMs = QDateTime::currentMSecsSinceEpoch();
            if (zoomrestart::startAgain(view))
                return 0;
        }
    } else
        services.firstRunAbout = {};
    zoom::keepWindowsOnScreen();

    // A logout, `kill` or Ctrl+C closes the windows as the close box does:
    // the main window's closing steps store the settings.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, qApp, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    try {
        TOknoGlowne window(catalogue.valid() ? catalogue.get() : Catalogue::load(), std::move(services));
        if (termination.received()) { // during the first-run window
            window.ZapiszRejestr();
            return 0;
        }
        if (carried)
            zoomrestart::restore(window, *carried);
        window.show();
        if (carried)
            zoomrestart::reopenCards(window, *carried);
        if (shown)
            shown(window);
        const int code = QApplication::exec();
        if (!stopSoundLibrary()) {
            // A call into the audio library never came back; its teardown at
            // exit would wait on it or abort. The settings are stored and the
            // windows closed: the program ends here, with its own status.
            std::fputs("Tablicznik: biblioteka dźwięku nie odpowiada; program kończy pracę bez jej zamykania.\n",
                       stderr);
            std::fflush(nullptr);
            std::_Exit(code);
        }
        return code;
    } catch (const CatalogueError &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tablicznik"),
                              QStringLiteral("Nie można wczytać danych pierwiastków.\n\nPlik: %1\nBłąd: %2")
                                  .arg(error.file, error.fault));
        return 1;
    }
}

} // namespace tablicznik
