#include "support/TestRegistry.h"

#include "pluginGui/FilterStateWidget.h"
#include "pluginQml/FilterSwitcher.h"
#include "qml/QuickControls.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QString States(const QSignalSpy& spy)
{
    QStringList states;
    for (const QList<QVariant>& arguments : spy)
        states << arguments.first().toString();
    return states.join(',');
}

} // namespace

class FilterSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { host::InitQuickControls(); }

    void stateBarLeavesTheClickToItsListener()
    {
        pluginGui::FilterStateWidget bar(nullptr, true, 10, 30);
        auto* switcher = bar.findChild<pluginQml::FilterSwitcher*>();
        bar.show();
        QVERIFY(switcher && QTest::qWaitForWindowExposed(&bar));
        QSignalSpy states(&bar, &pluginGui::FilterStateWidget::FilterSwitchStateChanged);

        // Nobody listens: the switch toggles itself.
        QTest::mouseClick(switcher, Qt::LeftButton, {}, QPoint(24, 11));
        QCOMPARE(States(states), QStringLiteral("2"));

        QSignalSpy clicks(&bar, &pluginGui::FilterStateWidget::FilterSwitchClicked);
        QTest::mouseClick(switcher, Qt::LeftButton, {}, QPoint(24, 11));
        QCOMPARE(States(clicks), QStringLiteral("2"));
        QVERIFY(switcher->IsChecked());

        bar.SetSwitchState(0);
        QCOMPARE(States(states), QStringLiteral("2,0"));
        QVERIFY(!switcher->IsChecked());
    }

};

MAPS_TEST_CLASS(FilterSwitchTest);

#include "tst_FilterSwitch.moc"
