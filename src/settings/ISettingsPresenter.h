#pragma once

#include <QMap>
#include <QString>

namespace settings {

class INetworkSettings;

// Named settings operations over the two stores. The slot order is part of the binary contract
// with the host.
class ISettingsPresenter {
public:
    virtual ~ISettingsPresenter() = default;

    // The layout version always; the log-level entries only where the user has none.
    virtual void WriteDefaults() = 0;
    // Each entry goes to "Hot_Keys/" + name.
    virtual void SaveHotKeys(const QMap<QString, QString>& hotKeys) = 0;

    virtual INetworkSettings& GetNetworkSettings() = 0;
    virtual const INetworkSettings& GetNetworkSettings() const = 0;

    // Application settings live in the native store under "Settings/" + name.
    virtual QString GetAppSetting(const QString& name, const QString& defaultValue) const = 0;
    virtual QString GetAppSetting(const QString& name) const = 0;
    virtual void SetAppSetting(const QString& name, const QString& value) = 0;

    virtual QString GetFileValue(const QString& key, const QString& defaultValue) const = 0;
    virtual QString GetFileValue(const QString& key) const = 0;
    virtual void SetFileValue(const QString& key, const QString& value) = 0;

    virtual bool SettingsFileExists() const = 0;
};

} // namespace settings
