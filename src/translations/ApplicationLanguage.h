#pragma once

#include <QLocale>

namespace translations::utils {

// The interface language chosen by "Localization/Suffix" of the settings file, read on the
// first call and kept for the life of the process.
QLocale::Language GetApplicationLanguage();

// A locale of the application language (any country), for date widgets.
const QLocale& GetApplicationLocale();

} // namespace translations::utils
