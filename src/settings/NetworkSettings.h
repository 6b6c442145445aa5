#pragma once

#include "INetworkSettings.h"

#include <memory>

namespace settings {

class ISettingsManager;

class NetworkSettings final : public INetworkSettings {
public:
    explicit NetworkSettings(std::shared_ptr<ISettingsManager> manager);

    // Reads the "NetworkSettings/Proxy..." keys of the file store. An unknown proxy type name
    // or a port outside 1..65535 leaves the value read before.
    void Load();

    int GetProxyType() const override { return m_proxyType; }
    int GetPort() const override { return m_port; }
    std::wstring GetHost() const override { return m_host; }
    std::wstring GetUser() const override { return m_user; }
    std::wstring GetPassword() const override { return m_password; }
    bool NeedsAuthentication() const override { return m_needsAuthentication; }

private:
    std::shared_ptr<ISettingsManager> m_manager;
    int m_proxyType = -1;
    std::wstring m_host;
    int m_port = 0;
    bool m_needsAuthentication = false;
    std::wstring m_user;
    std::wstring m_password;
};

} // namespace settings
