#include "PlugInHost.h"

#include "TempFolders.h"

#include "appleMaps/presenter/IAppleMapsPresenter.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IJournal.h"
#include "core/interfaces/IJournalPlugInBase.h"
#include "core/interfaces/IPlugInBase.h"
#include "exportReport/interfaces/IExport.h"
#include "exportReport/interfaces/IExportButtonFormat.h"
#include "exportReport/interfaces/INativeExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QStandardPaths>

namespace host {
namespace {

const char kPlugInIid[] = "wulq.core.IPlugInVersion";

QString ModuleSuffix()
{
#if defined(Q_OS_WIN)
    return QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral(".dylib");
#else
    return QStringLiteral(".so");
#endif
}

} // namespace

void EnsureAppDataVariable()
{
    if (qEnvironmentVariableIsSet("appdata"))
        return;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    qputenv("appdata", QDir::toNativeSeparators(dataFolder).toUtf8());
}

PlugInHost::PlugInHost()
    : m_tempDir(PrivateTempFolderTemplate())
{
}

// The plug-in object is a process-wide singleton of the module; the loader is not unloaded so
// that pages handed out stay valid until exit.
PlugInHost::~PlugInHost() = default;

QString PlugInHost::PlugInPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/AppleMapsPlugIn") + ModuleSuffix();
}

bool PlugInHost::Load(QString* error)
{
    m_loader.setFileName(PlugInPath());
    const QString iid = m_loader.metaData().value(QStringLiteral("IID")).toString();
    if (iid != QLatin1String(kPlugInIid)) {
        *error = QStringLiteral("%1 is not a category plug-in: %2").arg(m_loader.fileName(), m_loader.errorString());
        return false;
    }
    QObject* instance = m_loader.instance();
    m_plugIn = qobject_cast<core::IPlugInBase*>(instance);
    if (!m_plugIn) {
        *error = QStringLiteral("Cannot load %1: %2").arg(m_loader.fileName(), m_loader.errorString());
        return false;
    }
    // The copies hold evidence: without a folder of its own the plug-in would put them elsewhere.
    if (!m_tempDir.isValid()) {
        *error = QCoreApplication::translate("cmn", "Cannot create a private temporary folder in %1: %2")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()), m_tempDir.errorString());
        m_plugIn = nullptr;
        return false;
    }
    LoadJournal();
    m_plugIn->InitLogging(nullptr);
    m_plugIn->SetTempPath(QDir::toNativeSeparators(m_tempDir.path()).toStdWString());
    m_plugIn->SetStopFlag(&m_stopFlag);
    return true;
}

appleMaps::IAppleMapsPresenter* PlugInHost::Presenter()
{
    // The presenter has no interface id: moc answers its class name.
    QObject* instance = m_plugIn ? m_loader.instance() : nullptr;
    return instance ? static_cast<appleMaps::IAppleMapsPresenter*>(instance->qt_metacast("IAppleMapsPresenter"))
                    : nullptr;
}

exportReport::IExport* PlugInHost::Exporter()
{
    return m_plugIn ? qobject_cast<exportReport::IExport*>(m_loader.instance()) : nullptr;
}

exportReport::IExportButtonFormat* PlugInHost::ExportButtonFormat()
{
    return m_plugIn ? qobject_cast<exportReport::IExportButtonFormat*>(m_loader.instance()) : nullptr;
}

exportReport::INativeExport* PlugInHost::NativeExporter()
{
    return m_plugIn ? qobject_cast<exportReport::INativeExport*>(m_loader.instance()) : nullptr;
}

core::ICategoryPlugIn* PlugInHost::OpenBackup(const QString& descriptorPath)
{
    m_descriptorPath = descriptorPath;
    m_plugIn->SetDataPath(descriptorPath);
    return m_plugIn->GetCategoryPlugIn();
}

void PlugInHost::LoadJournal()
{
    QPluginLoader loader(QCoreApplication::applicationDirPath() + QStringLiteral("/Plugins/JournalPlugIn")
                         + ModuleSuffix());
    auto* journalPlugIn = qobject_cast<core::IJournalPlugInBase*>(loader.instance());
    m_journal = journalPlugIn ? journalPlugIn->GetJournal() : nullptr;
}

} // namespace host
