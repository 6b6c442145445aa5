#include "JournalPlugInLoader.h"

#include "CryptLog/log/Log.h"
#include "core/interfaces/IJournal.h"
#include "core/interfaces/IJournalPlugInBase.h"

#include <QCoreApplication>
#include <QPluginLoader>

#include <boost/filesystem/path.hpp>

#include <codecvt>

namespace core {

namespace {

#if defined(Q_OS_WIN)
constexpr const char* kLibrarySuffix = ".dll";
#elif defined(Q_OS_MACOS)
constexpr const char* kLibrarySuffix = ".dylib";
#else
constexpr const char* kLibrarySuffix = ".so";
#endif

// Narrow path texts are UTF-8 whatever the process locale: the loader may run before the host
// or the plug-in has set the path library's conversion facet.
const boost::filesystem::path::codecvt_type& Utf8Facet()
{
    static const std::codecvt_utf8_utf16<wchar_t> facet;
    return facet;
}

QString JournalLibraryPath()
{
    const QString text =
        QCoreApplication::applicationDirPath() + "/Plugins/JournalPlugIn" + kLibrarySuffix;
    const boost::filesystem::path path(text.toStdWString(), Utf8Facet());
    return QString::fromStdString(path.string(Utf8Facet()));
}

} // namespace

IJournal* GetJournalPlugIn()
{
    try {
        // Destroying the loader without unload() keeps the library loaded.
        QPluginLoader loader(JournalLibraryPath());
        auto* plugIn = qobject_cast<IJournalPlugInBase*>(loader.instance());
        if (plugIn == nullptr)
            return nullptr;
        IJournal* journal = plugIn->GetJournal();
        if (journal == nullptr || !journal->IsValid())
            return nullptr;
        LOG_INFO << "Journal plugin is loaded successfully.";
        return journal;
    } catch (...) {
        // Without a journal the plug-in still works; it only loses its user-visible reports.
        return nullptr;
    }
}

} // namespace core
