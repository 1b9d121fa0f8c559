#pragma once

#include <QFile>
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

} // namespace tablicznik::testing
