#pragma once

#include "ISettingsManager.h"

#include <QSettings>

#include <mutex>

namespace settings {

// Both stores behind one lock: the logger set-up may read them from a host thread while the
// GUI thread uses them. The host and the other plug-ins share the stores, so every write is
// flushed at once and every read sees their latest changes.
class SettingsManager final : public ISettingsManager {
public:
    // The native store of `organisation`/`application` in the user scope, and the INI file at
    // `iniFilePath` read and written as UTF-8.
    SettingsManager(const QString& organisation, const QString& application, const QString& iniFilePath);

    QString GetNativeValue(const QString& key, const QString& defaultValue) const override;
    QString GetNativeValue(const QString& key) const override;
    void SetNativeValue(const QString& key, const QString& value) override;

    QString GetFileValue(const QString& key, const QString& defaultValue) const override;
    QString GetFileValue(const QString& key) const override;
    void SetFileValue(const QString& key, const QString& value) override;

    QString GetFileName() const override;

private:
    QString Read(QSettings& store, const QString& key, const QString& defaultValue) const;
    void Write(QSettings& store, const QString& key, const QString& value);

    mutable std::mutex m_mutex;
    // Reading refreshes a store from disk.
    mutable QSettings m_nativeStore;
    mutable QSettings m_fileStore;
};

} // namespace settings
