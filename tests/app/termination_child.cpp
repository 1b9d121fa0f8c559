// The program as main.cpp runs it, with two changes made once the window is
// shown: one choice in the options menu and one preference set directly.
// It prints "ready" and waits to be ended by a signal.
#include "app/optionsmenu.h"
#include "app/program.h"
#include "data/appinfo.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <cstdio>

int main(int argc, char *argv[])
{
    std::future<tablicznik::Catalogue> catalogue = tablicznik::startReadingCatalogue();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablicznik"));
    QApplication::setOrganizationName(tablicznik::kOrganisation.toString());
    return tablicznik::runProgram(tablicznik::WindowServices::program(), [](tablicznik::TOknoGlowne &window) {
        // "Wyłącz dymki": the menu stores it at once.
        window.optionsMenu().SetupPopupMenu()->findChild<QAction *>(QStringLiteral("Wyczdymki1"))->trigger();
        // Only the closing steps store this one.
        window.setShowAVI(false);
        std::puts("ready");
        std::fflush(stdout);
    }, std::move(catalogue));
}
