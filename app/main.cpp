#include "app/displayscale.h"
#include "app/program.h"
#include "app/qttranslations.h"
#include "app/zoomrestart.h"
#include "data/appinfo.h"
#include "prefs/settings.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace tablicznik;
    // The zoom is Qt's scale factor, which is taken when the application
    // object is made: the one a restart carries, else the stored one.
    std::optional<CarriedView> carried = zoomrestart::takeFromEnvironment();
    zoom::applyBeforeApplication(carried ? carried->percent : settings::storedScale());
    std::future<tablicznik::Catalogue> catalogue = tablicznik::startReadingCatalogue(); // meanwhile
    QApplication app(argc, argv);
    zoom::restoreEnvironment();
    QApplication::setApplicationName(QStringLiteral("Tablicznik"));
    QApplication::setOrganizationName(tablicznik::kOrganisation.toString());
    QApplication::setApplicationVersion(tablicznik::kVersion.toString());
    // The desktop entry's name, which Wayland compositors and docks match
    // the window with.
    QGuiApplication::setDesktopFileName(tablicznik::kApplicationId.toString());
    tablicznik::installQtTranslations(app); // Qt's own dialogs and menus in Polish
    return runProgram(WindowServices::program(), {}, std::move(catalogue), std::move(carried));
}
