#pragma once

#include <QString>

namespace settings {

// The two settings stores the viewer's plug-ins share: the per-user native store and the
// "Settings.ini" file store. Keys are "Group/Name". The slot order is part of the binary
// contract with the host.
class ISettingsManager {
public:
    virtual ~ISettingsManager() = default;

    virtual QString GetNativeValue(const QString& key, const QString& defaultValue) const = 0;
    virtual QString GetNativeValue(const QString& key) const = 0;
    virtual void SetNativeValue(const QString& key, const QString& value) = 0;

    virtual QString GetFileValue(const QString& key, const QString& defaultValue) const = 0;
    virtual QString GetFileValue(const QString& key) const = 0;
    virtual void SetFileValue(const QString& key, const QString& value) = 0;

    virtual QString GetFileName() const = 0;
};

} // namespace settings
