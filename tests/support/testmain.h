#pragma once

// The main function of a test program: one test class, run as QTEST_MAIN
// runs it (the arguments choose functions, data rows and the output
// format), with the application named as the program names itself and a
// settings store in a temporary folder, so that no test reads or writes the
// user's own settings.

#include "data/appinfo.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace tablicznik::testing {

template <typename Test>
int runTestClass(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablicznik"));
    QApplication::setOrganizationName(tablicznik::kOrganisation.toString());
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsHome;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsHome.path());
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tablicznik::testing

#define TABLICZNIK_TEST_MAIN(Class)                                                                                    \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return tablicznik::testing::runTestClass<Class>(argc, argv);                                                   \
    }
