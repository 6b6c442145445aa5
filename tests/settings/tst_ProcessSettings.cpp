#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "settings/INetworkSettings.h"
#include "settings/ISettingsManager.h"
#include "settings/ISettingsPresenter.h"
#include "settings/ProcessSettings.h"

#include <QDir>
#include <QTest>

// The process-wide objects are created once, so everything about them is checked in one go,
// before any other test of this executable could create them.
class ProcessSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void presenterWorksOnTheApplicationDataFile()
    {
        const test::TemporaryAppData appData;
        QVERIFY(appData.WriteSettingsFile("[NetworkSettings]\nProxyPort=3128\n"));

        const std::shared_ptr<settings::ISettingsPresenter> presenter = settings::GetSettingsPresenter();
        const std::shared_ptr<settings::ISettingsManager> manager = settings::GetSettingsManager();

        QCOMPARE(QDir::cleanPath(manager->GetFileName()), QDir::cleanPath(appData.SettingsFilePath()));
        QCOMPARE(presenter->GetNetworkSettings().GetPort(), 3128);
        QCOMPARE(settings::GetSettingsPresenter(), presenter);
        presenter->WriteDefaults();
        QCOMPARE(manager->GetFileValue("Settings_Version/Version"), QStringLiteral("4.51"));
    }
};

MAPS_TEST_CLASS(ProcessSettingsTest);

#include "tst_ProcessSettings.moc"
