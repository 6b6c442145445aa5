#include "support/TestRegistry.h"

#include "exportReport/button/ExportButton.h"
#include "exportReport/button/ExportSaveMenu.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using exportReport::ExportReportActionType;

namespace {

QString OfferedEntries(const QMenu& menu)
{
    QString entries;
    for (const QAction* action : menu.actions()) {
        if (action->isVisible())
            entries += action->text() + QLatin1Char('|');
    }
    return entries;
}

// Closes whatever pop-up opens during a click and tells whether one did, so that a menu
// opened by mistake cannot block the test.
class PopupWatch {
public:
    PopupWatch()
    {
        QTimer::singleShot(0, &context_, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup_ = popup;
                popup->close();
            }
        });
    }

    QWidget* Popup() const { return popup_; }

private:
    QObject context_;
    QWidget* popup_ = nullptr;
};

int EmittedType(const QSignalSpy& spy)
{
    return static_cast<int>(spy.at(0).at(0).value<ExportReportActionType>());
}

} // namespace

class ExportButtonTest : public QObject {
    Q_OBJECT

private slots:
    void offeringEntries_data()
    {
        QTest::addColumn<int>("actionType");
        QTest::addColumn<QString>("offered");
        QTest::newRow("2 offers Filtered...") << 2 << "Filtered...|All...|";
        QTest::newRow("3 offers Selected...") << 3 << "Selected...|All...|";
        QTest::newRow("4 offers Filtered dictionary...") << 4 << "All...|Filtered dictionary...|";
        QTest::newRow("1 changes nothing") << 1 << "All...|";
        QTest::newRow("unknown 7 changes nothing") << 7 << "All...|";
    }

    void offeringEntries()
    {
        QFETCH(int, actionType);
        pluginGui::ExportButton button(nullptr);
        const auto type = static_cast<ExportReportActionType>(actionType);

        button.OnShowExportButton(type, true);
        QTEST(OfferedEntries(*button.GetMenu()), "offered");

        button.OnShowExportButton(type, false);
        QCOMPARE(OfferedEntries(*button.GetMenu()), QStringLiteral("All...|"));
    }

    // Clicks that must not open the menu; while the backup downloads a left click only reports the try.
    void clickWithoutMenu_data()
    {
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<bool>("downloading");
        QTest::addColumn<int>("tries");
        QTest::newRow("right") << int(Qt::RightButton) << false << 0;
        QTest::newRow("left while downloading") << int(Qt::LeftButton) << true << 1;
    }

    void clickWithoutMenu()
    {
        QFETCH(int, mouseButton);
        QFETCH(bool, downloading);
        pluginGui::ExportButton button(nullptr);
        button.show();
        button.OnBackupDownloadingStateChanged(downloading);
        QSignalSpy chosen(&button, &pluginGui::ExportButton::ActionTypeTriggered);
        QSignalSpy downloadTries(&button, &pluginGui::ExportButton::DownloadInProgressExportTry);
        PopupWatch watch;
        QTest::mouseClick(&button, static_cast<Qt::MouseButton>(mouseButton));
        QTest::qWait(10);
        QVERIFY(!watch.Popup());
        QCOMPARE(chosen.count(), 0);
        QTEST(downloadTries.count(), "tries");
    }

    void choosingAnEntryEmitsItsScopeFromMenuAndButton_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QVariant>("scopeProperty"); // invalid: the entry keeps its own
        QTest::addColumn<int>("actionType");
        QTest::newRow("Filtered...") << "Filtered..." << QVariant() << 2;
        QTest::newRow("an entry without a scope emits zero") << "All..." << QVariant("everything") << 0;
    }

    void choosingAnEntryEmitsItsScopeFromMenuAndButton()
    {
        QFETCH(QString, entry);
        QFETCH(QVariant, scopeProperty);
        QFETCH(int, actionType);
        pluginGui::ExportButton button(nullptr);
        button.OnShowExportButton(exportReport::Filtered, true);
        QAction* action = nullptr;
        for (QAction* offered : button.GetMenu()->actions())
            action = offered->text() == entry ? offered : action;
        if (scopeProperty.isValid())
            action->setProperty("saveMenu", scopeProperty);
        QSignalSpy fromMenu(button.GetMenu(), &pluginGui::ExportSaveMenu::ActionTypeTriggered);
        QSignalSpy fromButton(&button, &pluginGui::ExportButton::ActionTypeTriggered);

        action->trigger();

        QCOMPARE(fromMenu.count(), 1);
        QCOMPARE(fromButton.count(), 1);
        QCOMPARE(EmittedType(fromMenu), actionType);
        QCOMPARE(EmittedType(fromButton), actionType);
    }
};

MAPS_TEST_CLASS(ExportButtonTest);
#include "tst_ExportButton.moc"
