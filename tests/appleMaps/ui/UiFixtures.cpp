#include "UiFixtures.h"

#include "appleMaps/ui/AppleMapsBookmarksModel.h"
#include "appleMaps/ui/AppleMapsBookmarksSortFilterProxyModel.h"
#include "appleMaps/ui/AppleMapsDirectionsSearchesModel.h"
#include "appleMaps/ui/AppleMapsDirectionsSearchesSortFilterProxyModel.h"
#include "appleMaps/ui/AppleMapsPlaceDisplaysModel.h"
#include "appleMaps/ui/AppleMapsPlaceDisplaysSortFilterProxyModel.h"
#include "appleMaps/ui/AppleMapsSearchHistoryModel.h"
#include "appleMaps/ui/AppleMapsSearchHistorySortFilterProxyModel.h"
#include "appleMaps/ui/RecordMetaTypes.h"
#include "cmn/text/LocationText.h"

#include <QStringList>

namespace test {

using namespace appleMaps::ui;

std::unique_ptr<AppleMapsModelBase> MakeModel(int category, const appleMaps::AppleMapsRecords& records)
{
    switch (category) {
    case 0:
        return std::make_unique<AppleMapsSearchHistoryModel>(nullptr, &records.querySearches);
    case 1:
        return std::make_unique<AppleMapsBookmarksModel>(nullptr, &records.bookmarks);
    case 2:
        return std::make_unique<AppleMapsPlaceDisplaysModel>(nullptr, &records.placeDisplays);
    default:
        return std::make_unique<AppleMapsDirectionsSearchesModel>(nullptr, &records.directionSearches);
    }
}

std::unique_ptr<AppleMapsSortFilterProxyModelBase> MakeProxy(int category, viewers::gui::IFilter* filter)
{
    switch (category) {
    case 0:
        return std::make_unique<AppleMapsSearchHistorySortFilterProxyModel>(nullptr, filter);
    case 1:
        return std::make_unique<AppleMapsBookmarksSortFilterProxyModel>(nullptr, filter);
    case 2:
        return std::make_unique<AppleMapsPlaceDisplaysSortFilterProxyModel>(nullptr, filter);
    default:
        return std::make_unique<AppleMapsDirectionsSearchesSortFilterProxyModel>(nullptr, filter);
    }
}

cmn::Address MakeAddress(const QString& locality, const QString& postCode)
{
    cmn::Address address;
    address.locality = locality;
    address.postCode = postCode;
    address.resolutionState = cmn::Address::Resolved;
    return address;
}

QString CellText(const QModelIndex& index, int role)
{
    const QVariant value = index.data(role);
    if (const QString* text = pluginGui::CellPointer<QString>(value))
        return *text;
    if (const location::Coordinates* point = pluginGui::CellPointer<location::Coordinates>(value))
        return location::PointText(*point);
    if (const location::MapRegion* region = pluginGui::CellPointer<location::MapRegion>(value))
        return location::RegionText(*region);
    if (const location::Route* route = pluginGui::CellPointer<location::Route>(value)) {
        QStringList points;
        for (const location::Coordinates& point : *route)
            points << location::PointText(point);
        return points.join('>');
    }
    if (value.type() == QVariant::DateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    return value.isValid() ? value.toString() : QStringLiteral("-");
}

namespace {

template <typename Text>
QString Joined(int count, Text text)
{
    QString texts;
    for (int at = 0; at < count; ++at)
        texts += text(at) + '|';
    return texts;
}

} // namespace

QString RowTexts(const QAbstractItemModel& model, int row)
{
    return Joined(model.columnCount(), [&model, row](int column) { return CellText(model.index(row, column)); });
}

QString ColumnTexts(const QAbstractItemModel& model, int column)
{
    return Joined(model.rowCount(), [&model, column](int row) { return CellText(model.index(row, column)); });
}

} // namespace test
