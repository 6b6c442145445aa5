#include "Translator.h"

#include "ApplicationLanguage.h"

#include "CryptLog/log/Log.h"
#include "resources/Resources.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <memory>

namespace translations::utils {
namespace {

// English is the language of the source texts; Chinese has no translation file.
QString TranslationFile(QLocale::Language language)
{
    if (language == QLocale::Russian)
        return QStringLiteral(":/translations/AppleMaps_ru.qm");
    return {};
}

} // namespace

QTranslator* InstallTranslator(QLocale::Language language)
{
    const QString file = TranslationFile(language);
    if (file.isEmpty())
        return nullptr;
    resources::InitResources();
    return InstallTranslationFile(file);
}

QTranslator* InstallApplicationTranslator()
{
    return InstallTranslator(GetApplicationLanguage());
}

QTranslator* InstallTranslationFile(const QString& file)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) {
        LOG_WARN << "No application object to install the translation " << file << " into.";
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>(application);
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
        LOG_ERROR << "Can't install the translation " << file;
        return nullptr;
    }
    return translator.release();
}

} // namespace translations::utils
