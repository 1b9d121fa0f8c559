#include "testmain.h"

#include "data/appinfo.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace tablicznik::testing {

std::vector<Factory> &registeredTests()
{
    static std::vector<Factory> tests;
    return tests;
}

} // namespace tablicznik::testing

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablicznik"));
    QApplication::setOrganizationName(tablicznik::kOrganisation.toString());
    int failures = 0;
    for (const auto &make : tablicznik::testing::registeredTests()) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures ? 1 : 0;
}
