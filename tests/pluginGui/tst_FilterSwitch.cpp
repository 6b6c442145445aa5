#include "support/TestRegistry.h"

#include "pluginGui/FilterStateWidget.h"
#include "pluginGui/FilterStateWidgetResizeable.h"
#include "pluginQml/FilterSwitcher.h"
#include "qml/QuickControls.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
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

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& position)
{
    QMouseEvent event(type, position, target->mapToGlobal(position), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
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

    void hideSlidesTowardsTheAnchor_data()
    {
        QTest::addColumn<bool>("leftAnchored");
        QTest::addColumn<int>("hiddenX");
        // A 200 pixel wide panel at x = 300 keeps 20 pixels in view, on the anchor's side.
        QTest::newRow("left-anchored") << true << 300;
        QTest::newRow("right-anchored") << false << 300 + 180;
    }

    void hideSlidesTowardsTheAnchor()
    {
        QFETCH(bool, leftAnchored);
        QFETCH(int, hiddenX);

        QWidget window;
        window.resize(800, 400);
        auto* bar = new pluginGui::FilterStateWidget(&window, leftAnchored, 10, 30);
        auto* controls = new QLabel("controls");
        bar->SetFilterWidget(controls);
        const QRect open(300, 0, 200, 400);
        bar->setGeometry(open);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (QPushButton* button : bar->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Hide"))
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QTRY_VERIFY(!controls->isVisible());
        QCOMPARE(bar->geometry(), QRect(hiddenX, 0, 20, 400));

        bar->OnShowFilterClicked();
        QVERIFY(controls->isVisible());
        QTRY_COMPARE(bar->geometry(), open);
    }

    void gripResizesWithinBounds_data()
    {
        QTest::addColumn<int>("mouseX");
        QTest::addColumn<int>("width");
        QTest::newRow("within the bounds") << 300 << 300;
        QTest::newRow("past the maximum") << 341 << 210;
        QTest::newRow("below the minimum") << 209 << 210;
    }

    void gripResizesWithinBounds()
    {
        QFETCH(int, mouseX);
        QFETCH(int, width);

        pluginGui::FilterStateWidgetResizeable panel(nullptr, true, 340, 210);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QWidget* grip = nullptr;
        for (QWidget* child : panel.findChildren<QWidget*>()) {
            if (child->testAttribute(Qt::WA_SetCursor) && child->cursor().shape() == Qt::SplitHCursor)
                grip = child;
        }
        QVERIFY(grip != nullptr);
        QCOMPARE(panel.width(), 210);

        SendMouse(grip, QEvent::MouseButtonPress, QPoint(1, 1));
        SendMouse(grip, QEvent::MouseMove, grip->mapFrom(&panel, QPoint(mouseX, 1)));
        SendMouse(grip, QEvent::MouseButtonRelease, grip->mapFrom(&panel, QPoint(mouseX, 1)));
        QCOMPARE(panel.width(), width);
    }
};

MAPS_TEST_CLASS(FilterSwitchTest);

#include "tst_FilterSwitch.moc"
