#include "SummaryCommand.h"

#include "DescriptorPath.h"
#include "JournalPrinter.h"
#include "JsonLine.h"
#include "PlugInHost.h"

#include "appleMaps/presenter/IAppleMapsPresenter.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IPlugInBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <exception>
#include <limits>

namespace host {
namespace {

constexpr std::uint64_t kUnknownSize = std::numeric_limits<std::uint64_t>::max();
constexpr int kUsageError = 2;

JsonLine& AddRecordCounts(JsonLine& json, const appleMaps::AppleMapsRecords& records)
{
    return json.Add("searches", records.querySearches.size())
        .Add("favorites", records.bookmarks.size())
        .Add("explored_places", records.placeDisplays.size())
        .Add("directions_searches", records.directionSearches.size());
}

} // namespace

int RunSummaryCommand(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << QCoreApplication::translate("cmn", "Usage: mapsview summary PATH") << Qt::endl;
        return kUsageError;
    }
    QString error;
    const QString descriptorPath = FindDescriptor(arguments.first(), &error);
    if (descriptorPath.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }

    PlugInHost plugInHost;
    if (!plugInHost.Load(&error)) {
        err << error << Qt::endl;
        return 1;
    }
    PrintJournalToStandardError(plugInHost.Journal());
    core::IPlugInBase* plugIn = plugInHost.PlugIn();
    appleMaps::IAppleMapsPresenter* presenter = plugInHost.Presenter();
    if (!presenter) {
        err << QCoreApplication::translate("cmn", "%1 offers no Apple Maps records.").arg(PlugInHost::PlugInPath())
            << Qt::endl;
        return 1;
    }

    JsonLine json;
    json.Add("category", plugIn->GetCategoryName());
    try {
        core::ICategoryPlugIn* category = plugInHost.OpenBackup(descriptorPath);
        if (!category) {
            const QString readError = DescriptorReadError(descriptorPath);
            if (!readError.isEmpty()) {
                err << readError << Qt::endl;
                return 1;
            }
            err << QCoreApplication::translate("cmn", "No Apple Maps data in %1.")
                       .arg(QDir::toNativeSeparators(descriptorPath))
                << Qt::endl;
            out << AddRecordCounts(json.Add("size", std::uint64_t{0}), presenter->GetRecords()).ToString() << Qt::endl;
            return 0;
        }
        const std::uint64_t size = category->GetCategoryDataSize();
        if (size == kUnknownSize)
            json.AddNull("size");
        else
            json.Add("size", size);
        plugIn->Parse();
    } catch (const std::exception& exception) {
        err << QCoreApplication::translate("cmn", "Cannot read the backup: %1").arg(QString::fromUtf8(exception.what()))
            << Qt::endl;
        return 1;
    }
    out << AddRecordCounts(json, presenter->GetRecords()).ToString() << Qt::endl;
    return 0;
}

} // namespace host
