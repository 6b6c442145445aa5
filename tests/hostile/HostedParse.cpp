#include "HostedParse.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "core/JournalPlugInLoader.h"
#include "core/interfaces/IJournal.h"

#include <QElapsedTimer>

#include <exception>

namespace test {

QString HostedParse::LastEntry() const
{
    if (journal.isEmpty())
        return {};
    switch (journal.last().severity) {
    case core::JournalSeverity::Error: return QStringLiteral("error: ") + journal.last().text;
    case core::JournalSeverity::Warning: return QStringLiteral("warning: ") + journal.last().text;
    case core::JournalSeverity::Info: break;
    }
    return QStringLiteral("info: ") + journal.last().text;
}

HostedParse ParseAsHost(const QString& descriptorPath, const QString& tempFolder)
{
    core::IJournal* journal = core::GetJournalPlugIn();
    const int seen = journal ? journal->EntryCount() : 0;
    appleMaps::AppleMapsPlugIn plugIn;
    core::IPlugInBase& host = plugIn;
    HostedParse result;
    QElapsedTimer timer;
    timer.start();
    try {
        host.SetTempPath(tempFolder.toStdWString());
        host.SetDataPath(descriptorPath);
        host.Parse();
    } catch (const std::exception&) {
        result.failed = true;
    }
    result.milliseconds = timer.elapsed();
    const appleMaps::AppleMapsRecords& records = plugIn.GetRecords();
    result.records = records.bookmarks.size() + records.querySearches.size() + records.placeDisplays.size()
                     + records.directionSearches.size();
    if (journal)
        result.journal = journal->Entries(seen);
    return result;
}

} // namespace test
