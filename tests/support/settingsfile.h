#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

namespace tablicznik::testing {

// The group "2.00" of a settings file as the file holds it, read without
// QSettings; empty when the file cannot be read.
inline QMap<QString, QString> storedGroup(const QString &fileName)
{
    QFile file(fileName);
    QMap<QString, QString> values;
    if (!file.open(QIODevice::ReadOnly))
        return values;
    bool inGroup = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[2.00]");
        else if (inGroup && line.contains(u'='))
            values.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return values;
}

// Writes the group "2.00" with these lines as the whole settings file at
// `fileName` (settings::location() for the program's own); false when it
// cannot be written.
inline bool writeStoredGroup(const QString &fileName, const QByteArray &lines)
{
    QDir().mkpath(QFileInfo(fileName).path());
    QFile out(fileName);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write("[2.00]\n" + lines) > 0;
}

} // namespace tablicznik::testing
