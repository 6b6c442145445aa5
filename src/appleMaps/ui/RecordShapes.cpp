#include "RecordShapes.h"

#include "AppleMapsModelBase.h"
#include "RecordMetaTypes.h"

#include "appleMaps/records/AppleMapsCategory.h"
#include "map/MapShapes.h"

#include <QModelIndex>

namespace appleMaps::ui {

namespace {

template <typename Record> const Record* RecordAt(const QModelIndex& index)
{
    return index.data(AppleMapsModelBase::RecordRole).value<const Record*>();
}

bool AddFavourite(map::MapShapes& shapes, int id, const AppleMapsPlaceBookmarkItem& favourite)
{
    return shapes.AddPoint(id, favourite.placePoint, map::PointKind::Place)
        || shapes.AddPoint(id, favourite.droppedPin, map::PointKind::DroppedPin)
        || (favourite.route.size() == 2 && shapes.AddLine(id, favourite.route.front(), favourite.route.back()));
}

bool AddShape(map::MapShapes& shapes, int category, const QModelIndex& index)
{
    const int id = index.row();
    switch (category) {
    case SearchesCategory:
        if (const auto* search = RecordAt<AppleMapsHistoryQuerySearchItem>(index))
            return shapes.AddRectangle(id, search->mapRegion);
        break;
    case FavoritesCategory:
        if (const auto* favourite = RecordAt<AppleMapsPlaceBookmarkItem>(index))
            return AddFavourite(shapes, id, *favourite);
        break;
    case ExploredPlacesCategory:
        if (const auto* place = RecordAt<AppleMapsPlaceDisplayItem>(index))
            return shapes.AddPoint(id, place->placePoint, map::PointKind::Place);
        break;
    case DirectionsSearchesCategory:
        if (const auto* search = RecordAt<AppleMapsDirectionSearchItem>(index))
            return shapes.AddLine(id, search->startPoint, search->endPoint);
        break;
    default: break;
    }
    return false;
}

} // namespace

void AddRecordShape(map::MapShapes& shapes, int category, const QModelIndex& sourceIndex)
{
    if (!AddShape(shapes, category, sourceIndex))
        shapes.CountWithoutLocation();
}

} // namespace appleMaps::ui
