#include "AppleMapsPlugIn.h"

#include "appleMaps/export/AppleMapsTables.h"
#include "appleMaps/kml/ExportDataToKml.h"
#include "appleMaps/kml/ExportDirectionsSearches.h"
#include "appleMaps/kml/ExportQuerySearch.h"
#include "appleMaps/kml/KmlPlacemarkParts.h"
#include "appleMaps/kml/KmlSkipTests.h"
#include "appleMaps/parser/iCloudSyncAppleMapsParserFactory.h"
#include "appleMaps/records/CategoryName.h"
#include "appleMaps/ui/AppleMapsWidget.h"

#include "CryptLog/log/Log.h"
#include "cmn/CommonExceptions.h"
#include "cmn/SystemErrorException.h"
#include "exportReport/ExportUtils.h"
#include "exportReport/interfaces/ExportContext.h"
#include "exportReport/interfaces/IExportProgress.h"
#include "resources/KitResources.h"

#include <QCoreApplication>

#include <cerrno>
#include <ios>
#include <system_error>

// Resource initialisers live in the global namespace.
static void InitAppleMapsResources()
{
    Q_INIT_RESOURCE(AppleMapsResources);
}

namespace appleMaps {

AppleMapsPlugIn::AppleMapsPlugIn()
{
    InitAppleMapsResources();
    resources::InitKitResources();
}

AppleMapsPlugIn::~AppleMapsPlugIn() = default;

cmn::filter::FilterContext& AppleMapsPlugIn::GetFilterContext(int kind)
{
    if (m_parser)
        return m_parser->GetFilterContext(kind);
    return m_contextsWithoutParser[kind];
}

const AppleMapsRecords& AppleMapsPlugIn::GetRecords() const
{
    return m_records;
}

QString AppleMapsPlugIn::GetCategoryName() const
{
    return GetName();
}

void AppleMapsPlugIn::SaveQuerySearchToFile(location::LocationHistoryFileFormat format,
                                            const std::vector<const AppleMapsHistoryQuerySearchItem*>& records,
                                            const boost::filesystem::path& path)
{
    if (format != location::LocationHistoryFileFormat::Kml) {
        LOG_DEBUG << "Incorect export type";
        return;
    }
    details::ExportQuerySearch(records, path, GetSourceName());
}

void AppleMapsPlugIn::SaveBookmarkToFile(location::LocationHistoryFileFormat format,
                                         const std::vector<const AppleMapsPlaceBookmarkItem*>& records,
                                         const boost::filesystem::path& path)
{
    if (format != location::LocationHistoryFileFormat::Kml) {
        LOG_DEBUG << "Incorect export type";
        return;
    }
    const details::KmlNameWriter<AppleMapsPlaceBookmarkItem> writeName = details::WriteBookmarkName;
    details::ExportDataToKml<AppleMapsPlaceBookmarkItem>(records, path, GetSourceName(),
                                                         ui::GetCategoryName(FavoritesCategory), &writeName,
                                                         details::WriteBookmarkTrack,
                                                         details::IsBookmarkWithoutLocation);
}

void AppleMapsPlugIn::SavePlaceDisplayToFile(location::LocationHistoryFileFormat format,
                                             const std::vector<const AppleMapsPlaceDisplayItem*>& records,
                                             const boost::filesystem::path& path)
{
    if (format != location::LocationHistoryFileFormat::Kml) {
        LOG_DEBUG << "Incorect export type";
        return;
    }
    details::ExportDataToKml<AppleMapsPlaceDisplayItem>(records, path, GetSourceName(),
                                                        ui::GetCategoryName(ExploredPlacesCategory), nullptr,
                                                        details::WritePlaceDisplayTrack,
                                                        details::IsPlaceDisplayWithoutLocation);
}

void AppleMapsPlugIn::SaveDirectionsSearchesToFile(location::LocationHistoryFileFormat format,
                                                   const std::vector<const AppleMapsDirectionSearchItem*>& records,
                                                   const boost::filesystem::path& path)
{
    if (format != location::LocationHistoryFileFormat::Kml) {
        LOG_DEBUG << "Incorect export type";
        return;
    }
    details::ExportDirectionsSearches(records, path, GetSourceName());
}

QString AppleMapsPlugIn::GetSourceName() const
{
    return m_parser ? QString::fromStdString(m_parser->GetBackupId()) : QString();
}

void AppleMapsPlugIn::ReportError(const QString& message)
{
    const std::string text = message.toStdString();
    AddBaseExceptionError(text, text);
}

void AppleMapsPlugIn::DetachView()
{
    if (m_view)
        emit m_view->AboutToShutdownSignal();
    m_view = nullptr;
}

void AppleMapsPlugIn::CreateParser(const QString& path)
{
    ResetCachedSize();
    m_parserFactories = std::make_unique<AppleMapsParserFactories>(CreateParserFactories(path));
    const boost::filesystem::path dataPath(path.toStdWString());
    std::unique_ptr<IAppleMapsParser> parser;
    for (const auto& factory : *m_parserFactories) {
        if (factory->AcceptsDataPath(dataPath)) {
            parser = factory->CreateParser(dataPath);
            break;
        }
    }
    m_parser = std::move(parser);
}

void AppleMapsPlugIn::ParseData(const QString& /*path*/)
{
    if (IsUpToDate() && m_parser && !m_parser->IsDataChanged())
        return;
    m_records.bookmarks.clear();
    m_records.querySearches.clear();
    m_records.placeDisplays.clear();
    m_records.directionSearches.clear();
    SetCachedSize(0);
    if (m_parser)
        m_parser->Parse(m_records);
    // Records of a stopped parse are incomplete: none are kept, so that none are shown or pass
    // for the backup's, and the next SetDataPath parses afresh.
    if (IsStopRequested())
        m_records = AppleMapsRecords();
    SetCachedSize(m_records.bookmarks.size() + m_records.querySearches.size() + m_records.placeDisplays.size()
                  + m_records.directionSearches.size());
}

void AppleMapsPlugIn::CreateDataView()
{
    auto* view = new ui::AppleMapsWidget(this);
    m_view = view;
    SetView(view);
}

void AppleMapsPlugIn::CreateEmptyView()
{
    SetView(nullptr);
    m_view = nullptr;
}

bool AppleMapsPlugIn::HasParser() const
{
    return m_parser != nullptr;
}

bool AppleMapsPlugIn::IsDataEmpty() const
{
    return m_records.bookmarks.empty() && m_records.querySearches.empty() && m_records.placeDisplays.empty()
        && m_records.directionSearches.empty();
}

std::uint64_t AppleMapsPlugIn::CalculateDataSize()
{
    return m_parser ? m_parser->GetDataSize() : 0;
}

void AppleMapsPlugIn::Export(const exportReport::ExportContext& context)
{
    if (context.progress)
        context.progress->SetTotal(GetCategoryDataSize());
    const std::string categoryName = GetName().toStdString();
    try {
        details::ExportAppleMapsTables(m_records, categoryName, context);
    } catch (const std::ios_base::failure&) {
        throw ulq::cmn::CommonException(CMN_SOURCE_LOCATION, std::generic_category().message(errno));
    } catch (const cmn::SystemErrorException& exception) {
        exportReport::utils::ProcessExportSystemError(exception);
        exportReport::utils::LogExportError(categoryName, exception.what(), context.progress);
    } catch (const std::exception& exception) {
        exportReport::utils::LogExportError(categoryName, exception.what(), context.progress);
    }
}

void AppleMapsPlugIn::SetExportSettings(void* /*settings*/)
{
}

QString AppleMapsPlugIn::GetExportFormats() const
{
    static const QString excel = QCoreApplication::translate("cmn", "Excel file") + QStringLiteral(" (*.xlsx)");
    static const QString kml = QCoreApplication::translate("cmn", "Kml file") + QStringLiteral(" (*.kml)");
    return excel + QStringLiteral(";;") + kml;
}

QWidget* AppleMapsPlugIn::GetExportParentWidget() const
{
    return m_view;
}

void AppleMapsPlugIn::Export(const exportReport::NativeExportRequest& request)
{
    if (m_view)
        m_view->ExportCategory(request.scope, QString::fromStdWString(request.path));
}

AppleMapsParserFactories AppleMapsPlugIn::CreateParserFactories(const QString& path) const
{
    return MakeAppleMapsParserFactories(boost::filesystem::path(path.toStdWString()),
                                        [this] { return IsStopRequested(); });
}

} // namespace appleMaps
