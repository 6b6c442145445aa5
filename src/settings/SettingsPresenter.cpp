#include "SettingsPresenter.h"

#include "ISettingsManager.h"

#include <QFileInfo>

#include <utility>

namespace settings {
namespace {

// Layout version of the stored settings, 4 and 51.
constexpr char kSettingsVersion[] = "4.51";
constexpr char kSettingsVersionKey[] = "Settings_Version/Version";

constexpr char kLogLevelsCommentKey[] = "LogLevel/Log_levels";
constexpr char kLogLevelsComment[] = "<!--None - 0, Fatal level - 1, Error level - 2, Warning level - 3, "
                                     "Info level - 4, Debug level - 5, Trace level - 6, Max level - 7-->";
constexpr char kLogLevelKey[] = "LogLevel/Level";
constexpr char kDefaultLogLevel[] = "4";

constexpr char kHotKeysGroup[] = "Hot_Keys/";
constexpr char kAppSettingsGroup[] = "Settings/";

} // namespace

SettingsPresenter::SettingsPresenter(std::shared_ptr<ISettingsManager> manager)
    : m_manager(std::move(manager))
    , m_networkSettings(m_manager)
{
    m_networkSettings.Load();
}

void SettingsPresenter::WriteDefaults()
{
    m_manager->SetFileValue(kSettingsVersionKey, kSettingsVersion);
    WriteIfEmpty(kLogLevelsCommentKey, kLogLevelsComment);
    WriteIfEmpty(kLogLevelKey, kDefaultLogLevel);
}

void SettingsPresenter::SaveHotKeys(const QMap<QString, QString>& hotKeys)
{
    for (auto it = hotKeys.cbegin(); it != hotKeys.cend(); ++it)
        m_manager->SetFileValue(kHotKeysGroup + it.key(), it.value());
}

INetworkSettings& SettingsPresenter::GetNetworkSettings()
{
    return m_networkSettings;
}

const INetworkSettings& SettingsPresenter::GetNetworkSettings() const
{
    return m_networkSettings;
}

QString SettingsPresenter::GetAppSetting(const QString& name, const QString& defaultValue) const
{
    return m_manager->GetNativeValue(kAppSettingsGroup + name, defaultValue);
}

QString SettingsPresenter::GetAppSetting(const QString& name) const
{
    return m_manager->GetNativeValue(kAppSettingsGroup + name);
}

void SettingsPresenter::SetAppSetting(const QString& name, const QString& value)
{
    m_manager->SetNativeValue(kAppSettingsGroup + name, value);
}

QString SettingsPresenter::GetFileValue(const QString& key, const QString& defaultValue) const
{
    return m_manager->GetFileValue(key, defaultValue);
}

QString SettingsPresenter::GetFileValue(const QString& key) const
{
    return m_manager->GetFileValue(key);
}

void SettingsPresenter::SetFileValue(const QString& key, const QString& value)
{
    m_manager->SetFileValue(key, value);
}

bool SettingsPresenter::SettingsFileExists() const
{
    return QFileInfo::exists(m_manager->GetFileName());
}

void SettingsPresenter::WriteIfEmpty(const QString& key, const QString& value)
{
    if (m_manager->GetFileValue(key).isEmpty())
        m_manager->SetFileValue(key, value);
}

} // namespace settings
