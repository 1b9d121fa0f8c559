#pragma once

#include <QObject>

#include <functional>
#include <vector>

// Every test class of a folder registers itself here; the folder's one
// executable runs them all.
namespace tablicznik::testing {

using Factory = std::function<QObject *()>;
std::vector<Factory> &registeredTests();

template <typename T>
struct Registration {
    Registration() { registeredTests().push_back([] { return new T; }); }
};

} // namespace tablicznik::testing

#define TABLICZNIK_REGISTER_TEST(Class) \
    static const tablicznik::testing::Registration<Class> registration##Class;
