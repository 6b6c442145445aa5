#include "NetworkSettings.h"

#include "ISettingsManager.h"
#include "ProxyType.h"

#include "CryptLog/log/Log.h"

#include <utility>

namespace settings {
namespace {

constexpr char kProxyTypeKey[] = "NetworkSettings/ProxyType";
constexpr char kProxyHostKey[] = "NetworkSettings/ProxyHost";
constexpr char kProxyUserKey[] = "NetworkSettings/ProxyUser";
constexpr char kProxyPasswordKey[] = "NetworkSettings/ProxyPassword";
constexpr char kProxyPortKey[] = "NetworkSettings/ProxyPort";
constexpr char kProxyNeedsAuthKey[] = "NetworkSettings/ProxyNeedsAuth";

constexpr int kLowestPort = 1;
constexpr int kHighestPort = 65535;

} // namespace

NetworkSettings::NetworkSettings(std::shared_ptr<ISettingsManager> manager)
    : m_manager(std::move(manager))
{
}

void NetworkSettings::Load()
{
    LOG_VERB << LOG_FUNCTION << " ";

    const QString typeName = m_manager->GetFileValue(kProxyTypeKey);
    if (!typeName.isEmpty()) {
        if (const std::optional<ProxyType> type = ProxyTypeFromName(typeName.toStdString()))
            m_proxyType = static_cast<int>(*type);
    }

    m_host = m_manager->GetFileValue(kProxyHostKey).toStdWString();
    m_user = m_manager->GetFileValue(kProxyUserKey).toStdWString();
    m_password = m_manager->GetFileValue(kProxyPasswordKey).toStdWString();

    bool isNumber = false;
    const int port = m_manager->GetFileValue(kProxyPortKey, QStringLiteral("0")).toInt(&isNumber, 10);
    if (isNumber && port >= kLowestPort && port <= kHighestPort)
        m_port = port;

    m_needsAuthentication = m_manager->GetFileValue(kProxyNeedsAuthKey, QStringLiteral("0")).toInt() != 0;
}

} // namespace settings
