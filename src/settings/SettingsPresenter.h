#pragma once

#include "ISettingsPresenter.h"
#include "NetworkSettings.h"

#include <memory>

namespace settings {

class ISettingsManager;

class SettingsPresenter final : public ISettingsPresenter {
public:
    // Loads the network settings from `manager` at once.
    explicit SettingsPresenter(std::shared_ptr<ISettingsManager> manager);

    void WriteDefaults() override;
    void SaveHotKeys(const QMap<QString, QString>& hotKeys) override;

    INetworkSettings& GetNetworkSettings() override;
    const INetworkSettings& GetNetworkSettings() const override;

    QString GetAppSetting(const QString& name, const QString& defaultValue) const override;
    QString GetAppSetting(const QString& name) const override;
    void SetAppSetting(const QString& name, const QString& value) override;

    QString GetFileValue(const QString& key, const QString& defaultValue) const override;
    QString GetFileValue(const QString& key) const override;
    void SetFileValue(const QString& key, const QString& value) override;

    bool SettingsFileExists() const override;

private:
    void WriteIfEmpty(const QString& key, const QString& value);

    std::shared_ptr<ISettingsManager> m_manager;
    NetworkSettings m_networkSettings;
};

} // namespace settings
