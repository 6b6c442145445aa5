#include "ProxyType.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <utility>

namespace settings {

std::optional<ProxyType> ProxyTypeFromName(const std::string& name)
{
    // Looked up each time, so that "None" follows the translator installed at that moment.
    const std::array<std::pair<std::string, ProxyType>, 6> names{{
        {QCoreApplication::translate("cmn", "None").toStdString(), ProxyType::None},
        {"HTTP", ProxyType::Http},
        {"SOCKS4", ProxyType::Socks4},
        {"SOCKS4A", ProxyType::Socks4a},
        {"SOCKS5", ProxyType::Socks5},
        {"SOCKS5AH", ProxyType::Socks5Hostname},
    }};
    for (const auto& [typeName, type] : names) {
        if (typeName == name)
            return type;
    }
    return std::nullopt;
}

} // namespace settings
