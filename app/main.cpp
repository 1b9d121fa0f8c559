#include "app/program.h"
#include "data/appinfo.h"
#include "app/qttranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    std::future<tablicznik::Catalogue> catalogue = tablicznik::startReadingCatalogue(); // meanwhile
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablicznik"));
    QApplication::setOrganizationName(tablicznik::kOrganisation.toString());
    QApplication::setApplicationVersion(tablicznik::kVersion.toString());
    // The desktop entry's name, which Wayland compositors and docks match
    // the window with.
    QGuiApplication::setDesktopFileName(tablicznik::kApplicationId.toString());
    tablicznik::installQtTranslations(app); // Qt's own dialogs and menus in Polish
    return tablicznik::runProgram(tablicznik::WindowServices::program(), {}, std::move(catalogue));
}
