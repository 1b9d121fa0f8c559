// tablicznik_assets RESOURCES [--preview FILE.png]
// Writes the program's pictures (RESOURCES/pictures), its atom animation
// (RESOURCES/pictures/atom.avi) and its sound cues (RESOURCES/sounds).
// Everything is drawn and synthesised here; the output is the same on
// every run with the same fonts installed.
#include "assets.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    QString preview;
    const qsizetype previewAt = args.indexOf(QStringLiteral("--preview"));
    if (previewAt >= 0 && previewAt + 1 < args.size()) {
        preview = args.at(previewAt + 1);
        args.remove(previewAt, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: tablicznik_assets RESOURCES [--preview FILE.png]\n");
        return 2;
    }
    const QString pictures = args.first() + QStringLiteral("/pictures");
    const QString sounds = args.first() + QStringLiteral("/sounds");

    bool ok = true;
    ok = assets::writeGlyphs(pictures) && ok;
    ok = assets::writeBackground(pictures) && ok;
    ok = assets::writeLogos(pictures) && ok;
    ok = assets::writeHelpPicture(pictures) && ok;
    ok = assets::writeAuthorPicture(pictures) && ok;
    ok = assets::writeAtomAnimation(pictures) && ok;
    ok = assets::writeSounds(sounds) && ok;
    if (!preview.isEmpty())
        ok = assets::writePreview(preview, pictures) && ok;
    return ok ? 0 : 1;
}
