#include "InterfaceLanguage.h"

#include "translations/ApplicationLanguage.h"
#include "translations/LanguageSuffix.h"
#include "translations/Translator.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

// Resources of a static library are registered by name, from the global namespace.
static void InitHostTranslations()
{
    Q_INIT_RESOURCE(HostTranslations);
}

namespace host {
namespace {

constexpr char kLanguageOption[] = "--language";

void InstallIfPresent(const QString& file)
{
    if (QFileInfo::exists(file))
        translations::utils::InstallTranslationFile(file);
}

} // namespace

bool TakeLanguageOption(QStringList& arguments, QString* suffix)
{
    const int option = arguments.indexOf(QLatin1String(kLanguageOption));
    if (option < 0)
        return true;
    const QStringList offered{QStringLiteral("en"), QStringLiteral("ru")};
    if (option + 1 >= arguments.size() || !offered.contains(arguments.at(option + 1)))
        return false;
    *suffix = arguments.at(option + 1);
    arguments.erase(arguments.begin() + option, arguments.begin() + option + 2);
    return true;
}

void InstallInterfaceLanguage(const QString& suffix)
{
    if (!suffix.isEmpty())
        translations::utils::SetApplicationLanguage(translations::utils::LanguageSuffixToLanguageLocal(suffix));
    const QLocale::Language language = translations::utils::GetApplicationLanguage();
    // Qt's own widgets (dates in the file dialog) speak it too; the system's country stays when
    // it already does.
    if (language != QLocale::system().language())
        QLocale::setDefault(translations::utils::GetApplicationLocale());
    if (language == QLocale::English)
        return;
    const QString code = QLocale(language).name().section(QLatin1Char('_'), 0, 0);
    // Qt's own dialogs and buttons, from the translations that come with Qt.
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    InstallIfPresent(QStringLiteral("%1/qtbase_%2.qm").arg(qtTranslations, code));
    translations::utils::InstallTranslator(language);
    InitHostTranslations();
    InstallIfPresent(QStringLiteral(":/translations/mapsview_%1.qm").arg(code));
}

} // namespace host
