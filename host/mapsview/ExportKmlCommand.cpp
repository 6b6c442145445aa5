#include "ExportKmlCommand.h"

#include "ParsedBackup.h"
#include "PlugInHost.h"

#include "appleMaps/presenter/IAppleMapsPresenter.h"

#include <QCoreApplication>
#include <QTextStream>

#include <boost/filesystem/path.hpp>

#include <exception>
#include <functional>
#include <map>

namespace host {
namespace {

using appleMaps::IAppleMapsPresenter;
using SaveKind = std::function<void(IAppleMapsPresenter&, const boost::filesystem::path&)>;

template <typename Record>
std::vector<const Record*> AllOf(const std::vector<Record>& records)
{
    std::vector<const Record*> pointers;
    pointers.reserve(records.size());
    for (const Record& record : records)
        pointers.push_back(&record);
    return pointers;
}

const std::map<QString, SaveKind>& SaveOperations()
{
    constexpr auto kml = location::LocationHistoryFileFormat::Kml;
    static const std::map<QString, SaveKind> operations = {
        {QStringLiteral("searches"),
         [](IAppleMapsPresenter& presenter, const boost::filesystem::path& path) {
             presenter.SaveQuerySearchToFile(kml, AllOf(presenter.GetRecords().querySearches), path);
         }},
        {QStringLiteral("favorites"),
         [](IAppleMapsPresenter& presenter, const boost::filesystem::path& path) {
             presenter.SaveBookmarkToFile(kml, AllOf(presenter.GetRecords().bookmarks), path);
         }},
        {QStringLiteral("explored"),
         [](IAppleMapsPresenter& presenter, const boost::filesystem::path& path) {
             presenter.SavePlaceDisplayToFile(kml, AllOf(presenter.GetRecords().placeDisplays), path);
         }},
        {QStringLiteral("directions"),
         [](IAppleMapsPresenter& presenter, const boost::filesystem::path& path) {
             presenter.SaveDirectionsSearchesToFile(kml, AllOf(presenter.GetRecords().directionSearches), path);
         }},
    };
    return operations;
}

} // namespace

int RunExportKmlCommand(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << QCoreApplication::translate("cmn", "Usage: mapsview export-kml PATH KIND OUT.kml") << Qt::endl;
        return 2;
    }
    const QString& kind = arguments.at(1);
    const auto save = SaveOperations().find(kind);
    if (save == SaveOperations().end()) {
        err << QCoreApplication::translate("cmn", "Unknown record kind \"%1\": use searches, favorites, explored or directions.")
                   .arg(kind)
            << Qt::endl;
        return 2;
    }
    const QString& target = arguments.at(2);
    if (!MayWriteExport(arguments.at(0), target, err))
        return 1;
    PlugInHost plugInHost;
    if (!LoadParsedBackup(plugInHost, arguments.at(0), err))
        return 1;
    IAppleMapsPresenter* presenter = plugInHost.Presenter();
    if (!presenter) {
        err << QCoreApplication::translate("cmn", "%1 offers no Apple Maps records.").arg(PlugInHost::PlugInPath())
            << Qt::endl;
        return 1;
    }
    try {
        save->second(*presenter, boost::filesystem::path(target.toStdWString()));
    } catch (const std::exception& exception) {
        err << QCoreApplication::translate("cmn", "Cannot write %1: %2").arg(target, QString::fromUtf8(exception.what()))
            << Qt::endl;
        return 1;
    }
    out << QCoreApplication::translate("cmn", "Exported %1 to %2.").arg(kind, target) << Qt::endl;
    return 0;
}

} // namespace host
