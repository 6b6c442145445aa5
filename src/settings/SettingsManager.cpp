#include "SettingsManager.h"

#include <QStringList>
#include <QVariant>

namespace settings {
namespace {

// An unquoted INI value with commas, as other tools write it, reads back as a list; it is
// still one text to every caller here.
QString ToText(const QVariant& value)
{
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

SettingsManager::SettingsManager(const QString& organisation, const QString& application,
                                 const QString& iniFilePath)
    : m_nativeStore(QSettings::NativeFormat, QSettings::UserScope, organisation, application)
    , m_fileStore(iniFilePath, QSettings::IniFormat)
{
    m_fileStore.setIniCodec("UTF-8");
}

QString SettingsManager::GetNativeValue(const QString& key, const QString& defaultValue) const
{
    return Read(m_nativeStore, key, defaultValue);
}

QString SettingsManager::GetNativeValue(const QString& key) const
{
    return Read(m_nativeStore, key, {});
}

void SettingsManager::SetNativeValue(const QString& key, const QString& value)
{
    Write(m_nativeStore, key, value);
}

QString SettingsManager::GetFileValue(const QString& key, const QString& defaultValue) const
{
    return Read(m_fileStore, key, defaultValue);
}

QString SettingsManager::GetFileValue(const QString& key) const
{
    return Read(m_fileStore, key, {});
}

void SettingsManager::SetFileValue(const QString& key, const QString& value)
{
    Write(m_fileStore, key, value);
}

QString SettingsManager::GetFileName() const
{
    return m_fileStore.fileName();
}

QString SettingsManager::Read(QSettings& store, const QString& key, const QString& defaultValue) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    store.sync();
    return ToText(store.value(key, defaultValue));
}

void SettingsManager::Write(QSettings& store, const QString& key, const QString& value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    store.setValue(key, value);
    store.sync();
}

} // namespace settings
