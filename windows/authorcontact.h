#pragma once

#include <QString>
#include <QUrl>

// The program's author and where to reach it: the one place that holds the
// mail address and the web page shown in the about and author windows.
namespace tablicznik::author {

inline const QString kName = QStringLiteral("Zespół Tablicznika");
inline const QString kEmail = QStringLiteral("tablicznik@example.org");
inline const QString kWebPage = QStringLiteral("http://tablicznik.example.org/");

inline QUrl mailUrl(const QString &address = kEmail) { return QUrl(QStringLiteral("mailto:") + address); }
inline QUrl webUrl() { return QUrl(kWebPage); }

} // namespace tablicznik::author
