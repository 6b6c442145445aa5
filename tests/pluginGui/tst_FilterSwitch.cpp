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

pluginQml::FilterSwitcher* ShownSwitch(QWidget* owner)
{
    auto* switcher = owner->findChild<pluginQml::FilterSwitcher*>();
    owner->show();
    return QTest::qWaitForWindowExposed(owner) ? switcher : nullptr;
}

} // namespace

class FilterSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { host::InitQuickControls(); }

    void switcherReportsItsState_data()
    {
        QTest::addColumn<bool>("initiallyOn");
        QTest::addColumn<int>("setState");  // -1: a click instead
        QTest::addColumn<QString>("reported");
        QTest::addColumn<bool>("checked");
        QTest::newRow("click turns it on") << false << -1 << "2" << true;
        QTest::newRow("set on") << false << 2 << "2" << true;
        QTest::newRow("set to the state it has") << true << 2 << "" << true;
    }

    void switcherReportsItsState()
    {
        QFETCH(bool, initiallyOn);
        QFETCH(int, setState);

        QWidget window;
        auto* switcher = new pluginQml::FilterSwitcher(&window);
        switcher->resize(48, 22);
        QVERIFY(ShownSwitch(&window) != nullptr);
        QVERIFY(switcher->rootObject() != nullptr);
        switcher->SetCheckState(initiallyOn ? 2 : 0);
        QCOMPARE(switcher->IsChecked(), initiallyOn);

        QSignalSpy states(switcher, &pluginQml::FilterSwitcher::SwitchStateChanged);
        if (setState < 0)
            QTest::mouseClick(switcher, Qt::LeftButton, {}, QPoint(24, 11));
        else
            switcher->SetCheckState(setState);
        QTEST(States(states), "reported");
        QTEST(switcher->IsChecked(), "checked");
    }

    void stateBarLeavesTheClickToItsListener()
    {
        pluginGui::FilterStateWidget bar(nullptr, true, 10, 30);
        pluginQml::FilterSwitcher* switcher = ShownSwitch(&bar);
        QVERIFY(switcher != nullptr);
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
