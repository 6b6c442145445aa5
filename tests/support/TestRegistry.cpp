#include "TestRegistry.h"

namespace test {

std::vector<TestFactory>& RegisteredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

} // namespace test
