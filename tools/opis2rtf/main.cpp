// opis2rtf [--report] OUTDIR FILE.opis...
// Turns element description sources into the RTF documents the program carries.
#include "opis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char **argv)
{
    QTextStream err(stderr), out(stdout);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const bool report = args.removeAll(QStringLiteral("--report")) > 0;
    if (args.size() < 2) {
        err << "usage: opis2rtf [--report] OUTDIR FILE.opis...\n";
        return 2;
    }
    const QString outDir = args.takeFirst();
    QDir().mkpath(outDir);
    int failures = 0;
    for (const QString &path : args) {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            err << path << ": cannot be read\n";
            ++failures;
            continue;
        }
        const auto conversion = tablicznik::opisToRtf(QString::fromUtf8(in.readAll()));
        if (!conversion.error.isEmpty()) {
            err << path << ": " << conversion.error << "\n";
            ++failures;
            continue;
        }
        const QString target = outDir + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".rtf");
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(conversion.rtf) != conversion.rtf.size()) {
            err << target << ": cannot be written\n";
            ++failures;
            continue;
        }
        if (report) {
            const auto size = conversion.rtf.size();
            out << path << ": " << size << " characters"
                << (size < 2740 ? "  (shorter than 2,740)" : size > 9835 ? "  (longer than 9,835)" : "") << "\n";
        }
    }
    return failures ? 1 : 0;
}
