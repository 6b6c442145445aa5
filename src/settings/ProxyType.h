#pragma once

#include <optional>
#include <string>

namespace settings {

// The host's network layer owns these values; only None is fixed.
enum class ProxyType : int {
    None = 0,
    Http = 1,
    Socks4 = 2,
    Socks4a = 3,
    Socks5 = 4,
    Socks5Hostname = 5,
};

// The proxy type stored under a name ("HTTP", "SOCKS5", ... or the translated "None"), UTF-8;
// none for an unknown name.
std::optional<ProxyType> ProxyTypeFromName(const std::string& name);

} // namespace settings
