#include "LanguageSuffix.h"

#include "CryptLog/log/Log.h"

#include <array>
#include <utility>

namespace translations::utils {

QLocale::Language LanguageSuffixToLanguageLocal(const QString& suffix)
{
    constexpr std::array<std::pair<const char*, QLocale::Language>, 3> languages{{
        {"en", QLocale::English},
        {"ru", QLocale::Russian},
        {"cn", QLocale::Chinese},
    }};
    for (const auto& [languageSuffix, language] : languages) {
        if (suffix == QLatin1String(languageSuffix))
            return language;
    }
    LOG_DEBUG << "Unknown language suffix: " << suffix;
    return QLocale::English;
}

} // namespace translations::utils
