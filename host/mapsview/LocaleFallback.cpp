#include "LocaleFallback.h"

#include <QByteArray>
#include <QtGlobal>

#include <boost/filesystem/path.hpp>

#include <locale>
#include <stdexcept>

namespace host {

void FallBackFromMissingLocale()
{
    try {
        std::locale environmentLocale("");
        return;
    } catch (const std::runtime_error&) {
    }
    // Boost builds its path conversion from the environment's locale once, on first use: let it
    // find a classic one, then give the environment back.
    const bool hadLcAll = qEnvironmentVariableIsSet("LC_ALL");
    const QByteArray lcAll = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C");
    boost::filesystem::path::imbue(std::locale::classic());
    if (hadLcAll)
        qputenv("LC_ALL", lcAll);
    else
        qunsetenv("LC_ALL");
}

} // namespace host
