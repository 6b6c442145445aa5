#include "BackupLoader.h"

#include "FutureWait.h"

#include "mapsview/PlugInHost.h"

#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IPlugInBase.h"

#include <QMutexLocker>
#include <QtConcurrent>

#include <exception>

namespace host::viewer {

BackupLoader::BackupLoader(PlugInHost& plugInHost, QObject* parent)
    : QObject(parent)
    , m_plugInHost(plugInHost)
{
    m_worker.setMaxThreadCount(1);
}

BackupLoader::~BackupLoader()
{
    m_worker.waitForDone();
}

void BackupLoader::Open(const QString& descriptorPath)
{
    if (m_busy)
        return;
    m_busy = true;
    const quint64 generation = ++m_generation;
    m_lastWork = QtConcurrent::run(&m_worker, [this, descriptorPath, generation] { Load(descriptorPath, generation); });
}

void BackupLoader::Stop()
{
    if (!m_busy)
        return;
    {
        QMutexLocker lock(&m_stopMutex);
        m_stoppedGeneration = m_generation;
        m_plugInHost.Stop().Set(true);
    }
    m_busy = false;
    emit Stopped();
}

bool BackupLoader::IsStopped(quint64 generation)
{
    QMutexLocker lock(&m_stopMutex);
    return generation <= m_stoppedGeneration;
}

QFuture<void> BackupLoader::DetachView()
{
    core::IPlugInBase* plugIn = m_plugInHost.PlugIn();
    return QtConcurrent::run([plugIn] { plugIn->DetachView(); });
}

void BackupLoader::WaitUntilIdle()
{
    WaitWhileProcessingEvents(m_lastWork);
}

void BackupLoader::Deliver(quint64 generation, std::function<void()> emitResult, bool final)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation, emitResult = std::move(emitResult), final] {
            if (generation != m_generation || !m_busy)
                return;
            if (final)
                m_busy = false;
            emitResult();
        },
        Qt::QueuedConnection);
}

// Runs on the worker, after every earlier read has ended.
void BackupLoader::Load(const QString& descriptorPath, quint64 generation)
{
    {
        // The stopped parse before this one has read the flag for the last time: it may go down
        // now, unless this read was stopped before it began.
        QMutexLocker lock(&m_stopMutex);
        if (generation <= m_stoppedGeneration)
            return;
        m_plugInHost.Stop().Set(false);
    }
    try {
        core::ICategoryPlugIn* category = m_plugInHost.OpenBackup(descriptorPath);
        if (!category) {
            Deliver(generation, [this, descriptorPath] { emit NoCategory(descriptorPath); }, true);
            return;
        }
        const QString name = category->GetName();
        const QString iconPath = category->GetIconPath();
        const QString disabledIconPath = category->GetDisabledIconPath();
        const quint64 size = category->GetCategoryDataSize();
        Deliver(generation, [this, name, iconPath, disabledIconPath, size] {
            emit CategoryFound(name, iconPath, disabledIconPath, size);
        });
        if (IsStopped(generation))
            return;
        m_plugInHost.PlugIn()->Parse();
        // The parse has recorded a stop itself; the window heard of it when the user asked.
        if (IsStopped(generation))
            return;
        const quint64 parsedSize = category->GetCategoryDataSize();
        Deliver(generation, [this, parsedSize] { emit Parsed(parsedSize); }, true);
    } catch (const std::exception& error) {
        const QString message = QString::fromUtf8(error.what());
        Deliver(generation, [this, message] { emit Failed(message); }, true);
    }
}

} // namespace host::viewer
