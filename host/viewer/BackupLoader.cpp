#include "BackupLoader.h"

#include "FutureWait.h"

#include "mapsview/PlugInHost.h"

#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IPlugInBase.h"

#include <QtConcurrent>

#include <exception>

namespace host::viewer {

BackupLoader::BackupLoader(PlugInHost& plugInHost, QObject* parent)
    : QObject(parent)
    , m_plugInHost(plugInHost)
{
}

BackupLoader::~BackupLoader()
{
    m_work.waitForFinished();
}

bool BackupLoader::IsBusy() const
{
    return m_work.isRunning();
}

void BackupLoader::Open(const QString& descriptorPath)
{
    if (IsBusy())
        return;
    // Cleared here rather than on the worker, so that a Stop right after Open is not lost.
    m_plugInHost.Stop().Set(false);
    m_work = QtConcurrent::run([this, descriptorPath] { Load(descriptorPath); });
}

void BackupLoader::Stop()
{
    m_plugInHost.Stop().Set(true);
}

QFuture<void> BackupLoader::DetachView()
{
    core::IPlugInBase* plugIn = m_plugInHost.PlugIn();
    return QtConcurrent::run([plugIn] { plugIn->DetachView(); });
}

void BackupLoader::WaitUntilIdle()
{
    WaitWhileProcessingEvents(m_work);
}

// Runs on a worker; the signals reach the GUI thread queued.
void BackupLoader::Load(const QString& descriptorPath)
{
    try {
        core::ICategoryPlugIn* category = m_plugInHost.OpenBackup(descriptorPath);
        if (!category) {
            emit NoCategory(descriptorPath);
            return;
        }
        emit CategoryFound(category->GetName(), category->GetIconPath(), category->GetDisabledIconPath(),
                           category->GetCategoryDataSize());
        m_plugInHost.PlugIn()->Parse();
        if (m_plugInHost.Stop().IsStopped())
            emit Stopped();
        else
            emit Parsed();
    } catch (const std::exception& error) {
        emit Failed(QString::fromUtf8(error.what()));
    }
}

} // namespace host::viewer
