#include "ExportQuerySearch.h"

#include "KmlFile.h"

#include "CryptLog/log/Log.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/records/CategoryName.h"
#include "cmn/kml/KmlPolygonExport.h"

#include <QXmlStreamWriter>

namespace appleMaps::details {
namespace {

// The region's corners, counter-clockwise from the first one, closed by the first again. A region
// that a map cannot take is written as one that was never set, from the no-location values.
std::vector<location::Coordinates> RegionRing(const location::MapRegion& region)
{
    const bool placeable = location::IsPlaceable(region.southWest) && location::IsPlaceable(region.northEast);
    const location::Coordinates& first = placeable ? region.southWest : location::Coordinates();
    const location::Coordinates& second = placeable ? region.northEast : location::Coordinates();
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
    KmlFile file(path, CMN_SOURCE_LOCATION);
    QXmlStreamWriter writer(&file.Device());
    {
        cmn::KmlPolygonExport document(writer, ui::GetCategoryName(SearchesCategory), sourceName);
        for (const AppleMapsHistoryQuerySearchItem* search : records) {
            if (!search) {
                LOG_DEBUG << "null pointer: searches";
                continue;
            }
            document.AddPolygon(RegionRing(search->mapRegion), search->locationDisplayString);
        }
    }
    file.Commit(writer);
}

} // namespace appleMaps::details
