#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>

namespace tablicznik {
namespace {

// The few texts of Qt's print dialog that Qt's Polish catalogue (Qt 6.4)
// leaves in English, in Polish.
struct QtText {
    const char *context, *english, *polish;
};
constexpr QtText kMissingFromQt[] = {
    {"QPrintSettingsOutput", "Pages", "Strony"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Drukowanie dwustronne"},
    {"QPrintSettingsOutput", "Off", "Wyłączone"},
    {"QPrintSettingsOutput", "Long side binding", "Wzdłuż dłuższej krawędzi"},
    {"QPrintSettingsOutput", "Short side binding", "Wzdłuż krótszej krawędzi"},
    {"QPrintPropertiesWidget", "Advanced", "Zaawansowane"},
};

// Installed after Qt's own, so asked first; a text it does not know goes
// on to Qt's catalogue. A later Qt that translates them itself is
// overruled only where its words and ours differ.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!context || !sourceText)
            return {};
        for (const QtText &text : kMissingFromQt)
            if (std::strcmp(text.context, context) == 0 && std::strcmp(text.english, sourceText) == 0)
                return QString::fromUtf8(text.polish);
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

QTranslator *installQtTranslations(QCoreApplication &app)
{
    auto *qtbase = new QTranslator(&app);
    if (!qtbase->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(qtbase)) {
        delete qtbase;
        return nullptr;
    }
    // It goes with Qt's catalogue: deleting that takes both out.
    QCoreApplication::installTranslator(new MissingQtTexts(qtbase));
    return qtbase;
}

} // namespace tablicznik
