#pragma once

#include "core/interfaces/IStopFlag.h"

#include <QPluginLoader>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <memory>

namespace appleMaps {
class IAppleMapsPresenter;
}

namespace exportReport {
class IExport;
class IExportButtonFormat;
class INativeExport;
} // namespace exportReport

namespace core {
class ICategoryPlugIn;
class IJournal;
class IPlugInBase;
} // namespace core

namespace host {

// The stop flag the host hands to the plug-in; a Stop action sets it.
class StopFlag final : public core::IStopFlag {
public:
    bool IsStopped() const override { return m_stopped.load(); }
    void Set(bool stopped) { m_stopped.store(stopped); }

private:
    std::atomic<bool> m_stopped{false};
};

// Loads the Apple Maps plug-in and the journal the way the viewer does, and prepares the plug-in
// for a backup: logging, temporary folder of its own, stop flag.
class PlugInHost {
public:
    PlugInHost();
    ~PlugInHost();

    // False with `error` set when the module cannot be loaded or is not a category plug-in.
    bool Load(QString* error);

    core::IPlugInBase* PlugIn() const { return m_plugIn; }
    // The plug-in object's other faces, as the viewer reaches them; null before Load.
    appleMaps::IAppleMapsPresenter* Presenter();
    exportReport::IExport* Exporter();
    exportReport::IExportButtonFormat* ExportButtonFormat();
    exportReport::INativeExport* NativeExporter();
    core::IJournal* Journal() const { return m_journal; }
    StopFlag& Stop() { return m_stopFlag; }

    // Hands the backup's descriptor to the plug-in; null when the backup has no Apple Maps data.
    // The stop flag is left as it is: whoever offers Stop clears it before the work starts.
    core::ICategoryPlugIn* OpenBackup(const QString& descriptorPath);
    // The descriptor of the backup opened last, whose files no export may overwrite.
    const QString& DescriptorPath() const { return m_descriptorPath; }

    // The module's file: "plugins/AppleMapsPlugIn" beside the executable.
    static QString PlugInPath();

private:
    void LoadJournal();

    QPluginLoader m_loader;
    QTemporaryDir m_tempDir;
    StopFlag m_stopFlag;
    core::IPlugInBase* m_plugIn = nullptr;
    core::IJournal* m_journal = nullptr;
    QString m_descriptorPath;
};

// Sets "appdata" to the user's data folder when the environment does not name one, as the
// viewer's platform does, so that settings and the log land in a per-user place.
void EnsureAppDataVariable();

} // namespace host
