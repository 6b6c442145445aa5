#include "ExportQuerySearch.h"

#include "KmlFile.h"

#include "CryptLog/log/Log.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/records/CategoryName.h"
#include "cmn/kml/KmlPolygonExport.h"

#include <QFile>
#include <QXmlStreamWriter>

namespace appleMaps::details {
namespace {

// The region's corners, counter-clockwise from the first one, closed by the first again.
std::vector<location::Coordinates> RegionRing(const location::MapRegion& region)
{
    const location::Coordinates& first = region.southWest;
    const location::Coordinates& second = region.northEast;
    const location::Coordinates start{first.longitude, first.latitude};
    return {
        start,
        {second.longitude, first.latitude},
        {second.longitude, second.latitude},
        {first.longitude, second.latitude},
        start,
    };
}

} // namespace

void ExportQuerySearch(const std::vector<const AppleMapsHistoryQuerySearchItem*>& records,
                       const boost::filesystem::path& path, const QString& sourceName)
{
    QFile file;
    OpenKmlFile(file, path, CMN_SOURCE_LOCATION);
    {
        QXmlStreamWriter writer(&file);
        cmn::KmlPolygonExport document(writer, ui::GetCategoryName(SearchesCategory), sourceName);
        for (const AppleMapsHistoryQuerySearchItem* search : records) {
            if (!search) {
                LOG_DEBUG << "null pointer: searches";
                continue;
            }
            document.AddPolygon(RegionRing(search->mapRegion), search->locationDisplayString);
        }
    }
    CloseKmlFile(file, CMN_SOURCE_LOCATION);
}

} // namespace appleMaps::details
