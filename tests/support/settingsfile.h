#pragma once

#include "prefs/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

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

// Writes `content` as the whole file at `fileName` (settings::location() for
// the program's own store), making its folder; false when it cannot be written.
inline bool writeStoreFile(const QString &fileName, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(fileName).path());
    QFile out(fileName);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(content) == content.size();
}

// The same with the group "2.00" holding these lines.
inline bool writeStoredGroup(const QString &fileName, const QByteArray &lines)
{
    return writeStoreFile(fileName, "[2.00]\n" + lines);
}

// A settings store of its own in an empty folder, for one test case: while
// it is open, the program's store (settings::location()) lies in that folder.
class FreshStore {
public:
    // The store's file name; empty when the folder could not be made.
    QString open()
    {
        m_home = std::make_unique<QTemporaryDir>();
        if (!m_home->isValid())
            return {};
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home->path());
        const QString file = settings::location();
        return file.startsWith(m_home->path()) ? file : QString();
    }
    // The file made writable again, as a case may have locked it, and the
    // folder removed.
    void close()
    {
        if (m_home)
            QFile::setPermissions(settings::location(), QFile::ReadOwner | QFile::WriteOwner);
        m_home.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

} // namespace tablicznik::testing
