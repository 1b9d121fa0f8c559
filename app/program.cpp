#include "program.h"

#include "terminationsignals.h"

#include <QApplication>
#include <QMessageBox>

namespace tablicznik {

int runProgram(WindowServices services, const std::function<void(TOknoGlowne &)> &shown)
{
    // A logout, `kill` or Ctrl+C closes the windows as the close box does:
    // the main window's closing steps store the settings.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, qApp, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    try {
        TOknoGlowne window(Catalogue::load(), std::move(services));
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
