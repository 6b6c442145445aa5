#include "ApplicationLanguage.h"

#include "LanguageSuffix.h"

#include "settings/ISettingsManager.h"
#include "settings/ProcessSettings.h"

#include <QCoreApplication>
#include <QVariant>

namespace translations::utils {
namespace {

constexpr char kLanguageProperty[] = "maps.applicationLanguage";

QLocale::Language SystemLanguage()
{
    const QLocale::Language system = QLocale::system().language();
    switch (system) {
    case QLocale::Russian:
    case QLocale::Chinese: return system;
    default: return QLocale::English;
    }
}

QLocale::Language ChooseLanguage()
{
    const QCoreApplication* application = QCoreApplication::instance();
    const QVariant chosen = application ? application->property(kLanguageProperty) : QVariant();
    if (chosen.isValid())
        return static_cast<QLocale::Language>(chosen.toInt());
    const QString suffix = settings::GetSettingsManager()->GetFileValue("Localization/Suffix");
    return suffix.isEmpty() ? SystemLanguage() : LanguageSuffixToLanguageLocal(suffix);
}

} // namespace

QLocale::Language GetApplicationLanguage()
{
    static const QLocale::Language language = ChooseLanguage();
    return language;
}

const QLocale& GetApplicationLocale()
{
    static const QLocale locale(GetApplicationLanguage(), QLocale::AnyCountry);
    return locale;
}

void SetApplicationLanguage(QLocale::Language language)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->setProperty(kLanguageProperty, static_cast<int>(language));
}

} // namespace translations::utils
