#pragma once

#include <string>

namespace settings {

// The proxy the user configured for the viewer. The slot order is part of the binary contract
// with the host.
class INetworkSettings {
public:
    virtual ~INetworkSettings() = default;

    // A settings::ProxyType value, or -1 when no proxy type is configured.
    virtual int GetProxyType() const = 0;
    virtual int GetPort() const = 0;
    virtual std::wstring GetHost() const = 0;
    virtual std::wstring GetUser() const = 0;
    virtual std::wstring GetPassword() const = 0;
    virtual bool NeedsAuthentication() const = 0;
};

} // namespace settings
