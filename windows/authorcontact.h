#pragma once

#include <QString>
#include <QUrl>

// The program's author and where to reach it: the one place that holds what
// the about and author windows show as contact.
namespace tablicznik::author {

inline const QString kName = QStringLiteral("Zespół Tablicznika");

// The project names no mail box or web page of its own. While these stay
// empty, the windows say in their place where errors are reported and newer
// versions are found: where the user got the program from.
inline const QString kEmail;
inline const QString kWebPage;
inline const QString kReportErrors = QStringLiteral("Błędy zgłaszaj tam, skąd masz program.");
inline const QString kReportErrorsShort = QStringLiteral("tam, skąd masz program");
inline const QString kNewVersions = QStringLiteral("tam, skąd masz tę wersję");

// Empty when there is no address.
inline QUrl mailUrl() { return kEmail.isEmpty() ? QUrl() : QUrl(QStringLiteral("mailto:") + kEmail); }
inline QUrl webUrl() { return kWebPage.isEmpty() ? QUrl() : QUrl(kWebPage); }

} // namespace tablicznik::author
