#include "support/TestRegistry.h"

#include "viewers/gui/NotificationMessage.h"
#include "viewers/gui/NotificationPopupTimerWidget.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class NotificationsTest : public QObject {
    Q_OBJECT

private slots:
    void timedNotificationHidesAfterItsTimeAndAnimation()
    {
        QWidget window;
        window.resize(420, 300);
        QWidget* page = new QWidget(&window);
        auto* popup = new viewers::gui::NotificationPopupTimerWidget(page);
        auto* message = new viewers::gui::NotificationMessage(nullptr, 0);
        message->SetText(QStringLiteral("Category Favorites has been exported to /home/examiner/cases/favorites.kml"));
        popup->AddWidget(message);
        window.show();
        QVERIFY(!popup->isVisible());

        popup->ShowAnimated();
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->parentWidget(), &window);
        QTRY_COMPARE(popup->height(), 26);

        auto* hideTimer = popup->findChild<QTimer*>();
        QVERIFY(hideTimer != nullptr);
        QVERIFY(hideTimer->isActive());
        QCOMPARE(hideTimer->interval(), 5500);

        // The 5.5 s are shortened; the animation that follows keeps its 500 ms.
        QElapsedTimer sinceTimeout;
        connect(hideTimer, &QTimer::timeout, this, [&sinceTimeout] { sinceTimeout.start(); });
        QSignalSpy hidden(popup, &viewers::gui::NotificationPopup::HideFinished);
        hideTimer->start(10);
        QVERIFY(hidden.wait(3000));
        QVERIFY(sinceTimeout.isValid());
        QVERIFY2(sinceTimeout.elapsed() >= 450, "hidden before its slide-up animation ended");
        QVERIFY(!popup->isVisible());
        QCOMPARE(hidden.count(), 1);
    }

};

MAPS_TEST_CLASS(NotificationsTest);

#include "tst_Notifications.moc"
