#pragma once

#include <QString>
#include <QStringList>

namespace host {

// Removes "--language SUFFIX" from `arguments` and puts the suffix into `suffix` (left as it is
// when the option is absent). False when the option names no language the viewer offers ("en",
// "ru").
bool TakeLanguageOption(QStringList& arguments, QString* suffix);

// Installs the translations of the interface language into the application: the plug-in's
// texts, the host's own and Qt's for its standard dialogs. A non-empty `suffix` chooses the
// language for this process over "Localization/Suffix" and the system locale. Call it once,
// after the application object and before any window or plug-in asks for a text.
void InstallInterfaceLanguage(const QString& suffix);

} // namespace host
