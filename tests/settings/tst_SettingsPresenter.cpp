#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "settings/SettingsManager.h"
#include "settings/SettingsPresenter.h"

#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QString kOrganisation = QStringLiteral("HalvenrodTest");
const QString kApplication = QStringLiteral("MirrowdaleTest");
const QString kLogLevelsComment =
    QStringLiteral("<!--None - 0, Fatal level - 1, Error level - 2, Warning level - 3, Info level - 4, "
                   "Debug level - 5, Trace level - 6, Max level - 7-->");

} // namespace

class SettingsPresenterTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryAppData> m_appData;

    std::shared_ptr<settings::SettingsManager> MakeManager() const
    {
        return std::make_shared<settings::SettingsManager>(kOrganisation, kApplication,
                                                           m_appData->SettingsFilePath());
    }

    private slots:
    void init()
    {
        m_appData = std::make_unique<test::TemporaryAppData>();
        QVERIFY(m_appData->IsValid());
    }

    void cleanup() { m_appData.reset(); }

    void defaultsFillAFreshFile()
    {
        settings::SettingsPresenter presenter(MakeManager());
        QVERIFY(!presenter.SettingsFileExists());

        presenter.WriteDefaults();

        QVERIFY(presenter.SettingsFileExists());
        const QSettings file(m_appData->SettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(file.value("Settings_Version/Version").toString(), QStringLiteral("4.51"));
        QCOMPARE(file.value("LogLevel/Level").toString(), QStringLiteral("4"));
        QCOMPARE(file.value("LogLevel/Log_levels").toString(), kLogLevelsComment);
    }

    void defaultsKeepWhatTheUserSet_data()
    {
        QTest::addColumn<QByteArray>("fileBefore");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("user log level") << QByteArray("[LogLevel]\nLevel=6\n") << "LogLevel/Level" << "6";
        QTest::newRow("log level zero is a value") << QByteArray("[LogLevel]\nLevel=0\n") << "LogLevel/Level" << "0";
        QTest::newRow("empty log level") << QByteArray("[LogLevel]\nLevel=\n") << "LogLevel/Level" << "4";
        QTest::newRow("user comment") << QByteArray("[LogLevel]\nLog_levels=my note\n") << "LogLevel/Log_levels"
                                      << "my note";
        QTest::newRow("unquoted comment with commas")
            << QByteArray("[LogLevel]\nLog_levels=<!--None - 0, Fatal level - 1-->\n") << "LogLevel/Log_levels"
            << "<!--None - 0, Fatal level - 1-->";
        QTest::newRow("older layout version") << QByteArray("[Settings_Version]\nVersion=3.2\n")
                                              << "Settings_Version/Version" << "4.51";
    }

    void defaultsKeepWhatTheUserSet()
    {
        QFETCH(QByteArray, fileBefore);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QVERIFY(m_appData->WriteSettingsFile(fileBefore));

        settings::SettingsPresenter presenter(MakeManager());
        presenter.WriteDefaults();

        QCOMPARE(presenter.GetFileValue(key), expected);
    }

    void valuesLandInTheirStores()
    {
        settings::SettingsPresenter presenter(MakeManager());
        presenter.SetAppSetting("ShowHints", "false");
        presenter.SaveHotKeys({{"Export", "Ctrl+E"}, {"Search", "Ctrl+F"}});

        const QSettings native(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
        QCOMPARE(native.value("Settings/ShowHints").toString(), QStringLiteral("false"));
        QVERIFY(!native.contains("Hot_Keys/Export"));
        const QSettings file(m_appData->SettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(file.value("Hot_Keys/Export").toString(), QStringLiteral("Ctrl+E"));
        QCOMPARE(file.value("Hot_Keys/Search").toString(), QStringLiteral("Ctrl+F"));
        QVERIFY(!file.contains("Settings/ShowHints"));
    }

};

MAPS_TEST_CLASS(SettingsPresenterTest);

#include "tst_SettingsPresenter.moc"
