#include "program.h"

#include "terminationsignals.h"

#include <QApplication>
#include <QMessageBox>

#include <fontconfig/fontconfig.h>

namespace tablicznik {

std::future<Catalogue> startReadingCatalogue()
{
    return std::async(std::launch::async, [] {
        // The configuration Qt's font database asks for at the first text it
        // measures; fontconfig loads it once per process, whoever asks first.
        FcInit();
        return Catalogue::load();
    });
}

int runProgram(WindowServices services, const std::function<void(TOknoGlowne &)> &shown,
               std::future<Catalogue> catalogue)
{
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
        window.show();
        if (shown)
            shown(window);
        return QApplication::exec();
    } catch (const CatalogueError &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tablicznik"),
                              QStringLiteral("Nie można wczytać danych pierwiastków.\n\nPlik: %1\nBłąd: %2")
                                  .arg(error.file, error.fault));
        return 1;
    }
}

} // namespace tablicznik
