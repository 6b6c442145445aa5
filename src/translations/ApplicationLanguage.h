#pragma once

#include <QLocale>

namespace translations::utils {

// The interface language, read on the first call and kept for the life of the process: the one
// the host chose for the process (SetApplicationLanguage), else "Localization/Suffix" of the
// settings file, else the language of the system locale when it is one the viewer speaks
// (English, Russian, Chinese), else English.
QLocale::Language GetApplicationLanguage();

// A locale of the application language (any country), for date widgets.
const QLocale& GetApplicationLocale();

// A host's choice for this process (a command-line option), made before anything asks for the
// language. It is kept on the application object, which the host and its plug-ins share, so that
// each module's copy of this library answers the same.
void SetApplicationLanguage(QLocale::Language language);

} // namespace translations::utils
