#include "soundlibrary.h"

#include "data/appinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPluginLoader>

namespace tablicznik {
namespace {

Q_LOGGING_CATEGORY(lcCues, "tablicznik.cues", QtInfoMsg)

constexpr char kFileName[] = "libtablicznik-sound.so";
constexpr int kStopLimit = 2000; // ms for the cue thread to finish at the end

CuePlayerPlugin *g_plugin = nullptr; // once loaded, for the rest of the process

CuePlayerPlugin *loadPlugin(const QStringList &files)
{
    QStringList faults;
    for (const QString &file : files) {
        if (!QFileInfo::exists(file)) {
            faults << file + QLatin1StringView(" not found");
            continue;
        }
        QPluginLoader loader(file);
        loader.setLoadHints(QLibrary::PreventUnloadHint); // its cue thread runs to the end
        if (auto *plugin = qobject_cast<CuePlayerPlugin *>(loader.instance()))
            return plugin;
        faults << (loader.isLoaded() ? file + QLatin1StringView(" is not a cue player plugin") : loader.errorString());
    }
    qCWarning(lcCues).noquote() << "no sound library, the cues are silent:" << faults.join(u"; ");
    return nullptr;
}

} // namespace

QStringList soundLibraryFiles()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir(program).filePath(QLatin1StringView(kFileName)),
            QDir::cleanPath(program + u'/' + kLibraryFolderFromProgram.toString() + u'/' +
                            QLatin1StringView(kFileName))};
}

CuePlayerFactory soundLibraryPlayers(const QStringList &files)
{
    return [files]() -> std::unique_ptr<CuePlayer> {
        static CuePlayerPlugin *const plugin = g_plugin = loadPlugin(files);
        return plugin ? plugin->createPlayer() : nullptr;
    };
}

bool stopSoundLibrary()
{
    return !g_plugin || g_plugin->stop(kStopLimit);
}

} // namespace tablicznik
