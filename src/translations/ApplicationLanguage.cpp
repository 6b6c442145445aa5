#include "ApplicationLanguage.h"

#include "LanguageSuffix.h"

#include "settings/ISettingsManager.h"
#include "settings/ProcessSettings.h"

namespace translations::utils {

QLocale::Language GetApplicationLanguage()
{
    static const QLocale::Language language =
        LanguageSuffixToLanguageLocal(settings::GetSettingsManager()->GetFileValue("Localization/Suffix"));
    return language;
}

const QLocale& GetApplicationLocale()
{
    static const QLocale locale(GetApplicationLanguage(), QLocale::AnyCountry);
    return locale;
}

} // namespace translations::utils
