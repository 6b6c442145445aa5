#include "TableRowWriters.h"

#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/text/AddressText.h"
#include "cmn/text/LocationText.h"
#include "cmn/text/MapUrls.h"
#include "exportReport/ExportUtils.h"
#include "exportReport/interfaces/ITableExport.h"

namespace appleMaps::details {
namespace {

// Cell writers of one row, columns named by their index in the caption map.
class RowCells {
public:
    RowCells(const exportReport::CaptionMap& captions, exportReport::ITableExport& table)
        : m_captions(captions)
        , m_table(table)
    {
    }

    void Date(int column, const QDateTime& time) { exportReport::utils::SetDateCell(m_captions.at(column), time, m_table); }
    void Text(int column, const QString& text) { m_table.SetCell(m_captions.at(column), text.toStdString()); }
    void Link(int column, const QString& target, const QString& text)
    {
        m_table.SetLinkCell(m_captions.at(column), target.toStdString(), text.toStdString());
    }
    // What was read, as a map link only where a map can take it.
    void Point(int column, const location::Coordinates& point)
    {
        if (location::IsPlaceable(point))
            Link(column, location::PlaceUrl(point), location::PointText(point));
        else
            Text(column, location::PointText(point));
    }
    void Region(int column, const location::MapRegion& region)
    {
        if (location::IsPlaceable(region.southWest) && location::IsPlaceable(region.northEast))
            Link(column, location::RegionUrl(region), location::RegionText(region));
        else
            Text(column, location::RegionText(region));
    }
    void FirstAddress(int column, const std::vector<cmn::Address>& addresses)
    {
        if (!addresses.empty())
            Text(column, cmn::OneLineAddressText(addresses.front()));
    }

private:
    const exportReport::CaptionMap& m_captions;
    exportReport::ITableExport& m_table;
};

} // namespace

void WriteBookmarkRow(const AppleMapsPlaceBookmarkItem& bookmark, const exportReport::CaptionMap& captions,
                      const std::shared_ptr<exportReport::ITableExport>& table)
{
    RowCells cells(captions, *table);
    cells.Date(0, bookmark.timestamp);
    cells.Text(1, bookmark.title);
    cells.Text(2, bookmark.name);
    cells.Point(3, bookmark.placePoint);
    cells.FirstAddress(4, bookmark.addresses);
    if (location::HasLocation(bookmark.droppedPin))
        cells.Point(5, bookmark.droppedPin);
    if (!bookmark.route.empty() && location::IsPlaceable(bookmark.route.front())
        && location::IsPlaceable(bookmark.route.back()))
        cells.Link(6, location::DirectionsUrl(bookmark.route.front(), bookmark.route.back()), location::RouteText());
    cells.Link(7, bookmark.url, bookmark.url);
    cells.Text(8, bookmark.telephone);
    cells.Text(9, bookmark.fax);
    cells.Text(10, bookmark.type);
}

void WriteDirectionsSearchRow(const AppleMapsDirectionSearchItem& search, const exportReport::CaptionMap& captions,
                              const std::shared_ptr<exportReport::ITableExport>& table)
{
    RowCells cells(captions, *table);
    cells.Date(0, search.timestamp);
    cells.Text(1, search.name);
    cells.Point(2, search.startPoint);
    cells.Point(3, search.endPoint);
    cells.Text(4, search.transportType);
    cells.Text(5, search.telephone);
    cells.Text(6, search.fax);
    cells.Link(7, search.url, search.url);
    cells.FirstAddress(8, search.addresses);
}

void WritePlaceDisplayRow(const AppleMapsPlaceDisplayItem& placeDisplay, const exportReport::CaptionMap& captions,
                          const std::shared_ptr<exportReport::ITableExport>& table)
{
    RowCells cells(captions, *table);
    cells.Date(0, placeDisplay.timestamp);
    cells.Text(1, placeDisplay.name);
    cells.Point(2, placeDisplay.placePoint);
    cells.FirstAddress(3, placeDisplay.addresses);
    cells.Text(4, placeDisplay.telephone);
    cells.Text(5, placeDisplay.fax);
    cells.Link(6, placeDisplay.url, placeDisplay.url);
}

void WriteQuerySearchRow(const AppleMapsHistoryQuerySearchItem& search, const exportReport::CaptionMap& captions,
                         const std::shared_ptr<exportReport::ITableExport>& table)
{
    RowCells cells(captions, *table);
    cells.Date(0, search.timestamp);
    cells.Text(1, search.query);
    cells.Text(2, search.locationDisplayString);
    cells.Region(3, search.mapRegion);
}

} // namespace appleMaps::details
