#include "soundlibrary.h"

#include "data/appinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>

#include <dlfcn.h>

namespace tablicznik {
namespace {

Q_LOGGING_CATEGORY(lcCues, "tablicznik.cues", QtInfoMsg)

constexpr char kEntry[] = "tablicznik_sound_factory";
constexpr char kFileName[] = "libtablicznik-sound.so";
using Entry = void (*)(CuePlayerFactory *);

// The library's player factory, loaded once; empty when it cannot be.
CuePlayerFactory loadFactory()
{
    auto entry = reinterpret_cast<Entry>(::dlsym(RTLD_DEFAULT, kEntry)); // linked in
    QStringList faults;
    for (const QString &file : soundLibraryFiles()) {
        if (entry)
            break;
        if (!QFileInfo::exists(file)) {
            faults << file + QLatin1StringView(" not found");
            continue;
        }
        QLibrary library(file);
        library.setLoadHints(QLibrary::PreventUnloadHint); // its cue thread runs to the end
        if (library.load())
            entry = reinterpret_cast<Entry>(library.resolve(kEntry));
        if (!entry)
            faults << library.errorString();
    }
    CuePlayerFactory factory;
    if (entry)
        entry(&factory);
    else
        qCWarning(lcCues).noquote() << "no sound library, the cues are silent:" << faults.join(u"; ");
    return factory;
}

} // namespace

QStringList soundLibraryFiles()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir(program).filePath(QLatin1StringView(kFileName)),
            QDir::cleanPath(program + u'/' + kLibraryFolderFromProgram.toString() + u'/' +
                            QLatin1StringView(kFileName))};
}

CuePlayerFactory soundLibraryPlayers()
{
    return []() -> std::unique_ptr<CuePlayer> {
        static const CuePlayerFactory players = loadFactory();
        return players ? players() : nullptr;
    };
}

} // namespace tablicznik
