#include "TransportType.h"

#include "CryptLog/log/Log.h"

#include <array>

namespace appleMaps::details {

QString TransportTypeToString(std::int64_t type)
{
    // Shared by every record; built once per process.
    static const std::array<QString, 3> texts = {
        QStringLiteral("Drive"),
        QStringLiteral("Transit"),
        QStringLiteral("Walk"),
    };
    if (type >= 0 && type < static_cast<std::int64_t>(texts.size()))
        return texts[static_cast<std::size_t>(type)];
    LOG_DEBUG << "Unexpected transport type " << type;
    return {};
}

} // namespace appleMaps::details
