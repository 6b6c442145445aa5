#pragma once

class QModelIndex;

namespace map {
class MapShapes;
}

namespace appleMaps::ui {

// Adds what the map draws of the record behind a row of a category's table model (0 searches,
// 1 favourites, 2 explored places, 3 directions searches), with the row as the shape's id, or
// counts the record as one without a location: searches as their map region, favourites as
// their place (else their dropped pin, else their route from start to end), explored places as
// their place, directions searches as a line from start to end.
void AddRecordShape(map::MapShapes& shapes, int category, const QModelIndex& sourceIndex);

} // namespace appleMaps::ui
