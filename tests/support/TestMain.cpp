#include "TestRegistry.h"

#include <QApplication>
#include <QTest>

// Runs every registered test class of the executable in turn.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    int failures = 0;
    for (const test::TestFactory& factory : test::RegisteredTests()) {
        std::unique_ptr<QObject> testObject = factory();
        failures += QTest::qExec(testObject.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}
