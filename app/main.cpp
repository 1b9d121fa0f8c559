#include "app/toknoglowne.h"
#include "resources/qttranslations.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablicznik"));
    QApplication::setOrganizationName(QStringLiteral("Lumera"));
    tablicznik::installQtTranslations(app);
    try {
        tablicznik::TOknoGlowne window(tablicznik::Catalogue::load(), tablicznik::WindowServices::program());
        window.show();
        return app.exec();
    } catch (const tablicznik::CatalogueError &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tablicznik"),
                              QStringLiteral("Nie można wczytać danych pierwiastków.\n\nPlik: %1\nBłąd: %2")
                                  .arg(error.file, error.fault));
        return 1;
    }
}
