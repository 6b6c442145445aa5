#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// Test classes of one executable, run in registration order by the shared main.
std::vector<TestFactory>& RegisteredTests();

struct TestRegistrar {
    explicit TestRegistrar(TestFactory factory) { RegisteredTests().push_back(std::move(factory)); }
};

} // namespace test

#define MAPS_TEST_CLASS(Class) \
    static const ::test::TestRegistrar registrar##Class([] { return std::unique_ptr<QObject>(new Class); })
