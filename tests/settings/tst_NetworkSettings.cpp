#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "settings/NetworkSettings.h"
#include "settings/ProxyType.h"
#include "settings/SettingsManager.h"

#include <QTest>

#include <memory>

class NetworkSettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryAppData> m_appData;

    std::shared_ptr<settings::SettingsManager> MakeManager(const QByteArray& networkSection) const
    {
        if (!m_appData->WriteSettingsFile("[NetworkSettings]\n" + networkSection))
            return nullptr;
        return std::make_shared<settings::SettingsManager>("HalvenrodTest", "MirrowdaleTest",
                                                           m_appData->SettingsFilePath());
    }

private slots:
    void init()
    {
        m_appData = std::make_unique<test::TemporaryAppData>();
        QVERIFY(m_appData->IsValid());
    }

    void cleanup() { m_appData.reset(); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("proxyType");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("needsAuthentication");

        const auto type = [](settings::ProxyType proxyType) { return static_cast<int>(proxyType); };
        QTest::newRow("nothing configured") << QByteArray() << -1 << 0 << false;

        QTest::newRow("highest port") << QByteArray("ProxyPort=65535\n") << -1 << 65535 << false;
        QTest::newRow("port 65536") << QByteArray("ProxyPort=65536\n") << -1 << 0 << false;
        QTest::newRow("hexadecimal port") << QByteArray("ProxyPort=0x50\n") << -1 << 0 << false;

        QTest::newRow("type SOCKS5AH") << QByteArray("ProxyType=SOCKS5AH\n")
                                       << type(settings::ProxyType::Socks5Hostname) << 0 << false;
        QTest::newRow("type names are case-sensitive") << QByteArray("ProxyType=http\n") << -1 << 0 << false;

        QTest::newRow("needs auth any non-zero") << QByteArray("ProxyNeedsAuth=-2\n") << -1 << 0 << true;

        QTest::newRow("full proxy") << QByteArray("ProxyType=SOCKS5\nProxyPort=1080\nProxyNeedsAuth=1\n")
                                    << type(settings::ProxyType::Socks5) << 1080 << true;
    }

    void load()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, proxyType);
        QFETCH(int, port);
        QFETCH(bool, needsAuthentication);

        settings::NetworkSettings network(MakeManager(section));
        network.Load();

        QCOMPARE(network.GetProxyType(), proxyType);
        QCOMPARE(network.GetPort(), port);
        QCOMPARE(network.NeedsAuthentication(), needsAuthentication);
    }

    void credentialsKeepTheirText()
    {
        settings::NetworkSettings network(MakeManager(
            QStringLiteral("ProxyHost=прокси.пример\nProxyUser=Иван Петров\nProxyPassword=p=a s\n").toUtf8()));
        network.Load();

        QCOMPARE(network.GetHost(), std::wstring(L"прокси.пример"));
        QCOMPARE(network.GetUser(), std::wstring(L"Иван Петров"));
        QCOMPARE(network.GetPassword(), std::wstring(L"p=a s"));
    }

};

MAPS_TEST_CLASS(NetworkSettingsTest);

#include "tst_NetworkSettings.moc"
