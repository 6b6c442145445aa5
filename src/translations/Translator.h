#pragma once

#include <QLocale>

class QString;
class QTranslator;

namespace translations::utils {

// Installs the embedded translation of `language` into the running application. Returns the
// translator, owned by the application object, or null when the language needs none (English)
// or has none, or when there is no application object yet.
QTranslator* InstallTranslator(QLocale::Language language);

// The same for GetApplicationLanguage(); hosts call it once after creating the application.
QTranslator* InstallApplicationTranslator();

// Installs the translation file `file` (a resource path or a file on disk) into the running
// application: the translator, owned by the application object, or null when it cannot be.
QTranslator* InstallTranslationFile(const QString& file);

} // namespace translations::utils
