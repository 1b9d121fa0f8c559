#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tablicznik {

QTranslator *installQtTranslations(QCoreApplication &app)
{
    auto *qtbase = new QTranslator(&app);
    if (!qtbase->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(qtbase)) {
        delete qtbase;
        return nullptr;
    }
    return qtbase;
}

} // namespace tablicznik
