// tablicznik_assets RESOURCES [--preview FILE.png [--version TEXT]]
// tablicznik_assets --check RESOURCES
// Writes the program's pictures (RESOURCES/pictures), its atom animation
// (RESOURCES/pictures/atom.avi), its sound cues (RESOURCES/sounds) and its
// icon for the desktop's icon theme (RESOURCES/icons). The preview sheet
// shows TEXT as the version in the sketch of the main window.
// Everything is drawn and synthesised here; the output is the same on
// every run with the same fonts installed. With --check it writes into a
// folder of its own and compares that with RESOURCES (compare.h).
#include "assets.h"
#include "compare.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    // Pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    auto option = [&args](const QString &name) {
        QString value;
        const qsizetype at = args.indexOf(name);
        if (at >= 0 && at + 1 < args.size()) {
            value = args.at(at + 1);
            args.remove(at, 2);
        }
        return value;
    };
    const QString preview = option(QStringLiteral("--preview"));
    const QString version = option(QStringLiteral("--version"));
    const QString check = option(QStringLiteral("--check"));
    QTemporaryDir made;
    if (!check.isEmpty() && made.isValid())
        args << made.path();
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: tablicznik_assets RESOURCES [--preview FILE.png [--version TEXT]]\n"
                             "       tablicznik_assets --check RESOURCES\n");
        return 2;
    }
    const QString pictures = args.first() + QStringLiteral("/pictures");
    const QString sounds = args.first() + QStringLiteral("/sounds");
    const QString icons = args.first() + QStringLiteral("/icons");

    bool ok = true;
    ok = assets::writeGlyphs(pictures) && ok;
    ok = assets::writeBackground(pictures) && ok;
    ok = assets::writeLogos(pictures) && ok;
    ok = assets::writeHelpPicture(pictures) && ok;
    ok = assets::writeAuthorPicture(pictures) && ok;
    ok = assets::writeAtomAnimation(pictures) && ok;
    ok = assets::writeSounds(sounds) && ok;
    ok = assets::writeAppIcons(icons) && ok;
    if (!preview.isEmpty())
        ok = assets::writePreview(preview, pictures, version) && ok;
    if (ok && !check.isEmpty())
        ok = assets::compareWithCommitted(made.path(), check);
    return ok ? 0 : 1;
}
