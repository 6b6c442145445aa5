#pragma once

#include <QLocale>
#include <QString>

namespace translations::utils {

// "en" English, "ru" Russian, "cn" Chinese; any other suffix, the empty one included, English.
QLocale::Language LanguageSuffixToLanguageLocal(const QString& suffix);

} // namespace translations::utils
